#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

// The "&OK" (default, Enter) and "&Cancel" (Escape) buttons of a settings
// dialog, accepting and rejecting it.
QDialogButtonBox* AddOkCancelButtons(QDialog* Dialog, QPushButton*& Ok, QPushButton*& Cancel);

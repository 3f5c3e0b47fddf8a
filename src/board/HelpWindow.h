#pragma once

class QWidget;

// Shows the operator's help, "Dorvane Help", in a window of its own above
// Owner, or brings it to the front when it is already open. Returns the
// help window; it deletes itself when closed.
QWidget* ShowOperatorHelp(QWidget* Owner);

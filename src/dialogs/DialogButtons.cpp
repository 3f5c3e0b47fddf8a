#include "dialogs/DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* AddOkCancelButtons(QDialog* Dialog, QPushButton*& Ok, QPushButton*& Cancel) {
  auto* Buttons = new QDialogButtonBox(Dialog);
  Ok = Buttons->addButton(QCoreApplication::translate("Configuration", "&OK"),
                          QDialogButtonBox::AcceptRole);
  Ok->setObjectName(QStringLiteral("btnOK"));
  Ok->setDefault(true);
  Cancel = Buttons->addButton(QCoreApplication::translate("Configuration", "&Cancel"),
                              QDialogButtonBox::RejectRole);
  Cancel->setObjectName(QStringLiteral("btnCancel"));
  QObject::connect(Buttons, &QDialogButtonBox::accepted, Dialog, &QDialog::accept);
  QObject::connect(Buttons, &QDialogButtonBox::rejected, Dialog, &QDialog::reject);
  return Buttons;
}

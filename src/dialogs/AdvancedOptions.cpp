#include "dialogs/AdvancedOptions.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/DialogButtons.h"
#include "model/Settings.h"

TfrmAdvancedOptions::TfrmAdvancedOptions(const TTKDConfig& Config, QWidget* Owner)
    : QDialog(Owner) {
  setWindowTitle(QCoreApplication::translate("Configuration", "Advanced options"));

  chkSaveInputs = new QCheckBox(QCoreApplication::translate("Configuration", "Save inputs"));
  chkSaveInputs->setObjectName(QStringLiteral("chkSaveInputs"));
  chkSaveInputs->setChecked(Config.SaveInput);
  chkSaveScores = new QCheckBox(QCoreApplication::translate("Configuration", "Save scores"));
  chkSaveScores->setObjectName(QStringLiteral("chkSaveScores"));
  chkSaveScores->setChecked(Config.SaveScores);
  edtFileName = new QLineEdit(Config.SaveFileName);
  edtFileName->setObjectName(QStringLiteral("edtFileName"));
  auto* FileNameLabel =
      new QLabel(QCoreApplication::translate("Configuration", "File name (no path or extension)"));
  FileNameLabel->setBuddy(edtFileName);

  QDialogButtonBox* Buttons = AddOkCancelButtons(this, btnOK, btnCancel);

  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(chkSaveInputs);
  Layout->addWidget(chkSaveScores);
  Layout->addSpacing(8);
  Layout->addWidget(FileNameLabel);
  Layout->addWidget(edtFileName);
  Layout->addStretch();
  Layout->addWidget(Buttons);

  resize(320, 170);
  if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
    move(Screen->availableGeometry().center() - rect().center());
  }
}

void TfrmAdvancedOptions::StoreOptions(TTKDConfig& Config) const {
  Config.SaveInput = chkSaveInputs->isChecked();
  Config.SaveScores = chkSaveScores->isChecked();
  Config.SaveFileName = edtFileName->text();
}

bool ShowAdvancedOptions(TTKDConfig& Config, QWidget* Owner) {
  TfrmAdvancedOptions Dialog(Config, Owner);
  if (Dialog.exec() != QDialog::Accepted) return false;
  Dialog.StoreOptions(Config);
  Config.SaveConfig();
  return true;
}

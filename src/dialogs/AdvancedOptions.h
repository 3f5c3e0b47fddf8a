#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class TTKDConfig;

// Switches the match records on and off and names the record file.
class TfrmAdvancedOptions : public QDialog {
  Q_OBJECT

 public:
  // Filled from Config.
  TfrmAdvancedOptions(const TTKDConfig& Config, QWidget* Owner = nullptr);

  QCheckBox* chkSaveInputs;
  QCheckBox* chkSaveScores;
  QLineEdit* edtFileName;
  QPushButton* btnOK;
  QPushButton* btnCancel;

  // The three fields into Config, the file name exactly as typed.
  void StoreOptions(TTKDConfig& Config) const;
};

// Shows the advanced options modally, loaded from Config. On OK stores them
// into Config and saves the whole settings file at once, then returns true;
// false when cancelled. Throws TDorvaneError when the file cannot be written;
// the three fields stay stored in Config.
bool ShowAdvancedOptions(TTKDConfig& Config, QWidget* Owner = nullptr);

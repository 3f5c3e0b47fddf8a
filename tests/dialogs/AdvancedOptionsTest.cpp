#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/AdvancedOptions.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/TKDConfig.h"

namespace {

using AdvancedOptionsTest = TDialogFixture;

TEST_F(AdvancedOptionsTest, OpensWithTheStoredOptions) {
  FConfig.SaveInput = true;
  FConfig.SaveFileName = "club";
  TfrmAdvancedOptions Dialog(FConfig);
  EXPECT_EQ(Dialog.windowTitle(), "Advanced options");
  EXPECT_TRUE(Dialog.chkSaveInputs->isChecked());
  EXPECT_FALSE(Dialog.chkSaveScores->isChecked());
  EXPECT_EQ(Dialog.edtFileName->text(), "club");
}

TEST_F(AdvancedOptionsTest, OkStoresTheNameAsTypedAndSavesAtOnce) {
  WhenShown<TfrmAdvancedOptions>([](TfrmAdvancedOptions& Dialog) {
    Dialog.chkSaveScores->setChecked(true);
    Dialog.edtFileName->setText("  finals 2024.log ");
    Dialog.btnOK->click();
  });

  ASSERT_TRUE(ShowAdvancedOptions(FConfig));
  EXPECT_TRUE(FConfig.SaveScores);
  EXPECT_FALSE(FConfig.SaveInput);
  EXPECT_EQ(FConfig.SaveFileName, "  finals 2024.log ");
  TTKDConfig Saved;
  Saved.LoadConfig();
  EXPECT_TRUE(Saved.SaveScores);
  // A profile file keeps no blanks around a value.
  EXPECT_EQ(Saved.SaveFileName, "finals 2024.log");
}

TEST_F(AdvancedOptionsTest, SavesInputsWithAnEmptyName) {
  WhenShown<TfrmAdvancedOptions>([](TfrmAdvancedOptions& Dialog) {
    Dialog.chkSaveInputs->setChecked(true);
    Dialog.btnOK->click();
  });

  ASSERT_TRUE(ShowAdvancedOptions(FConfig));
  EXPECT_TRUE(FConfig.SaveInput);
  TTKDConfig Saved;
  Saved.LoadConfig();
  EXPECT_TRUE(Saved.SaveInput);
  EXPECT_EQ(Saved.SaveFileName, "");
}

TEST_F(AdvancedOptionsTest, CancelChangesNothing) {
  WhenShown<TfrmAdvancedOptions>([](TfrmAdvancedOptions& Dialog) {
    Dialog.chkSaveInputs->setChecked(true);
    Dialog.edtFileName->setText("club");
    Dialog.btnCancel->click();
  });

  EXPECT_FALSE(ShowAdvancedOptions(FConfig));
  EXPECT_FALSE(FConfig.SaveInput);
  EXPECT_EQ(FConfig.SaveFileName, "");
  EXPECT_FALSE(QFile::exists(SettingsFilePath()));
}

TEST_F(AdvancedOptionsTest, UnwritableFileIsReportedAndTheOptionsStayInMemory) {
  MakeSettingsFileUnwritable();
  WhenShown<TfrmAdvancedOptions>([](TfrmAdvancedOptions& Dialog) {
    Dialog.chkSaveInputs->setChecked(true);
    Dialog.edtFileName->setText("club");
    Dialog.btnOK->click();
  });

  EXPECT_EQ(ErrorOf([this] { ShowAdvancedOptions(FConfig); }),
            "Unable to write to " + QDir::toNativeSeparators(SettingsFilePath()));
  EXPECT_TRUE(FConfig.SaveInput);
  EXPECT_EQ(FConfig.SaveFileName, "club");
}

// The advanced options save on their own: cancelling the configuration
// dialog afterwards keeps them, and the file holds the configuration rows'
// old values.
TEST_F(AdvancedOptionsTest, SavedOptionsOutliveACancelledConfiguration) {
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    Dialog.SetRowText(TConfigRow::RoundTime, "99");
    WhenShown<TfrmAdvancedOptions>([](TfrmAdvancedOptions& Advanced) {
      Advanced.chkSaveScores->setChecked(true);
      Advanced.edtFileName->setText("club");
      Advanced.btnOK->click();
    });
    Dialog.btnAdvanced->click();
    Dialog.btnCancel->click();
  });

  EXPECT_FALSE(ShowConfigDialog(FConfig));
  EXPECT_TRUE(FConfig.SaveScores);
  EXPECT_EQ(FConfig.RoundTime, 180);
  TTKDConfig Saved;
  Saved.LoadConfig();
  EXPECT_TRUE(Saved.SaveScores);
  EXPECT_EQ(Saved.SaveFileName, "club");
  EXPECT_EQ(Saved.RoundTime, 180);
}

TEST_F(AdvancedOptionsTest, WriteFailureIsShownWhileTheConfigurationStaysOpen) {
  MakeSettingsFileUnwritable();
  bool StillOpen = false;
  WhenShown<TfrmTKDConfig>([&StillOpen](TfrmTKDConfig& Dialog) {
    WhenShown<TfrmAdvancedOptions>([](TfrmAdvancedOptions& Advanced) { Advanced.btnOK->click(); });
    Dialog.btnAdvanced->click();
    StillOpen = Dialog.isVisible();
    Dialog.btnCancel->click();
  });

  EXPECT_FALSE(ShowConfigDialog(FConfig));
  EXPECT_TRUE(StillOpen);
  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Error);
  EXPECT_EQ(FBoxes.LastMessage().Text,
            "Unable to write to " + QDir::toNativeSeparators(SettingsFilePath()) + ".");
}

}  // namespace

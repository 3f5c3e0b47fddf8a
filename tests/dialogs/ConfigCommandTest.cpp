#include <QPushButton>

#include "dialogs/ConfigCommand.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/TKDConfig.h"

namespace {

// Records what the command does to the board, in order.
class TRecordingBoard : public TConfigTarget {
 public:
  bool ClockRunning = false;
  QStringList Calls;

  bool ClockExists() const override { return ClockRunning; }
  void ClearWinner() override { Calls << "ClearWinner"; }
  void SetPlayerNames(const QString& Red, const QString& Blue) override {
    Calls << "Names " + Red + "/" + Blue;
  }
  void SetManagerColors(TColor Round, TColor Break, TColor Injury) override {
    Calls << QString("ManagerColors %1 %2 %3").arg(Round).arg(Break).arg(Injury);
  }
  void SetBackgroundColor(TColor Color) override { Calls << QString("Background %1").arg(Color); }
  void SetNameColor(TColor Color) override { Calls << QString("NameColor %1").arg(Color); }
  void SetClockColor(TColor Color) override { Calls << QString("ClockColor %1").arg(Color); }
  void SetDivision(const QString& Division) override { Calls << "Division " + Division; }
  void ApplyPlayerColors(TColor Red, TColor Blue) override {
    Calls << QString("PlayerColors %1 %2").arg(Red).arg(Blue);
  }
  void SetAutoRestart(bool On) override { Calls << QString("AutoRestart %1").arg(On); }
  void SetWinnerBlinkInterval(int Milliseconds) override {
    Calls << QString("Blink %1").arg(Milliseconds);
  }
  void ShowIdleClockText(const QString& Text) override { Calls << "Clock " + Text; }
};

class ConfigCommandTest : public TDialogFixture {
 protected:
  static void ConfirmWith(TConfigRow Row, const QString& Text) {
    WhenShown<TfrmTKDConfig>([Row, Text](TfrmTKDConfig& Dialog) {
      Dialog.SetRowText(Row, Text);
      Dialog.btnOK->click();
    });
  }

  TRecordingBoard FBoard;
};

TEST_F(ConfigCommandTest, ConfirmedSettingsReachTheBoardInOrder) {
  ConfirmWith(TConfigRow::Division, "Juniors");
  RunConfigurationCommand(FBoard, FConfig);

  EXPECT_EQ(FBoard.Calls,
            QStringList({"ClearWinner", "Names Red player/Blue player",
                         "ManagerColors 16777215 65280 65535", "Background 0", "NameColor 16777215",
                         "ClockColor 16777215", "Division Juniors", "PlayerColors 255 16711680",
                         "AutoRestart 1", "Blink 200", "Clock 3:00"}));
}

TEST_F(ConfigCommandTest, IdleClockShowsTheRoundTimeRoundedHalvesToEven) {
  ConfirmWith(TConfigRow::RoundTime, "90.5");
  RunConfigurationCommand(FBoard, FConfig);
  EXPECT_EQ(FBoard.Calls.last(), "Clock 1:30");
}

TEST_F(ConfigCommandTest, RunningClockKeepsItsTextAndTheWinner) {
  FBoard.ClockRunning = true;
  ConfirmWith(TConfigRow::RoundTime, "100");
  RunConfigurationCommand(FBoard, FConfig);

  EXPECT_FALSE(FBoard.Calls.contains("ClearWinner"));
  EXPECT_EQ(FBoard.Calls.last(), "Blink 200");
  EXPECT_EQ(FConfig.RoundTime, 100);
}

TEST_F(ConfigCommandTest, CancelOnlyClearsTheWinner) {
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) { Dialog.btnCancel->click(); });
  RunConfigurationCommand(FBoard, FConfig);
  EXPECT_EQ(FBoard.Calls, QStringList({"ClearWinner"}));
}

// The refused dialog stays open; cancelled then, it leaves the board as it was.
TEST_F(ConfigCommandTest, BadRowIsShownWithAFullStopAndNothingApplied) {
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    Dialog.SetRowText(TConfigRow::RoundTime, "abc");
    Dialog.btnOK->click();
    Dialog.btnCancel->click();
  });
  RunConfigurationCommand(FBoard, FConfig);

  EXPECT_EQ(FBoard.Calls, QStringList({"ClearWinner"}));
  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Error);
  EXPECT_EQ(FBoxes.LastMessage().Text, "'abc' is not a valid floating point value.");
}

TEST_F(ConfigCommandTest, UnwritableFileIsShownAndNothingAppliedThoughSettingsChanged) {
  MakeSettingsFileUnwritable();
  ConfirmWith(TConfigRow::RedPlayer, "Kim");
  RunConfigurationCommand(FBoard, FConfig);

  EXPECT_EQ(FBoard.Calls, QStringList({"ClearWinner"}));
  EXPECT_EQ(FBoxes.LastMessage().Text,
            "Unable to write to " + QDir::toNativeSeparators(SettingsFilePath()) + ".");
  EXPECT_EQ(FConfig.RedPlayer, "Kim");
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dialogs/TKDConfig.h"
#include "model/ScoreManager.h"
#include "platform/ProgramDir.h"
#include "support/ui/BoardFixture.h"

namespace {

// Answers the configuration dialog once it is modal: Edit changes it, then OK.
void AnswerConfiguration(const std::function<void(TfrmTKDConfig&)>& Edit) {
  QTimer::singleShot(0, [Edit] {
    auto* Dialog = qobject_cast<TfrmTKDConfig*>(QApplication::activeModalWidget());
    if (!Dialog) {
      ADD_FAILURE() << "the configuration dialog is not showing";
      return;
    }
    Edit(*Dialog);
    Dialog->btnOK->click();
  });
}

class BoardConfigurationTest : public TBoardFixture {};

TEST_F(BoardConfigurationTest, ConfirmedSettingsReachTheBoardAndTheFile) {
  Board().ScoreMgr().SetWinner(TWinner::Red);
  AnswerConfiguration([](TfrmTKDConfig& Dialog) {
    Dialog.SetRowText(TConfigRow::RedPlayer, QStringLiteral("Kim"));
    Dialog.SetRowText(TConfigRow::Division, QStringLiteral("-68 kg"));
    Dialog.SetRowText(TConfigRow::RoundTime, QStringLiteral("90"));
  });
  Board().mniConfigurationClick();

  EXPECT_EQ(Text("lblRedPlayerName"), "Kim");
  EXPECT_EQ(Text("lblDivision"), "-68 kg");
  EXPECT_EQ(Text("lblCountDown"), "1:30");
  EXPECT_EQ(Board().ScoreMgr().Winner(), TWinner::None)
      << "opening it with no clock clears the winner";
  EXPECT_EQ(FConfig.RoundTime, 90);
  QFile File(SettingsFilePath());
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  const QByteArray Saved = File.readAll();
  EXPECT_TRUE(Saved.contains("RedPlayer=Kim\r\n")) << Saved.constData();
  EXPECT_TRUE(Saved.contains("RoundTime=90\r\n")) << Saved.constData();
  EXPECT_EQ(FBoxes.Count(), 0);
}

// The refused dialog stays open; cancelled then, nothing reaches the board.
TEST_F(BoardConfigurationTest, ABadRowIsShownAndNothingIsApplied) {
  const QString ClockBefore = Text("lblCountDown");
  QTimer::singleShot(0, [] {
    auto* Dialog = qobject_cast<TfrmTKDConfig*>(QApplication::activeModalWidget());
    ASSERT_TRUE(Dialog) << "the configuration dialog is not showing";
    Dialog->SetRowText(TConfigRow::RoundTime, QStringLiteral("abc"));
    Dialog->btnOK->click();
    Dialog->btnCancel->click();
  });
  Board().mniConfigurationClick();

  EXPECT_EQ(FBoxes.LastMessage().Text, "'abc' is not a valid floating point value.");
  EXPECT_EQ(Text("lblCountDown"), ClockBefore);
  EXPECT_EQ(FConfig.RoundTime, 180);
}

}  // namespace

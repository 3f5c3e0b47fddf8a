#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"

namespace {

struct TEntryCase {
  const char* Name;
  Qt::Key Key;
  Qt::KeyboardModifiers Modifiers;
  // Before the key: red score, red penalty, blue score, blue penalty.
  int32_t RedScore;
  double RedPenalty;
  int32_t BlueScore;
  double BluePenalty;
  // After it.
  int32_t ExpRedScore;
  double ExpRedPenalty;
  int32_t ExpBlueScore;
  double ExpBluePenalty;
  const char* Record;  // end of the input line, or null for none
  const char* Cue;     // or null for none
  bool Changes;        // the manager's value is written (its event fires)
};

const TEntryCase EntryCases[] = {
    {"RedPoint", Qt::Key_F2, Qt::NoModifier, 0, 0, 0, 0, 1, 0, 0, 0, ",keyboard,1 red point,1.0",
     "RedPoint", true},
    {"RedPointBack", Qt::Key_F2, Qt::ShiftModifier, 2, 0, 0, 0, 1, 0, 0, 0,
     ",keyboard,1 red point,-1.0", nullptr, true},
    {"RedPointBackAtZero", Qt::Key_F2, Qt::ShiftModifier, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr,
     true},
    {"RedDeduction", Qt::Key_F3, Qt::NoModifier, 0, 0.5, 0, 0, 0, 1.5, 0, 0,
     ",keyboard,1 red penalty,1.0", "RedFullPenalty", true},
    {"RedDeductionBack", Qt::Key_F3, Qt::ShiftModifier, 0, 1.5, 0, 0, 0, 0.5, 0, 0,
     ",keyboard,1 red penalty,-1.0", nullptr, true},
    {"RedDeductionBackFromHalf", Qt::Key_F3, Qt::ShiftModifier, 0, 0.5, 0, 0, 0, 0.5, 0, 0, nullptr,
     nullptr, false},
    {"RedWarning", Qt::Key_F4, Qt::NoModifier, 0, 1, 0, 0, 0, 1.5, 0, 0,
     ",keyboard,0.5 red penalty,0.5", "RedHalfPenalty", true},
    {"RedWarningBack", Qt::Key_F4, Qt::ShiftModifier, 0, 1, 0, 0, 0, 0.5, 0, 0,
     ",keyboard,0.5 red penalty,-0.5", nullptr, true},
    {"RedWarningBackAtZero", Qt::Key_F4, Qt::ShiftModifier, 0, 0, 0, 0, 0, 0, 0, 0, nullptr,
     nullptr, false},
    {"BluePoint", Qt::Key_F5, Qt::NoModifier, 0, 0, 4, 0, 0, 0, 5, 0, ",keyboard,1 blue point,1.0",
     "BluePoint", true},
    {"BluePointBack", Qt::Key_F5, Qt::ShiftModifier, 0, 0, 1, 0, 0, 0, 0, 0,
     ",keyboard,1 blue point,-1.0", nullptr, true},
    {"BluePointBackAtZero", Qt::Key_F5, Qt::ShiftModifier, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr,
     true},
    {"BlueDeduction", Qt::Key_F6, Qt::NoModifier, 0, 0, 0, 0, 0, 0, 0, 1,
     ",keyboard,1 blue penalty,1.0", "BlueFullPenalty", true},
    {"BlueDeductionBack", Qt::Key_F6, Qt::ShiftModifier, 0, 0, 0, 1, 0, 0, 0, 0,
     ",keyboard,1 blue penalty,-1.0", nullptr, true},
    {"BlueDeductionBackFromHalf", Qt::Key_F6, Qt::ShiftModifier, 0, 0, 0, 0.5, 0, 0, 0, 0.5,
     nullptr, nullptr, false},
    {"BlueWarning", Qt::Key_F7, Qt::NoModifier, 0, 0, 0, 0, 0, 0, 0, 0.5,
     ",keyboard,0.5 blue penalty,0.5", "BlueHalfPenalty", true},
    {"BlueWarningBack", Qt::Key_F7, Qt::ShiftModifier, 0, 0, 0, 0.5, 0, 0, 0, 0,
     ",keyboard,0.5 blue penalty,-0.5", nullptr, true},
    {"BlueWarningBackAtZero", Qt::Key_F7, Qt::ShiftModifier, 0, 0, 0, 0, 0, 0, 0, 0, nullptr,
     nullptr, false},
};

class ScoreEntryTest : public TBoardFixture, public testing::WithParamInterface<TEntryCase> {
 protected:
  ScoreEntryTest() {
    WriteSettingsFile(QStringLiteral("[Config]\nSaveInput=1\nSaveFileName=match\n"));
    ConfigureCueFiles({"RedPoint", "RedFullPenalty", "RedHalfPenalty", "BluePoint",
                       "BlueFullPenalty", "BlueHalfPenalty"});
  }

  // Counts the manager's score and penalty events, the board still drawing.
  int CountChangeEvents() {
    TDorvaneMgr& Mgr = Board().ScoreMgr();
    for (TDorvaneMgr::TMgrEvent* Event : {&Mgr.OnRedScoreChange, &Mgr.OnRedPenaltyChange,
                                          &Mgr.OnBlueScoreChange, &Mgr.OnBluePenaltyChange}) {
      *Event = [this, Drawn = *Event](TDorvaneMgr& Sender) {
        ++FEvents;
        Drawn(Sender);
      };
    }
    return FEvents;
  }

  int FEvents = 0;
};

TEST_P(ScoreEntryTest, RecordsChangesAndPlaysItsCue) {
  const TEntryCase& Case = GetParam();
  TDorvaneMgr& Mgr = Board().ScoreMgr();
  Mgr.SetRedScore(Case.RedScore);
  Mgr.SetRedPenalty(Case.RedPenalty);
  Mgr.SetBlueScore(Case.BlueScore);
  Mgr.SetBluePenalty(Case.BluePenalty);
  const QString RecordBefore = RecordFileText();
  FSound.Clear();
  CountChangeEvents();

  PressKey(Case.Key, Case.Modifiers);

  EXPECT_EQ(Mgr.RedScore(), Case.ExpRedScore);
  EXPECT_DOUBLE_EQ(Mgr.RedPenalty(), Case.ExpRedPenalty);
  EXPECT_EQ(Mgr.BlueScore(), Case.ExpBlueScore);
  EXPECT_DOUBLE_EQ(Mgr.BluePenalty(), Case.ExpBluePenalty);
  const QStringList NewLines =
      RecordFileText().mid(RecordBefore.size()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  if (Case.Record) {
    ASSERT_EQ(NewLines.size(), 1);
    EXPECT_TRUE(NewLines[0].trimmed().endsWith(QLatin1String(Case.Record)))
        << NewLines[0].toStdString();
  } else {
    EXPECT_TRUE(NewLines.isEmpty());
  }
  EXPECT_EQ(PlayedCues(), Case.Cue ? QStringList{QLatin1String(Case.Cue)} : QStringList());
  EXPECT_EQ(FEvents, Case.Changes ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, ScoreEntryTest, testing::ValuesIn(EntryCases),
                         [](const testing::TestParamInfo<TEntryCase>& Info) {
                           return std::string(Info.param.Name);
                         });

// The buttons and the popup menu's entries run the same commands as the keys.
TEST_F(TBoardFixture, ButtonAndMenuEntryRunTheKeysCommand) {
  TfrmDorvane& Window = Board();
  QPushButton* HongButton = nullptr;
  for (QPushButton* Button : Window.findChildren<QPushButton*>()) {
    if (Button->text() == QLatin1String("+ Hong")) HongButton = Button;
  }
  ASSERT_NE(HongButton, nullptr);
  QTest::mouseClick(HongButton, Qt::LeftButton);
  EXPECT_EQ(Window.ScoreMgr().RedScore(), 1);
  QAction* HongEntry = nullptr;
  for (QAction* Entry : Window.PopupMenu()->findChildren<QAction*>()) {
    if (Entry->text().startsWith(QLatin1String("Hong\t")) &&
        !Entry->text().contains(QLatin1String("Shift"))) {
      HongEntry = Entry;
    }
  }
  ASSERT_NE(HongEntry, nullptr);
  HongEntry->trigger();
  EXPECT_EQ(Window.ScoreMgr().RedScore(), 2);
  EXPECT_EQ(Text("lblRedScore"), QStringLiteral("2"));
}

}  // namespace

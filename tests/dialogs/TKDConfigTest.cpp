#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>
#include <cmath>

#include "dialogs/ConfigCommand.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/TKDConfig.h"
#include "model/Colors.h"

namespace {

using enum TConfigRow;

class TKDConfigTest : public TDialogFixture {
 protected:
  // The line editor of Which, opened the way the operator opens it: by
  // focusing the row and pressing F2.
  static QLineEdit* FocusAndEdit(TfrmTKDConfig& Dialog, TConfigRow Which) {
    Dialog.Rows->setCurrentItem(Dialog.Row(Which));
    QTest::keyClick(Dialog.Rows, Qt::Key_F2);
    // A closed editor lingers hidden until it is deleted.
    for (QLineEdit* Editor : Dialog.Rows->viewport()->findChildren<QLineEdit*>()) {
      if (Editor->isVisible()) return Editor;
    }
    return nullptr;
  }

  static void Type(QLineEdit* Editor, const QString& Text) {
    Editor->selectAll();
    Editor->insert(Text);  // as typed over the selection, unlike setText
  }

  static QColor DigitColor(const TfrmTKDConfig& Dialog) {
    return Dialog.lblTimer->palette().color(QPalette::WindowText);
  }
  static QColor PreviewBackground(const TfrmTKDConfig& Dialog) {
    return Dialog.lblTimer->palette().color(QPalette::Window);
  }
};

TEST_F(TKDConfigTest, LoadsEveryRowKindFromSettings) {
  FConfig.RedPlayer = "Kim";
  FConfig.RoundTime = 90.25;
  FConfig.Rounds = 5;
  FConfig.QueryB4NewGame = true;
  FConfig.AutoCalcWinner = false;
  FConfig.InjuryColor = 0x123456;
  FConfig.CommPortNo = 4;

  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);

  EXPECT_EQ(Dialog.RowText(RedPlayer), "Kim");
  EXPECT_EQ(Dialog.RowText(RoundTime), "90.3");  // one decimal, as shown
  EXPECT_EQ(Dialog.RowText(InjuryTime), "60.0");
  EXPECT_EQ(Dialog.RowText(Rounds), "5");
  EXPECT_EQ(Dialog.RowText(QueryB4NewGame), "True");
  EXPECT_EQ(Dialog.RowText(AutoCalcWinner), "False");
  EXPECT_EQ(Dialog.WorkingColor(InjuryColor), QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(Dialog.WorkingColor(BluePlayerColor), QColor(Qt::blue));
  EXPECT_EQ(Dialog.RowText(CommPortNo), "4");
}

TEST_F(TKDConfigTest, ShowsCategoriesExpandedAndHidesTheHiddenRows) {
  TfrmTKDConfig Dialog(FConfig);
  QStringList Shown;
  for (int I = 0; I < Dialog.Rows->topLevelItemCount(); ++I) {
    const QTreeWidgetItem* Category = Dialog.Rows->topLevelItem(I);
    if (Category->isHidden()) continue;
    Shown << Category->text(0);
    EXPECT_TRUE(Category->isExpanded()) << Category->text(0).toStdString();
  }
  EXPECT_EQ(Shown, QStringList({"Players", "Times", "Colours", "Scoring"}));

  const QTreeWidgetItem* Sudden = Dialog.Row(UseSuddenDeath)->parent();
  EXPECT_EQ(Sudden->text(0), "Sudden Death Round");
  EXPECT_EQ(Sudden->parent()->text(0), "Scoring");
  EXPECT_TRUE(Sudden->isExpanded());

  for (TConfigRow Hidden : {CommPortNo, UsePointGap, PointGap, UsePointCeiling, PointCeiling}) {
    const QTreeWidgetItem* Item = Dialog.Row(Hidden);
    const bool ShownSomewhere =
        !Item->isHidden() && (!Item->parent() || !Item->parent()->isHidden());
    EXPECT_FALSE(ShownSomewhere) << Item->text(0).toStdString();
  }
}

TEST_F(TKDConfigTest, OkStoresTypedRowsAndChosenColoursAndSavesTheFile) {
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    Type(FocusAndEdit(Dialog, RoundTime), " 120.5 ");
    Type(FocusAndEdit(Dialog, BluePlayer), "Lee");
    Dialog.SetRowText(Rounds, "4");
    Dialog.SetRowText(UseElectronicScoring, "true");
    Dialog.SetRowText(UseSuddenDeath, "False");
    Dialog.ColorChooser = [](QWidget*, const QColor&) { return QColor(1, 2, 3); };
    Dialog.ChooseRowColor(NameColor);
    // The round time is still in its editor when OK is pressed.
    Type(FocusAndEdit(Dialog, RoundTime), "150");
    Dialog.btnOK->click();
  });

  ASSERT_TRUE(ShowConfigDialog(FConfig));

  EXPECT_EQ(FConfig.RoundTime, 150);
  EXPECT_EQ(FConfig.BluePlayer, "Lee");
  EXPECT_EQ(FConfig.Rounds, 4);
  EXPECT_TRUE(FConfig.UseElectronicScoring);
  EXPECT_FALSE(FConfig.UseSuddenDeath);
  EXPECT_EQ(FConfig.NameColor, 0x030201);
  EXPECT_EQ(FConfig.RoundColor, 16777215);  // untouched rows keep their values

  TTKDConfig Saved;
  Saved.LoadConfig();
  EXPECT_EQ(Saved.RoundTime, 150);
  EXPECT_EQ(Saved.BluePlayer, "Lee");
  EXPECT_EQ(Saved.NameColor, 0x030201);
  EXPECT_TRUE(Saved.UseElectronicScoring);
}

struct TRefusedCase {
  TConfigRow Row;
  const char* Refused;
  const char* Error;
  const char* Corrected;
  double (*Stored)(const TTKDConfig&);
};

class TKDConfigRefusedTest : public TKDConfigTest,
                             public testing::WithParamInterface<TRefusedCase> {};

// OK on a refused value keeps the dialog and every other edit: the operator
// corrects the selected row and confirms again.
TEST_P(TKDConfigRefusedTest, KeepsTheDialogOpenOnTheRefusedRowWithTheOtherEdits) {
  const TRefusedCase& Case = GetParam();
  bool Refused = false;
  WhenShown<TfrmTKDConfig>([&](TfrmTKDConfig& Dialog) {
    Dialog.SetRowText(RedPlayer, "Kim");
    Dialog.SetRowText(CoachTime, "20");
    Dialog.Rows->setCurrentItem(Dialog.Row(RedPlayer), 1);
    Type(FocusAndEdit(Dialog, Case.Row), Case.Refused);  // still in its editor
    Dialog.btnOK->click();

    Refused = Dialog.isVisible();
    EXPECT_TRUE(Refused);
    EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Error);
    EXPECT_EQ(FBoxes.LastMessage().Text, QString::fromUtf8(Case.Error) + '.');
    EXPECT_EQ(Dialog.Rows->currentItem(), Dialog.Row(Case.Row));
    EXPECT_TRUE(Dialog.Row(Case.Row)->isSelected());
    EXPECT_EQ(Dialog.RowText(Case.Row), Case.Refused);
    EXPECT_EQ(Dialog.RowText(RedPlayer), "Kim");
    EXPECT_EQ(Dialog.RowText(CoachTime), "20");
    // Nothing is stored while a row is refused.
    EXPECT_EQ(FConfig.RedPlayer, "Red player");
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));

    Type(FocusAndEdit(Dialog, Case.Row), Case.Corrected);
    Dialog.btnOK->click();
  });

  ASSERT_TRUE(ShowConfigDialog(FConfig));
  EXPECT_TRUE(Refused);
  EXPECT_EQ(FBoxes.Count(), 1);
  EXPECT_EQ(FConfig.RedPlayer, "Kim");
  EXPECT_EQ(FConfig.CoachTime, 20);
  EXPECT_EQ(Case.Stored(FConfig), QString::fromLatin1(Case.Corrected).toDouble());
  TTKDConfig Saved;
  Saved.LoadConfig();
  EXPECT_EQ(Saved.RedPlayer, "Kim");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TKDConfigRefusedTest,
    testing::Values(
        TRefusedCase{RoundTime, "abc", "'abc' is not a valid floating point value", "150",
                     [](const TTKDConfig& C) { return C.RoundTime; }},
        TRefusedCase{Rounds, "3.5", "'3.5' is not a valid integer value", "2",
                     [](const TTKDConfig& C) { return double(C.Rounds); }},
        TRefusedCase{InjuryTime, "0",
                     "'0' is not a valid value for \"Injury time\": it must be above 0 and at most "
                     "5999",
                     "45", [](const TTKDConfig& C) { return C.InjuryTime; }}));

TEST_F(TKDConfigTest, FractionInNumberOfRoundsStoresNoFieldAndLeavesTheFile) {
  FConfig.SaveConfig();
  const QString FileBefore = SettingsFileText();
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    Dialog.SetRowText(RoundTime, "100");
    Dialog.SetRowText(InjuryTime, "50");
    Dialog.SetRowText(EndOfRoundWarning, "5");
    Dialog.SetRowText(BluePlayer, "Lee");
    Dialog.SetRowText(RedPlayer, "Kim");
    Dialog.SetRowText(CoachTime, "20");
    Dialog.SetRowText(Rounds, "3.5");
    Dialog.SetRowText(DisqualifyPenalty, "2");
    Dialog.SetRowText(Division, "Juniors");
    Dialog.btnOK->click();
    Dialog.btnCancel->click();  // the refused dialog stays until cancelled
  });

  EXPECT_FALSE(ShowConfigDialog(FConfig));
  EXPECT_EQ(FBoxes.LastMessage().Text, "'3.5' is not a valid integer value.");
  // A half-stored dialog would start the next round with times the
  // operator was told were not taken.
  EXPECT_EQ(FConfig.RoundTime, 180);
  EXPECT_EQ(FConfig.InjuryTime, 60);
  EXPECT_EQ(FConfig.EndOfRoundWarning, 10);
  EXPECT_EQ(FConfig.BluePlayer, "Blue player");
  EXPECT_EQ(FConfig.RedPlayer, "Red player");
  EXPECT_EQ(FConfig.CoachTime, 30);
  EXPECT_EQ(FConfig.Rounds, 3);
  EXPECT_EQ(FConfig.DisqualifyPenalty, 4);
  EXPECT_EQ(FConfig.Division, "");
  EXPECT_EQ(SettingsFileText(), FileBefore);
}

struct TNumberCase {
  TConfigRow Row;
  const char* Text;
  const char* Error;  // empty when the text is accepted
  double Stored;      // the field's value when accepted
};

class TKDConfigNumberTest : public TKDConfigTest,
                            public testing::WithParamInterface<TNumberCase> {};

TEST_P(TKDConfigNumberTest, ConvertsOrNamesTheText) {
  const TNumberCase& Case = GetParam();
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.SetRowText(Case.Row, Case.Text);

  EXPECT_EQ(ErrorOf([&] { Dialog.StoreRows(FConfig); }), QString(Case.Error));
  if (*Case.Error) return;
  const double Stored = Case.Row == Rounds ? FConfig.Rounds : FConfig.RoundTime;
  EXPECT_EQ(Stored, Case.Stored);
  EXPECT_FALSE(std::signbit(Stored));
}

// A time above zero that a clock can show.
#define EACH_ROUND_RANGE(Text) \
  "'" Text "' is not a valid value for \"Each round\": it must be above 0 and at most 5999"

INSTANTIATE_TEST_SUITE_P(
    Rows, TKDConfigNumberTest,
    testing::Values(
        TNumberCase{RoundTime, "abc", "'abc' is not a valid floating point value", 0},
        TNumberCase{RoundTime, "", "'' is not a valid floating point value", 0},
        TNumberCase{RoundTime, "1e400", "'1e400' is not a valid floating point value", 0},
        TNumberCase{RoundTime, "inf", "'inf' is not a valid floating point value", 0},
        TNumberCase{RoundTime, "nan", "'nan' is not a valid floating point value", 0},
        TNumberCase{RoundTime, "1,5", "'1,5' is not a valid floating point value", 0},
        TNumberCase{RoundTime, " 12.5 ", "", 12.5}, TNumberCase{RoundTime, "5999", "", 5999},
        TNumberCase{RoundTime, "-0", EACH_ROUND_RANGE("-0"), 0},
        TNumberCase{RoundTime, "0", EACH_ROUND_RANGE("0"), 0},
        TNumberCase{RoundTime, "-5", EACH_ROUND_RANGE("-5"), 0},
        TNumberCase{RoundTime, "1e15", EACH_ROUND_RANGE("1e15"), 0},
        TNumberCase{RoundTime, "5999.5", EACH_ROUND_RANGE("5999.5"), 0},
        TNumberCase{Rounds, "-1",
                    "'-1' is not a valid value for \"Number of rounds\": it must be at least 0 and "
                    "at most 2147483647",
                    0},
        TNumberCase{Rounds, "0", "", 0},
        TNumberCase{Rounds, "2147483648", "'2147483648' is not a valid integer value", 0},
        TNumberCase{Rounds, "", "'' is not a valid integer value", 0},
        TNumberCase{Rounds, "7", "", 7}));

struct TBlinkCase {
  const char* Text;
  double WinnerBlink;
  int Period;
  const char* Error;  // empty when the text is accepted
};

class TKDConfigBlinkTest : public TKDConfigTest, public testing::WithParamInterface<TBlinkCase> {};

TEST_P(TKDConfigBlinkTest, BlinkRowGivesBlinkPeriod) {
  const TBlinkCase& Case = GetParam();
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.SetRowText(WinnerBlink, Case.Text);

  EXPECT_EQ(ErrorOf([&] { Dialog.StoreRows(FConfig); }), QString(Case.Error));
  EXPECT_EQ(FConfig.WinnerBlink, Case.WinnerBlink);
  EXPECT_EQ(WinnerBlinkInterval(FConfig.WinnerBlink), Case.Period);
}

#define BLINK_RANGE                                                                               \
  "is not a valid value for \"Winner blink frequency (millisecs)\": it must be at least 100 and " \
  "at most 2147483647"

INSTANTIATE_TEST_SUITE_P(
    Texts, TKDConfigBlinkTest,
    testing::Values(TBlinkCase{"fast", 200, 200, "'fast' is not a valid floating point value"},
                    TBlinkCase{"50", 200, 200, "'50' " BLINK_RANGE},
                    TBlinkCase{"250.4", 250.4, 250, ""}, TBlinkCase{"250.5", 250.5, 250, ""},
                    TBlinkCase{"251.5", 251.5, 252, ""}, TBlinkCase{"100", 100, 100, ""},
                    TBlinkCase{"1e12", 200, 200, "'1e12' " BLINK_RANGE}));

TEST_F(TKDConfigTest, PointRulesStayOffThroughRepeatedConfirmation) {
  FConfig.PointGap = 9;
  for (int Time = 0; Time < 2; ++Time) {
    WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) { Dialog.btnOK->click(); });
    ASSERT_TRUE(ShowConfigDialog(FConfig));
  }
  EXPECT_FALSE(FConfig.UsePointGap);
  EXPECT_FALSE(FConfig.UsePointCeiling);
  EXPECT_EQ(FConfig.PointGap, 9);
  EXPECT_TRUE(SettingsFileText().contains("UsePointGap=0"));
  EXPECT_TRUE(SettingsFileText().contains("UsePointCeiling=0"));
}

TEST_F(TKDConfigTest, CancelChangesNeitherSettingsNorFile) {
  FConfig.SaveConfig();
  const QString FileBefore = SettingsFileText();
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    Dialog.SetRowText(RoundTime, "99");
    Dialog.SetRowText(RedPlayer, "Kim");
    Dialog.btnCancel->click();
  });

  EXPECT_FALSE(ShowConfigDialog(FConfig));
  EXPECT_EQ(FConfig.RoundTime, 180);
  EXPECT_EQ(FConfig.RedPlayer, "Red player");
  EXPECT_EQ(SettingsFileText(), FileBefore);
}

TEST_F(TKDConfigTest, EscapeInAnOpenEditorCancelsTheDialog) {
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    QLineEdit* Editor = FocusAndEdit(Dialog, RoundTime);
    ASSERT_NE(Editor, nullptr);
    Type(Editor, "99");
    QKeyEvent Escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Editor, &Escape);
    if (Dialog.isVisible()) Dialog.btnOK->click();  // lets the test finish and fail below
  });

  EXPECT_FALSE(ShowConfigDialog(FConfig));
  EXPECT_EQ(FConfig.RoundTime, 180);
}

TEST_F(TKDConfigTest, EnterInAnOpenEditorConfirmsTheDialog) {
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    QLineEdit* Editor = FocusAndEdit(Dialog, RoundTime);
    ASSERT_NE(Editor, nullptr);
    Type(Editor, "99");
    QKeyEvent Enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Editor, &Enter);
    if (Dialog.isVisible()) Dialog.btnCancel->click();  // lets the test finish and fail below
  });

  EXPECT_TRUE(ShowConfigDialog(FConfig));
  EXPECT_EQ(FConfig.RoundTime, 99);
}

TEST_F(TKDConfigTest, PreviewStartsAtThreeMinutesOnTheBackground) {
  FConfig.BGColor = 0x000080;
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.ShowTimerPreview(nullptr);

  EXPECT_EQ(Dialog.lblTimer->text(), "3:00");
  EXPECT_EQ(PreviewBackground(Dialog), QColor(0x80, 0, 0));
  EXPECT_EQ(DigitColor(Dialog), QColor(Qt::white));
}

TEST_F(TKDConfigTest, PreviewFollowsTheFocusedRowAndTyping) {
  FConfig.InjuryColor = 0x00FFFF;
  FConfig.BreakColor = 0x00FF00;
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.show();

  FocusAndEdit(Dialog, InjuryTime);
  EXPECT_EQ(Dialog.lblTimer->text(), "01:00.0");
  EXPECT_EQ(DigitColor(Dialog), QColor(Qt::yellow));

  QLineEdit* Editor = FocusAndEdit(Dialog, CoachTime);
  ASSERT_NE(Editor, nullptr);
  Type(Editor, "90");
  EXPECT_EQ(Dialog.lblTimer->text(), "01:30.0");
  EXPECT_EQ(DigitColor(Dialog), QColor(Qt::green));
  Type(Editor, "x");
  EXPECT_EQ(Dialog.lblTimer->text(), "00:00.0");

  // Another row leaves the preview as it was.
  FocusAndEdit(Dialog, Division);
  EXPECT_EQ(Dialog.lblTimer->text(), "00:00.0");
  EXPECT_EQ(DigitColor(Dialog), QColor(Qt::green));
}

TEST_F(TKDConfigTest, PreviewRoundsToWholeSecondsHalvesToEven) {
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.SetRowText(RoundTime, "62.5");
  Dialog.ShowTimerPreview(Dialog.Row(RoundTime));
  EXPECT_EQ(Dialog.lblTimer->text(), "01:02.0");
  Dialog.SetRowText(RoundTime, "63.5");
  Dialog.ShowTimerPreview(Dialog.Row(RoundColor));
  EXPECT_EQ(Dialog.lblTimer->text(), "01:04.0");
}

TEST_F(TKDConfigTest, ColourChooserStartsFromTheWorkingColourAndUpdatesThePreview) {
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.ShowTimerPreview(nullptr);
  QColor Offered;
  Dialog.ColorChooser = [&Offered](QWidget*, const QColor& Initial) {
    Offered = Initial;
    return std::optional<QColor>(QColor(10, 20, 30));
  };

  Dialog.ChooseRowColor(BGColor);
  EXPECT_EQ(Offered, QColor(Qt::black));
  EXPECT_EQ(PreviewBackground(Dialog), QColor(10, 20, 30));
  EXPECT_EQ(FConfig.BGColor, 0);  // the board changes only after OK

  Dialog.ChooseRowColor(BreakColor);
  EXPECT_EQ(Offered, QColor(Qt::green));
  EXPECT_EQ(Dialog.lblTimer->text(), "00:30.0");
  EXPECT_EQ(DigitColor(Dialog), QColor(10, 20, 30));
}

TEST_F(TKDConfigTest, CancelledColourChooserChangesNothing) {
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.ColorChooser = [](QWidget*, const QColor&) { return std::optional<QColor>(); };
  Dialog.ChooseRowColor(RedPlayerColor);
  EXPECT_EQ(Dialog.WorkingColor(RedPlayerColor), QColor(Qt::red));
}

TEST_F(TKDConfigTest, ColourRowEditorShowsTheWorkingColourAndOpensTheChooser) {
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.ColorChooser = [](QWidget*, const QColor&) { return std::optional(QColor(5, 6, 7)); };
  Dialog.show();
  Dialog.Rows->setCurrentItem(Dialog.Row(OnePointColor));
  QTest::keyClick(Dialog.Rows, Qt::Key_Space);
  QAbstractButton* Button = nullptr;
  for (auto* Candidate :
       Dialog.Rows->viewport()->findChildren<QAbstractButton*>("btnChooseColor")) {
    if (Candidate->isVisible()) Button = Candidate;
  }
  ASSERT_NE(Button, nullptr);
  const QWidget* Editor = Button->parentWidget();
  EXPECT_EQ(Editor->palette().color(Editor->backgroundRole()), QColor(Qt::green));

  Button->click();
  EXPECT_EQ(Dialog.WorkingColor(OnePointColor), QColor(5, 6, 7));
  EXPECT_EQ(Editor->palette().color(Editor->backgroundRole()), QColor(5, 6, 7));
}

struct TMoveCase {
  const char* Name;
  Qt::Key Key;
  bool EditorOpen;  // the True/False list is open when the key comes
  TConfigRow Expected;
};

class TKDConfigMoveTest : public TKDConfigTest, public testing::WithParamInterface<TMoveCase> {};

// One slip of the arrow key on a True/False row used to flip it.
TEST_P(TKDConfigMoveTest, KeysMoveBetweenRowsAndLeaveTheValue) {
  const TMoveCase& Case = GetParam();
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.show();
  Dialog.Rows->setFocus();
  Dialog.Rows->setCurrentItem(Dialog.Row(AutoRestartAfterInjury), 1);
  QWidget* Target = Dialog.Rows;
  if (Case.EditorOpen) {
    QTest::keyClick(Dialog.Rows, Qt::Key_Space);
    Target = nullptr;
    for (QComboBox* Editor : Dialog.Rows->viewport()->findChildren<QComboBox*>()) {
      if (Editor->isVisible()) Target = Editor;
    }
    ASSERT_NE(Target, nullptr);
  }

  QTest::keyClick(Target, Case.Key);

  EXPECT_EQ(Dialog.Rows->currentItem(), Dialog.Row(Case.Expected));
  EXPECT_EQ(Dialog.Rows->currentIndex().column(), 1);
  EXPECT_EQ(Dialog.RowText(AutoRestartAfterInjury), "True");
  Dialog.StoreRows(FConfig);
  EXPECT_TRUE(FConfig.AutoRestartAfterInjury);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TKDConfigMoveTest,
    testing::Values(TMoveCase{"Down", Qt::Key_Down, false, DisqualifyPenalty},
                    TMoveCase{"Up", Qt::Key_Up, false, Rounds},
                    TMoveCase{"Tab", Qt::Key_Tab, false, DisqualifyPenalty},
                    TMoveCase{"Backtab", Qt::Key_Backtab, false, Rounds},
                    TMoveCase{"DownInEditor", Qt::Key_Down, true, DisqualifyPenalty},
                    TMoveCase{"UpInEditor", Qt::Key_Up, true, Rounds},
                    TMoveCase{"TabInEditor", Qt::Key_Tab, true, DisqualifyPenalty},
                    TMoveCase{"BacktabInEditor", Qt::Key_Backtab, true, Rounds}),
    [](const testing::TestParamInfo<TMoveCase>& Info) { return Info.param.Name; });

TEST_F(TKDConfigTest, SpaceEnterAndF2OpenTheEditorWithoutChangingTheValue) {
  for (const Qt::Key Key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_F2}) {
    SCOPED_TRACE(Key);
    TfrmTKDConfig Dialog(FConfig);
    Dialog.LoadRows(FConfig);
    Dialog.show();
    Dialog.Rows->setCurrentItem(Dialog.Row(RoundTime), 1);
    EXPECT_EQ(Dialog.Rows->viewport()->findChildren<QLineEdit*>().size(), 0);

    QTest::keyClick(Dialog.Rows, Key);

    QLineEdit* Editor = nullptr;
    for (QLineEdit* Candidate : Dialog.Rows->viewport()->findChildren<QLineEdit*>()) {
      if (Candidate->isVisible()) Editor = Candidate;
    }
    ASSERT_NE(Editor, nullptr);
    EXPECT_EQ(Editor->text(), "180.0");
    EXPECT_EQ(Dialog.RowText(RoundTime), "180.0");
    EXPECT_TRUE(Dialog.isVisible());  // Enter on a row edits it, it does not confirm
  }
}

// Clicks the value cell of Row; the list that opens there, or null.
QComboBox* ClickOpenRowList(TfrmTKDConfig& Dialog, TConfigRow Row) {
  const QRect Cell =
      Dialog.Rows->visualItemRect(Dialog.Row(Row)).adjusted(Dialog.Rows->columnWidth(0), 0, 0, 0);
  QTest::mouseClick(Dialog.Rows->viewport(), Qt::LeftButton, {}, Cell.center());
  QComboBox* Editor = nullptr;
  for (QComboBox* Candidate : Dialog.Rows->viewport()->findChildren<QComboBox*>()) {
    if (Candidate->isVisible()) Editor = Candidate;
  }
  return Editor;
}

TEST_F(TKDConfigTest, ClickOpensTheTrueFalseListAndTheWheelCannotFlipIt) {
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.show();
  QComboBox* Editor = ClickOpenRowList(Dialog, UseSuddenDeath);
  ASSERT_NE(Editor, nullptr);
  QWheelEvent Wheel(QPointF(5, 5), Editor->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Editor, &Wheel);
  EXPECT_EQ(Editor->currentText(), "True");
  EXPECT_EQ(Dialog.RowText(UseSuddenDeath), "True");
}

// Runs this test again in a child process whose only screen is 800x600.
void RunOnAnSvgaScreen() {
  QTemporaryDir Dir;
  const QString Config = Dir.filePath(QStringLiteral("screens.json"));
  QFile File(Config);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(R"({"screens": [{"name": "svga", "x": 0, "y": 0, "width": 800, "height": 600,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  File.close();
  QProcess Child;
  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
  Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + Config);
  Child.setProcessEnvironment(Env);
  Child.setProcessChannelMode(QProcess::MergedChannels);
  Child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=TKDConfigTest.FitsASmallScreenWithItsButtonsOnIt")});
  ASSERT_TRUE(Child.waitForFinished(60000));
  const QByteArray Output = Child.readAll();
  EXPECT_EQ(Child.exitCode(), 0) << Output.toStdString();
  EXPECT_TRUE(Output.contains("[       OK ] TKDConfigTest.FitsASmallScreen"))
      << Output.toStdString();
}

TEST_F(TKDConfigTest, FitsASmallScreenWithItsButtonsOnIt) {
  if (QGuiApplication::primaryScreen()->availableGeometry().height() > 600) {
    RunOnAnSvgaScreen();
    return;
  }
  TfrmTKDConfig Dialog(FConfig);
  Dialog.show();
  const QRect Area = Dialog.screen()->availableGeometry();
  EXPECT_TRUE(Area.contains(Dialog.geometry())) << Dialog.geometry().height();
  for (const QPushButton* Button : {Dialog.btnOK, Dialog.btnCancel}) {
    EXPECT_TRUE(Area.contains(QRect(Button->mapToGlobal(QPoint()), Button->size())));
  }
}

}  // namespace

TEST_F(TKDConfigTest, RuleSetRowOffersTheTwoRuleSetsAndOkStoresTheChoice) {
  WhenShown<TfrmTKDConfig>([](TfrmTKDConfig& Dialog) {
    EXPECT_EQ(Dialog.RowText(Rules), "Classic");
    QComboBox* Editor = ClickOpenRowList(Dialog, Rules);
    ASSERT_NE(Editor, nullptr);
    ASSERT_EQ(Editor->count(), 2);
    EXPECT_EQ(Editor->itemText(0), "Classic");
    EXPECT_EQ(Editor->itemText(1), "BestOfThree");
    Editor->setCurrentIndex(1);
    emit Editor->activated(1);
    Dialog.SetRowText(GamJeomLimit, "4");
    Dialog.btnOK->click();
  });

  ASSERT_TRUE(ShowConfigDialog(FConfig));
  EXPECT_EQ(FConfig.Rules, "BestOfThree");
  EXPECT_EQ(FConfig.GamJeomLimit, 4);
  EXPECT_EQ(FConfig.RoundPointGap, 12);
  TTKDConfig Saved;
  Saved.LoadConfig();
  EXPECT_EQ(Saved.Rules, "BestOfThree");
}

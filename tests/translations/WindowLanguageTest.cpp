// Each window in each shipped language, as the operator sees it: no text of
// the program's own is left in English. A text counts as English when it holds
// a word of the program's English texts (the .ts files' sources) that none of
// that language's translations uses: the sport's words, the [Labels] captions
// and the operator's own names are allowed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

#include "board/HelpWindow.h"
#include "board/NewPlayers.h"
#include "board/OperatorConsole.h"
#include "dialogs/AdvancedOptions.h"
#include "dialogs/JudgesReport.h"
#include "dialogs/TKDConfig.h"
#include "dialogs/TestButtons.h"
#include "model/DorvaneError.h"
#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"

namespace {

// The words of a text, letters only ("Kämpfer" is one word, not "mpfer").
QStringList Words(const QString& Text) {
  static const QRegularExpression Word(QStringLiteral("\\p{L}+"));
  QStringList Found;
  for (const QRegularExpressionMatch& Match : Word.globalMatch(Text)) {
    Found << Match.captured().toLower();
  }
  return Found;
}

bool IsLatinWord(const QString& Word) {
  if (Word.size() < 3) return false;
  for (QChar Letter : Word) {
    if (Letter.unicode() > 0x7f) return false;
  }
  return true;
}

// The English words of the program that Language's translations never use.
QSet<QString> EnglishOnlyWords(const QString& Language) {
  QFile File(QStringLiteral(DORVANE_SOURCE_DIR "/translations/dorvane_") + Language +
             QStringLiteral(".ts"));
  EXPECT_TRUE(File.open(QIODevice::ReadOnly));
  QXmlStreamReader Xml(&File);
  QSet<QString> English;
  QSet<QString> Translated;
  while (!Xml.atEnd()) {
    if (Xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (Xml.name() == QLatin1String("source")) {
      for (const QString& Word : Words(Xml.readElementText())) English.insert(Word);
    } else if (Xml.name() == QLatin1String("translation")) {
      for (const QString& Word : Words(Xml.readElementText())) Translated.insert(Word);
    }
  }
  // The sport's words and the [Labels] captions read the same in every language.
  for (const char* Kept : {"hong", "chong", "gamjeom", "kyonggo", "gam", "jeom", "kyong", "start",
                           "stop", "injury", "pause", "dorvane", "ini"}) {
    Translated.insert(QLatin1String(Kept));
  }
  QSet<QString> Result;
  for (const QString& Word : English) {
    if (IsLatinWord(Word) && !Translated.contains(Word)) Result.insert(Word);
  }
  return Result;
}

// Every text a window shows or offers: titles, captions, entries, tooltips,
// the rows of its trees, tables and lists.
QStringList ShownTexts(QWidget* Root) {
  QStringList Texts;
  const auto Add = [&Texts](const QString& Text) {
    if (!Text.isEmpty()) Texts << Text;
  };
  QList<QWidget*> Widgets = Root->findChildren<QWidget*>();
  Widgets.prepend(Root);
  for (QWidget* Widget : Widgets) {
    Add(Widget->windowTitle());
    Add(Widget->toolTip());
    if (auto* Label = qobject_cast<QLabel*>(Widget)) Add(Label->text());
    // Qt's standard buttons come with Qt's own translations.
    const auto* Buttons = qobject_cast<QDialogButtonBox*>(Widget->parentWidget());
    auto* Button = qobject_cast<QAbstractButton*>(Widget);
    if (Button && !(Buttons && Buttons->standardButton(Button) != QDialogButtonBox::NoButton)) {
      Add(Button->text());
    }
    if (auto* Group = qobject_cast<QGroupBox*>(Widget)) Add(Group->title());
    if (auto* Menu = qobject_cast<QMenu*>(Widget)) Add(Menu->title());
    if (auto* Tree = qobject_cast<QTreeWidget*>(Widget)) {
      for (QTreeWidgetItemIterator It(Tree); *It; ++It) {
        for (int Column = 0; Column < Tree->columnCount(); ++Column) {
          Add((*It)->text(Column));
          Add((*It)->toolTip(Column));
        }
      }
    }
    if (auto* Table = qobject_cast<QTableWidget*>(Widget)) {
      for (int Column = 0; Column < Table->columnCount(); ++Column) {
        if (Table->horizontalHeaderItem(Column)) Add(Table->horizontalHeaderItem(Column)->text());
      }
    }
    if (auto* List = qobject_cast<QListWidget*>(Widget)) {
      for (int Row = 0; Row < List->count(); ++Row) Add(List->item(Row)->text());
    }
    for (QAction* Action : Widget->actions()) {
      Add(Action->text());
      Add(Action->toolTip());
    }
  }
  return Texts;
}

// The help page's words outside its examples of files and records, which stay
// as they are.
QStringList HelpTexts(QWidget* Window) {
  auto* Browser = Window->findChild<QTextBrowser*>();
  if (!Browser) return {QStringLiteral("no help browser")};
  QFile Page(QLatin1Char(':') + Browser->source().path());
  if (!Page.open(QIODevice::ReadOnly)) return {Browser->source().toString() + " does not open"};
  QString Html = QString::fromUtf8(Page.readAll());
  static const QRegularExpression Examples(QStringLiteral("<(code|pre|style)>.*?</\\1>"),
                                           QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression Tag(QStringLiteral("<[^>]*>"));
  Html.remove(Examples).replace(Tag, QStringLiteral(" "));
  return Html.split(QLatin1Char('\n'), Qt::SkipEmptyParts) + ShownTexts(Window);
}

enum class TWindow {
  Board,
  BoardDecided,
  BoardMissingPads,
  Console,
  Configuration,
  AdvancedOptions,
  Players,
  GamepadManager,
  JudgesReport,
  Help
};

const char* WindowName(TWindow Window) {
  switch (Window) {
    case TWindow::Board:
      return "Board";
    case TWindow::BoardDecided:
      return "BoardDecided";
    case TWindow::BoardMissingPads:
      return "BoardMissingPads";
    case TWindow::Console:
      return "Console";
    case TWindow::Configuration:
      return "Configuration";
    case TWindow::AdvancedOptions:
      return "AdvancedOptions";
    case TWindow::Players:
      return "Players";
    case TWindow::GamepadManager:
      return "GamepadManager";
    case TWindow::JudgesReport:
      return "JudgesReport";
    case TWindow::Help:
      return "Help";
  }
  return "";
}

class WindowLanguageTest : public TBoardFixture,
                           public testing::WithParamInterface<std::tuple<const char*, TWindow>> {
 protected:
  void SetUp() override {
    const QString Language = QLatin1String(std::get<0>(GetParam()));
    ASSERT_TRUE(FTranslator.load(QLocale(Language), QStringLiteral("dorvane"), QStringLiteral("_"),
                                 QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&FTranslator);
    // The operator's own names: data, not the program's texts.
    FConfig.RedPlayer = QStringLiteral("Kim");
    FConfig.BluePlayer = QStringLiteral("Lee");
  }
  void TearDown() override { QCoreApplication::removeTranslator(&FTranslator); }

  // The texts of the window under test, built in the installed language.
  QStringList TextsOfWindow(TWindow Window) {
    switch (Window) {
      case TWindow::Board:
        return ShownTexts(&Board());
      case TWindow::BoardDecided:
        Board().ScoreMgr().SetWinner(TWinner::Red);
        return ShownTexts(&Board());
      case TWindow::BoardMissingPads:
        FConfig.UseElectronicScoring = true;
        return ShownTexts(&Board());
      case TWindow::Console: {
        TfrmConsole Console(Board(), Match());
        return ShownTexts(&Console);
      }
      case TWindow::Configuration: {
        TfrmTKDConfig Dialog(FConfig);
        Dialog.LoadRows(FConfig);
        return ShownTexts(&Dialog);
      }
      case TWindow::AdvancedOptions: {
        TfrmAdvancedOptions Dialog(FConfig);
        return ShownTexts(&Dialog);
      }
      case TWindow::Players: {
        TfrmNewPlayers Dialog(nullptr);
        return ShownTexts(&Dialog);
      }
      case TWindow::GamepadManager: {
        FConfig.UseElectronicScoring = true;
        TfrmTestButtons Dialog(nullptr, Match().JoySticks(), Match().Judges(), FConfig);
        Dialog.show();
        return ShownTexts(&Dialog);
      }
      case TWindow::JudgesReport: {
        TfrmJudgesReport Dialog(nullptr, {{1, 5, 4, 1, 12.5}, {2, 0, 0, 0, std::nullopt}});
        return ShownTexts(&Dialog);
      }
      case TWindow::Help: {
        std::unique_ptr<QWidget> Help(ShowOperatorHelp(&Board()));
        return HelpTexts(Help.get());
      }
    }
    return {};
  }

  QTranslator FTranslator;
};

TEST_P(WindowLanguageTest, NoTextOfTheProgramIsLeftInEnglish) {
  const auto& [Language, Window] = GetParam();
  const QSet<QString> English = EnglishOnlyWords(QLatin1String(Language));
  ASSERT_GT(English.size(), 100) << "the program's English words";
  const QStringList Texts = TextsOfWindow(Window);
  EXPECT_GT(Texts.size(), 2);
  QStringList LeftInEnglish;
  for (const QString& Text : Texts) {
    for (const QString& Word : Words(Text)) {
      if (English.contains(Word)) {
        LeftInEnglish << Text + QStringLiteral(" [") + Word + QLatin1Char(']');
        break;
      }
    }
  }
  LeftInEnglish.removeDuplicates();
  EXPECT_TRUE(LeftInEnglish.isEmpty()) << LeftInEnglish.join(QStringLiteral(" | ")).toStdString();
}

std::string CaseName(const testing::TestParamInfo<std::tuple<const char*, TWindow>>& Info) {
  return std::string(std::get<0>(Info.param)) + "_" + WindowName(std::get<1>(Info.param));
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndWindows, WindowLanguageTest,
                         testing::Combine(testing::Values("de", "es", "fr", "ko"),
                                          testing::Values(TWindow::Board, TWindow::BoardDecided,
                                                          TWindow::BoardMissingPads,
                                                          TWindow::Console, TWindow::Configuration,
                                                          TWindow::AdvancedOptions,
                                                          TWindow::Players, TWindow::GamepadManager,
                                                          TWindow::JudgesReport, TWindow::Help)),
                         CaseName);

// A refused value names its row as the operator reads it in the dialog.
TEST_F(TBoardFixture, TheConfigurationsErrorQuotesTheRowInTheOperatorsLanguage) {
  QTranslator German;
  ASSERT_TRUE(German.load(QStringLiteral(":/i18n/dorvane_de.qm")));
  QCoreApplication::installTranslator(&German);
  TfrmTKDConfig Dialog(FConfig);
  Dialog.LoadRows(FConfig);
  Dialog.SetRowText(TConfigRow::Rounds, QStringLiteral("-1"));
  QString Message;
  try {
    Dialog.StoreRows(FConfig);
  } catch (const TDorvaneError& Error) {
    Message = Error.Message();
  }
  QCoreApplication::removeTranslator(&German);
  EXPECT_EQ(Message, QStringLiteral("'-1' ist kein gültiger Wert für „Anzahl der Runden“: erlaubt "
                                    "ist mindestens 0 und höchstens 2147483647"));
}

}  // namespace

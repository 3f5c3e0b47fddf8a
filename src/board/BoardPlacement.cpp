#include "board/BoardPlacement.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include "board/ScoreDisplay.h"
#include "model/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"

Q_LOGGING_CATEGORY(lcBoardPlacement, "dorvane.board.placement")

QScreen* BoardScreen(std::optional<int> Number) {
  // Qt lists the primary screen first.
  const QList<QScreen*> Screens = QGuiApplication::screens();
  if (!Number) return QGuiApplication::primaryScreen();
  if (*Number >= 0 && *Number < Screens.size()) return Screens[*Number];
  qCWarning(lcBoardPlacement) << "There is no screen" << *Number << "of" << Screens.size()
                              << "- the board opens on the primary screen";
  return QGuiApplication::primaryScreen();
}

std::optional<int> ChosenBoardScreen(std::optional<int> CommandLineScreen) {
  if (CommandLineScreen) return CommandLineScreen;
  const QString Text = ReadProfileString(SettingsFilePath(), QStringLiteral("Config"),
                                         QStringLiteral("BoardScreen"), QString());
  const std::optional<int32_t> Number = ParseIntegerText(Text);
  if (!Text.isEmpty() && (!Number || *Number < 0)) {
    qCWarning(lcBoardPlacement) << "BoardScreen" << Text
                                << "is not a screen number - the board opens on the primary screen";
  }
  if (!Number || *Number <= 0) return std::nullopt;
  return Number;
}

QString ScreenCaption(const QScreen& Screen) {
  const QSize Size = Screen.size();
  return QStringLiteral("%1 (%2 × %3)").arg(Screen.name()).arg(Size.width()).arg(Size.height());
}

void TfrmDorvane::ShowOn(QScreen* Screen, bool Windowed) {
  FFillScreen = !Windowed;
  setWindowFlag(Qt::FramelessWindowHint, !Windowed);
  if (Screen) {
    setScreen(Screen);
    move(Screen->availableGeometry().topLeft());
    // Before the first show too: the board is then laid out once, at its screen's size.
    if (FFillScreen) setGeometry(Screen->availableGeometry());
  }
  show();
}

void TfrmDorvane::ShowOnScreen(std::optional<int> Number, bool Windowed) {
  FChosenScreen = Number;
  if (!FFollowScreens) {
    FFollowScreens = true;
    // Qt moves the windows of a removed screen to the primary one only after
    // the signal: the board takes its place once that is done.
    auto Replace = [this] { QTimer::singleShot(0, this, [this] { PlaceOnChosenScreen(); }); };
    connect(qApp, &QGuiApplication::screenAdded, this, Replace);
    connect(qApp, &QGuiApplication::screenRemoved, this, Replace);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, Replace);
  }
  ShowOn(BoardScreen(Number), Windowed);
}

void TfrmDorvane::PlaceOnChosenScreen() {
  QScreen* Screen = BoardScreen(FChosenScreen);
  if (!Screen) return;
  if (Screen == screen() && (!FFillScreen || geometry() == Screen->availableGeometry())) return;
  ShowOn(Screen, !FFillScreen);
}

void TfrmDorvane::AddBoardScreenMenu(QMenu* Menu) {
  QMenu* Screens = Menu->addMenu(QCoreApplication::translate("Board", "Board screen"));
  Screens->setObjectName(QStringLiteral("mnuBoardScreen"));
  // Listed afresh at each opening: screens come and go.
  connect(Screens, &QMenu::aboutToShow, this, [this, Screens] {
    Screens->clear();
    auto* Choice = new QActionGroup(Screens);
    const QList<QScreen*> All = QGuiApplication::screens();
    for (int Number = 0; Number < All.size(); ++Number) {
      QAction* Entry = Screens->addAction(ScreenCaption(*All[Number]));
      Entry->setCheckable(true);
      Entry->setChecked(All[Number] == screen());
      Choice->addAction(Entry);
      connect(Entry, &QAction::triggered, this, [this, Number] {
        FChosenScreen = Number;
        PlaceOnChosenScreen();
      });
    }
  });
}

#include "board/BoardPlacement.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>

#include "board/ScoreDisplay.h"

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

void TfrmDorvane::ShowOn(QScreen* Screen, bool Windowed) {
  FFillScreen = !Windowed;
  setWindowFlag(Qt::FramelessWindowHint, !Windowed);
  if (Screen) {
    setScreen(Screen);
    // The first show fills the screen the window is on.
    move(Screen->availableGeometry().topLeft());
  }
  show();
}

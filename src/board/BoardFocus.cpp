#include "board/BoardFocus.h"

#include <QApplication>
#include <QChildEvent>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Only the board and the windows it owns are watched, never the whole
// application: the clock's hand-offs pass through the application's queue.
TBoardFocusKeeper::TBoardFocusKeeper(QWidget* Board) : QObject(Board), FBoard(Board) {
  Board->installEventFilter(this);
}

bool TBoardFocusKeeper::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FBoard) {
    if (Event->type() == QEvent::ChildAdded) {
      QObject* Child = static_cast<QChildEvent*>(Event)->child();
      if (Child->isWidgetType() && static_cast<QWidget*>(Child)->isWindow()) {
        Child->installEventFilter(this);
      }
    }
    return false;
  }
  if (Event->type() == QEvent::Hide && static_cast<QWidget*>(Watched)->isModal()) {
    // Once the dialog has gone; a dialog opened on top of it keeps the keys.
    QTimer::singleShot(0, FBoard, [Board = FBoard] {
      if (Board->isVisible() && !QApplication::activeModalWidget()) Board->activateWindow();
    });
  }
  return false;
}

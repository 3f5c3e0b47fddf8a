#include "board/BoardFocus.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

TBoardFocusKeeper::TBoardFocusKeeper(QWidget* Board) : QObject(Board), FBoard(Board) {
  qApp->installEventFilter(this);
}

bool TBoardFocusKeeper::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::Hide && Watched->isWidgetType()) {
    auto* Window = static_cast<QWidget*>(Watched);
    if (Window != FBoard && Window->isWindow() && Window->isModal()) {
      // Once the dialog has gone; a dialog opened on top of it keeps the keys.
      QTimer::singleShot(0, FBoard, [Board = FBoard] {
        if (Board->isVisible() && !QApplication::activeModalWidget()) Board->activateWindow();
      });
    }
  }
  return false;
}

#pragma once

#include <QObject>

class QWidget;

// Gives the keyboard back to the board whenever one of its modal dialogs or
// message boxes closes. A window manager usually does this; a kiosk set-up
// without one leaves the keyboard nowhere, and F2 would silently score nothing.
class TBoardFocusKeeper : public QObject {
 public:
  explicit TBoardFocusKeeper(QWidget* Board);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  QWidget* FBoard;
};

#include "board/PopupMenuKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

TPopupMenuKeys::TPopupMenuKeys(QMenu* Menu, QLineEdit* Field, std::function<void()> ConfirmField,
                               QList<QAction*> Commands)
    : QObject(Menu),
      FMenu(Menu),
      FField(Field),
      FConfirmField(std::move(ConfirmField)),
      FCommands(std::move(Commands)) {
  Menu->installEventFilter(this);
  // The groups that open in place take the keyboard in their turn.
  for (QMenu* Group : Menu->findChildren<QMenu*>()) Group->installEventFilter(this);
  Field->installEventFilter(this);
}

bool TPopupMenuKeys::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() != QEvent::KeyPress) return QObject::eventFilter(Watched, Event);
  const auto* Key = static_cast<QKeyEvent*>(Event);
  if (Watched == FField) {
    if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
      FConfirmField();
      FMenu->close();
      return true;
    }
    // The menu closes on Escape; leaving the field then must not set anything.
    if (Key->key() == Qt::Key_Escape) FField->setModified(false);
  }
  const QKeySequence Pressed(Key->keyCombination());
  for (QAction* Command : FCommands) {
    if (Command->shortcut() != Pressed) continue;
    FMenu->close();
    Command->trigger();
    return true;
  }
  return QObject::eventFilter(Watched, Event);
}

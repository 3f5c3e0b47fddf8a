#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QLineEdit;
class QMenu;

// Keys while the popup menu is open. A menu takes the keyboard, so the
// window's command keys would never arrive: here they close the menu and run.
// Enter in the menu's number field confirms it and closes the menu (the field
// would pass Enter on to the menu, which runs its highlighted entry); Escape
// drops what was typed and closes the menu.
class TPopupMenuKeys : public QObject {
 public:
  TPopupMenuKeys(QMenu* Menu, QLineEdit* Field, std::function<void()> ConfirmField,
                 QList<QAction*> Commands);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  QMenu* FMenu;
  QLineEdit* FField;
  std::function<void()> FConfirmField;
  QList<QAction*> FCommands;
};

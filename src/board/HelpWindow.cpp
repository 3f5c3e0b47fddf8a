#include "board/HelpWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/BoardResources.h"

namespace {

QDialog* CreateHelpWindow(QWidget* Owner) {
  auto* Window = new QDialog(Owner, Qt::Window);
  Window->setAttribute(Qt::WA_DeleteOnClose);
  Window->setWindowTitle(QCoreApplication::translate("Board", "Dorvane Help"));
  auto* Browser = new QTextBrowser;
  Browser->setObjectName("HelpBrowser");
  //: The help page in this language, among the program's resources.
  Browser->setSource(QUrl(QCoreApplication::translate("Board", "qrc:/help/operator-help.html")));
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  QObject::connect(Buttons, &QDialogButtonBox::rejected, Window, &QDialog::close);
  auto* Layout = new QVBoxLayout(Window);
  Layout->addWidget(Browser);
  Layout->addWidget(Buttons);
  Window->resize(720, 640);
  return Window;
}

}  // namespace

QWidget* ShowOperatorHelp(QWidget* Owner) {
  // One help window at a time; F1 again only brings it forward.
  static QPointer<QDialog> Open;
  InitBoardResources();
  if (!Open) Open = CreateHelpWindow(Owner);
  Open->show();
  Open->raise();
  Open->activateWindow();
  return Open;
}

#include "update/NewsWindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "update/UpdateDescriptionFetch.h"

namespace {
constexpr int LinkRole = Qt::UserRole;
}

TfrmNews::TfrmNews(QWidget* Parent)
    : QWidget(Parent, Qt::Window),
      FFetch(new TUpdateDescriptionFetch(FHttp, this)),
      lblStatus(new QLabel(this)),
      lstNews(new QListWidget(this)) {
  setObjectName(QStringLiteral("frmNews"));
  setWindowTitle(QCoreApplication::translate("Update", "News"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(480, 320);
  lblStatus->setWordWrap(true);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(lblStatus);
  Layout->addWidget(lstNews);
  connect(lstNews, &QListWidget::itemClicked, this, &TfrmNews::ItemClicked);
  FFetch->OnDone = [this](const std::optional<TUpdateDescription>& Description,
                          const QString& Error) {
    if (!Description) {
      lblStatus->setText(
          QCoreApplication::translate("Update", "The news cannot be shown. %1").arg(Error));
      return;
    }
    for (const TNewsItem& News : Description->News) {
      auto* Item = new QListWidgetItem(News.Date + QStringLiteral("  ") + News.Title, lstNews);
      Item->setData(LinkRole, News.Link);
      Item->setToolTip(News.Link.toDisplayString());
    }
    lblStatus->setText(Description->News.isEmpty()
                           ? QCoreApplication::translate("Update", "There is no news.")
                           : QCoreApplication::translate("Update", "Click an item to read it."));
  };
  Reload();
}

void TfrmNews::Reload() {
  lstNews->clear();
  lblStatus->setText(QCoreApplication::translate("Update", "Loading the news ..."));
  FFetch->Start();
}

void TfrmNews::ItemClicked(QListWidgetItem* Item) {
  QDesktopServices::openUrl(Item->data(LinkRole).toUrl());
}

TfrmNews* ShowProductNews(QWidget* Board) {
  auto* News = Board->findChild<TfrmNews*>(QString(), Qt::FindDirectChildrenOnly);
  if (!News) News = new TfrmNews(Board);
  News->show();
  News->raise();
  News->activateWindow();
  return News;
}

#pragma once

#include <QWidget>

#include "update/UpdateHttp.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class TUpdateDescriptionFetch;

// "News": the news items of the update location, newest as the location lists
// them; a click on one opens its link in the system's browser.
class TfrmNews : public QWidget {
  // ShowProductNews finds an open one by its type.
  Q_OBJECT

 public:
  explicit TfrmNews(QWidget* Parent = nullptr);

  // Fetches the items again.
  void Reload();
  QListWidget* Items() const { return lstNews; }
  // The one line shown while loading, when there is no news or when it failed.
  QLabel* StatusLine() const { return lblStatus; }

 private:
  void ItemClicked(QListWidgetItem* Item);

  TUpdateHttp FHttp;
  TUpdateDescriptionFetch* FFetch;
  QLabel* lblStatus;
  QListWidget* lstNews;
};

// Opens the news window over the board, or brings an open one to the front.
TfrmNews* ShowProductNews(QWidget* Board);

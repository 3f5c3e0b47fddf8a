#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "UpdateFixture.h"
#include "update/NewsWindow.h"

namespace {

// Takes the links the news window asks the system browser to open.
class TLinkCatcher : public QObject {
  Q_OBJECT
 public:
  TLinkCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
  ~TLinkCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
  QList<QUrl> Opened;
 public slots:
  void Open(const QUrl& Url) { Opened.append(Url); }
};

class NewsWindow : public TUpdateFixture {
 protected:
  QJsonObject NewsItem(const QString& Title, const QString& Date, const QString& Link) {
    return {{QStringLiteral("title"), Title},
            {QStringLiteral("date"), Date},
            {QStringLiteral("link"), Link}};
  }
  bool WaitForStatus(TfrmNews& News) {
    return QTest::qWaitFor(
        [&News] { return !News.StatusLine()->text().startsWith(QLatin1String("Loading")); }, 20000);
  }
};

TEST_F(NewsWindow, ListsTheItemsAndOpensTheClickedOnesLink) {
  SetLocation(
      ServeFile(QStringLiteral("update.json"),
                Description(QStringLiteral("1.0"), {},
                            {NewsItem(QStringLiteral("New season"), QStringLiteral("2024-05-01"),
                                      QStringLiteral("https://news.invalid/season")),
                             NewsItem(QStringLiteral("Referee rules"), QStringLiteral("2024-04-02"),
                                      QStringLiteral("https://news.invalid/rules"))})));
  TLinkCatcher Links;
  TfrmNews News;
  News.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&News));
  ASSERT_TRUE(WaitForStatus(News));
  EXPECT_EQ(News.windowTitle(), QStringLiteral("News"));
  ASSERT_EQ(News.Items()->count(), 2);
  EXPECT_TRUE(News.Items()->item(0)->text().contains(QLatin1String("New season")));
  EXPECT_TRUE(News.Items()->item(1)->text().contains(QLatin1String("2024-04-02")));

  QListWidget* List = News.Items();
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {},
                    List->visualItemRect(List->item(1)).center());
  EXPECT_EQ(Links.Opened, QList<QUrl>({QUrl(QStringLiteral("https://news.invalid/rules"))}));
}

TEST_F(NewsWindow, UnreachableLocationShowsOneLine) {
  SetLocation(FHttp.Url(QStringLiteral("missing.json")).toString());
  TfrmNews News;
  ASSERT_TRUE(WaitForStatus(News));
  EXPECT_EQ(News.Items()->count(), 0);
  EXPECT_TRUE(News.StatusLine()->text().startsWith(
      QLatin1String("The news cannot be shown. The update location cannot be reached")))
      << News.StatusLine()->text().toStdString();
  EXPECT_FALSE(News.StatusLine()->text().contains(QLatin1Char('\n')));
}

// The board's "Product news ..." opens the window over a board full of other
// widgets, and a second time brings the same one to the front.
TEST_F(NewsWindow, OpensOnceOverTheBoard) {
  SetLocation(ServeFile(QStringLiteral("update.json"), Description(QStringLiteral("1.0"), {})));
  QWidget Board;
  QLabel Score(QStringLiteral("0"), &Board);
  TfrmNews* News = ShowProductNews(&Board);
  EXPECT_EQ(News->objectName(), QStringLiteral("frmNews"));
  EXPECT_TRUE(News->isVisible());
  EXPECT_EQ(ShowProductNews(&Board), News);
  EXPECT_EQ(Board.findChildren<TfrmNews*>().size(), 1);
}

}  // namespace

#include "NewsWindowTest.moc"

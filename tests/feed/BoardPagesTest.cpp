// The feed's pages in a real headless Chromium against the real board.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>

#include "FeedClient.h"
#include "HeadlessChromium.h"
#include "board/BoardFeed.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "feed/LiveFeed.h"
#include "support/ui/BoardFixture.h"

namespace {

class BoardPagesTest : public TBoardFixture {
 protected:
  void SetUp() override {
    WriteSettingsFile(
        QStringLiteral("[Config]\r\nRedPlayer=Kim Min-jun\r\nBluePlayer=Ana Souza\r\n"
                       "Division=Senior -68 kg\r\n"));
    Board();
    TFeedSettings Settings;
    Settings.Port = FreeLoopbackPort();
    Feed = std::make_unique<TBoardFeed>(Board(), Match(), std::make_unique<TLiveFeed>(Settings));
    ASSERT_NE(Feed->Feed()->Port(), 0);
  }
  void TearDown() override { Feed.reset(); }

  QUrl Page(const char* Path) const {
    return QUrl(
        QStringLiteral("http://127.0.0.1:%1%2").arg(Feed->Feed()->Port()).arg(QLatin1String(Path)));
  }
  // A round started and paused right after its first tick, with points and
  // penalties on both sides.
  void PlayASequence() {
    for (Qt::Key Key : {Qt::Key_F2, Qt::Key_F2, Qt::Key_F2, Qt::Key_F5, Qt::Key_F3, Qt::Key_F7}) {
      PressKey(Key);
    }
    PressKey(Qt::Key_G, Qt::ControlModifier);
    // A pause before the clock's first ticks would be overwritten by its start.
    ASSERT_TRUE(WaitUntil([this] {
      const auto Reading = Match().RoundFlow().ClockReading();
      return Reading.Exists && Reading.TickState == csRunning &&
             Reading.Remaining < FConfig.RoundTime;
    }));
    PressKey(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(Match().RoundFlow().ClockReading().State, csPaused);
  }
  // Saves a screenshot for the documentation when asked to.
  static void KeepForDocs(const QImage& Shot, const char* Name) {
    const QByteArray Dir = qgetenv("DORVANE_DOCS_SCREENSHOTS");
    if (!Dir.isEmpty()) Shot.save(QDir(QString::fromLocal8Bit(Dir)).filePath(QLatin1String(Name)));
  }
  QString PageText(THeadlessChromium& Browser, const char* Id) {
    return Browser
        .Evaluate(
            QStringLiteral("document.getElementById('%1').textContent").arg(QLatin1String(Id)))
        .toString();
  }

  std::unique_ptr<TBoardFeed> Feed;
};

TEST_F(BoardPagesTest, BoardPageShowsWhatTheBoardShows) {
  PlayASequence();
  THeadlessChromium Browser(1280, 720);
  ASSERT_TRUE(Browser.Start()) << "headless Chromium did not start";
  ASSERT_TRUE(Browser.Open(Page("/board")));
  ASSERT_TRUE(
      Browser
          .WaitFor(QStringLiteral("document.getElementById('stateText').textContent === '%1'")
                       .arg(Text("lblRoundState")))
          .toBool());
  const struct {
    const char* Page;
    const char* Board;
  } Same[] = {
      {"redName", "lblRedPlayerName"},   {"blueName", "lblBluePlayerName"},
      {"division", "lblDivision"},       {"round", "lblRound"},
      {"redScore", "lblRedScore"},       {"blueScore", "lblBlueScore"},
      {"redPenalties", "lblRedPenalty"}, {"bluePenalties", "lblBluePenalty"},
      {"clock", "lblCountDown"},         {"stateText", "lblRoundState"},
  };
  for (const auto& Pair : Same) {
    EXPECT_EQ(PageText(Browser, Pair.Page), Text(Pair.Board)) << Pair.Page;
  }
  EXPECT_EQ(PageText(Browser, "redName"), "Kim Min-jun");
  EXPECT_EQ(Browser.Evaluate(QStringLiteral(
                                 "getComputedStyle(document.getElementById('blueHalf')).display"))
                    .toString() != QLatin1String("none"),
            Visible("shpBluePenalty"));
  KeepForDocs(Browser.Screenshot(), "feed-board.png");
}

TEST_F(BoardPagesTest, OverlayIsATransparentLowerThirdWithTheMatch) {
  PlayASequence();
  THeadlessChromium Browser(1280, 720);
  ASSERT_TRUE(Browser.Start()) << "headless Chromium did not start";
  ASSERT_TRUE(Browser.Open(Page("/overlay")));
  ASSERT_TRUE(Browser
                  .WaitFor(QStringLiteral(
                      "document.getElementById('redName').textContent === 'Kim Min-jun'"))
                  .toBool());
  EXPECT_EQ(PageText(Browser, "blueName"), "Ana Souza");
  EXPECT_EQ(PageText(Browser, "redScore"), Text("lblRedScore"));
  EXPECT_EQ(PageText(Browser, "blueScore"), Text("lblBlueScore"));
  EXPECT_EQ(PageText(Browser, "clock"), Text("lblCountDown"));
  EXPECT_EQ(PageText(Browser, "bluePenalties"), QStringLiteral("\u00bd"));

  const QImage Shot = Browser.Screenshot();
  ASSERT_FALSE(Shot.isNull());
  const QJsonDocument Bar = QJsonDocument::fromJson(
      Browser
          .Evaluate(QStringLiteral(
              "JSON.stringify(document.getElementById('redName').getBoundingClientRect())"))
          .toString()
          .toUtf8());
  const QPoint InBar(static_cast<int>(Bar["x"].toDouble()) + 10,
                     static_cast<int>(Bar["y"].toDouble()) + 10);
  EXPECT_EQ(qAlpha(Shot.pixel(10, 10)), 0) << "the video must show through above the bar";
  EXPECT_EQ(qAlpha(Shot.pixel(Shot.width() - 10, Shot.height() / 2)), 0);
  EXPECT_EQ(qAlpha(Shot.pixel(InBar)), 255) << "the bar itself is opaque";
  KeepForDocs(Shot, "feed-overlay.png");
}

TEST_F(BoardPagesTest, EveryChangeOnTheBoardIsPushedOnceAndTicksAreNot) {
  QUrl Live = Page("/api/live");
  Live.setScheme(QStringLiteral("ws"));
  TLiveClient Live1(Live);
  ASSERT_TRUE(Live1.WaitForMessages(1));
  PressKey(Qt::Key_F2);
  ASSERT_TRUE(Live1.WaitForMessages(2));
  EXPECT_EQ(Live1.Messages[1]["red"]["score"].toInt(), 1);
  PressKey(Qt::Key_F6);
  ASSERT_TRUE(Live1.WaitForMessages(3));
  EXPECT_EQ(Live1.Messages[2]["blue"]["penalties"].toDouble(), 1.0);
  EXPECT_EQ(Live1.Messages[2]["sequence"].toInteger(),
            Live1.Messages[1]["sequence"].toInteger() + 1);

  PressKey(Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(Live1.WaitForMessages(4));
  EXPECT_EQ(Live1.Messages[3]["clock"]["state"].toString(), "running");
  // The round counts down on the board; the feed stays quiet until the next change.
  ASSERT_TRUE(WaitUntil([this] { return Text("lblCountDown") == QLatin1String("2:50"); }));
  EXPECT_EQ(Live1.Messages.size(), 4);
  PressKey(Qt::Key_P, Qt::ControlModifier);
  ASSERT_TRUE(Live1.WaitForMessages(5));
  EXPECT_EQ(Live1.Messages[4]["clock"]["state"].toString(), "paused");
  EXPECT_NEAR(Live1.Messages[4]["clock"]["remainingMs"].toDouble(), 170000, 1000);
}

}  // namespace

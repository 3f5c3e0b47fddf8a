// /courts fed by any client of the broker: what a hostile or careless one
// publishes never reaches the page, and cleared courts leave it.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include "FeedClient.h"
#include "HeadlessChromium.h"
#include "MosquittoBroker.h"
#include "feed/CourtMessage.h"
#include "feed/LiveFeed.h"
#include "feed/MqttClient.h"
#include "support/core/CategoryMessages.h"
#include "support/core/FakeTimeSource.h"

namespace {

// A court's match as a board publishes it, its clock running.
QJsonObject RunningMatch(const QString& RedName, qint64 RemainingMs, qint64 TakenAtUnixMs) {
  TMatchSnapshot Match;
  Match.Red.Name = RedName;
  Match.Red.ShownScore = QStringLiteral("2");
  Match.Blue.ShownScore = QStringLiteral("0");
  Match.Round = 1;
  Match.Rounds = 3;
  Match.Clock.State = TFeedClockState::Running;
  Match.Clock.RemainingMs = static_cast<double>(RemainingMs);
  Match.Clock.TakenAtUnixMs = TakenAtUnixMs;
  return Match.ToJson();
}

QByteArray Compact(const QJsonObject& Object) {
  return QJsonDocument(Object).toJson(QJsonDocument::Compact);
}

QByteArray With(const char* Section, const char* Key, const QJsonValue& Value) {
  QJsonObject Match = RunningMatch(QStringLiteral("Kim"), 1000, 0);
  if (*Section == '\0') {
    Match.insert(QLatin1String(Key), Value);
  } else {
    QJsonObject Part = Match.value(QLatin1String(Section)).toObject();
    Part.insert(QLatin1String(Key), Value);
    Match.insert(QLatin1String(Section), Part);
  }
  return Compact(Match);
}

TEST(CourtMessage, OnlyABoardsMatchOfBoundedSizeIsTaken) {
  const QByteArray Good = Compact(RunningMatch(QStringLiteral("Kim"), 1000, 0));
  const struct {
    const char* Name;
    QString Topic;
    QByteArray Payload;
    bool Taken;
  } Cases[] = {
      {"a board's match", QStringLiteral("dorvane/1/match"), Good, true},
      {"an empty object", QStringLiteral("dorvane/x/match"), "{}", false},
      {"no JSON", QStringLiteral("dorvane/1/match"), "score 3:1", false},
      {"an array", QStringLiteral("dorvane/1/match"), "[1,2]", false},
      {"a name that is a number", QStringLiteral("dorvane/1/match"), With("red", "name", 7), false},
      {"a clock that is text", QStringLiteral("dorvane/1/match"), With("", "clock", "1:00"), false},
      {"no takenAtUnixMs", QStringLiteral("dorvane/1/match"),
       With("clock", "takenAtUnixMs", QJsonValue()), false},
      {"time left below 0", QStringLiteral("dorvane/1/match"), With("clock", "remainingMs", -5),
       false},
      {"too large", QStringLiteral("dorvane/1/match"),
       With("", "division", QString(MaxCourtMessageBytes, QLatin1Char('d'))), false},
      {"a court name too long", QStringLiteral("dorvane/%1/match").arg(QString(65, 'c')), Good,
       false},
      {"another topic", QStringLiteral("dorvane/1/match/x"), Good, false},
  };
  TIgnoredCourtMessages Ignored;
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const std::optional<TCourtUpdate> Update = ReadCourtMessage(Case.Topic, Case.Payload, Ignored);
    EXPECT_EQ(Update.has_value(), Case.Taken);
    if (Update) {
      EXPECT_EQ(Update->Match.value_or(QJsonObject()), QJsonDocument::fromJson(Good).object());
    }
  }
  const std::optional<TCourtUpdate> Cleared =
      ReadCourtMessage(QStringLiteral("dorvane/5/match"), {}, Ignored);
  ASSERT_TRUE(Cleared.has_value());
  EXPECT_EQ(Cleared->Court, "5");
  EXPECT_FALSE(Cleared->Match.has_value());
}

// A flood of bad messages: the first few are logged in full, then only their
// count, once a minute while the flood lasts; after a quiet minute the first
// few show in full again.
TEST(CourtMessage, AFloodOfIgnoredMessagesIsLoggedInPart) {
  TFakeTimeSource Time;
  const TFakeTimeScope TimeScope(Time);
  const TCategoryMessages Log("dorvane.feed");
  const auto Summaries = [&Log] {
    return Log.Texts().filter(QStringLiteral("more messages on the courts' topics"));
  };
  constexpr int Full = TIgnoredCourtMessages::FullPerMinute;
  {
    TIgnoredCourtMessages Ignored;
    const auto Flood = [&Ignored](int Count) {
      for (int Message = 0; Message < Count; ++Message) {
        ReadCourtMessage(QStringLiteral("dorvane/%1/match").arg(Message), "{}", Ignored);
      }
    };
    const struct {
      int64_t AfterMs;
      int Messages;
      qsizetype Lines;
      // The count the newest summary gives; 0 for none yet.
      int HeldBack;
    } Steps[] = {
        {0, 25001, Full, 0},
        {59999, 1, Full, 0},
        {1, 1, Full + 1, 25001 - Full + 1},
        {60000, 300, Full + 2, 1},
        // A minute without a message: the next few in full again.
        {60000, 0, Full + 2, 1},
        {60000, Full + 1, 2 * Full + 3, 300},
    };
    for (const auto& Step : Steps) {
      SCOPED_TRACE(testing::Message() << Step.Messages << " messages " << Step.AfterMs << " ms on");
      Time.AdvanceMs(Step.AfterMs);
      Flood(Step.Messages);
      ASSERT_EQ(Log.Texts().size(), Step.Lines) << Log.Texts().join('\n').toStdString();
      if (Step.HeldBack > 0) {
        EXPECT_TRUE(Summaries().last().contains(QStringLiteral("Ignored %1 more").arg(Step.HeldBack)))
            << Summaries().last().toStdString();
      }
    }
    EXPECT_TRUE(Log.Texts()[0].contains(QStringLiteral("dorvane/0/match")));
  }
  // The feed's end reports what was still held back.
  EXPECT_EQ(Log.Texts().size(), 2 * Full + 4);
  EXPECT_TRUE(Log.Texts().last().contains(QStringLiteral("Ignored 1 more")));
}

class CourtsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Broker.Start());
    TFeedSettings Settings;
    Settings.MqttHost = QStringLiteral("127.0.0.1");
    Settings.MqttPort = Broker.Port();
    Settings.Port = FreeLoopbackPort();
    Feed = std::make_unique<TLiveFeed>(Settings);
    ASSERT_NE(Feed->Port(), 0);
    Publisher =
        std::make_unique<TMqttClient>(QStringLiteral("127.0.0.1"), Broker.Port(), QString());
  }
  QUrl Url(const char* Path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(Feed->Port()).arg(QLatin1String(Path)));
  }
  QJsonObject Courts() const {
    return QJsonDocument::fromJson(HttpRequest("GET", Url("/api/courts")).Body).object();
  }
  void Publish(const QString& Court, const QByteArray& Payload) {
    Publisher->Publish(QStringLiteral("dorvane/%1/match").arg(Court), Payload);
  }

  TMosquittoBroker Broker;
  std::unique_ptr<TLiveFeed> Feed;
  std::unique_ptr<TMqttClient> Publisher;
};

TEST_F(CourtsTest, ThePageKeepsCountingThroughHostileMessagesAndDropsClearedCourts) {
  // A screen opened 35 s after the court's last change: its clock shows the time left now.
  const qint64 Now = QDateTime::currentMSecsSinceEpoch();
  Publish(QStringLiteral("1"), Compact(RunningMatch(QStringLiteral("Kim"), 170000, Now - 35000)));
  Publish(QStringLiteral("2"), Compact(RunningMatch(QStringLiteral("Souza"), 60000, Now)));
  Publish(QStringLiteral("x"), "{}");
  Publish(QStringLiteral("y"), With("red", "name", QJsonArray{1, 2}));
  ASSERT_TRUE(WaitUntil([&] { return Courts().size() == 2; }));

  THeadlessChromium Browser(1280, 720);
  ASSERT_TRUE(Browser.Start()) << "headless Chromium did not start";
  ASSERT_TRUE(Browser.Open(Url("/courts")));
  const QString Clock1 =
      QStringLiteral("document.querySelector('[data-court=\"1\"] .clock').textContent");
  ASSERT_TRUE(Browser.WaitFor(Clock1 + QStringLiteral(" !== ''")).toBool());
  // 170 s less the time since the change: read with the page's own wall clock.
  const QJsonArray Shown =
      Browser.Evaluate(QStringLiteral("[%1, Date.now()]").arg(Clock1)).toArray();
  const QStringList Digits = Shown[0].toString().split(QLatin1Char(':'));
  ASSERT_EQ(Digits.size(), 2);
  const double ShownSeconds = Digits[0].toInt() * 60 + Digits[1].toInt();
  const double LeftSeconds = (170000 - (Shown[1].toDouble() - (Now - 35000))) / 1000;
  EXPECT_NEAR(ShownSeconds, LeftSeconds, 1.0) << Shown[0].toString().toStdString();

  // A hostile message while the page is open changes nothing on it...
  Publish(QStringLiteral("1"), "{}");
  Publish(QStringLiteral("z"), R"({"court":"z","match":{"red":null}})");
  // ...a court cleared leaves it, and the clocks go on counting.
  Publish(QStringLiteral("2"), QByteArray());
  ASSERT_TRUE(
      Browser.WaitFor(QStringLiteral("document.querySelectorAll('.court').length === 1")).toBool());
  EXPECT_EQ(Courts().keys(), QStringList{QStringLiteral("1")});
  EXPECT_EQ(
      Browser.Evaluate(QStringLiteral("document.querySelector('.court').dataset.court")).toString(),
      "1");
  const QString Before = Browser.Evaluate(Clock1).toString();
  EXPECT_TRUE(
      Browser.WaitFor(Clock1 + QStringLiteral(" !== '") + Before + QLatin1Char('\'')).toBool())
      << "the clock stopped counting";
}

TEST_F(CourtsTest, CourtsAreCappedUntilOneIsCleared) {
  const int Cap = TFeedLimits().MaxCourts;
  for (int Court = 0; Court < Cap + 10; ++Court) {
    Publish(QString::number(Court), Compact(RunningMatch(QStringLiteral("Kim"), 1000, 0)));
  }
  ASSERT_TRUE(WaitUntil([&] { return Courts().size() == Cap; }));
  // The last ones came past the cap: a cleared court makes room for a new one.
  Publish(QStringLiteral("0"), QByteArray());
  Publish(QStringLiteral("new"), Compact(RunningMatch(QStringLiteral("Okafor"), 1000, 0)));
  ASSERT_TRUE(WaitUntil([&] { return Courts().contains(QStringLiteral("new")); }));
  EXPECT_EQ(Courts().size(), Cap);
  EXPECT_FALSE(Courts().contains(QStringLiteral("0")));
}

}  // namespace

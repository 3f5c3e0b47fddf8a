#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTest>
#include <memory>
#include <vector>

#include "board/AppMessageServer.h"
#include "model/ScoreManager.h"
#include "platform/LocalSocketServer.h"
#include "support/core/FileLimitScope.h"
#include "support/core/LocalSockets.h"
#include "support/ui/BoardFixture.h"

namespace {

QString UniqueName(const char* Kind) {
  return QStringLiteral("DorvaneTest-%1-%2")
      .arg(QLatin1String(Kind))
      .arg(QCoreApplication::applicationPid());
}

std::unique_ptr<QLocalSocket> Connect(const QString& Name) {
  auto Socket = std::make_unique<QLocalSocket>();
  Socket->connectToServer(Name);
  if (!Socket->waitForConnected(2000)) return nullptr;
  return Socket;
}

struct TSplitCase {
  const char* Name;
  std::vector<QByteArray> Chunks;
  QList<QByteArray> Lines;
};

TEST(LineSplitter, CutsLinesAndDropsOverLongOnesWhole) {
  const QByteArray Long(300, 'x');
  const TSplitCase Cases[] = {
      {"two lines in one chunk", {"100\n101 7\n"}, {"100", "101 7"}},
      {"a line in pieces", {"10", "1 ", "7\n"}, {"101 7"}},
      {"no line end yet", {"101 7"}, {}},
      {"an over-long line's tail", {Long + "101 7\n100\n"}, {"100"}},
      {"an over-long line in pieces", {Long, "101 7", "\n101 2\n"}, {"101 2"}},
      {"exactly the limit", {QByteArray(255, 'y') + "\n"}, {QByteArray(255, 'y')}},
      {"one past the limit", {QByteArray(256, 'y') + "\n"}, {}},
  };
  for (const TSplitCase& Case : Cases) {
    TLineSplitter Splitter(TAppMessageServer::MaxLineLength);
    QList<QByteArray> Lines;
    for (const QByteArray& Chunk : Case.Chunks) Lines += Splitter.Feed(Chunk);
    EXPECT_EQ(Lines, Case.Lines) << Case.Name;
  }
}

class MessageFlood : public TBoardFixture {};

TEST_F(MessageFlood, LeavesTheBoardListeningAndTheScoresAlone) {
  ConfigureCueFiles({"RedPoint", "BluePoint"});
  const QString Name = UniqueName("flood");
  ASSERT_TRUE(Board().ListenForAppMessages(Name));

  // Idle senders, more than the board keeps: the oldest are pushed out.
  constexpr int Senders = TAppMessageServer::MaxClients + 24;
  std::vector<std::unique_ptr<QLocalSocket>> Idle;
  for (int I = 0; I < Senders; ++I) {
    Idle.push_back(Connect(Name));
    ASSERT_TRUE(Idle.back()) << I;
  }
  const auto Connected = [&Idle] {
    int Count = 0;
    for (const auto& Socket : Idle) Count += Socket->state() == QLocalSocket::ConnectedState;
    return Count;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return Connected() == TAppMessageServer::MaxClients; }, 5000))
      << Connected();
  EXPECT_EQ(Idle.front()->state(), QLocalSocket::UnconnectedState);
  EXPECT_EQ(Idle.back()->state(), QLocalSocket::ConnectedState);

  // A 10 MB line whose last 255-byte piece reads as a message, then a real one.
  std::unique_ptr<QLocalSocket> Flooder = Connect(Name);
  ASSERT_TRUE(Flooder);
  Flooder->write(QByteArray(255 * 41121, 'x') + "101 7\n101 2\n");
  ASSERT_TRUE(QTest::qWaitFor([this] { return !PlayedCues().isEmpty(); }, 20000));
  EXPECT_EQ(PlayedCues(), QStringList{"BluePoint"});

  // A new sender still gets through.
  std::unique_ptr<QLocalSocket> Late = Connect(Name);
  ASSERT_TRUE(Late);
  Late->write("101 7\n");
  EXPECT_TRUE(QTest::qWaitFor([this] { return PlayedCues().size() == 2; }, 5000));
  EXPECT_EQ(PlayedCues(), (QStringList{"BluePoint", "RedPoint"}));
  EXPECT_EQ(Board().ScoreMgr().RedScore(), 0);
  EXPECT_EQ(Board().ScoreMgr().BlueScore(), 0);
}

TEST(MessageListener, ComesBackAfterRunningOutOfFiles) {
  QStringList Received;
  TAppMessageServer Server(nullptr, [&Received](uint32_t Message, int64_t WParam) {
    Received << QStringLiteral("%1 %2").arg(Message).arg(WParam);
  });
  const QString Name = UniqueName("files");
  ASSERT_TRUE(Server.Listen(Name));
  const QString SocketFile = Server.FullServerName();

  // Senders wait to be accepted while the program has no file left to accept
  // them with; Qt then closes the listener and removes its socket file.
  std::vector<std::unique_ptr<QLocalSocket>> Senders;
  for (int I = 0; I < 3; ++I) {
    Senders.push_back(Connect(Name));
    ASSERT_TRUE(Senders.back());
  }
  {
    const TFileLimitScope Limit;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Server.IsListening(); }, 5000));
    EXPECT_FALSE(QFileInfo::exists(SocketFile));
  }
  Senders.clear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Server.IsListening(); }, 5000));
  EXPECT_TRUE(QFileInfo::exists(SocketFile));
  std::unique_ptr<QLocalSocket> Sender = Connect(Name);
  ASSERT_TRUE(Sender);
  Sender->write("101 7\n");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Received.isEmpty(); }, 5000));
  EXPECT_EQ(Received, QStringList{QStringLiteral("%1 7").arg(WM_APP_POINT_CUE)});
}

// Keeps what a server was sent, as "<message> <wParam>".
struct TReceiver {
  TAppMessageServer::TMessageEvent Event() {
    return [this](uint32_t Message, int64_t WParam) {
      Received << QStringLiteral("%1 %2").arg(Message).arg(WParam);
    };
  }
  QStringList Received;
};

QString PointCue(int WParam) { return QStringLiteral("%1 %2").arg(WM_APP_POINT_CUE).arg(WParam); }

TEST(MessageListener, TakesOverTheSocketFileOfABoardThatIsGone) {
  const struct {
    const char* How;
    bool (*Leave)(const QString& Path);
  } Cases[] = {{"closed", LeaveClosedListener}, {"killed", LeaveKilledListener}};
  for (const auto& Case : Cases) {
    const QString Name = UniqueName(Case.How);
    const QString SocketFile = TLocalSocketServer::FullPathOf(Name);
    ASSERT_TRUE(Case.Leave(SocketFile)) << Case.How;
    TReceiver Board;
    TAppMessageServer Server(nullptr, Board.Event());
    ASSERT_TRUE(Server.Listen(Name)) << Case.How;
    std::unique_ptr<QLocalSocket> Sender = Connect(Name);
    ASSERT_TRUE(Sender) << Case.How;
    Sender->write("101 7\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Board.Received.isEmpty(); }, 5000)) << Case.How;
    EXPECT_EQ(Board.Received, QStringList{PointCue(7)}) << Case.How;
  }
}

TEST(MessageListener, LeavesTheNameToTheBoardThatAnswersOnIt) {
  const QString Name = UniqueName("second");
  TReceiver FirstBoard;
  auto First = std::make_unique<TAppMessageServer>(nullptr, FirstBoard.Event());
  ASSERT_TRUE(First->Listen(Name));
  TReceiver SecondBoard;
  TAppMessageServer Second(nullptr, SecondBoard.Event());
  EXPECT_FALSE(Second.Listen(Name));
  EXPECT_FALSE(Second.IsListening());

  EXPECT_TRUE(First->IsListening());
  std::unique_ptr<QLocalSocket> Sender = Connect(Name);
  ASSERT_TRUE(Sender);
  Sender->write("101 2\n");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !FirstBoard.Received.isEmpty(); }, 5000));
  EXPECT_EQ(FirstBoard.Received, QStringList{PointCue(2)});
  EXPECT_TRUE(SecondBoard.Received.isEmpty());

  // Once the first has gone, as after an update's restart, the name is free.
  Sender.reset();
  First.reset();
  EXPECT_FALSE(QFile::exists(Second.FullServerName()));
  ASSERT_TRUE(Second.Listen(Name));
  std::unique_ptr<QLocalSocket> Later = Connect(Name);
  ASSERT_TRUE(Later);
  Later->write("101 7\n");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !SecondBoard.Received.isEmpty(); }, 5000));
  EXPECT_EQ(SecondBoard.Received, QStringList{PointCue(7)});
}

TEST(MessageListener, DropsTheUnfinishedLineOfASenderThatCloses) {
  TReceiver Board;
  TAppMessageServer Server(nullptr, Board.Event());
  const QString Name = UniqueName("midline");
  ASSERT_TRUE(Server.Listen(Name));
  {
    TPlainSender Sender(Server.FullServerName());
    ASSERT_TRUE(Sender.Connected());
    ASSERT_TRUE(Sender.Send("101 2\n101 7"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Server.ClientCount() == 1; }, 5000));
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return Server.ClientCount() == 0; }, 5000));
  EXPECT_EQ(Board.Received, QStringList{PointCue(2)});

  // The next sender starts on a line of its own.
  TPlainSender Next(Server.FullServerName());
  ASSERT_TRUE(Next.Send("7\n100\n"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Board.Received.size() == 2; }, 5000));
  EXPECT_EQ(Board.Received, (QStringList{PointCue(2), QStringLiteral("%1 0").arg(WM_APP_RESIZE)}));
}

TEST(MessageListener, ListensAgainWhenItsSocketFileIsRemoved) {
  TReceiver Board;
  TAppMessageServer Server(nullptr, Board.Event());
  const QString Name = UniqueName("removed");
  ASSERT_TRUE(Server.Listen(Name));
  ASSERT_TRUE(QFile::remove(Server.FullServerName()));
  EXPECT_FALSE(Server.IsListening());
  ASSERT_TRUE(QTest::qWaitFor([&] { return Server.IsListening(); }, 5000));
  TPlainSender Sender(Server.FullServerName());
  ASSERT_TRUE(Sender.Send("101 7\n"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Board.Received.isEmpty(); }, 5000));
  EXPECT_EQ(Board.Received, QStringList{PointCue(7)});
}

}  // namespace

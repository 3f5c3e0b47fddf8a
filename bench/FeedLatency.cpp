// How long a change takes from the board to the feed's WebSocket clients,
// and what handing it over costs the board, with 1 client (the reference)
// and with 200.
//
// The feed server runs on its own thread as in the program; the clients run
// on a third thread, so the main thread does only what the board does:
// hand a snapshot over. Each change is published once every client has the
// one before it.
// Usage: bench_FeedLatency [changes = 300]

#include <QCoreApplication>
#include <QThread>
#include <QWebSocket>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

#include "feed/FeedServer.h"

namespace {

using TSteady = std::chrono::steady_clock;

double MsBetween(TSteady::time_point From, TSteady::time_point To) {
  return std::chrono::duration<double, std::milli>(To - From).count();
}

double Percentile(std::vector<double> Values, double Fraction) {
  std::sort(Values.begin(), Values.end());
  const auto Index = static_cast<size_t>(Fraction * static_cast<double>(Values.size() - 1) + 0.5);
  return Values[std::min(Index, Values.size() - 1)];
}

// The clients, on their own thread: the arrival time of each change at each client.
class TClients : public QObject {
 public:
  TClients(int Count, int Changes) : FArrivals(static_cast<size_t>(Changes) + 1) {
    for (auto& Change : FArrivals) Change.reserve(static_cast<size_t>(Count));
  }
  void Open(const QUrl& Url, int Count) {
    for (int I = 0; I < Count; ++I) {
      auto* Socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
      connect(Socket, &QWebSocket::connected, this, [this] { ++FConnected; });
      connect(Socket, &QWebSocket::textMessageReceived, this, [this](const QString& Text) {
        const TSteady::time_point Now = TSteady::now();
        static const QString Key = QStringLiteral("\"sequence\":");
        const qsizetype At = Text.indexOf(Key);
        const int Sequence = At < 0 ? 0
                                    : QStringView(Text)
                                          .mid(At + Key.size())
                                          .toString()
                                          .section(QLatin1Char(','), 0, 0)
                                          .toInt();
        if (Sequence <= 0 || Sequence >= static_cast<int>(FArrivals.size())) return;
        std::lock_guard Lock(FLock);
        FArrivals[static_cast<size_t>(Sequence)].push_back(Now);
        ++FReceived;
      });
      Socket->open(Url);
    }
  }
  std::atomic<int> FConnected = 0;
  std::atomic<int> FReceived = 0;
  std::mutex FLock;
  std::vector<std::vector<TSteady::time_point>> FArrivals;
};

bool SpinUntil(const std::function<bool()>& Done) {
  const auto Deadline = TSteady::now() + std::chrono::seconds(10);
  while (!Done()) {
    if (TSteady::now() > Deadline) return false;
    QThread::usleep(20);
  }
  return true;
}

struct TResult {
  double MedianMs = 0;
  double P99Ms = 0;
  double HandOverMedianUs = 0;
  double HandOverP99Us = 0;
};

bool Run(int ClientCount, int Changes, TResult& Result) {
  TFeedServer Server;
  const quint16 Port = Server.Listen(QHostAddress::LocalHost, 0);
  QThread ClientThread;
  auto* Clients = new TClients(ClientCount, Changes);
  Clients->moveToThread(&ClientThread);
  ClientThread.start();
  const QUrl Url(QStringLiteral("ws://127.0.0.1:%1/api/live").arg(Port));
  QMetaObject::invokeMethod(Clients,
                            [Clients, Url, ClientCount] { Clients->Open(Url, ClientCount); });
  bool Ok = SpinUntil([&] { return Server.LiveClients() == ClientCount; });

  std::vector<TSteady::time_point> Sent(static_cast<size_t>(Changes) + 1);
  std::vector<double> HandOverUs;
  TMatchSnapshot Match;
  Match.Red.Name = QStringLiteral("Kim Min-jun");
  Match.Blue.Name = QStringLiteral("Ana Souza");
  for (int Change = 1; Ok && Change <= Changes; ++Change) {
    Match.Sequence = Change;
    Match.Red.Score = Change;
    Sent[static_cast<size_t>(Change)] = TSteady::now();
    Server.Publish(Match);
    HandOverUs.push_back(MsBetween(Sent[static_cast<size_t>(Change)], TSteady::now()) * 1000);
    Ok = SpinUntil([&] { return Clients->FReceived >= ClientCount * Change; });
  }
  std::vector<double> Latencies;
  {
    std::lock_guard Lock(Clients->FLock);
    for (int Change = 1; Change <= Changes; ++Change) {
      for (const TSteady::time_point Arrival : Clients->FArrivals[static_cast<size_t>(Change)]) {
        Latencies.push_back(MsBetween(Sent[static_cast<size_t>(Change)], Arrival));
      }
    }
  }
  QMetaObject::invokeMethod(
      Clients, [Clients] { delete Clients; }, Qt::BlockingQueuedConnection);
  ClientThread.quit();
  ClientThread.wait();
  if (!Ok || Latencies.empty()) return false;
  Result = {Percentile(Latencies, 0.5), Percentile(Latencies, 0.99), Percentile(HandOverUs, 0.5),
            Percentile(HandOverUs, 0.99)};
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication App(argc, argv);
  const int Changes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  TResult One;
  TResult Many;
  if (!Run(1, Changes, One) || !Run(200, Changes, Many)) {
    std::fprintf(stderr, "the clients did not receive every change in time\n");
    return 1;
  }
  std::printf("change to WebSocket message, %d changes\n", Changes);
  std::printf("  clients  median ms  p99 ms   board hand-over median us  p99 us\n");
  std::printf("  %7d  %9.3f  %6.3f   %25.1f  %6.1f\n", 1, One.MedianMs, One.P99Ms,
              One.HandOverMedianUs, One.HandOverP99Us);
  std::printf("  %7d  %9.3f  %6.3f   %25.1f  %6.1f\n", 200, Many.MedianMs, Many.P99Ms,
              Many.HandOverMedianUs, Many.HandOverP99Us);
  std::printf("  200 / 1: latency median x%.1f, p99 x%.1f; hand-over median x%.2f\n",
              Many.MedianMs / One.MedianMs, Many.P99Ms / One.P99Ms,
              Many.HandOverMedianUs / One.HandOverMedianUs);
  return 0;
}

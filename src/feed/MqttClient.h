#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

struct mosquitto;
struct mosquitto_message;

// One connection to an MQTT broker, run by a network thread of its own: it
// connects, keeps reconnecting while the broker is away and delivers what was
// published meanwhile once it is back. No call waits for the network.
class TMqttClient {
 public:
  // Called on the network thread for each message of the subscription.
  using TMessageEvent = std::function<void(const QString& Topic, const QByteArray& Payload)>;
  // Called on the network thread when the connection comes or goes.
  using TConnectionEvent = std::function<void(bool Connected)>;

  // Subscription empty: publishes only.
  TMqttClient(const QString& Host, int Port, const QString& Subscription,
              TMessageEvent OnMessage = nullptr, TConnectionEvent OnConnection = nullptr);
  // Hands what it can to the broker, disconnects and ends the thread.
  ~TMqttClient();
  TMqttClient(const TMqttClient&) = delete;
  TMqttClient& operator=(const TMqttClient&) = delete;

  // Queued retained at QoS 1: kept in order while the broker is away. Each
  // topic's latest is published again at every (re)connection, so a broker
  // that restarted without its retained messages has them back.
  void Publish(const QString& Topic, const QByteArray& Payload);
  bool Connected() const { return FConnected; }

  // Messages kept while the broker is away; past this the oldest go.
  static constexpr size_t OutboxLimit = 10000;

 private:
  void Run();
  void WaitBeforeReconnect(int Ms);
  void Send(const QByteArray& Topic, const QByteArray& Payload);
  void ConnectionLost();
  static void ConnectCallback(mosquitto* Client, void* Self, int Result);
  static void DisconnectCallback(mosquitto* Client, void* Self, int Result);
  static void MessageCallback(mosquitto* Client, void* Self, const mosquitto_message* Message);

  const QByteArray FHost;
  const int FPort;
  const QByteArray FSubscription;
  const TMessageEvent FOnMessage;
  const TConnectionEvent FOnConnection;
  mosquitto* FClient = nullptr;
  // The library may hold back a message given to it before its first
  // connection until the next one: we keep those ourselves and hand them over
  // once connected. FConnected changes under FOutboxLock.
  std::mutex FOutboxLock;
  std::deque<std::pair<QByteArray, QByteArray>> FOutbox;
  std::map<QByteArray, QByteArray> FLatest;
  std::atomic<bool> FConnected = false;
  std::atomic<bool> FStopping = false;
  std::mutex FStopLock;
  std::condition_variable FStopSignal;
  std::thread FThread;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

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

  // Queued retained at QoS 1: kept in order while the broker is away.
  void Publish(const QString& Topic, const QByteArray& Payload);
  bool Connected() const { return FConnected; }

 private:
  void Run();
  void WaitBeforeReconnect(int Ms);
  static void ConnectCallback(mosquitto* Client, void* Self, int Result);
  static void DisconnectCallback(mosquitto* Client, void* Self, int Result);
  static void MessageCallback(mosquitto* Client, void* Self, const mosquitto_message* Message);

  const QByteArray FHost;
  const int FPort;
  const QByteArray FSubscription;
  const TMessageEvent FOnMessage;
  const TConnectionEvent FOnConnection;
  mosquitto* FClient = nullptr;
  std::atomic<bool> FConnected = false;
  std::atomic<bool> FStopping = false;
  std::mutex FStopLock;
  std::condition_variable FStopSignal;
  std::thread FThread;
};

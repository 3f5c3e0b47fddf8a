#include "feed/MqttClient.h"

#include <mosquitto.h>

#include <algorithm>
#include <chrono>

#include "feed/FeedLog.h"

namespace {

constexpr int KeepAliveSeconds = 10;
constexpr int LoopTimeoutMs = 100;
constexpr int FirstRetryMs = 250;
constexpr int LongestRetryMs = 2000;

void InitLibrary() {
  static std::once_flag Once;
  std::call_once(Once, [] { mosquitto_lib_init(); });
}

}  // namespace

TMqttClient::TMqttClient(const QString& Host, int Port, const QString& Subscription,
                         TMessageEvent OnMessage, TConnectionEvent OnConnection)
    : FHost(Host.toUtf8()),
      FPort(Port),
      FSubscription(Subscription.toUtf8()),
      FOnMessage(std::move(OnMessage)),
      FOnConnection(std::move(OnConnection)) {
  InitLibrary();
  FClient = mosquitto_new(nullptr, true, this);
  if (!FClient) {
    qCWarning(lcFeed) << "No MQTT client could be made";
    return;
  }
  // The library only queues what another thread publishes; our thread sends it.
  mosquitto_threaded_set(FClient, true);
  mosquitto_connect_callback_set(FClient, &TMqttClient::ConnectCallback);
  mosquitto_disconnect_callback_set(FClient, &TMqttClient::DisconnectCallback);
  mosquitto_message_callback_set(FClient, &TMqttClient::MessageCallback);
  FThread = std::thread([this] { Run(); });
}

TMqttClient::~TMqttClient() {
  if (!FClient) return;
  {
    std::lock_guard Lock(FStopLock);
    FStopping = true;
  }
  FStopSignal.notify_all();
  FThread.join();
  mosquitto_destroy(FClient);
}

// The name lookup and the connection happen here, never on the caller's thread.
void TMqttClient::Run() {
  int Retry = FirstRetryMs;
  int Result = mosquitto_connect_async(FClient, FHost.constData(), FPort, KeepAliveSeconds);
  while (!FStopping) {
    if (Result == MOSQ_ERR_SUCCESS) Result = mosquitto_loop(FClient, LoopTimeoutMs, 1);
    if (Result == MOSQ_ERR_SUCCESS) {
      if (FConnected) Retry = FirstRetryMs;
      continue;
    }
    ConnectionLost();
    qCDebug(lcFeed) << "MQTT broker" << FHost << FPort << "away:" << mosquitto_strerror(Result);
    WaitBeforeReconnect(Retry);
    Retry = std::min(Retry * 2, LongestRetryMs);
    if (!FStopping) Result = mosquitto_reconnect_async(FClient);
  }
  if (FConnected) {
    mosquitto_disconnect(FClient);
    mosquitto_loop(FClient, LoopTimeoutMs, 1);
  }
}

void TMqttClient::WaitBeforeReconnect(int Ms) {
  std::unique_lock Lock(FStopLock);
  FStopSignal.wait_for(Lock, std::chrono::milliseconds(Ms), [this] { return FStopping.load(); });
}

void TMqttClient::Publish(const QString& Topic, const QByteArray& Payload) {
  if (!FClient) return;
  std::lock_guard Lock(FOutboxLock);
  FLatest[Topic.toUtf8()] = Payload;
  if (FConnected) {
    Send(Topic.toUtf8(), Payload);
    return;
  }
  if (FOutbox.size() == OutboxLimit) {
    qCWarning(lcFeed) << "MQTT broker away too long: the oldest kept message is dropped";
    FOutbox.pop_front();
  }
  FOutbox.emplace_back(Topic.toUtf8(), Payload);
}

void TMqttClient::Send(const QByteArray& Topic, const QByteArray& Payload) {
  const int Result =
      mosquitto_publish(FClient, nullptr, Topic.constData(), static_cast<int>(Payload.size()),
                        Payload.constData(), 1, true);
  // A connection lost just now: the library keeps the message and sends it
  // again on reconnection.
  if (Result != MOSQ_ERR_SUCCESS && Result != MOSQ_ERR_NO_CONN) {
    qCWarning(lcFeed) << "MQTT publish to" << Topic << "failed:" << mosquitto_strerror(Result);
  }
}

void TMqttClient::ConnectCallback(mosquitto* Client, void* Self, int Result) {
  auto& Me = *static_cast<TMqttClient*>(Self);
  if (Result != 0) {
    qCWarning(lcFeed) << "MQTT broker refused the connection:" << mosquitto_connack_string(Result);
    return;
  }
  if (!Me.FSubscription.isEmpty()) {
    mosquitto_subscribe(Client, nullptr, Me.FSubscription.constData(), 1);
  }
  {
    std::lock_guard Lock(Me.FOutboxLock);
    if (Me.FOutbox.empty()) {
      for (const auto& [Topic, Payload] : Me.FLatest) Me.Send(Topic, Payload);
    }
    for (const auto& [Topic, Payload] : Me.FOutbox) Me.Send(Topic, Payload);
    Me.FOutbox.clear();
    Me.FConnected = true;
  }
  if (Me.FOnConnection) Me.FOnConnection(true);
}

void TMqttClient::DisconnectCallback(mosquitto*, void* Self, int) {
  static_cast<TMqttClient*>(Self)->ConnectionLost();
}

void TMqttClient::ConnectionLost() {
  bool Was;
  {
    std::lock_guard Lock(FOutboxLock);
    Was = FConnected.exchange(false);
  }
  if (Was && FOnConnection) FOnConnection(false);
}

void TMqttClient::MessageCallback(mosquitto*, void* Self, const mosquitto_message* Message) {
  auto& Me = *static_cast<TMqttClient*>(Self);
  if (!Me.FOnMessage) return;
  Me.FOnMessage(QString::fromUtf8(Message->topic),
                QByteArray(static_cast<const char*>(Message->payload), Message->payloadlen));
}

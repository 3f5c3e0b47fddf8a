#include "platform/TimeSource.h"

#include <QDateTime>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Days between 30 December 1899 and 1 January 1970.
constexpr int64_t UnixEpochDays = 25569;

int64_t LocalMsNow() {
  const QDateTime Local = QDateTime::currentDateTime();
  return Local.toMSecsSinceEpoch() + int64_t(Local.offsetFromUtc()) * 1000;
}

class TSystemTimeSource : public TTimeSource {
 public:
  TSystemTimeSource()
      : FStartMs(LocalMsNow() + UnixEpochDays * 86400000LL),
        FStart(std::chrono::steady_clock::now()) {}

  double Now() override {
    const auto Elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - FStart);
    return double(FStartMs + Elapsed.count()) / MsPerDay;
  }

  double WallNow() override { return double(LocalMsNow() + UnixEpochDays * 86400000LL) / MsPerDay; }

  void Sleep(int Ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(Ms > 0 ? Ms : 0));
  }

  double MonotonicMs() override {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - FStart)
        .count();
  }

  void SleepUntilMs(double Ms) override {
    std::this_thread::sleep_until(FStart +
                                  std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double, std::milli>(Ms)));
  }

 private:
  const int64_t FStartMs;
  const std::chrono::steady_clock::time_point FStart;
};

TSystemTimeSource& SystemTimeSource() {
  static TSystemTimeSource Source;
  return Source;
}

std::atomic<TTimeSource*> CurrentSource{nullptr};

}  // namespace

TTimeSource& TimeSource() {
  TTimeSource* Source = CurrentSource.load();
  return Source ? *Source : SystemTimeSource();
}

void SetTimeSource(TTimeSource* Source) { CurrentSource = Source; }

double LocalDateTimeFromUnixMs(int64_t UnixMs) {
  const QDateTime Local = QDateTime::fromMSecsSinceEpoch(UnixMs);
  return double(UnixMs + int64_t(Local.offsetFromUtc()) * 1000 + UnixEpochDays * 86400000LL) /
         MsPerDay;
}

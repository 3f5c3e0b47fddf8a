#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "platform/Joystick.h"
#include "platform/Logging.h"

namespace {

// The button word has one bit per button; later buttons are not reported.
constexpr int MaxButtons = 32;

// SDL's own joystick lock. It is recursive, and SDL takes it inside its
// joystick calls too, so the clock thread and the main thread may both poll.
class TSdlJoystickLock {
 public:
  TSdlJoystickLock() { SDL_LockJoysticks(); }
  ~TSdlJoystickLock() { SDL_UnlockJoysticks(); }
  TSdlJoystickLock(const TSdlJoystickLock&) = delete;
  TSdlJoystickLock& operator=(const TSdlJoystickLock&) = delete;
};

int ButtonCount(SDL_Joystick* Joystick) {
  return std::clamp(SDL_JoystickNumButtons(Joystick), 0, MaxButtons);
}

// Joystick ids are positions in FJoysticks: every device is opened once, in
// SDL's device order, and keeps its place after it goes away, so an id never
// changes meaning. Everything runs under SDL's joystick lock.
class TSdlJoystickApi : public TJoystickApi {
 public:
  uint32_t joyGetNumDevs() override {
    if (!InitJoysticks()) return 0;
    TSdlJoystickLock Lock;
    // Devices plugged in since the last look are found by the drivers'
    // detection, which runs inside SDL_JoystickUpdate.
    SDL_JoystickUpdate();
    OpenNewDevices();
    return static_cast<uint32_t>(FJoysticks.size());
  }

  uint32_t joyGetPos(uint32_t JoyId, TJoyInfo& Info) override {
    TSdlJoystickLock Lock;
    if (JoyId >= FJoysticks.size()) return JOYERR_PARMS;
    SDL_Joystick* Joystick = FJoysticks[JoyId];
    // Nothing here pumps SDL's events, so the states are refreshed by hand.
    if (!FInPoll) SDL_JoystickUpdate();
    if (!SDL_JoystickGetAttached(Joystick)) return JOYERR_UNPLUGGED;
    const int Count = ButtonCount(Joystick);
    uint32_t Word = 0;
    for (int Button = 0; Button < Count; ++Button) {
      if (SDL_JoystickGetButton(Joystick, Button)) Word |= 1u << Button;
    }
    Info.wButtons = Word;
    return JOYERR_NOERROR;
  }

  uint32_t joyGetDevCapsA(uint32_t JoyId, TJoyCaps& Caps) override {
    if (!InitJoysticks()) return MMSYSERR_NODRIVER;
    TSdlJoystickLock Lock;
    if (JoyId >= FJoysticks.size()) return JOYERR_PARMS;
    SDL_Joystick* Joystick = FJoysticks[JoyId];
    if (!SDL_JoystickGetAttached(Joystick)) return JOYERR_UNPLUGGED;
    Caps.wNumButtons = static_cast<uint32_t>(ButtonCount(Joystick));
    return JOYERR_NOERROR;
  }

  // SDL's lock is held from here to EndPoll, so FInPoll is seen only by the
  // polling thread.
  void BeginPoll() override {
    SDL_LockJoysticks();
    if (SDL_WasInit(SDL_INIT_JOYSTICK)) SDL_JoystickUpdate();
    FInPoll = true;
  }

  void EndPoll() override {
    FInPoll = false;
    SDL_UnlockJoysticks();
  }

  void CloseAll() {
    TSdlJoystickLock Lock;
    for (SDL_Joystick* Joystick : FJoysticks) SDL_JoystickClose(Joystick);
    FJoysticks.clear();
  }

 private:
  void OpenNewDevices() {
    const int Devices = SDL_NumJoysticks();
    for (int Index = 0; Index < Devices; ++Index) {
      const SDL_JoystickID Instance = SDL_JoystickGetDeviceInstanceID(Index);
      const bool Known = std::any_of(FJoysticks.begin(), FJoysticks.end(), [&](SDL_Joystick* J) {
        return SDL_JoystickInstanceID(J) == Instance;
      });
      if (Known) continue;
      if (SDL_Joystick* Joystick = SDL_JoystickOpen(Index)) FJoysticks.push_back(Joystick);
    }
  }

  std::vector<SDL_Joystick*> FJoysticks;
  bool FInPoll = false;
};

TSdlJoystickApi SdlApi;
std::atomic<TJoystickApi*> CurrentApi{nullptr};

std::mutex InitLock;
bool InitTried = false;
bool InitDone = false;

}  // namespace

TJoystickApi& JoystickApi() {
  TJoystickApi* Api = CurrentApi.load();
  return Api ? *Api : SdlApi;
}

void SetJoystickApi(TJoystickApi* Api) { CurrentApi = Api; }

bool InitJoysticks() {
  std::lock_guard Guard(InitLock);
  if (InitTried) return InitDone;
  InitTried = true;
  SDL_SetMainReady();
  // Without this hint SDL drops pad input while another window has the focus;
  // the operator's window often has it while the judges press.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // SDL would turn SIGINT and SIGTERM into quit events that nobody reads, and
  // the program could no longer be stopped from outside.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  InitDone = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
  if (!InitDone) qCWarning(LogPads) << "no gamepads for this run:" << SDL_GetError();
  // Nobody drains SDL's event queue here: joystick events would only pile up.
  // The button states are kept whether or not events are posted.
  if (InitDone) SDL_JoystickEventState(SDL_IGNORE);
  return InitDone;
}

void ShutdownJoysticks() {
  std::lock_guard Guard(InitLock);
  if (InitDone) {
    SdlApi.CloseAll();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  InitTried = false;
  InitDone = false;
}

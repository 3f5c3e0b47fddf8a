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

std::string TextOrEmpty(const char* Text) { return Text ? std::string(Text) : std::string(); }

// Joystick ids are positions in FJoysticks: every device is opened once, in
// SDL's device order, and keeps its place after it goes away (closed, null),
// so an id never changes meaning. SDL's device indices shift as pads come and
// go; instance ids do not, so devices are told apart by those. Everything
// runs under SDL's joystick lock.
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
    if (!Joystick) return JOYERR_UNPLUGGED;
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
    if (!Joystick || !SDL_JoystickGetAttached(Joystick)) return JOYERR_UNPLUGGED;
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

  uint32_t joyGetIdentity(uint32_t JoyId, TJoyIdentity& Identity) override {
    TSdlJoystickLock Lock;
    if (JoyId >= FJoysticks.size()) return JOYERR_PARMS;
    SDL_Joystick* Joystick = FJoysticks[JoyId];
    if (!Joystick) return JOYERR_UNPLUGGED;
    char Guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(Joystick), Guid, sizeof Guid);
    Identity = {TextOrEmpty(SDL_JoystickName(Joystick)), Guid,
                TextOrEmpty(SDL_JoystickPath(Joystick)),
                TextOrEmpty(SDL_JoystickGetSerial(Joystick))};
    return JOYERR_NOERROR;
  }

  bool joyUpdateDevices() override {
    if (!JoysticksStarted()) return false;
    TSdlJoystickLock Lock;
    SDL_JoystickUpdate();
    bool Changed = false;
    SDL_Event Event;
    while (SDL_PeepEvents(&Event, 1, SDL_GETEVENT, SDL_JOYDEVICEADDED, SDL_JOYDEVICEREMOVED) > 0) {
      Changed = true;
      if (Event.type == SDL_JOYDEVICEREMOVED) CloseDevice(Event.jdevice.which);
    }
    // An added event names a device index, which may have shifted since it
    // was queued: look at every device instead.
    if (Changed) OpenNewDevices();
    return Changed;
  }

  // A poll's SDL_JoystickUpdate queues the news; nothing else takes it.
  bool joyDeviceNewsPending() override {
    return SDL_WasInit(SDL_INIT_JOYSTICK) &&
           SDL_HasEvents(SDL_JOYDEVICEADDED, SDL_JOYDEVICEREMOVED) == SDL_TRUE;
  }

  void CloseAll() {
    TSdlJoystickLock Lock;
    for (SDL_Joystick* Joystick : FJoysticks) {
      if (Joystick) SDL_JoystickClose(Joystick);
    }
    FJoysticks.clear();
  }

 private:
  static bool JoysticksStarted();

  // The handle of a removed pad is closed, so SDL can free the device; its
  // id stays taken.
  void CloseDevice(SDL_JoystickID Instance) {
    for (SDL_Joystick*& Joystick : FJoysticks) {
      if (Joystick && SDL_JoystickInstanceID(Joystick) == Instance) {
        SDL_JoystickClose(Joystick);
        Joystick = nullptr;
      }
    }
  }

  void OpenNewDevices() {
    const int Devices = SDL_NumJoysticks();
    for (int Index = 0; Index < Devices; ++Index) {
      const SDL_JoystickID Instance = SDL_JoystickGetDeviceInstanceID(Index);
      const bool Known = std::any_of(FJoysticks.begin(), FJoysticks.end(), [&](SDL_Joystick* J) {
        return J && SDL_JoystickInstanceID(J) == Instance;
      });
      if (Known) continue;
      if (SDL_Joystick* Joystick = SDL_JoystickOpen(Index)) FJoysticks.push_back(Joystick);
    }
  }

  std::vector<SDL_Joystick*> FJoysticks;
  bool FInPoll = false;
};

std::mutex InitLock;
bool InitTried = false;
bool InitDone = false;

TSdlJoystickApi SdlApi;
std::atomic<TJoystickApi*> CurrentApi{nullptr};

bool TSdlJoystickApi::JoysticksStarted() {
  std::lock_guard Guard(InitLock);
  return InitDone;
}

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
  // Button and axis events would only pile up: the button states are kept
  // whether or not events are posted, and the polls read those. Only pads
  // plugged in and out are queued, for joyUpdateDevices to take.
  if (InitDone) {
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_EventState(SDL_JOYDEVICEADDED, SDL_ENABLE);
    SDL_EventState(SDL_JOYDEVICEREMOVED, SDL_ENABLE);
  }
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

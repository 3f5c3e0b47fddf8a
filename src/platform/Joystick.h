#pragma once

#include <cstdint>
#include <string>

// Result codes of the joystick operations, with the values the gamepad code
// has always used.
constexpr uint32_t JOYERR_NOERROR = 0;
constexpr uint32_t MMSYSERR_NODRIVER = 6;
constexpr uint32_t JOYERR_PARMS = 165;      // no joystick has this id
constexpr uint32_t JOYERR_UNPLUGGED = 167;  // the joystick has gone away

// One reading of a joystick: one bit per button, button 1 in bit 0.
struct TJoyInfo {
  uint32_t wButtons = 0;
};

// What a joystick offers; only the number of buttons matters here.
struct TJoyCaps {
  uint32_t wNumButtons = 0;
};

// Who a joystick is, to know a judge's pad again when it is plugged back in.
// Fields the platform cannot tell stay empty.
struct TJoyIdentity {
  std::string Name;
  std::string Guid;    // product and driver, the same for two pads of one model
  std::string Path;    // the port it hangs on
  std::string Serial;  // few pads report one

  bool operator==(const TJoyIdentity&) const = default;
};

// The three joystick operations the gamepad code needs, and what plugging
// pads in and out needs. Ids are 0-based and never change meaning while the
// program runs: a pad plugged in again gets a new id. Safe to call from any
// thread.
class TJoystickApi {
 public:
  virtual ~TJoystickApi() = default;
  // How many ids are worth trying.
  virtual uint32_t joyGetNumDevs() = 0;
  // Reads the buttons of JoyId; anything but JOYERR_NOERROR leaves Info as it was.
  virtual uint32_t joyGetPos(uint32_t JoyId, TJoyInfo& Info) = 0;
  // Fills Caps; MMSYSERR_NODRIVER when there is no joystick support at all.
  virtual uint32_t joyGetDevCapsA(uint32_t JoyId, TJoyCaps& Caps) = 0;
  // Bracket the readings of one poll of every pad: the states are refreshed
  // once for all of them, and other threads read only before or after.
  virtual void BeginPoll() {}
  virtual void EndPoll() {}
  // Fills Identity; an API that cannot tell leaves it empty.
  virtual uint32_t joyGetIdentity(uint32_t /*JoyId*/, TJoyIdentity& /*Identity*/) {
    return JOYERR_PARMS;
  }
  // Takes the platform's news of pads plugged in or out since the last call;
  // true when there was any (new ids may then exist). An API without such
  // news always answers false.
  virtual bool joyUpdateDevices() { return false; }
  // The platform holds news of pads plugged in or out for joyUpdateDevices
  // to take. Cheap enough for a poll to ask at every pass.
  virtual bool joyDeviceNewsPending() { return false; }
};

// The API the program uses: SDL's joysticks. Tests install a fake and restore
// the real one with nullptr.
TJoystickApi& JoystickApi();
void SetJoystickApi(TJoystickApi* Api);

// One poll of every pad, from BeginPoll to EndPoll.
class TJoystickPollScope {
 public:
  TJoystickPollScope() : FApi(JoystickApi()) { FApi.BeginPoll(); }
  ~TJoystickPollScope() { FApi.EndPoll(); }
  TJoystickPollScope(const TJoystickPollScope&) = delete;
  TJoystickPollScope& operator=(const TJoystickPollScope&) = delete;

 private:
  TJoystickApi& FApi;
};

// Starts SDL's joystick support; called once at start-up, harmless again.
// Returns false when the machine offers none (then no gamepad is found).
bool InitJoysticks();
// Closes every joystick and stops SDL's joystick support, at program end.
void ShutdownJoysticks();

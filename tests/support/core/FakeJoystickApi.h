#pragma once

#include <mutex>
#include <utility>
#include <vector>

#include "platform/Joystick.h"

// A scripted joystick API: tests add pads, press and release their buttons and
// unplug them. Ids are positions in the order the pads were added. Safe from
// any thread.
class TFakeJoystickApi : public TJoystickApi {
 public:
  // Adds a pad with NumButtons buttons, none pressed, and returns its id.
  uint32_t AddPad(uint32_t NumButtons) {
    std::lock_guard Guard(FLock);
    FPads.push_back({NumButtons, 0, true});
    return static_cast<uint32_t>(FPads.size() - 1);
  }
  // Button is 1-based.
  void SetButton(uint32_t JoyId, int Button, bool Pressed) {
    std::lock_guard Guard(FLock);
    const uint32_t Bit = 1u << (Button - 1);
    uint32_t& Word = FPads.at(JoyId).Buttons;
    Word = Pressed ? (Word | Bit) : (Word & ~Bit);
  }
  void Press(uint32_t JoyId, int Button) { SetButton(JoyId, Button, true); }
  void Release(uint32_t JoyId, int Button) { SetButton(JoyId, Button, false); }
  // The pad stops answering; its last buttons are kept for a later replug.
  void Unplug(uint32_t JoyId) {
    std::lock_guard Guard(FLock);
    FPads.at(JoyId).Answers = false;
  }
  // The platform hears of a pad plugged in or out; joyUpdateDevices takes the news.
  void TellOfDevices() {
    std::lock_guard Guard(FLock);
    FDeviceNews = true;
  }
  // Makes joyGetDevCapsA fail as it does without a joystick driver.
  void RemoveDriver() {
    std::lock_guard Guard(FLock);
    FNoDriver = true;
  }

  // Like the system's, a fixed number of ids to try, most of them unused.
  uint32_t joyGetNumDevs() override { return 16; }

  uint32_t joyGetPos(uint32_t JoyId, TJoyInfo& Info) override {
    std::lock_guard Guard(FLock);
    if (JoyId >= FPads.size()) return JOYERR_PARMS;
    if (!FPads[JoyId].Answers) return JOYERR_UNPLUGGED;
    Info.wButtons = FPads[JoyId].Buttons;
    return JOYERR_NOERROR;
  }

  uint32_t joyGetDevCapsA(uint32_t JoyId, TJoyCaps& Caps) override {
    std::lock_guard Guard(FLock);
    if (FNoDriver) return MMSYSERR_NODRIVER;
    if (JoyId >= FPads.size()) return JOYERR_PARMS;
    Caps.wNumButtons = FPads[JoyId].NumButtons;
    return JOYERR_NOERROR;
  }

  bool joyUpdateDevices() override {
    std::lock_guard Guard(FLock);
    return std::exchange(FDeviceNews, false);
  }

  bool joyDeviceNewsPending() override {
    std::lock_guard Guard(FLock);
    return FDeviceNews;
  }

 private:
  struct TPad {
    uint32_t NumButtons;
    uint32_t Buttons;
    bool Answers;
  };
  std::mutex FLock;
  std::vector<TPad> FPads;
  bool FNoDriver = false;
  bool FDeviceNews = false;
};

// Installs a fake joystick API for the lifetime of the object.
class TFakeJoystickScope {
 public:
  explicit TFakeJoystickScope(TFakeJoystickApi& Fake) { SetJoystickApi(&Fake); }
  ~TFakeJoystickScope() { SetJoystickApi(nullptr); }
  TFakeJoystickScope(const TFakeJoystickScope&) = delete;
  TFakeJoystickScope& operator=(const TFakeJoystickScope&) = delete;
};

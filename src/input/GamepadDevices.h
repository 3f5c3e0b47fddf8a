#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "input/ThreadList.h"
#include "platform/Joystick.h"

class TMyJoyStick;
class TSysJoySticks;

// One button of one gamepad. The times are date-times (see TimeSource.h).
// The polling thread writes them under the button list's lock; the scoring
// check and the lights read them, and clear Pending, without it, so every
// field is atomic.
class TJoyButton {
 public:
  TJoyButton(TMyJoyStick& Owner, int32_t Number);
  TJoyButton(const TJoyButton&) = delete;
  TJoyButton& operator=(const TJoyButton&) = delete;

  TMyJoyStick& Owner;
  const int32_t Number;  // 1-based
  std::atomic<double> LastDown;
  std::atomic<double> LastUp;
  std::atomic<double> PressStart;
  std::atomic<bool> Pending = false;

  bool IsDown() const;
  // Pending and begun no more than Ms milliseconds before Now.
  bool IsPendingWithin(int32_t Ms, double Now) const;
  // Begun no more than Ms milliseconds before Now, pending or not.
  bool PressedWithin(int32_t Ms, double Now) const;

 private:
  TJoyButton(TMyJoyStick& Owner, int32_t Number, double Created);
};

// Whether a press that began at Start (a date-time) began no more than Ms
// milliseconds before Now. The vote and the judges' audit both ask it, so a
// press that counts in a vote is never also logged as alone.
bool BegunWithin(double Start, int32_t Ms, double Now);

// Whether a pad's button word (bit 0 for button 1) has button Number down.
bool ButtonInWord(uint32_t Word, int32_t Number);

// The buttons of one gamepad; button number k stands at position k - 1.
class TJoyButtonList : public TThreadList<TJoyButton> {
 public:
  ~TJoyButtonList() { RemoveAllJoyButtons(); }

  // Appends buttons numbered Count() + 1 to NumButtons.
  void CreateButtons(TMyJoyStick& Owner, int32_t NumButtons);
  TJoyButton* FindButton(int32_t Number) const;
  // Moves buttons 1 to Count on by one polled state (Word, bit 0 for
  // button 1) and raises the owner's click for each released press still
  // pending, with this list's lock held: one lock for the whole pad. True
  // when some press is still pending afterwards.
  bool SetButtonStates(uint32_t Word, int32_t Count, double Now);
  void RemoveAllJoyButtons() { Clear(); }

 private:
  TJoyButton* FindButtonLocked(int32_t Number) const;
  void SetButtonStateLocked(int32_t Number, bool Pressed, double Now);
};

// One gamepad, named by its joystick id.
class TMyJoyStick {
 public:
  using TButtonClickEvent =
      std::function<void(TMyJoyStick& Sender, TJoyButton& Button, int32_t ButtonNumber,
                         double PressStart, bool& Handled)>;

  // Throws TDorvaneError when there is no joystick driver.
  TMyJoyStick(uint32_t JoyId, const TJoyInfo& Info);
  TMyJoyStick(const TMyJoyStick&) = delete;
  TMyJoyStick& operator=(const TMyJoyStick&) = delete;

  const uint32_t JoyId;
  // Who the pad is, read once at creation.
  TJoyIdentity Identity;
  // False from the first poll or refresh that finds the pad unplugged; a pad
  // plugged in again comes back as a new gamepad.
  std::atomic<bool> Attached = true;
  // The start of the latest press of any button; 0 before the first.
  std::atomic<double> LastPress = 0;
  // The latest reading that succeeded.
  TJoyInfo JoyInfo;
  TJoyCaps JoyCaps;
  TJoyButtonList Buttons;
  // Raised at every poll while a released press is pending; a handler that
  // sets Handled consumes the press. Runs with the gamepad list's and this
  // gamepad's button lock held: it must take neither.
  TButtonClickEvent OnButtonClick;

  // Reads the pad once and updates every button; returns joyGetPos's result.
  uint32_t Poll();
  // The last Poll saw a button go down or up.
  bool ButtonsChanged() const { return FButtonsChanged; }
  // The last Poll left some press pending.
  bool PressesPending() const { return FPressesPending; }

 private:
  bool FButtonsChanged = false;
  bool FPressesPending = false;
};

// Every gamepad found at start-up or plugged in since, in the order of their
// joystick ids. Gamepads are never removed while the list lives.
class TSysJoySticks : public TThreadList<TMyJoyStick> {
 public:
  using TPollEvent = std::function<void(TSysJoySticks& Sender)>;

  enum class TStart { Now, Later };

  // Finds the gamepads once; throws TDorvaneError when there is no driver.
  // Started Later, it touches no driver until Open.
  explicit TSysJoySticks(TStart Start = TStart::Now);
  ~TSysJoySticks() { RemoveAllJoySticks(); }

  const int32_t NumDevs;
  // Raised after every complete poll, with the list's lock released.
  TPollEvent OnPoll;

  // Adds the gamepads that answer and are not yet known.
  void Refresh();
  // Main thread, a list started Later: the next TakeDeviceChanges looks at
  // every device id, which starts the driver, and takes the pads it finds as
  // if plugged in.
  void Open();
  // Main thread: takes the platform's news of pads plugged in and out, marks
  // the unplugged ones and adds the new ones, which it returns. The clock
  // thread may hold the list's lock while it waits for the main thread, so
  // this never waits for the lock: while the list is busy the news is kept
  // for the next call (GamepadHotplug.cpp).
  std::vector<TMyJoyStick*> TakeDeviceChanges();
  // Polls every gamepad, then raises OnPoll; returns how many were polled.
  int32_t Poll();
  // The last Poll saw a button of some gamepad go down or up. Read it on the
  // polling thread (OnPoll runs there).
  bool ButtonsChanged() const { return FButtonsChanged; }
  // The last Poll left some press pending; a handler on the main thread may
  // have taken it since. Read it on the polling thread.
  bool PressesPending() const { return FPressesPending; }
  // The last Poll met news of pads plugged in or out that TakeDeviceChanges
  // has yet to take. Read it on the polling thread.
  bool DeviceNewsPending() const { return FDeviceNewsPending; }
  // How many buttons' presses are pending and began no more than Ms before Now.
  int32_t CountPendingWithin(int32_t Ms, double Now) const;
  TMyJoyStick* FindJoyStick(uint32_t JoyId) const;
  void RemoveAllJoySticks() { Clear(); }

 private:
  bool FButtonsChanged = false;
  bool FPressesPending = false;
  bool FDeviceNewsPending = false;
  bool FDeviceNewsKept = false;
};

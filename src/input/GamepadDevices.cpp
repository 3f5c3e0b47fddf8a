#include "input/GamepadDevices.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "model/DorvaneError.h"
#include "platform/TimeSource.h"

namespace {

// Date-times near today carry about 1e-3 ms of rounding error, and the clock
// reads whole milliseconds; without this slack a press exactly Ms old could
// fail an inclusive test.
constexpr double MsSlack = 0.01;

int32_t NumButtonsOf(const TJoyCaps& Caps) {
  return static_cast<int32_t>(
      std::min<uint32_t>(Caps.wNumButtons, std::numeric_limits<int32_t>::max()));
}

}  // namespace

// A new button is up and has had no press for a day, so the first poll that
// sees it pressed starts a press.
TJoyButton::TJoyButton(TMyJoyStick& Owner, int32_t Number) : TJoyButton(Owner, Number, Now()) {}

TJoyButton::TJoyButton(TMyJoyStick& Owner, int32_t Number, double Created)
    : Owner(Owner),
      Number(Number),
      LastDown(Created - 0.5),
      LastUp(Created),
      PressStart(Created - 1) {}

bool TJoyButton::IsDown() const { return LastDown > LastUp; }

bool BegunWithin(double Start, int32_t Ms, double Now) {
  const double ElapsedMs = (Now - Start) * MsPerDay;
  return Ms >= ElapsedMs - MsSlack;
}

bool TJoyButton::IsPendingWithin(int32_t Ms, double Now) const {
  return Pending && BegunWithin(PressStart, Ms, Now);
}

bool TJoyButton::PressedWithin(int32_t Ms, double Now) const {
  return BegunWithin(PressStart, Ms, Now);
}

void TJoyButtonList::CreateButtons(TMyJoyStick& Owner, int32_t NumButtons) {
  std::lock_guard Guard(FLock);
  for (auto Number = static_cast<int32_t>(FItems.size()) + 1; Number <= NumButtons; ++Number) {
    FItems.push_back(std::make_unique<TJoyButton>(Owner, Number));
  }
}

TJoyButton* TJoyButtonList::FindButton(int32_t Number) const {
  std::lock_guard Guard(FLock);
  return FindButtonLocked(Number);
}

TJoyButton* TJoyButtonList::FindButtonLocked(int32_t Number) const {
  for (const auto& Button : FItems) {
    if (Button->Number == Number) return Button.get();
  }
  return nullptr;
}

bool TJoyButtonList::SetButtonStates(uint32_t Word, int32_t Count, double Now) {
  std::lock_guard Guard(FLock);
  for (int32_t Number = 1; Number <= Count; ++Number) {
    SetButtonStateLocked(Number, ButtonInWord(Word, Number), Now);
  }
  return std::any_of(FItems.begin(), FItems.end(),
                     [](const auto& Button) { return Button->Pending.load(); });
}

void TJoyButtonList::SetButtonStateLocked(int32_t Number, bool Pressed, double Now) {
  // Buttons are reached by position; the search is only a safeguard.
  const auto Index = static_cast<size_t>(Number) - 1;
  TJoyButton* Button = Index < FItems.size() ? FItems[Index].get() : nullptr;
  if (!Button || Button->Number != Number) Button = FindButtonLocked(Number);
  if (!Button) return;

  if (Pressed) {
    if (Button->LastDown < Button->LastUp) {
      Button->PressStart = Now;
      Button->Pending = true;
      Button->Owner.LastPress = Now;
    }
    Button->LastDown = Now;
  } else {
    Button->LastUp = Now;
  }

  if (Button->Pending && Button->PressStart < Button->LastUp) {
    TMyJoyStick& Owner = Button->Owner;
    if (!Owner.OnButtonClick) return;
    bool Handled = false;
    Owner.OnButtonClick(Owner, *Button, Number, Button->PressStart, Handled);
    if (Handled) Button->Pending = false;
  }
}

TMyJoyStick::TMyJoyStick(uint32_t JoyId, const TJoyInfo& Info) : JoyId(JoyId), JoyInfo(Info) {
  // Any other failure leaves the capabilities zero: a pad without buttons.
  if (JoystickApi().joyGetDevCapsA(JoyId, JoyCaps) == MMSYSERR_NODRIVER) {
    throw TDorvaneError(
        QCoreApplication::translate("Gamepads", "Error getting joy stick capabilities"));
  }
  JoystickApi().joyGetIdentity(JoyId, Identity);
  Buttons.CreateButtons(*this, NumButtonsOf(JoyCaps));
}

uint32_t TMyJoyStick::Poll() {
  const double PollTime = Now();
  TJoyInfo Reading;
  const uint32_t Result = JoystickApi().joyGetPos(JoyId, Reading);
  // A pad that stops answering keeps its last reading: held buttons stay down.
  FButtonsChanged = Result == JOYERR_NOERROR && Reading.wButtons != JoyInfo.wButtons;
  if (Result == JOYERR_NOERROR) JoyInfo = Reading;
  if (Result == JOYERR_UNPLUGGED) Attached = false;
  FPressesPending = Buttons.SetButtonStates(JoyInfo.wButtons, NumButtonsOf(JoyCaps), PollTime);
  return Result;
}

bool ButtonInWord(uint32_t Word, int32_t Number) {
  // The word has 32 bits; a higher button can never be reported pressed.
  if (Number > 32) return false;
  const uint32_t Mask = Number < 2 ? 1u : 1u << (Number - 1);
  return (Word & Mask) == Mask;
}

TSysJoySticks::TSysJoySticks(TStart Start)
    : NumDevs(Start == TStart::Later
                  ? 0
                  : static_cast<int32_t>(std::min<uint32_t>(JoystickApi().joyGetNumDevs(),
                                                            std::numeric_limits<int32_t>::max()))) {
  if (Start == TStart::Now) Refresh();
}

void TSysJoySticks::Open() { FDeviceNewsKept = true; }

void TSysJoySticks::Refresh() {
  {
    std::lock_guard Guard(FLock);
    for (const auto& JoyStick : FItems) JoyStick->Attached = false;
  }
  for (int32_t Id = 0; Id < NumDevs; ++Id) {
    const auto JoyId = static_cast<uint32_t>(Id);
    TJoyInfo Info;
    if (JoystickApi().joyGetPos(JoyId, Info) != JOYERR_NOERROR) continue;
    if (TMyJoyStick* Known = FindJoyStick(JoyId)) {
      Known->Attached = true;
      Known->JoyInfo = Info;
    } else {
      Add(std::make_unique<TMyJoyStick>(JoyId, Info));
    }
  }
}

int32_t TSysJoySticks::Poll() {
  const int32_t Polled = Count();
  {
    std::lock_guard Guard(FLock);
    const TJoystickPollScope OnePoll;
    FButtonsChanged = false;
    FPressesPending = false;
    for (int32_t Index = 0; Index < Polled; ++Index) {
      TMyJoyStick& JoyStick = *FItems[static_cast<size_t>(Index)];
      JoyStick.Poll();
      FButtonsChanged = FButtonsChanged || JoyStick.ButtonsChanged();
      FPressesPending = FPressesPending || JoyStick.PressesPending();
    }
  }
  FDeviceNewsPending = JoystickApi().joyDeviceNewsPending();
  if (OnPoll) OnPoll(*this);
  return Polled;
}

int32_t TSysJoySticks::CountPendingWithin(int32_t Ms, double Now) const {
  std::lock_guard Guard(FLock);
  int32_t Result = 0;
  for (const auto& JoyStick : FItems) {
    const auto Buttons = JoyStick->Buttons.LockList();
    for (int32_t Index = 0; Index < Buttons.Count(); ++Index) {
      if (Buttons[Index].IsPendingWithin(Ms, Now)) ++Result;
    }
  }
  return Result;
}

TMyJoyStick* TSysJoySticks::FindJoyStick(uint32_t JoyId) const {
  std::lock_guard Guard(FLock);
  for (const auto& JoyStick : FItems) {
    if (JoyStick->JoyId == JoyId) return JoyStick.get();
  }
  return nullptr;
}

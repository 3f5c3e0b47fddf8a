#include "support/core/VirtualGamepads.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

#include "platform/Joystick.h"

namespace {

void Check(bool Ok, const char* What) {
  if (!Ok) throw std::runtime_error(std::string(What) + ": " + SDL_GetError());
}

// Virtual devices are detached by device index, which shifts as devices come
// and go; the instance id does not.
int DeviceIndexOf(SDL_Joystick* Handle) {
  const SDL_JoystickID Instance = SDL_JoystickInstanceID(Handle);
  for (int Index = 0; Index < SDL_NumJoysticks(); ++Index) {
    if (SDL_JoystickGetDeviceInstanceID(Index) == Instance) return Index;
  }
  return -1;
}

}  // namespace

TVirtualGamepads::TVirtualGamepads(int Count, int Buttons, int Product) {
  Check(InitJoysticks(), "joystick support");
  SDL_VirtualJoystickDesc Desc{};
  Desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  Desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  Desc.nbuttons = static_cast<Uint16>(Buttons);
  Desc.vendor_id = static_cast<Uint16>(Product ? 0x1209 : 0);  // pid.codes' test vendor
  Desc.product_id = static_cast<Uint16>(Product);
  for (int Pad = 0; Pad < Count; ++Pad) {
    const int Index = SDL_JoystickAttachVirtualEx(&Desc);
    Check(Index >= 0, "SDL_JoystickAttachVirtual");
    // The buttons of a virtual pad are set through an open handle.
    SDL_Joystick* Handle = SDL_JoystickOpen(Index);
    Check(Handle != nullptr, "SDL_JoystickOpen");
    FPads.push_back({Handle, true});
  }
}

TVirtualGamepads::~TVirtualGamepads() {
  for (int Pad = 0; Pad < Count(); ++Pad) {
    Unplug(Pad);
    SDL_JoystickClose(FPads[static_cast<size_t>(Pad)].Handle);
  }
}

void TVirtualGamepads::SetButton(int Pad, int Button, bool Pressed) {
  const int Result = SDL_JoystickSetVirtualButton(FPads.at(static_cast<size_t>(Pad)).Handle,
                                                  Button - 1, Pressed ? SDL_PRESSED : SDL_RELEASED);
  Check(Result == 0, "SDL_JoystickSetVirtualButton");
}

void TVirtualGamepads::Unplug(int Pad) {
  TPad& Entry = FPads.at(static_cast<size_t>(Pad));
  if (!Entry.Attached) return;
  Entry.Attached = false;
  SDL_JoystickDetachVirtual(DeviceIndexOf(Entry.Handle));
}

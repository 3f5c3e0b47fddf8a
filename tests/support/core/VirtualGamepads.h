#pragma once

#include <vector>

struct _SDL_Joystick;

// SDL virtual joysticks: they go through the same SDL code as real pads, so a
// gamepad list built while they exist reads them through the real joystick
// API. Attach them before building the list; they are detached on destruction.
class TVirtualGamepads {
 public:
  // Attaches Count pads with Buttons buttons each, none pressed. Pads of
  // another Product look like another model (another GUID).
  TVirtualGamepads(int Count, int Buttons, int Product = 0);
  ~TVirtualGamepads();
  TVirtualGamepads(const TVirtualGamepads&) = delete;
  TVirtualGamepads& operator=(const TVirtualGamepads&) = delete;

  int Count() const { return static_cast<int>(FPads.size()); }
  // Pad is 0-based in attach order, Button 1-based. Seen at the next poll.
  void SetButton(int Pad, int Button, bool Pressed);
  void Press(int Pad, int Button) { SetButton(Pad, Button, true); }
  void Release(int Pad, int Button) { SetButton(Pad, Button, false); }
  // Detaches the pad as if its cable were pulled.
  void Unplug(int Pad);

 private:
  struct TPad {
    _SDL_Joystick* Handle;
    bool Attached;
  };
  std::vector<TPad> FPads;
};

// SDL's virtual pads, to play the game's pads without a device: a pad with
// every button and axis of SDL's GameController, which maps them itself.
#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/sdl/Gamepads.h"

namespace quorvan::test {

class VirtualPad {
 public:
  VirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Quorvan test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = index < 0 ? nullptr : SDL_JoystickOpen(index);
    id_ = joystick_ ? SDL_JoystickInstanceID(joystick_) : -1;
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool Plugged() const { return joystick_ != nullptr; }
  void Button(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
  }
  void Axis(SDL_GameControllerAxis axis, int value) {
    SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
  }
  void Unplug() {
    if (joystick_ == nullptr) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
    }
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
  SDL_JoystickID id_ = -1;
};

inline const char* InputName(PadInput input) {
  static const char* const names[] = {"Left", "Right", "Up", "Down", "South", "West", "Start"};
  return names[static_cast<int>(input)];
}

// What the pads told, as "+South" and "-South".
class TellingListener : public PadListener {
 public:
  void PadPressed(PadInput input) override { told.push_back(std::string("+") + InputName(input)); }
  void PadReleased(PadInput input) override { told.push_back(std::string("-") + InputName(input)); }
  void PadsConnected(int count) override { pads = count; }
  std::vector<std::string> Take() { return std::exchange(told, {}); }

  std::vector<std::string> told;
  int pads = 0;
};

}  // namespace quorvan::test

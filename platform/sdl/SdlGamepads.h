// The pads through SDL's GameController API: its own mapping database and
// SDL_GAMECONTROLLERCONFIG name the buttons of every common pad.
#pragma once

#include <SDL.h>

#include <bitset>
#include <vector>

#include "platform/sdl/Gamepads.h"

namespace quorvan {

// A stick counts as pushed from half its travel on.
inline constexpr int kStickHalfway = 16384;

class SdlGamepads final : public Gamepads {
 public:
  SdlGamepads();
  ~SdlGamepads() override;
  SdlGamepads(const SdlGamepads&) = delete;
  SdlGamepads& operator=(const SdlGamepads&) = delete;

  std::vector<int> WakeFiles() const override;
  bool NeedsPolling() const override;
  void Update(PadListener& listener) override;
  void Nudge() override;

 private:
  using Inputs = std::bitset<kPadInputs>;

  struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    int file = -1;        // the pad's device, opened again only to wait on it
    bool polled = false;  // a real pad with no file to wait on
    std::bitset<SDL_CONTROLLER_BUTTON_MAX> buttons;
    int stickX = 0;
    int stickY = 0;
  };

  bool TryStart();
  void Plugged(int deviceIndex);
  void Unplugged(SDL_JoystickID id);
  Pad* Find(SDL_JoystickID id);
  void Take(const SDL_Event& event);
  void DrainFiles();
  static Inputs Held(const Pad& pad);
  void Report(PadListener& listener);

  bool started_ = false;
  bool failed_ = false;
  int nudge_ = -1;
  std::vector<Pad> pads_;
  Inputs reported_;
  std::size_t reportedPads_ = 0;
};

}  // namespace quorvan

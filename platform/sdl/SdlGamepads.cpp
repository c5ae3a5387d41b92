#include "platform/sdl/SdlGamepads.h"

#include <fcntl.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>

#include "platform/sdl/SdlSetup.h"

namespace quorvan {
namespace {

constexpr std::size_t Bit(PadInput input) { return static_cast<std::size_t>(input); }

void DrainFile(int& file) {
  std::array<char, 1024> buffer;
  while (true) {
    const ssize_t got = read(file, buffer.data(), buffer.size());
    if (got > 0) continue;
    // An unplugged pad's file reads as an error for good: it is let go, or
    // it would wake the game for ever.
    if (got < 0 && errno == EAGAIN) return;
    if (got < 0 && errno == EINTR) continue;
    close(file);
    file = -1;
    return;
  }
}

}  // namespace

SdlGamepads::SdlGamepads() : nudge_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

SdlGamepads::~SdlGamepads() {
  for (Pad& pad : pads_) {
    if (pad.file >= 0) close(pad.file);
    SDL_GameControllerClose(pad.controller);
  }
  if (nudge_ >= 0) close(nudge_);
  if (!started_) return;
  const std::lock_guard lock(SdlSetupLock());
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

// The sound player's thread may be setting SDL up for its output, which can
// take a while: the pads wait for the next update rather than hold the
// game's thread.
bool SdlGamepads::TryStart() {
  if (started_ || failed_) return started_;
  const std::unique_lock lock(SdlSetupLock(), std::try_to_lock);
  if (!lock.owns_lock()) return false;
  // Ctrl+C and SIGTERM must still end the game.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Every common pad has a kernel driver, whose event device can be waited
  // on; SDL's own HID drivers would read raw reports, which some pads send
  // hundreds of times a second even when nobody touches them.
  SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
  // No joystick support, or no way into /dev/input: the keyboard plays.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    failed_ = true;
    return false;
  }
  started_ = true;
  return true;
}

std::vector<int> SdlGamepads::WakeFiles() const {
  std::vector<int> files;
  if (nudge_ >= 0) files.push_back(nudge_);
  for (const Pad& pad : pads_) {
    if (pad.file >= 0) files.push_back(pad.file);
  }
  return files;
}

bool SdlGamepads::NeedsPolling() const {
  return std::any_of(pads_.begin(), pads_.end(), [](const Pad& pad) { return pad.polled; });
}

void SdlGamepads::Nudge() {
  if (nudge_ < 0) return;
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(nudge_, &one, sizeof one);
}

void SdlGamepads::DrainFiles() {
  std::uint64_t count = 0;
  if (nudge_ >= 0) [[maybe_unused]]
    const ssize_t got = read(nudge_, &count, sizeof count);
  for (Pad& pad : pads_) {
    if (pad.file < 0) continue;
    DrainFile(pad.file);
    if (pad.file < 0) pad.polled = true;
  }
}

void SdlGamepads::Update(PadListener& listener) {
  DrainFiles();  // first, or a nudge before SDL is free would wake the owner again and again
  if (!TryStart()) return;
  // Each event is told at once: a press and its release in one update are
  // still a press.
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    Take(event);
    Report(listener);
  }
}

SdlGamepads::Pad* SdlGamepads::Find(SDL_JoystickID id) {
  auto it = std::find_if(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
  return it == pads_.end() ? nullptr : &*it;
}

void SdlGamepads::Plugged(int deviceIndex) {
  if (Find(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != nullptr) return;
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) return;
  SDL_Joystick* joystick = SDL_GameControllerGetJoystick(controller);
  Pad pad;
  pad.controller = controller;
  pad.id = SDL_JoystickInstanceID(joystick);
  if (!SDL_JoystickIsVirtual(deviceIndex)) {
    const char* path = SDL_JoystickPath(joystick);
    if (path != nullptr) pad.file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    pad.polled = pad.file < 0;
  }
  pads_.push_back(pad);
}

void SdlGamepads::Unplugged(SDL_JoystickID id) {
  Pad* pad = Find(id);
  if (pad == nullptr) return;
  if (pad->file >= 0) close(pad->file);
  SDL_GameControllerClose(pad->controller);
  pads_.erase(pads_.begin() + (pad - pads_.data()));
}

void SdlGamepads::Take(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Plugged(event.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      Unplugged(event.cdevice.which);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (Pad* pad = Find(event.cbutton.which); pad && event.cbutton.button < pad->buttons.size())
        pad->buttons[event.cbutton.button] = event.cbutton.state == SDL_PRESSED;
      break;
    case SDL_CONTROLLERAXISMOTION:
      if (Pad* pad = Find(event.caxis.which)) {
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) pad->stickX = event.caxis.value;
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) pad->stickY = event.caxis.value;
      }
      break;
    default:
      break;
  }
}

SdlGamepads::Inputs SdlGamepads::Held(const Pad& pad) {
  const auto button = [&pad](SDL_GameControllerButton b) { return bool(pad.buttons[b]); };
  Inputs held;
  held[Bit(PadInput::Left)] =
      button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || pad.stickX <= -kStickHalfway;
  held[Bit(PadInput::Right)] =
      button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || pad.stickX >= kStickHalfway;
  held[Bit(PadInput::Up)] = button(SDL_CONTROLLER_BUTTON_DPAD_UP) || pad.stickY <= -kStickHalfway;
  held[Bit(PadInput::Down)] =
      button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || pad.stickY >= kStickHalfway;
  held[Bit(PadInput::South)] = button(SDL_CONTROLLER_BUTTON_A);
  held[Bit(PadInput::West)] = button(SDL_CONTROLLER_BUTTON_X);
  held[Bit(PadInput::Start)] = button(SDL_CONTROLLER_BUTTON_START);
  return held;
}

void SdlGamepads::Report(PadListener& listener) {
  Inputs held;
  for (const Pad& pad : pads_) held |= Held(pad);
  for (std::size_t i = 0; i < kPadInputs; ++i) {
    if (held[i] == reported_[i]) continue;
    const auto input = static_cast<PadInput>(i);
    if (held[i]) {
      listener.PadPressed(input);
    } else {
      listener.PadReleased(input);
    }
  }
  reported_ = held;
  if (pads_.size() != reportedPads_) {
    reportedPads_ = pads_.size();
    listener.PadsConnected(static_cast<int>(reportedPads_));
  }
}

}  // namespace quorvan

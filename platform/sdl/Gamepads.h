// Gamepads as the game's side sees them, with no SDL in sight: the few
// things a pad's player can do, held or let go, whichever pad does them.
// The pads themselves are read in the SDL module (quorvan-sound.so).
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <vector>

namespace quorvan {

// D-pad and left stick give the directions; South is A, West is X.
enum class PadInput { Left, Right, Up, Down, South, West, Start };
inline constexpr std::size_t kPadInputs = 7;

// Told on the thread that calls Gamepads::Update. An input is pressed when
// the first pad takes it up and released when the last one lets it go.
class PadListener {
 public:
  virtual ~PadListener() = default;
  virtual void PadPressed(PadInput input) = 0;
  virtual void PadReleased(PadInput input) = 0;
  virtual void PadsConnected(int /*count*/) {}
};

class Gamepads {
 public:
  virtual ~Gamepads() = default;
  // Files that become readable when a pad has something new: the owner
  // waits on them and then calls Update. Changes whenever a pad comes or goes.
  virtual std::vector<int> WakeFiles() const = 0;
  // A pad whose input has no file to wait on must be updated often.
  virtual bool NeedsPolling() const = 0;
  // Takes in what the pads did since the last update, pads plugged in or
  // out among it; also sets SDL up, the first time it is free to.
  virtual void Update(PadListener& listener) = 0;
  // Wakes the owner as a pad's file would: for SDL's virtual pads, which
  // have no file.
  virtual void Nudge() = 0;
};

}  // namespace quorvan

// The module's entry: the pads, owned by the caller.
extern "C" quorvan::Gamepads* QuorvanOpenGamepads();

namespace quorvan {

// Loads the module and opens its pads. Without the module, or without SDL's
// joystick support, there are no pads and nothing is said: the keyboard plays.
std::unique_ptr<Gamepads> LoadGamepads(const std::filesystem::path& module);

}  // namespace quorvan

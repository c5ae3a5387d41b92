// Held keys on X11.
#pragma once

#include <QByteArray>
#include <optional>
#include <utility>
#include <vector>

class QKeyEvent;

namespace quorvan {

// Asks the X server to repeat a held key as key presses alone, as it does
// for games that ask: without it every repeat comes as a release and a
// press, and each is one more wake-up for the game and for Qt's reader of
// the display, though the game sees the same presses either way. Only the
// game's own connection is affected; elsewhere (Wayland, offscreen) this
// does nothing.
void AskForPressOnlyRepeats();

// While an entry dialog is open, repeats take Qt's way again, where the
// game's windows refuse them. Nests.
void HoldBackRepeats(bool hold);

// The keys held down on one window since their press reached the game
// there. X repeats of them go to the game as key-downs straight from the
// window's native events: Qt's way costs two wake-ups of the game's thread
// a repeat (each press rewrites the window's user-time property, and the
// server reports the change back) and takes the press through its key
// handling twice.
class HeldKeys {
 public:
  struct Repeat {
    int code;   // the game's key code, as at the press
    int shift;  // the shift bits now
  };

  void Pressed(const QKeyEvent& key, int code);
  void Released(const QKeyEvent& key);
  void Clear() { held_.clear(); }
  // An X repeat of a held key, from a window's native event; nothing for
  // any other event.
  std::optional<Repeat> RepeatOf(const QByteArray& type, const void* message) const;

 private:
  std::vector<std::pair<unsigned, int>> held_;  // X key code, the game's code
};

}  // namespace quorvan

// A gamepad plays as the keyboard does: each pad input reaches the active
// game window as the key it stands for, so the game, its recorder and its
// replays see keys and nothing new.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

#include "platform/sdl/Gamepads.h"

class QWidget;

namespace quorvan {

class GamepadKeys final : public QObject, public PadListener {
 public:
  // Without pads (null) it does nothing.
  explicit GamepadKeys(std::unique_ptr<Gamepads> pads);
  ~GamepadKeys() override;
  GamepadKeys(const GamepadKeys&) = delete;
  GamepadKeys& operator=(const GamepadKeys&) = delete;

  void PadPressed(PadInput input) override;
  void PadReleased(PadInput input) override;
  void PadsConnected(int count) override { connected_ = count; }

  // The pads found, and the pads: for the tests, which play SDL's virtual pads.
  int Connected() const { return connected_; }
  Gamepads* Pads() const { return pads_.get(); }

  // A held key repeats as the X server repeats one by default.
  static constexpr int RepeatDelayMs = 660;
  static constexpr int RepeatIntervalMs = 40;

 private:
  void Update();
  void WatchFiles();
  void SendKey(bool press, int key, bool repeat);
  void RepeatKey();

  std::unique_ptr<Gamepads> pads_;
  std::vector<int> watched_;
  std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
  QTimer plugWatch_;                     // pads plugged in, or polled
  QTimer repeat_;                        // the held key's repeats
  std::array<int, kPadInputs> keyOf_{};  // the key each held input gave
  std::vector<int> heldKeys_;            // keys down, once each
  int repeating_ = 0;                    // the key that repeats, if any
  int connected_ = 0;
};

}  // namespace quorvan

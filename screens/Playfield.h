// The playfield window: every sprite of the game, the frame of the field and
// the three timers that pace it. The trace and the scenarios know it and its
// controls by their object names ("Form1", "Image2", "Zbang"), which each
// member names beside its own.
#pragma once

#include <array>

#include "game/GameState.h"
#include "screens/Window.h"

namespace quorvan {

inline constexpr int FrameIntervalMs = 160;
inline constexpr int ExplosionMs = 200;
inline constexpr int PlayfieldWidth = 9600;   // twips: 40 columns
inline constexpr int PlayfieldHeight = 6000;  // twips: 25 rows

// Windows virtual-key codes the game listens to.
namespace keys {
inline constexpr int Space = 32, Left = 37, Right = 39, Ctrl = 17, Pause = 19, P = 'P';
inline constexpr int Apps = 93, F14 = 125, F15 = 126, NumLock = 144, ScrollLock = 145;
}  // namespace keys

class PlayfieldWindow final : public Window {
 public:
  PlayfieldWindow();

  Timer ExplosionTimer{*this, "Timer3"};  // hides the explosion marker
  Timer PauseTimer{*this, "Timer2"};      // the pause of WaitMs
  Timer FrameTimer{*this, "Timer1"};      // the frame tick
  Sprite FieldBorder{*this, "Shape1"};
  Sprite Explosion{*this, "Zbang"};
  Sprite MirrorBeam{*this, "Image8"};
  Sprite Comet{*this, "Image7"};
  Sprite DoubleShotRight{*this, "Image6"};  // the double shot's second sprite
  Sprite Bomb{*this, "Image5"};
  Sprite WingItem{*this, "Image4"};
  Sprite Shot{*this, "Image3"};
  std::array<Sprite, EnemyCount> Enemies = ControlArray<Sprite, EnemyCount>(*this, "Image2");
  Sprite Character{*this, "Image1"};

 private:
  void OnLoad() override;
  void OnKeyDown(int keyCode, int shift) override;
  void OnKeyUp(int keyCode, int shift) override;
  void OnMouseDown(int button, int shift, int x, int y) override;
  void OnClick(int control) override;
  void OnTimer(int control) override;
  void OnCloseRequest() override;
};

PlayfieldWindow& Playfield();

}  // namespace quorvan

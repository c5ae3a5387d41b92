// Form1, the playfield window: every sprite of the game, the frame of the
// field and the three timers that pace it.
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

  Timer Timer3{*this, "Timer3"};  // hides the explosion marker
  Timer Timer2{*this, "Timer2"};  // the pause of WaitMs
  Timer Timer1{*this, "Timer1"};  // the frame tick
  Sprite Shape1{*this, "Shape1"};
  Sprite Zbang{*this, "Zbang"};
  Sprite Image8{*this, "Image8"};  // mirror beam
  Sprite Image7{*this, "Image7"};  // comet
  Sprite Image6{*this, "Image6"};  // right half of the double shot
  Sprite Image5{*this, "Image5"};  // bomb
  Sprite Image4{*this, "Image4"};  // Wing item
  Sprite Image3{*this, "Image3"};  // shot
  std::array<Sprite, EnemyCount> Image2 = ControlArray<Sprite, EnemyCount>(*this, "Image2");
  Sprite Image1{*this, "Image1"};  // the character

 private:
  void OnLoad() override;
  void OnKeyDown(int keyCode, int shift) override;
  void OnKeyUp(int keyCode, int shift) override;
  void OnMouseDown(int button, int shift, int x, int y) override;
  void OnClick(int control) override;
  void OnTimer(int control) override;
  void OnCloseRequest() override;
};

PlayfieldWindow& Form1();

}  // namespace quorvan

// The picture banks: two windows that are loaded and never shown, whose image
// arrays are stores of pictures addressed by window, bank and index.
//
// ObjectForm holds the pictures of both editions; Form2 holds the working
// banks the game reads in play, filled for the chosen edition before every
// game, and the enemy pictures, which both editions share.
#pragma once

#include <array>

#include "game/GameState.h"
#include "screens/Window.h"

namespace quorvan {

class WorkingBanks final : public Window {
 public:
  WorkingBanks();
  std::array<Sprite, StageCount> Image1 = ControlArray<Sprite, StageCount>(*this, "Image1");
  std::array<Sprite, WingCount> Image2 = ControlArray<Sprite, WingCount>(*this, "Image2");
  std::array<Sprite, WingCount> Image3 = ControlArray<Sprite, WingCount>(*this, "Image3");
};

class ObjectBanks final : public Window {
 public:
  ObjectBanks();
  std::array<Sprite, WingCount> Image0 = ControlArray<Sprite, WingCount>(*this, "Image0");
  std::array<Sprite, WingCount> Image1 = ControlArray<Sprite, WingCount>(*this, "Image1");
  std::array<Sprite, WingCount> Image2 = ControlArray<Sprite, WingCount>(*this, "Image2");
  std::array<Sprite, WingCount> Image3 = ControlArray<Sprite, WingCount>(*this, "Image3");
  std::array<Sprite, 2> Image4 = ControlArray<Sprite, 2>(*this, "Image4");
};

WorkingBanks& Form2();
ObjectBanks& ObjectForm();

}  // namespace quorvan

// The picture banks: two windows that are loaded and never shown, whose image
// arrays are stores of pictures addressed by window, bank and index.
//
// EditionBanks ("ObjectForm") holds the pictures of both editions;
// WorkingBanks ("Form2") holds the working banks the game reads in play,
// filled for the chosen edition before every game, and the enemy pictures,
// which both editions share.
#pragma once

#include <array>

#include "game/GameState.h"
#include "screens/Window.h"

namespace quorvan {

class WorkingBanksWindow final : public Window {
 public:
  WorkingBanksWindow();
  std::array<Sprite, StageCount> EnemyPictures = ControlArray<Sprite, StageCount>(*this, "Image1");
  std::array<Sprite, WingCount> CharacterPictures =
      ControlArray<Sprite, WingCount>(*this, "Image2");
  std::array<Sprite, WingCount> ItemPictures = ControlArray<Sprite, WingCount>(*this, "Image3");
};

class EditionBanksWindow final : public Window {
 public:
  EditionBanksWindow();
  std::array<Sprite, WingCount> Edition2Characters =
      ControlArray<Sprite, WingCount>(*this, "Image0");
  std::array<Sprite, WingCount> Edition2Items = ControlArray<Sprite, WingCount>(*this, "Image1");
  std::array<Sprite, WingCount> Edition1Characters =
      ControlArray<Sprite, WingCount>(*this, "Image2");
  std::array<Sprite, WingCount> Edition1Items = ControlArray<Sprite, WingCount>(*this, "Image3");
  std::array<Sprite, 2> EditionShots = ControlArray<Sprite, 2>(*this, "Image4");
};

WorkingBanksWindow& WorkingBanks();
EditionBanksWindow& EditionBanks();

}  // namespace quorvan

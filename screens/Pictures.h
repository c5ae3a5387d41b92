// The game's artwork, by the size in pixels that each picture binds.
// Files live in the assets' pictures folder.
#pragma once

#include <array>
#include <vector>

#include "screens/Toolkit.h"

namespace quorvan::pictures {

inline constexpr int EditionCount = 2;

extern const std::array<Picture, 7> Enemy;            // one per stage, 32 x 16
extern const std::array<Picture, EditionCount> Shot;  // 17 x 17
// Character pictures by Wing, per edition (icons, 32 x 32).
extern const std::array<std::array<Picture, 11>, EditionCount> Character;
// Wing item pictures by kind 1..10, per edition; kind 0 has none.
extern const std::array<std::array<Picture, 11>, EditionCount> Item;
extern const Picture Bomb;    // 16 x 32
extern const Picture Comet;   // 17 x 17
extern const Picture Zbang;   // 32 x 16
extern const Picture Mirror;  // 16 x 32
extern const Picture GameIcon;
extern const Picture DemoIcon;
extern const std::array<Picture, 4> DemoPose;  // the demo hero's four poses

// Every picture of the game, for checks of the artwork.
std::vector<const Picture*> All();

}  // namespace quorvan::pictures

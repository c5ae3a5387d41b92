// The eleven Wings: their names in both editions, and the name and picture
// the character shows.
#pragma once

#include <string_view>

#include "game/GameState.h"

namespace quorvan {

// The name of `wing` in `edition`; empty for the bare character and for
// values outside the table.
std::string_view WingName(Wing wing, Edition edition);

// The character sprite takes the picture of its Wing from the working bank.
void ShowWingPicture();

// Writes the Wing's name into the status panel's WingLabel.
void ShowWingName();

// The character puts on `wing`: its picture and the panel's name follow.
void WearWing(Wing wing);

}  // namespace quorvan

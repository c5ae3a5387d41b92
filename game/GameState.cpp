#include "game/GameState.h"

namespace quorvan {

GameState G;

}  // namespace quorvan

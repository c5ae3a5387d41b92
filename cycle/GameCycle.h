// The spine of the game: start-up, the setup before every game, the game
// start and one stage with its per-frame loop.
#pragma once

#include "game/GameState.h"

namespace quorvan {

// Never returns normally: the program ends from a window's close handler,
// which makes the toolkit throw ProgramEnd out of the wait that runs.
void StartUp();
void SetupGame();
void StartGame();
void RunStage();

// Lets the playfield's handlers start the rules of the player's input: the
// pause, the steered shot and the hidden entries. StartUp does it first.
void InstallGameInputRules();

// Fills the working picture banks with the edition's pictures.
void FillWorkingBanks(Edition edition);

// The last step of every frame: is the stage lost, or cleared?
void StageEndTest();

}  // namespace quorvan

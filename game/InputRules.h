// The few rules a player's input starts at once, from inside a window
// handler: the pause, the Slant Wing's steered shot and the two hidden
// entries. The windows lie below the rules, so their handlers reach them only
// through here; the game installs them at start-up. Until then the input does
// nothing.
#pragma once

namespace quorvan {

class InputRules {
 public:
  // P or Pause: holds a running stage, or lets it go on.
  virtual void PauseOrResume() {}
  // A click on enemy slot `enemy`.
  virtual void SteerShotAt(int /*enemy*/) {}
  virtual void AskWingNumber() {}
  virtual void AskEnemyCount() {}

 protected:
  ~InputRules() = default;
};

InputRules& RulesOfInput();
void InstallInputRules(InputRules* rules);  // nullptr: input starts nothing

}  // namespace quorvan

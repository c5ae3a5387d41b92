// What an onlooker may watch of the game cycle: the simulator traces these
// moments; the real game installs nobody.
#pragma once

namespace quorvan {

class GameObserver {
 public:
  virtual void StageStarted() {}  // stage setup is done, before the first frame
  virtual void FrameEnded() {}
  virtual void StageEnded() {}  // StageResult is set
  virtual void GameEnded() {}   // game over has run and unloaded the windows
  virtual void WaitStarted(int /*ms*/) {}

 protected:
  ~GameObserver() = default;
};

GameObserver& Observer();
void InstallObserver(GameObserver* observer);  // nullptr: nobody watches

}  // namespace quorvan

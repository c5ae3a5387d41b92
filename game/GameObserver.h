// What onlookers may watch of the game cycle: the simulator traces these
// moments; the real game's frame log, recorder and replay follow them.
#pragma once

namespace quorvan {

class GameObserver {
 public:
  virtual void StageStarted() {}  // stage setup is done, before the first frame
  virtual void FrameEnded() {}
  virtual void StageEnded() {}  // StageResult is set
  virtual void GameEnded() {}   // game over has run and unloaded the windows
  virtual void WaitStarted(int /*ms*/) {}
  virtual void ConfirmWaitStarted() {}  // the message window waits for its "O K"
  virtual void PauseChanged() {}        // G.Paused has just been set or lifted

 protected:
  ~GameObserver() = default;
};

// Tells every onlooker, in the order they were added.
GameObserver& Observer();
void InstallObserver(GameObserver* observer);  // the only onlooker; nullptr: nobody watches
void AddObserver(GameObserver* observer);
void RemoveObserver(GameObserver* observer);

}  // namespace quorvan

#include "game/GameObserver.h"

#include <algorithm>
#include <vector>

namespace quorvan {
namespace {

class Onlookers final : public GameObserver {
 public:
  std::vector<GameObserver*> list;

  void StageStarted() override {
    for (auto* o : list) o->StageStarted();
  }
  void FrameEnded() override {
    for (auto* o : list) o->FrameEnded();
  }
  void StageEnded() override {
    for (auto* o : list) o->StageEnded();
  }
  void GameEnded() override {
    for (auto* o : list) o->GameEnded();
  }
  void WaitStarted(int ms) override {
    for (auto* o : list) o->WaitStarted(ms);
  }
  void ConfirmWaitStarted() override {
    for (auto* o : list) o->ConfirmWaitStarted();
  }
  void PauseChanged() override {
    for (auto* o : list) o->PauseChanged();
  }
};

Onlookers onlookers;

}  // namespace

GameObserver& Observer() { return onlookers; }

void InstallObserver(GameObserver* observer) {
  onlookers.list.clear();
  AddObserver(observer);
}

void AddObserver(GameObserver* observer) {
  if (observer) onlookers.list.push_back(observer);
}

void RemoveObserver(GameObserver* observer) { std::erase(onlookers.list, observer); }

}  // namespace quorvan

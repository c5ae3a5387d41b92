#include "sound/LateSoundDevice.h"

#include <utility>

namespace quorvan {

void LateSoundDevice::Open(std::unique_ptr<SoundDevice> player) {
  if (opened_) return;
  opened_ = true;
  player_ = std::move(player);
  if (player_) {
    for (const Request& request : waiting_) request(*player_);
  }
  waiting_.clear();
  waiting_.shrink_to_fit();
}

void LateSoundDevice::Ask(Request request) {
  if (!opened_) {
    waiting_.push_back(std::move(request));
  } else if (player_) {
    request(*player_);
  }
}

void LateSoundDevice::PlayPiece(const std::filesystem::path& file) {
  Ask([file](SoundDevice& player) { player.PlayPiece(file); });
}

void LateSoundDevice::StopPiece() {
  Ask([](SoundDevice& player) { player.StopPiece(); });
}

void LateSoundDevice::PlayEffect(const std::filesystem::path& file) {
  Ask([file](SoundDevice& player) { player.PlayEffect(file); });
}

void LateSoundDevice::CutEffect() {
  Ask([](SoundDevice& player) { player.CutEffect(); });
}

void LateSoundDevice::PauseAll(bool paused) {
  Ask([paused](SoundDevice& player) { player.PauseAll(paused); });
}

}  // namespace quorvan

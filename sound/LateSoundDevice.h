// A sound device that stands in for the real player until it is there.
//
// The player's libraries take as long to load as the windowing toolkit, so
// the game starts without them and opens the player once its first window
// is up. Whatever the game asks for meanwhile is kept, and passed on in the
// same order when the player comes; without a player it is silence.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "sound/SoundDevice.h"

namespace quorvan {

class LateSoundDevice final : public SoundDevice {
 public:
  // Hands over what was asked so far, and everything after; a null player
  // means the game stays silent. Only the first call counts.
  void Open(std::unique_ptr<SoundDevice> player);
  bool Opened() const { return opened_; }

  void PlayPiece(const std::filesystem::path& file) override;
  void StopPiece() override;
  void PlayEffect(const std::filesystem::path& file) override;
  void CutEffect() override;
  void PauseAll(bool paused) override;

 private:
  using Request = std::function<void(SoundDevice&)>;
  void Ask(Request request);

  bool opened_ = false;
  std::unique_ptr<SoundDevice> player_;
  std::vector<Request> waiting_;
};

}  // namespace quorvan

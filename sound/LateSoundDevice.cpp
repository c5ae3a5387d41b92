#include "sound/LateSoundDevice.h"

#include <utility>

namespace quorvan {

void LateSoundDevice::Open(std::unique_ptr<SoundDevice> player) {
  if (opened_) return;
  opened_ = true;
  player_ = std::move(player);
  for (const Request& request : waiting_) Pass(request);
  waiting_.clear();
  waiting_.shrink_to_fit();
}

void LateSoundDevice::Ask(Request request) {
  if (opened_) {
    Pass(request);
  } else {
    waiting_.push_back(std::move(request));
  }
}

void LateSoundDevice::Pass(const Request& request) {
  if (!player_) return;
  switch (request.kind) {
    case Request::Kind::PlayPiece:
      player_->PlayPiece(request.file);
      break;
    case Request::Kind::StopPiece:
      player_->StopPiece();
      break;
    case Request::Kind::PlayEffect:
      player_->PlayEffect(request.file);
      break;
    case Request::Kind::CutEffect:
      player_->CutEffect();
      break;
    case Request::Kind::Pause:
    case Request::Kind::Resume:
      player_->PauseAll(request.kind == Request::Kind::Pause);
      break;
  }
}

void LateSoundDevice::PlayPiece(const std::filesystem::path& file) {
  Ask({Request::Kind::PlayPiece, file});
}

void LateSoundDevice::StopPiece() { Ask({Request::Kind::StopPiece, {}}); }

void LateSoundDevice::PlayEffect(const std::filesystem::path& file) {
  Ask({Request::Kind::PlayEffect, file});
}

void LateSoundDevice::CutEffect() { Ask({Request::Kind::CutEffect, {}}); }

void LateSoundDevice::PauseAll(bool paused) {
  Ask({paused ? Request::Kind::Pause : Request::Kind::Resume, {}});
}

}  // namespace quorvan

// Listens to the sound modules and tells what they asked to play; with no
// sound device installed, nothing is heard.
#pragma once

#include <functional>
#include <string>

#include "sound/SoundListener.h"

namespace quorvan {

class RecordingSound final : public SoundListener {
 public:
  using MidiListener = std::function<void(const std::string& command)>;
  using WavListener = std::function<void(const std::string& file, int flags)>;

  RecordingSound(MidiListener onMidi, WavListener onWav)
      : onMidi_(std::move(onMidi)), onWav_(std::move(onWav)) {}

  void MusicCommandSent(const std::string& command) override { onMidi_(command); }
  void EffectRequested(const std::string& file, int flags) override { onWav_(file, flags); }

 private:
  MidiListener onMidi_;
  WavListener onWav_;
};

}  // namespace quorvan

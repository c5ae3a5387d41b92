// A sound player that plays nothing and tells what it was asked to play.
#pragma once

#include <functional>
#include <string>

#include "sound/SoundDevice.h"

namespace quorvan {

class RecordingSound final : public SoundDevice {
 public:
  using MidiListener = std::function<void(const std::string& command)>;
  using WavListener = std::function<void(const std::string& file, int flags)>;

  RecordingSound(MidiListener onMidi, WavListener onWav)
      : onMidi_(std::move(onMidi)), onWav_(std::move(onWav)) {}

  void SendMidiCommand(const std::string& command) override { onMidi_(command); }
  void PlaySoundFile(const std::string& name, int flags) override { onWav_(name, flags); }

 private:
  MidiListener onMidi_;
  WavListener onWav_;
};

}  // namespace quorvan

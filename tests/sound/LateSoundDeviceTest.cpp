// The stand-in that keeps the game's sound requests until the real player
// is loaded, and the loading of that player from its module.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/sdl/SoundModule.h"
#include "sound/LateSoundDevice.h"

namespace quorvan {
namespace {

class CallLog final : public SoundDevice {
 public:
  explicit CallLog(std::vector<std::string>& calls) : calls_(calls) {}
  void PlayPiece(const std::filesystem::path& file) override { Add("piece " + file.string()); }
  void StopPiece() override { Add("stop"); }
  void PlayEffect(const std::filesystem::path& file) override { Add("effect " + file.string()); }
  void CutEffect() override { Add("cut"); }
  void PauseAll(bool paused) override { Add(paused ? "pause" : "resume"); }

 private:
  void Add(std::string call) { calls_.push_back(std::move(call)); }
  std::vector<std::string>& calls_;
};

void Ask(SoundDevice& device, const std::string& call) {
  if (call.starts_with("piece ")) device.PlayPiece(call.substr(6));
  if (call == "stop") device.StopPiece();
  if (call.starts_with("effect ")) device.PlayEffect(call.substr(7));
  if (call == "cut") device.CutEffect();
  if (call == "pause") device.PauseAll(true);
  if (call == "resume") device.PauseAll(false);
}

// Every request reaches the player once, in the order asked, whether it was
// asked before the player came or after.
TEST(LateSoundDevice, EveryRequestReachesThePlayerInOrder) {
  const std::vector<std::vector<std::string>> before_after[] = {
      {{}, {"effect ZTDEMO.WAV"}},
      {{"effect ZTDEMO.WAV"}, {}},
      {{"effect ZTDEMO.WAV", "cut"}, {"effect Bang1.Wav"}},
      {{"piece Quor6.mid", "pause", "resume", "stop"}, {"piece Quor1.mid", "effect Ching.Wav"}},
  };
  for (const auto& sequence : before_after) {
    std::vector<std::string> heard;
    LateSoundDevice late;
    for (const auto& call : sequence[0]) Ask(late, call);
    late.Open(std::make_unique<CallLog>(heard));
    late.Open(nullptr);  // only the first player counts
    for (const auto& call : sequence[1]) Ask(late, call);
    std::vector<std::string> asked = sequence[0];
    asked.insert(asked.end(), sequence[1].begin(), sequence[1].end());
    EXPECT_EQ(heard, asked);
  }
}

TEST(LateSoundDevice, WithoutAPlayerEveryRequestIsSilence) {
  LateSoundDevice late;
  late.PlayEffect("ZTDEMO.WAV");
  late.Open(nullptr);
  late.PlayPiece("Quor6.mid");
  late.PauseAll(true);
  EXPECT_TRUE(late.Opened());
}

TEST(SoundModule, AModuleThatCannotBeLoadedIsOneLineAndNoPlayer) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(LoadSoundPlayer("/nonexistent/quorvan-sound.so"), nullptr);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("quorvan: sound is off: /nonexistent/quorvan-sound.so", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

TEST(SoundModule, TheBuiltModuleMakesAPlayer) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_NE(LoadSoundPlayer(QUORVAN_BUILT_SOUND_MODULE), nullptr);
  unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace quorvan

// The music and effect modules, heard through a device and a listener that
// write down what they are told.
#include <gtest/gtest.h>

#include <utility>

#include "sound/Effects.h"
#include "sound/FileLookup.h"
#include "sound/Music.h"
#include "sound/SoundDevice.h"
#include "sound/SoundListener.h"
#include "tests/sound/SoundTestFiles.h"

namespace quorvan {
namespace {

using soundtest::InFolder;
using soundtest::ScratchFolder;
using soundtest::WriteBytes;

// Both ends in one: the command texts told, and the typed calls made.
class RecordingDevice final : public SoundDevice, public SoundListener {
 public:
  void PlayPiece(const std::filesystem::path& file) override {
    calls.push_back("piece " + file.string());
  }
  void StopPiece() override { calls.push_back("stop"); }
  void PlayEffect(const std::filesystem::path& file) override {
    calls.push_back("effect " + file.string());
  }
  void CutEffect() override { calls.push_back("cut"); }
  void PauseAll(bool) override {}
  void MusicCommandSent(const std::string& command) override { commands.push_back(command); }
  void EffectRequested(const std::string& name, int flags) override {
    plays.emplace_back(name, flags);
  }
  std::vector<std::string> calls;
  std::vector<std::string> commands;
  std::vector<std::pair<std::string, int>> plays;
};

std::string OpenCommand(const std::filesystem::path& path) {
  return "open \"" + path.string() + "\" type sequencer alias Midi";
}

class SoundModules : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_assets_ = AssetFolder();
    SetAssetFolder(assets_.path());
    InstallSoundDevice(&device_);
    InstallSoundListener(&device_);
  }
  void TearDown() override {
    InstallSoundDevice(nullptr);
    InstallSoundListener(nullptr);
    SetAssetFolder(previous_assets_);
  }
  static void Touch(const std::filesystem::path& path) { WriteBytes(path, {'x'}); }

  RecordingDevice device_;
  ScratchFolder here_{"here"};
  ScratchFolder assets_{"assets"};
  std::filesystem::path previous_assets_;
};

TEST_F(SoundModules, EachPieceClosesTheLastThenOpensAndPlaysItsFile) {
  InFolder in(here_.path());
  Touch(here_.path() / "Quor1.mid");
  Touch(here_.path() / "Quor2.mid");
  PlayMusic("Quor1.mid");
  PlayMusic("Quor2.mid");
  const std::vector<std::string> expected = {
      "close Midi", OpenCommand(here_.path() / "Quor1.mid"), "play Midi",
      "close Midi", OpenCommand(here_.path() / "Quor2.mid"), "play Midi"};
  EXPECT_EQ(device_.commands, expected);
  const std::vector<std::string> calls = {"stop", "piece " + (here_.path() / "Quor1.mid").string(),
                                          "stop", "piece " + (here_.path() / "Quor2.mid").string()};
  EXPECT_EQ(device_.calls, calls);
}

TEST_F(SoundModules, StopMidiOnlyClosesAndMayComeAnyTime) {
  StopMusic();
  StopMusic();
  EXPECT_EQ(device_.commands, (std::vector<std::string>{"close Midi", "close Midi"}));
  EXPECT_EQ(device_.calls, (std::vector<std::string>{"stop", "stop"}));
  EXPECT_TRUE(device_.plays.empty());
}

TEST_F(SoundModules, BlanksInThePathStayInsideTheQuotes) {
  const auto folder = here_.path() / "my games" / "quorvan  v1";
  std::filesystem::create_directories(folder);
  Touch(folder / "Quor3.mid");
  InFolder in(folder);
  PlayMusic("Quor3.mid");
  ASSERT_EQ(device_.commands.size(), 3u);
  EXPECT_EQ(device_.commands[1], OpenCommand(folder / "Quor3.mid"));
  // The player is handed exactly the path that was told.
  EXPECT_EQ(device_.calls.back(), "piece " + (folder / "Quor3.mid").string());
}

TEST_F(SoundModules, LetterCaseIsIgnoredAndTheNameOnDiskIsUsed) {
  InFolder in(here_.path());
  Touch(here_.path() / "bang1.WAV");
  Touch(here_.path() / "quor5.MID");
  EXPECT_EQ(FindGameFile("Bang1.Wav"), here_.path() / "bang1.WAV");
  PlayMusic("Quor5.mid");
  EXPECT_EQ(device_.commands[1], OpenCommand(here_.path() / "quor5.MID"));
}

TEST_F(SoundModules, TheAssetFolderIsTheFallback) {
  InFolder in(here_.path());
  Touch(assets_.path() / "Quor6.mid");
  Touch(assets_.path() / "Ching.Wav");
  PlayMusic("quor6.mid");
  EXPECT_EQ(device_.commands[1], OpenCommand(assets_.path() / "Quor6.mid"));
  EXPECT_EQ(FindGameFile("CHING.WAV"), assets_.path() / "Ching.Wav");
}

TEST_F(SoundModules, TheCurrentDirectoryWinsOverTheAssetFolder) {
  InFolder in(here_.path());
  Touch(assets_.path() / "Quor7.mid");
  Touch(here_.path() / "QUOR7.MID");
  PlayMusic("Quor7.mid");
  EXPECT_EQ(device_.commands[1], OpenCommand(here_.path() / "QUOR7.MID"));
}

TEST_F(SoundModules, APieceFoundNowhereIsOpenedInTheCurrentDirectory) {
  InFolder in(here_.path());
  PlayMusic("Quor8.mid");
  const std::vector<std::string> expected = {"close Midi", OpenCommand(here_.path() / "Quor8.mid"),
                                             "play Midi"};
  EXPECT_EQ(device_.commands, expected);
}

TEST_F(SoundModules, EffectsAreToldAsynchronousAndTheDemoSilencingAsItsSilentFile) {
  InFolder in(here_.path());
  Touch(here_.path() / "bang1.wav");
  PlaySoundEffect("Bang1.Wav");
  PlaySoundEffect("Missing.Wav");
  SilenceDemoJingle();
  const std::vector<std::pair<std::string, int>> expected = {
      {"Bang1.Wav", 1}, {"Missing.Wav", 1}, {"Dummy.wav", 3}};
  EXPECT_EQ(device_.plays, expected);
  const std::vector<std::string> calls = {"effect " + (here_.path() / "bang1.wav").string(),
                                          "effect ", "cut"};
  EXPECT_EQ(device_.calls, calls);
  EXPECT_TRUE(device_.commands.empty());
}

TEST_F(SoundModules, WithoutAnInstalledDeviceOrListenerTheGameIsSilent) {
  InstallSoundDevice(nullptr);
  InstallSoundListener(nullptr);
  PlaySoundEffect("Bang2.Wav");
  PlayMusic("Quor1.mid");
  StopMusic();
  EXPECT_TRUE(device_.plays.empty());
  EXPECT_TRUE(device_.commands.empty());
  EXPECT_TRUE(device_.calls.empty());
  EXPECT_NE(&Sound(), &device_);
}

}  // namespace
}  // namespace quorvan

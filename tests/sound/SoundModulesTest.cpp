// The music and effect modules, heard through a device that writes down
// what it is asked.
#include <gtest/gtest.h>

#include <utility>

#include "platform/sdl/MidiCommand.h"
#include "sound/FileLookup.h"
#include "sound/SoundDevice.h"
#include "sound/ZT_Midi.h"
#include "sound/ZT_WAV.h"
#include "tests/sound/SoundTestFiles.h"

namespace quorvan {
namespace {

using soundtest::InFolder;
using soundtest::ScratchFolder;
using soundtest::WriteBytes;

class RecordingDevice final : public SoundDevice {
 public:
  void SendMidiCommand(const std::string& command) override { commands.push_back(command); }
  void PlaySoundFile(const std::string& name, int flags) override {
    plays.emplace_back(name, flags);
  }
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
  }
  void TearDown() override {
    InstallSoundDevice(nullptr);
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
  PlayMidi("Quor1.mid");
  PlayMidi("Quor2.mid");
  const std::vector<std::string> expected = {
      "close Midi", OpenCommand(here_.path() / "Quor1.mid"), "play Midi",
      "close Midi", OpenCommand(here_.path() / "Quor2.mid"), "play Midi"};
  EXPECT_EQ(device_.commands, expected);
}

TEST_F(SoundModules, StopMidiOnlyClosesAndMayComeAnyTime) {
  StopMidi();
  StopMidi();
  EXPECT_EQ(device_.commands, (std::vector<std::string>{"close Midi", "close Midi"}));
  EXPECT_TRUE(device_.plays.empty());
}

TEST_F(SoundModules, BlanksInThePathStayInsideTheQuotes) {
  const auto folder = here_.path() / "my games" / "quorvan  v1";
  std::filesystem::create_directories(folder);
  Touch(folder / "Quor3.mid");
  InFolder in(folder);
  PlayMidi("Quor3.mid");
  ASSERT_EQ(device_.commands.size(), 3u);
  EXPECT_EQ(device_.commands[1], OpenCommand(folder / "Quor3.mid"));
  // The player reads back exactly the path that was sent.
  const MidiCommand read = ParseMidiCommand(device_.commands[1]);
  EXPECT_EQ(read.kind, MidiCommand::Kind::Open);
  EXPECT_EQ(read.path, (folder / "Quor3.mid").string());
}

TEST_F(SoundModules, LetterCaseIsIgnoredAndTheNameOnDiskIsUsed) {
  InFolder in(here_.path());
  Touch(here_.path() / "bang1.WAV");
  Touch(here_.path() / "quor5.MID");
  EXPECT_EQ(FindGameFile("Bang1.Wav"), here_.path() / "bang1.WAV");
  PlayMidi("Quor5.mid");
  EXPECT_EQ(device_.commands[1], OpenCommand(here_.path() / "quor5.MID"));
}

TEST_F(SoundModules, TheAssetFolderIsTheFallback) {
  InFolder in(here_.path());
  Touch(assets_.path() / "Quor6.mid");
  Touch(assets_.path() / "Ching.Wav");
  PlayMidi("quor6.mid");
  EXPECT_EQ(device_.commands[1], OpenCommand(assets_.path() / "Quor6.mid"));
  EXPECT_EQ(FindGameFile("CHING.WAV"), assets_.path() / "Ching.Wav");
}

TEST_F(SoundModules, TheCurrentDirectoryWinsOverTheAssetFolder) {
  InFolder in(here_.path());
  Touch(assets_.path() / "Quor7.mid");
  Touch(here_.path() / "QUOR7.MID");
  PlayMidi("Quor7.mid");
  EXPECT_EQ(device_.commands[1], OpenCommand(here_.path() / "QUOR7.MID"));
}

TEST_F(SoundModules, APieceFoundNowhereIsOpenedInTheCurrentDirectory) {
  InFolder in(here_.path());
  PlayMidi("Quor8.mid");
  const std::vector<std::string> expected = {"close Midi", OpenCommand(here_.path() / "Quor8.mid"),
                                             "play Midi"};
  EXPECT_EQ(device_.commands, expected);
}

TEST_F(SoundModules, EffectsPlayAsynchronouslyAndTheDemoPassesItsOwnFlags) {
  PlayWav("Bang1.Wav");
  PlayDemoSound("ZTDEMO.WAV", SoundAsync);
  PlayDemoSound("Dummy.wav", SoundAsync | SoundNoDefault);
  const std::vector<std::pair<std::string, int>> expected = {
      {"Bang1.Wav", 1}, {"ZTDEMO.WAV", 1}, {"Dummy.wav", 3}};
  EXPECT_EQ(device_.plays, expected);
  EXPECT_TRUE(device_.commands.empty());
}

TEST_F(SoundModules, WithoutAnInstalledDeviceTheGameIsSilent) {
  InstallSoundDevice(nullptr);
  PlayWav("Bang2.Wav");
  PlayMidi("Quor1.mid");
  StopMidi();
  EXPECT_TRUE(device_.plays.empty());
  EXPECT_TRUE(device_.commands.empty());
  EXPECT_NE(&Sound(), &device_);
}

}  // namespace
}  // namespace quorvan

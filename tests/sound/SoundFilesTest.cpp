// The player's own reading of the sound files it is handed.
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "platform/sdl/SoundFiles.h"
#include "tests/sound/SoundTestFiles.h"

namespace quorvan {
namespace {

class MidiFileShape : public ::testing::Test {
 protected:
  void SetUp() override {
    soundtest::WriteOneNoteMidi(folder_.path() / "one.mid", 0.5);
    whole_ = soundtest::ReadBytes(folder_.path() / "one.mid");
  }
  soundtest::ScratchFolder folder_{"shape"};
  Bytes whole_;
};

TEST_F(MidiFileShape, AWholeFileIsAccepted) { EXPECT_TRUE(IsWholeMidiFile(whole_)); }

TEST_F(MidiFileShape, EveryCutShortFileIsRefused) {
  for (std::size_t size = 0; size < whole_.size(); ++size) {
    EXPECT_FALSE(IsWholeMidiFile(Bytes(whole_.begin(), whole_.begin() + static_cast<long>(size))))
        << size << " bytes";
  }
}

TEST_F(MidiFileShape, ATrackLongerThanTheFileIsRefused) {
  Bytes damaged = whole_;
  damaged[18] = 0xFF;  // the high byte of the first track's length
  EXPECT_FALSE(IsWholeMidiFile(damaged));
}

TEST_F(MidiFileShape, MoreTracksAnnouncedThanPresentIsRefused) {
  Bytes damaged = whole_;
  damaged[11] = 2;
  EXPECT_FALSE(IsWholeMidiFile(damaged));
}

TEST_F(MidiFileShape, NoTracksOrAnUnknownFormatIsRefused) {
  Bytes no_tracks = whole_;
  no_tracks[11] = 0;
  EXPECT_FALSE(IsWholeMidiFile(no_tracks));
  Bytes format_three = whole_;
  format_three[9] = 3;
  EXPECT_FALSE(IsWholeMidiFile(format_three));
}

// FluidSynth's player never returned from a file with a chunk of any other
// type; one of printable letters is passed over, as the format says.
TEST_F(MidiFileShape, ChunksOtherThanTracksMustBeNamedInLetters) {
  const std::pair<std::array<unsigned char, 4>, bool> types[] = {{{'X', 'F', 'I', 'H'}, true},
                                                                 {{'a', ' ', '~', '1'}, true},
                                                                 {{0, 0, 0, 0}, false},
                                                                 {{0xFF, 0xFF, 0xFF, 0xF8}, false},
                                                                 {{'M', 'T', 'r', 0x80}, false}};
  for (const auto& [type, accepted] : types) {
    const Bytes empty = {type[0], type[1], type[2], type[3], 0, 0, 0, 0};
    Bytes file = whole_;
    file.insert(file.begin() + 14, empty.begin(), empty.end());  // after the header
    EXPECT_EQ(IsWholeMidiFile(file), accepted) << int(type[0]) << " " << int(type[3]);
  }
}

// One track of the given events behind a header of format 0.
Bytes OneTrackMidi(const std::vector<unsigned char>& events) {
  Bytes file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0};
  file.push_back(static_cast<unsigned char>(events.size()));
  file.insert(file.end(), events.begin(), events.end());
  return file;
}

TEST(MidiTrackShape, OnlyTracksOfWholeEventsUpToTheirEndAreAccepted) {
  const std::pair<const char*, std::vector<unsigned char>> whole[] = {
      {"note on and off", {0, 0x90, 60, 64, 0x60, 0x80, 60, 0, 0, 0xFF, 0x2F, 0}},
      {"running status", {0, 0x90, 60, 64, 0x60, 60, 0, 0, 0xFF, 0x2F, 0}},
      {"a program change of one byte", {0, 0xC0, 5, 0, 0xFF, 0x2F, 0}},
      {"a system exclusive message", {0, 0xF0, 2, 0x7E, 0xF7, 0, 0xFF, 0x2F, 0}},
      {"a delta time of four bytes", {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0}},
  };
  const std::pair<const char*, std::vector<unsigned char>> damaged[] = {
      {"no end of track", {0, 0x90, 60, 64}},
      {"an empty track", {}},
      {"a text running past the track", {0, 0xFF, 0x4D, 0x54, 'a', 0, 0xFF, 0x2F, 0}},
      {"a note cut short", {0, 0x90, 60}},
      {"a data byte with its top bit", {0, 0x90, 0xC0, 64, 0, 0xFF, 0x2F, 0}},
      {"running status with no status before", {0, 60, 64, 0, 0xFF, 0x2F, 0}},
      {"running status after a meta event",
       {0, 0x90, 60, 64, 0, 0xFF, 1, 0, 0, 60, 0, 0, 0xFF, 0x2F, 0}},
      {"a delta time of five bytes", {0x80, 0x80, 0x80, 0x80, 0, 0xFF, 0x2F, 0}},
      {"a system message", {0, 0xF8, 0, 0xFF, 0x2F, 0}},
  };
  for (const auto& [what, events] : whole)
    EXPECT_TRUE(IsWholeMidiFile(OneTrackMidi(events))) << what;
  for (const auto& [what, events] : damaged)
    EXPECT_FALSE(IsWholeMidiFile(OneTrackMidi(events))) << what;
}

TEST(WaveFileShape, OnlyRiffWaveFilesAreEffects) {
  soundtest::ScratchFolder folder("wave");
  soundtest::WriteToneWav(folder.path() / "tone.wav", 0.1, 440.0);
  EXPECT_TRUE(IsWaveFile(soundtest::ReadBytes(folder.path() / "tone.wav")));
  EXPECT_FALSE(IsWaveFile({}));
  EXPECT_FALSE(IsWaveFile({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '}));
  EXPECT_FALSE(IsWaveFile({'R', 'I', 'F', 'F'}));
}

TEST(SmallFiles, MissingOrTooLargeFilesReadAsNothing) {
  soundtest::ScratchFolder folder("read");
  soundtest::WriteBytes(folder.path() / "four", {1, 2, 3, 4});
  EXPECT_EQ(ReadSmallFile(folder.path() / "four", 4), (Bytes{1, 2, 3, 4}));
  EXPECT_TRUE(ReadSmallFile(folder.path() / "four", 3).empty());
  EXPECT_TRUE(ReadSmallFile(folder.path() / "absent", 100).empty());
  EXPECT_TRUE(ReadSmallFile(folder.path(), 1 << 20).empty());
}

TEST(SoundFontChoice, TheFirstExistingFileWinsAndLinksAreFollowed) {
  soundtest::ScratchFolder folder("fonts");
  const auto real = folder.path() / "real.sf2";
  soundtest::WriteBytes(real, {'s', 'f'});
  std::filesystem::create_symlink(real, folder.path() / "link.sf3");
  std::filesystem::create_symlink(folder.path() / "gone.sf2", folder.path() / "dangling.sf3");
  EXPECT_EQ(FirstExistingFile({folder.path() / "dangling.sf3", folder.path() / "link.sf3", real}),
            folder.path() / "link.sf3");
  EXPECT_EQ(FirstExistingFile({folder.path(), real}), real);  // a folder is no soundfont
  EXPECT_TRUE(FirstExistingFile({folder.path() / "gone.sf2"}).empty());
}

}  // namespace
}  // namespace quorvan

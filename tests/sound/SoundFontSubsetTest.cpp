// A piece played from the presets it can reach sounds exactly as it does
// from the whole soundfont.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/sdl/SdlSoundDevice.h"
#include "platform/sdl/SoundFiles.h"
#include "platform/sdl/SoundFontSubset.h"
#include "platform/sdl/SubsetLoader.h"
#include "tests/sound/SoundTestFiles.h"

namespace quorvan {
namespace {

constexpr int kRate = 22050;
constexpr int kBlock = 512;
constexpr int kSeconds = 12;

// The start of `piece` rendered as the game's synthesizer is set up, from the
// whole soundfont or from the presets the piece can reach.
std::vector<float> Render(const std::filesystem::path& soundfont, const Bytes& piece, bool subset) {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kRate);
  fluid_settings_setint(settings, "synth.reverb.active", 0);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  fluid_settings_setint(settings, "synth.polyphony", 64);
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_synth_t* synth = new_fluid_synth(settings);
  std::unique_ptr<NamedSubset> named;
  std::string name = soundfont.string();
  if (subset) {
    AddSubsetLoader(settings, synth);
    auto cut = SubsetSoundFont(soundfont, ProgramsOfPiece(piece));
    EXPECT_TRUE(cut.has_value());
    if (cut) named = std::make_unique<NamedSubset>(std::move(*cut));
    if (named) name = named->Name();
  }
  std::vector<float> out;
  if (fluid_synth_sfload(synth, name.c_str(), 1) != FLUID_FAILED) {
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add_mem(player, piece.data(), piece.size());
    fluid_player_play(player);
    std::vector<float> left(kBlock), right(kBlock);
    for (int i = 0; i < kSeconds * kRate / kBlock; ++i) {
      fluid_synth_write_float(synth, kBlock, left.data(), 0, 1, right.data(), 0, 1);
      out.insert(out.end(), left.begin(), left.end());
      out.insert(out.end(), right.begin(), right.end());
    }
    delete_fluid_player(player);
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return out;
}

class EveryPiece : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryPiece, SoundsTheSameFromItsOwnPresets) {
  const auto soundfont = FirstExistingFile(StandardSoundFonts());
  if (soundfont.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  const Bytes piece =
      ReadSmallFile(std::filesystem::path(QUORVAN_SOURCE_ASSETS) / GetParam(), 1 << 20);
  const auto whole = Render(soundfont, piece, false);
  const auto cut = Render(soundfont, piece, true);
  ASSERT_FALSE(whole.empty());
  EXPECT_TRUE(whole == cut);
  EXPECT_NE(std::count(whole.begin(), whole.end(), 0.0f), static_cast<long>(whole.size()));
}

INSTANTIATE_TEST_SUITE_P(Assets, EveryPiece,
                         ::testing::Values("Quor1.mid", "Quor2.mid", "Quor3.mid", "Quor4.mid",
                                           "Quor5.mid", "Quor6.mid", "Quor7.mid", "Quor8.mid",
                                           "Quor9.mid"));

Bytes Midi(std::vector<unsigned char> track) {
  Bytes file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0};
  file.push_back(static_cast<unsigned char>(track.size()));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

struct ProgramsCase {
  const char* what;
  Bytes piece;
  std::vector<int> programs;  // empty: all of them
};

TEST(ProgramsOfPiece, AreTheProgramChangesAndProgramZero) {
  const ProgramsCase cases[] = {
      {"no change", Midi({0, 0x90, 60, 100, 0, 0xFF, 0x2F, 0}), {0}},
      {"changes, one by running status",
       Midi({0, 0xC1, 56, 0, 0xFF, 0x03, 1, 'x', 10, 0xC1, 61, 0, 0xB2, 7, 100, 0, 0xC2, 5, 0, 9}),
       {0, 5, 9, 56, 61}},
      {"a system exclusive message",
       Midi({0, 0xF0, 3, 0x7E, 0x09, 0xF7, 0, 0xC0, 33, 0, 0xFF, 0x2F, 0}),
       {0, 33}},
      {"data before any status", Midi({0, 60, 100}), {}},
      {"an event cut by the track's end", Midi({0, 0x90, 60}), {}},
      {"a meta event longer than its track", Midi({0, 0xFF, 0x01, 40, 'a'}), {}},
      {"not a MIDI file", Bytes{'R', 'I', 'F', 'F'}, {}},
  };
  for (const auto& c : cases) {
    Programs expected;
    if (c.programs.empty()) expected.set();
    for (int p : c.programs) expected.set(static_cast<std::size_t>(p));
    EXPECT_EQ(ProgramsOfPiece(c.piece), expected) << c.what;
  }
}

TEST(SubsetSoundFont, RefusesWhatIsNotASoundfont) {
  soundtest::ScratchFolder folder("subset");
  const auto midi = folder.path() / "piece.mid";
  soundtest::WriteOneNoteMidi(midi, 1.0);
  const auto cut = folder.path() / "cut.sf2";
  auto riff = soundtest::ReadBytes(midi);
  riff.insert(riff.begin(), {'R', 'I', 'F', 'F', 0, 0, 0, 0, 's', 'f', 'b', 'k'});
  soundtest::WriteBytes(cut, riff);
  Programs all;
  all.set();
  for (const auto& file : {midi, cut, folder.path() / "missing.sf2"}) {
    EXPECT_FALSE(SubsetSoundFont(file, all).has_value()) << file;
  }
}

}  // namespace
}  // namespace quorvan

// The music and effect files the game ships, read the hard way: a broken
// generator or a hand-edited file shows up here rather than as silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>

#include "tests/sound/SoundTestFiles.h"

namespace quorvan {
namespace {

const std::filesystem::path Assets = QUORVAN_SOURCE_ASSETS;
using Bytes = std::vector<unsigned char>;

std::uint32_t Big(const Bytes& data, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | data.at(at + static_cast<std::size_t>(i));
  return value;
}

std::uint32_t Little(const Bytes& data, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | data.at(at + static_cast<std::size_t>(i));
  return value;
}

// What a full walk through a Standard MIDI File finds.
struct MidiSummary {
  std::uint32_t format = 0;
  std::uint32_t tracks = 0;
  double seconds = 0.0;    // up to the last end-of-track
  std::set<int> channels;  // 1-16, of note-ons
  int hanging_notes = 0;   // note-ons never turned off
};

std::uint32_t ReadVariable(const Bytes& data, std::size_t& at, std::size_t end) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) throw std::runtime_error("number runs past the track");
    const unsigned char byte = data[at++];
    value = (value << 7) | (byte & 0x7Fu);
    if ((byte & 0x80u) == 0) return value;
  }
  throw std::runtime_error("number longer than four bytes");
}

// Walks one MTrk's events; returns the tick of its end-of-track.
std::uint32_t WalkTrack(const Bytes& data, std::size_t at, std::size_t end,
                        std::map<std::uint32_t, std::uint32_t>& tempos, MidiSummary& summary) {
  std::uint32_t tick = 0;
  unsigned char status = 0;
  std::map<int, int> sounding;
  while (at < end) {
    tick += ReadVariable(data, at, end);
    if (at >= end) throw std::runtime_error("event runs past the track");
    if (data[at] & 0x80u) status = data[at++];
    if (status == 0xFF) {
      const unsigned char kind = data.at(at++);
      const std::uint32_t length = ReadVariable(data, at, end);
      if (at + length > end) throw std::runtime_error("meta event runs past the track");
      if (kind == 0x51) tempos[tick] = Big(data, at, 3);
      at += length;
      if (kind == 0x2F) {
        if (at != end) throw std::runtime_error("events after end-of-track");
        for (const auto& [note, count] : sounding) summary.hanging_notes += count;
        return tick;
      }
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      at += ReadVariable(data, at, end);
      continue;
    }
    if (status < 0x80) throw std::runtime_error("data byte without a status");
    const int kind = status & 0xF0;
    const int channel = (status & 0x0F) + 1;
    const std::size_t size = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    if (at + size > end) throw std::runtime_error("message runs past the track");
    if (data[at] & 0x80u || (size == 2 && (data[at + 1] & 0x80u))) {
      throw std::runtime_error("data byte over 127");
    }
    const int key = channel * 128 + data[at];
    if (kind == 0x90 && data[at + 1] > 0) {
      summary.channels.insert(channel);
      ++sounding[key];
    } else if (kind == 0x80 || kind == 0x90) {
      if (sounding[key] == 0) throw std::runtime_error("note-off without a note-on");
      --sounding[key];
    }
    at += size;
  }
  throw std::runtime_error("track without end-of-track");
}

MidiSummary ReadMidi(const Bytes& data) {
  MidiSummary summary;
  if (data.size() < 14 || Big(data, 0, 4) != 0x4D546864 || Big(data, 4, 4) != 6) {
    throw std::runtime_error("no MThd header of length 6");
  }
  summary.format = Big(data, 8, 2);
  const std::uint32_t announced = Big(data, 10, 2);
  const std::uint32_t division = Big(data, 12, 2);
  if (division == 0 || (division & 0x8000u)) throw std::runtime_error("not ticks per beat");
  std::map<std::uint32_t, std::uint32_t> tempos = {{0, 500000}};
  std::uint32_t last_tick = 0;
  std::size_t at = 14;
  while (at < data.size()) {
    if (at + 8 > data.size() || Big(data, at, 4) != 0x4D54726B) {
      throw std::runtime_error("chunk is not MTrk");
    }
    const std::size_t end = at + 8 + Big(data, at + 4, 4);
    if (end > data.size()) throw std::runtime_error("MTrk length past the file's end");
    last_tick = std::max(last_tick, WalkTrack(data, at + 8, end, tempos, summary));
    ++summary.tracks;
    at = end;
  }
  if (summary.tracks != announced) throw std::runtime_error("track count differs from header");
  // Seconds through the tempo map.
  std::uint32_t tick = 0;
  std::uint32_t tempo = 500000;
  for (const auto& [change, value] : tempos) {
    if (change >= last_tick) break;
    summary.seconds += double(change - tick) * tempo / division / 1e6;
    tick = change;
    tempo = value;
  }
  summary.seconds += double(last_tick - tick) * tempo / division / 1e6;
  return summary;
}

struct Piece {
  const char* file;
  double shortest;
  double longest;
};

void PrintTo(const Piece& piece, std::ostream* out) { *out << piece.file; }

std::string FileStem(const char* file) { return std::filesystem::path(file).stem().string(); }

class ShippedPiece : public ::testing::TestWithParam<Piece> {};

TEST_P(ShippedPiece, IsAWholeFormatOneFileOfFittingLength) {
  const Piece piece = GetParam();
  const Bytes data = soundtest::ReadBytes(Assets / piece.file);
  ASSERT_FALSE(data.empty()) << piece.file;
  MidiSummary summary;
  ASSERT_NO_THROW(summary = ReadMidi(data)) << piece.file;
  EXPECT_EQ(summary.format, 1u);
  EXPECT_GE(summary.tracks, 3u) << "a conductor track and at least two parts";
  EXPECT_EQ(summary.hanging_notes, 0);
  EXPECT_GE(summary.seconds, piece.shortest);
  EXPECT_LE(summary.seconds, piece.longest);
}

// Runs one of the generators in tools/; false when Python is not there.
bool RunGenerator(const std::string& arguments) {
  if (std::system("python3 -c '' > /dev/null 2>&1") != 0) return false;
  const auto tools = Assets.parent_path() / "tools";
  const std::string command = "python3 '" + tools.string() + "/" + arguments + " > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return true;
}

TEST_P(ShippedPiece, IsWhatItsSourceMakes) {
  const std::string stem = FileStem(GetParam().file);
  soundtest::ScratchFolder folder("midigen");
  const auto made = folder.path() / GetParam().file;
  const auto source = Assets / "src" / "music" / (stem + ".txt");
  if (!RunGenerator("midigen.py' '" + source.string() + "' '" + made.string() + "'")) {
    GTEST_SKIP() << "no python3";
  }
  EXPECT_TRUE(soundtest::ReadBytes(made) == soundtest::ReadBytes(Assets / GetParam().file))
      << "regenerate with tools/make_sounds.sh";
}

INSTANTIATE_TEST_SUITE_P(
    Music, ShippedPiece,
    ::testing::Values(Piece{"Quor1.mid", 1.5, 3.0}, Piece{"Quor2.mid", 8.0, 12.5},
                      Piece{"Quor3.mid", 8.0, 10.5}, Piece{"Quor4.mid", 1.0, 2.0},
                      Piece{"Quor5.mid", 10.0, 12.5}, Piece{"Quor6.mid", 30.0, 45.0},
                      Piece{"Quor7.mid", 8.0, 10.5}, Piece{"Quor8.mid", 3.0, 4.5},
                      Piece{"Quor9.mid", 2.0, 3.0}),
    [](const auto& test) { return FileStem(test.param.file); });

TEST(MidiReader, CatchesTheDamageAGeneratorCouldDo) {
  soundtest::ScratchFolder folder("reader");
  soundtest::WriteOneNoteMidi(folder.path() / "one.mid", 1.0);
  const Bytes whole = soundtest::ReadBytes(folder.path() / "one.mid");
  EXPECT_NEAR(ReadMidi(whole).seconds, 1.0, 0.01);
  Bytes no_end = whole;
  no_end.resize(no_end.size() - 3);
  no_end[21] = static_cast<unsigned char>(no_end[21] - 3);
  EXPECT_THROW(ReadMidi(no_end), std::runtime_error);
  Bytes wrong_length = whole;
  wrong_length[21] = static_cast<unsigned char>(wrong_length[21] + 1);
  EXPECT_THROW(ReadMidi(wrong_length), std::runtime_error);
  Bytes hanging = whole;
  hanging[hanging.size() - 7] = 0x90;  // the note-off becomes a second note-on
  EXPECT_EQ(ReadMidi(hanging).hanging_notes, 2);
}

struct Effect {
  const char* file;
  double shortest;
  double longest;
  bool silent;
};

void PrintTo(const Effect& effect, std::ostream* out) { *out << effect.file; }

class ShippedEffect : public ::testing::TestWithParam<Effect> {};

TEST_P(ShippedEffect, IsSixteenBitMonoPcmOfFittingLength) {
  const Effect effect = GetParam();
  const Bytes data = soundtest::ReadBytes(Assets / effect.file);
  ASSERT_GE(data.size(), 12u) << effect.file;
  ASSERT_EQ(Big(data, 0, 4), 0x52494646u);  // RIFF
  ASSERT_EQ(Big(data, 8, 4), 0x57415645u);  // WAVE
  std::uint32_t rate = 0;
  std::size_t at = 12;
  while (at + 8 <= data.size()) {
    const std::uint32_t tag = Big(data, at, 4);
    const std::uint32_t length = Little(data, at + 4, 4);
    ASSERT_LE(at + 8 + length, data.size()) << "chunk runs past the file";
    if (tag == 0x666D7420) {  // "fmt "
      EXPECT_EQ(Little(data, at + 8, 2), 1u) << "PCM";
      EXPECT_EQ(Little(data, at + 10, 2), 1u) << "mono";
      rate = Little(data, at + 12, 4);
      EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
      EXPECT_EQ(Little(data, at + 22, 2), 16u) << "bits";
    } else if (tag == 0x64617461) {  // "data"
      ASSERT_NE(rate, 0u) << "fmt comes before data";
      const double seconds = double(length) / 2.0 / rate;
      EXPECT_GE(seconds, effect.shortest);
      EXPECT_LE(seconds, effect.longest);
      int peak = 0;
      for (std::size_t i = at + 8; i + 1 < at + 8 + length; i += 2) {
        peak = std::max(peak, std::abs(int(std::int16_t(Little(data, i, 2)))));
      }
      if (effect.silent) {
        EXPECT_EQ(peak, 0);
      } else {
        EXPECT_GT(peak, 16000);
      }
      return;
    }
    at += 8 + length + (length & 1u);
  }
  FAIL() << "no data chunk";
}

TEST(ShippedEffects, AreWhatTheSynthesiserMakes) {
  soundtest::ScratchFolder folder("sfxgen");
  if (!RunGenerator("sfxgen.py' '" + folder.path().string() + "'")) GTEST_SKIP() << "no python3";
  for (const char* file : {"Bang1.Wav", "Bang2.Wav", "Ching.Wav", "ZTDEMO.WAV", "Dummy.wav"}) {
    EXPECT_TRUE(soundtest::ReadBytes(folder.path() / file) == soundtest::ReadBytes(Assets / file))
        << file << ": regenerate with tools/make_sounds.sh";
  }
}

INSTANTIATE_TEST_SUITE_P(Sounds, ShippedEffect,
                         ::testing::Values(Effect{"Bang1.Wav", 0.3, 0.5, false},
                                           Effect{"Bang2.Wav", 0.5, 0.7, false},
                                           Effect{"Ching.Wav", 0.5, 0.8, false},
                                           Effect{"ZTDEMO.WAV", 1.6, 2.5, false},
                                           Effect{"Dummy.wav", 0.02, 0.1, true}),
                         [](const auto& test) { return FileStem(test.param.file); });

}  // namespace
}  // namespace quorvan

// The real player, rendering through SDL's disk driver into a raw file
// (44100 Hz, 16-bit, stereo) at real-time pace. Each test listens for a second
// or two, so they are few.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <random>
#include <thread>

#include "platform/sdl/SdlSoundDevice.h"
#include "platform/sdl/SoundFiles.h"
#include "sound/Effects.h"
#include "sound/FileLookup.h"
#include "sound/LateSoundDevice.h"
#include "sound/Music.h"
#include "tests/sound/SoundTestFiles.h"

namespace quorvan {
namespace {

constexpr int Rate = 44100;
constexpr int Channels = 2;
constexpr int Silence = 8;  // peak sample values at or below count as silence
constexpr int Audible = 1000;

using namespace std::chrono_literals;

// Our lines on stderr; SDL's disk driver adds warnings of its own.
std::string GameLines(const std::string& said) {
  std::string ours;
  std::size_t at = 0;
  while (at < said.size()) {
    const std::size_t end = std::min(said.find('\n', at), said.size());
    if (said.compare(at, 8, "quorvan:") == 0) ours += said.substr(at, end - at) + "\n";
    at = end + 1;
  }
  return ours;
}

class SdlPlayer : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    previous_assets_ = AssetFolder();
    SetAssetFolder(QUORVAN_SOURCE_ASSETS);
  }
  void TearDown() override {
    Close();
    SetAssetFolder(previous_assets_);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
  }

  // Opens a device and waits until its output is open and its soundfont
  // loaded, unless told not to wait.
  void Open(const SdlSoundOptions& options = {}, bool settle = true) {
    device_ = std::make_unique<SdlSoundDevice>(options);
    InstallSoundDevice(device_.get());
    if (settle) device_->Settle();
  }
  void Close() {
    InstallSoundDevice(nullptr);
    device_.reset();
  }
  // Closes the device and returns the rendered samples.
  std::vector<std::int16_t> Rendered() {
    Close();
    const auto bytes = soundtest::ReadBytes(output_);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
  }
  // Lets the output play `span` more of sound once every request so far is
  // handled. The disk driver writes at the clock's pace on an idle machine
  // and falls behind on a busy one, so the file is watched, not the clock;
  // an output that has gone to sleep is given ten times the span.
  void Listen(std::chrono::milliseconds span) {
    if (device_) device_->Settle();
    const auto size = [this] {
      std::error_code error;
      const auto bytes = std::filesystem::file_size(output_, error);
      return error ? std::uintmax_t{0} : bytes;
    };
    const std::uintmax_t wanted =
        size() + static_cast<std::uintmax_t>(span.count()) * Rate * Channels * 2 / 1000;
    const auto giveUp = std::chrono::steady_clock::now() + 10 * span;
    while (size() < wanted && std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::sleep_for(10ms);
    }
  }
  // The seconds of sound the output gave before it went to sleep: its file
  // stops growing then. Up to a minute.
  double SecondsUntilTheOutputSleeps() {
    if (device_) device_->Settle();
    std::uintmax_t last = 0;
    auto stillSince = std::chrono::steady_clock::now();
    const auto giveUp = stillSince + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::sleep_for(100ms);
      std::error_code error;
      const std::uintmax_t size = std::filesystem::file_size(output_, error);
      if (size != last) {
        last = size;
        stillSince = std::chrono::steady_clock::now();
      } else if (std::chrono::steady_clock::now() - stillSince > 2s) {
        break;
      }
    }
    return static_cast<double>(last) / (Rate * Channels * 2);
  }
  static int Peak(const std::vector<std::int16_t>& samples, double from_end_seconds) {
    const auto count =
        std::min(samples.size(), static_cast<std::size_t>(from_end_seconds * Rate * Channels));
    int peak = 0;
    for (auto it = samples.end() - static_cast<long>(count); it != samples.end(); ++it) {
      peak = std::max(peak, std::abs(int{*it}));
    }
    return peak;
  }
  static int Peak(const std::vector<std::int16_t>& samples) { return Peak(samples, 1e9); }
  // The power of each of the Window / 2 bands the output's rate splits into,
  // summed over both channels and every Hann window of `samples`.
  static std::vector<double> Spectrum(const std::vector<std::int16_t>& samples) {
    constexpr int Window = 2048;
    std::vector<double> hann(Window), cosine(Window), sine(Window);
    for (int n = 0; n < Window; ++n) {
      const double turn = 2.0 * std::numbers::pi * n / Window;
      hann[n] = 0.5 - 0.5 * std::cos(turn);
      cosine[n] = std::cos(turn);
      sine[n] = std::sin(turn);
    }
    std::vector<double> power(Window / 2, 0.0);
    const std::size_t frames = samples.size() / Channels;
    for (std::size_t at = 0; at + Window <= frames; at += Window) {
      for (int channel = 0; channel < Channels; ++channel) {
        for (int band = 0; band < Window / 2; ++band) {
          double re = 0.0, im = 0.0;
          for (int n = 0; n < Window; ++n) {
            const double v = hann[n] * samples[(at + n) * Channels + channel];
            re += v * cosine[band * n % Window];
            im -= v * sine[band * n % Window];
          }
          power[band] += re * re + im * im;
        }
      }
    }
    return power;
  }
  static double BandHz(const std::vector<double>& spectrum, std::size_t band) {
    return static_cast<double>(band) * Rate / (2.0 * static_cast<double>(spectrum.size()));
  }

  soundtest::ScratchFolder folder_{"sdl"};
  std::filesystem::path output_ = folder_.path() / "rendered.raw";
  std::filesystem::path previous_assets_;
  std::unique_ptr<SdlSoundDevice> device_;
};

// The piece is asked for while the soundfont is still loading, and waits
// for it.
TEST_F(SdlPlayer, APieceAskedForAtOnceIsHeardWhenTheSoundfontIsReady) {
  Open({}, false);
  PlayMusic("Quor4.mid");
  Listen(1200ms);
  const auto samples = Rendered();
  EXPECT_GT(samples.size(), std::size_t{Rate});
  EXPECT_GT(Peak(samples), Audible);
}

// The game's pause holds the piece: silence while it lasts, music after it.
TEST_F(SdlPlayer, APauseSilencesThePieceUntilItIsLifted) {
  Open();
  PlayMusic("Quor6.mid");
  Listen(600ms);
  Sound().PauseAll(true);
  Listen(1000ms);
  Sound().PauseAll(false);
  Listen(600ms);
  auto samples = Rendered();
  EXPECT_GT(Peak(samples, 0.4), Audible);
  samples.resize(samples.size() - static_cast<std::size_t>(0.9 * Rate * Channels));
  EXPECT_LE(Peak(samples, 0.5), Silence);
}

TEST_F(SdlPlayer, AnEffectIsHeardUnderTheMusic) {
  Open();
  PlayMusic("Quor6.mid");
  PlaySoundEffect("Ching.Wav");
  Listen(300ms);
  // A silent effect replaces the ching but leaves the music alone.
  SilenceDemoJingle();
  Listen(900ms);
  const auto samples = Rendered();
  EXPECT_GT(Peak(samples, 0.4), Audible);
}

TEST_F(SdlPlayer, ANewEffectCutsTheOneBefore) {
  soundtest::WriteToneWav(folder_.path() / "Long.wav", 3.0, 440.0);
  soundtest::WriteToneWav(folder_.path() / "Quiet.wav", 0.05, 0.0);
  soundtest::InFolder in(folder_.path());
  Open();
  PlaySoundEffect("Long.wav");
  Listen(500ms);
  PlaySoundEffect("quiet.WAV");
  Listen(500ms);
  const auto samples = Rendered();
  EXPECT_GT(Peak(samples), Audible) << "the tone was heard first";
  EXPECT_LE(Peak(samples, 0.3), Silence);
}

TEST_F(SdlPlayer, AnEffectThatCannotBePlayedStillCutsTheOneBefore) {
  soundtest::WriteToneWav(folder_.path() / "Long.wav", 3.0, 440.0);
  soundtest::InFolder in(folder_.path());
  Open();
  PlaySoundEffect("Long.wav");
  Listen(400ms);
  PlaySoundEffect("NoSuchFile.wav");
  Listen(400ms);
  const auto samples = Rendered();
  EXPECT_GT(Peak(samples), Audible);
  EXPECT_LE(Peak(samples, 0.2), Silence);
}

TEST_F(SdlPlayer, APiecePlaysOnce) {
  soundtest::WriteOneNoteMidi(folder_.path() / "Short.mid", 0.2);
  soundtest::InFolder in(folder_.path());
  Open();
  PlayMusic("Short.mid");
  Listen(1600ms);
  const auto samples = Rendered();
  EXPECT_GT(Peak(samples), Audible);
  EXPECT_LE(Peak(samples, 0.6), Silence);
}

// The music is rendered at the output's rate. At any other, unconverted, it
// would sound off pitch, and a poor conversion from half the rate brings a
// note back mirrored near the top of the output's range. A flute's A is close
// to a pure tone, and its own breath lies far under it up there.
TEST_F(SdlPlayer, MusicSoundsAtItsPitchWithNoMirrorOfIt) {
  constexpr int FluteA = 69, Flute = 73;
  constexpr double Mirror = Rate / 2.0 - 440.0;
  soundtest::WriteOneNoteMidi(folder_.path() / "A.mid", 2.0, FluteA, Flute);
  soundtest::InFolder in(folder_.path());
  Open();
  PlayMusic("A.mid");
  Listen(1500ms);
  const auto spectrum = Spectrum(Rendered());
  std::size_t loudest = 0;
  double loudestNearMirror = 0.0;
  for (std::size_t band = 1; band < spectrum.size(); ++band) {
    if (spectrum[band] > spectrum[loudest]) loudest = band;
    if (std::abs(BandHz(spectrum, band) - Mirror) < 100.0)
      loudestNearMirror = std::max(loudestNearMirror, spectrum[band]);
  }
  EXPECT_NEAR(BandHz(spectrum, loudest), 440.0, 22.0);
  // SDL's own resampler from 22.05 kHz leaves the mirrored A about 66 dB down.
  EXPECT_LT(10.0 * std::log10(loudestNearMirror / spectrum[loudest]), -85.0)
      << "dB of the loudest band near " << Mirror << " Hz against the note's";
}

// A channel a piece plays without choosing an instrument has General MIDI's:
// the piano, and the drum kit on the tenth channel, as most of ours use it.
TEST_F(SdlPlayer, AChannelWithNoInstrumentChosenPlaysGeneralMidisOwn) {
  for (const int channel : {0, 9}) {
    const auto on = static_cast<unsigned char>(0x90 | channel);
    const auto off = static_cast<unsigned char>(0x80 | channel);
    const std::vector<unsigned char> track = {0x00, on, 38,   110,  0x83, 0x60, off,
                                              38,   64, 0x00, 0xFF, 0x2F, 0x00};
    std::vector<unsigned char> file = {'M', 'T',  'h',  'd', 0,   0,   0,   6, 0, 0, 0,
                                       1,   0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0};
    file.push_back(static_cast<unsigned char>(track.size()));
    file.insert(file.end(), track.begin(), track.end());
    soundtest::WriteBytes(folder_.path() / "Plain.mid", file);
    soundtest::InFolder in(folder_.path());
    Open();
    PlayMusic("Plain.mid");
    std::this_thread::sleep_for(600ms);
    EXPECT_GT(Peak(Rendered()), Audible) << "channel " << channel + 1;
  }
}

TEST_F(SdlPlayer, StopMusicSilencesThePiece) {
  Open();
  StopMusic();  // nothing open yet
  PlayMusic("Quor6.mid");
  std::this_thread::sleep_for(700ms);
  StopMusic();
  StopMusic();
  std::this_thread::sleep_for(400ms);
  const auto samples = Rendered();
  EXPECT_GT(Peak(samples), Audible);
  EXPECT_LE(Peak(samples, 0.2), Silence);
}

// Missing, empty, cut short and random files, each as a piece and an effect.
TEST_F(SdlPlayer, DamagedFilesAreSilentAndHarmless) {
  const auto here = folder_.path();
  const auto piece =
      soundtest::ReadBytes(std::filesystem::path(QUORVAN_SOURCE_ASSETS) / "Quor1.mid");
  const auto effect =
      soundtest::ReadBytes(std::filesystem::path(QUORVAN_SOURCE_ASSETS) / "Bang1.Wav");
  ASSERT_FALSE(piece.empty());
  ASSERT_FALSE(effect.empty());
  std::mt19937 random(20240611);
  std::vector<unsigned char> noise(4096);
  for (auto& byte : noise) byte = static_cast<unsigned char>(random());
  soundtest::WriteBytes(here / "Empty.mid", {});
  soundtest::WriteBytes(here / "Empty.wav", {});
  soundtest::WriteBytes(here / "Cut.mid", {piece.begin(), piece.begin() + 100});
  soundtest::WriteBytes(here / "Cut.wav", {effect.begin(), effect.begin() + 30});
  soundtest::WriteBytes(here / "Noise.mid", noise);
  soundtest::WriteBytes(here / "Noise.wav", noise);
  auto riff_then_noise = noise;  // says RIFF....WAVE, then nonsense
  std::copy_n(effect.begin(), 12, riff_then_noise.begin());
  soundtest::WriteBytes(here / "Riff.wav", riff_then_noise);
  // Whole chunks, but nonsense inside the track.
  constexpr unsigned char Chunks[] = {'M', 'T', 'h',  'd', 0,   0,   0,   6, 0, 0,    0,
                                      1,   1,   0xE0, 'M', 'T', 'r', 'k', 0, 0, 0x0F, 0xEA};
  static_assert(sizeof Chunks + 0x0FEA == 4096);
  auto garbled = noise;
  std::copy(std::begin(Chunks), std::end(Chunks), garbled.begin());
  soundtest::WriteBytes(here / "Garbled.mid", garbled);
  soundtest::InFolder in(here);
  Open();  // settled: past SDL's own words about its disk driver
  ::testing::internal::CaptureStderr();
  for (const char* name : {"Missing", "Empty", "Cut", "Noise", "Riff", "Garbled"}) {
    PlayMusic(std::string(name) + ".mid");
    PlaySoundEffect(std::string(name) + ".wav");
    std::this_thread::sleep_for(100ms);
  }
  std::this_thread::sleep_for(300ms);
  const auto samples = Rendered();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the libraries keep quiet too";
  EXPECT_GT(samples.size(), std::size_t{0}) << "the device did open";
  EXPECT_LE(Peak(samples), Silence);
}

TEST_F(SdlPlayer, WithoutASoundfontEffectsStillPlayAndOneLineSaysWhy) {
  ::testing::internal::CaptureStderr();
  Open(SdlSoundOptions{.soundfonts = {folder_.path() / "none.sf2"}});
  const std::string said = GameLines(::testing::internal::GetCapturedStderr());
  EXPECT_EQ(said,
            "quorvan: music is off: no General MIDI soundfont found "
            "(install timgm6mb-soundfont)\n");
  PlayMusic("Quor4.mid");
  std::this_thread::sleep_for(600ms);
  PlaySoundEffect("Bang1.Wav");
  std::this_thread::sleep_for(300ms);
  const auto samples = Rendered();
  EXPECT_GT(Peak(samples), Audible);
  const std::vector<std::int16_t> before_effect(
      samples.begin(), samples.end() - static_cast<long>(0.6 * Rate * Channels));
  EXPECT_LE(Peak(before_effect), Silence) << "no music";
}

// FluidSynth reads the soundfont itself: one it cannot read, even one cut
// short, leaves the music off, said in one line, and the effects play.
TEST_F(SdlPlayer, ADamagedSoundfontLeavesTheMusicOffInOneLine) {
  const auto soundfont = FirstExistingFile(StandardSoundFonts());
  if (soundfont.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  const auto whole = soundtest::ReadBytes(soundfont);
  std::mt19937 random(20261208);
  std::vector<unsigned char> noise(4096);
  for (auto& byte : noise) byte = static_cast<unsigned char>(random());
  auto riffThenNoise = noise;  // says RIFF....sfbk, then nonsense
  std::copy_n(whole.begin(), 12, riffThenNoise.begin());
  const struct {
    const char* name;
    std::vector<unsigned char> bytes;
  } cases[] = {
      {"empty.sf2", {}},
      {"noise.sf2", noise},
      {"riff.sf2", riffThenNoise},
      {"cut.sf2", {whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2)}},
  };
  for (const auto& c : cases) {
    const auto path = folder_.path() / c.name;
    soundtest::WriteBytes(path, c.bytes);
    ::testing::internal::CaptureStderr();
    Open(SdlSoundOptions{.soundfonts = {path}});
    const std::string said = GameLines(::testing::internal::GetCapturedStderr());
    EXPECT_EQ(said, "quorvan: music is off: the soundfont " + path.string() + " cannot be read\n")
        << c.name;
    PlayMusic("Quor6.mid");
    PlaySoundEffect("Bang1.Wav");
    std::this_thread::sleep_for(300ms);
    EXPECT_GT(Peak(Rendered()), Audible) << c.name;
  }
}

TEST_F(SdlPlayer, WithoutAudioOutputTheGameCarriesOnSilently) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  ::testing::internal::CaptureStderr();
  Open({}, false);
  PlayMusic("Quor1.mid");
  PlaySoundEffect("Bang1.Wav");
  StopMusic();
  device_->Settle();
  const std::string said = GameLines(::testing::internal::GetCapturedStderr());
  EXPECT_EQ(said.rfind("quorvan: sound is off: no audio device (", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

TEST_F(SdlPlayer, OnlyOneDeviceOwnsTheOutputAtATime) {
  Open();
  ::testing::internal::CaptureStderr();
  auto second = std::make_unique<SdlSoundDevice>();
  second->PlayEffect(FindGameFile("Bang1.Wav"));
  second.reset();
  EXPECT_EQ(GameLines(::testing::internal::GetCapturedStderr()),
            "quorvan: sound is off: the audio output is already in use\n");
  PlaySoundEffect("Bang1.Wav");  // the first device still works
  std::this_thread::sleep_for(300ms);
  EXPECT_GT(Peak(Rendered()), Audible);
}

// The game's first window comes before its player: the demo's jingle, asked
// for meanwhile, sounds once the player is there.
TEST_F(SdlPlayer, AnEffectAskedForBeforeThePlayerIsOpenedSoundsWhenItIs) {
  {
    LateSoundDevice late;
    InstallSoundDevice(&late);
    PlaySoundEffect("Bang1.Wav");
    std::this_thread::sleep_for(100ms);
    late.Open(std::make_unique<SdlSoundDevice>());
    std::this_thread::sleep_for(400ms);
    InstallSoundDevice(nullptr);
  }
  EXPECT_GT(Peak(Rendered()), Audible);
}

// A piece asked for while the soundfont loads, and stopped before it is
// ready, is never heard.
TEST_F(SdlPlayer, APieceStoppedWhileTheSoundfontLoadsIsNeverHeard) {
  Open({}, false);
  PlayMusic("Quor6.mid");
  StopMusic();
  device_->Settle();
  std::this_thread::sleep_for(600ms);
  EXPECT_LE(Peak(Rendered()), Silence);
}

// A device closed at once, the game ending as it starts, lets go of the
// soundfont that finishes loading after it while SDL is still there.
TEST_F(SdlPlayer, ADeviceClosedWhileTheSoundfontLoadsEndsCleanly) {
  for (int i = 0; i < 3; ++i) {
    Open({}, false);
    Close();
  }
}

// A piece is over once its last note sinks under the dither FluidSynth adds
// to its samples. A ride cymbal's voice lingers nearly ten seconds, the last
// six of them too quiet to hear, and the output need not stay open for them.
TEST_F(SdlPlayer, APieceIsOverOnceItsLastNoteSinksUnderTheDither) {
  constexpr int RideCymbal = 51, Drums = 9;
  soundtest::WriteOneNoteMidi(folder_.path() / "Ride.mid", 0.1, RideCymbal, 0, Drums);
  soundtest::InFolder in(folder_.path());
  Open(SdlSoundOptions{.sleepAfter = 100ms});
  PlayMusic("Ride.mid");
  const double heard = SecondsUntilTheOutputSleeps();
  EXPECT_GT(heard, 1.0) << "the cymbal sounded";
  EXPECT_LT(heard, 7.0) << "seconds of sound before the output slept";
}

// The output closes once nothing sounds, after an effect or a piece alike;
// SDL's disk driver starts its file afresh when it opens again, so the file
// holds only the effect that woke it, from its very first sample to its last.
class SdlPlayerSleep : public SdlPlayer, public ::testing::WithParamInterface<const char*> {};

TEST_P(SdlPlayerSleep, TheOutputSleepsWhileSilentAndWakesForTheWholeNextEffect) {
  constexpr double ToneSeconds = 0.3;
  soundtest::WriteToneWav(folder_.path() / "First.wav", 0.1, 440.0);
  soundtest::WriteOneNoteMidi(folder_.path() / "First.mid", 0.1);
  soundtest::WriteToneWav(folder_.path() / "Second.wav", ToneSeconds, 660.0);
  soundtest::InFolder in(folder_.path());
  Open(SdlSoundOptions{.sleepAfter = 100ms});
  const std::string first = GetParam();
  if (first.ends_with(".mid")) {
    PlayMusic(first);
  } else {
    PlaySoundEffect(first);
  }
  std::this_thread::sleep_for(2000ms);
  PlaySoundEffect("Second.wav");
  std::this_thread::sleep_for(600ms);
  const auto samples = Rendered();
  EXPECT_LT(samples.size(), std::size_t{Rate * Channels}) << "the output slept";
  const auto loud = [](std::int16_t s) { return std::abs(int{s}) > Silence; };
  const auto start = std::find_if(samples.begin(), samples.end(), loud);
  const auto end = std::find_if(samples.rbegin(), samples.rend(), loud).base();
  ASSERT_LT(start, end);
  EXPECT_LT(start - samples.begin(), 2 * Channels * 2048) << "within the first buffer";
  EXPECT_NEAR(static_cast<double>(end - start) / (Rate * Channels), ToneSeconds, 0.002);
}

INSTANTIATE_TEST_SUITE_P(AfterAnEffectOrAPiece, SdlPlayerSleep,
                         ::testing::Values("First.wav", "First.mid"));

}  // namespace
}  // namespace quorvan

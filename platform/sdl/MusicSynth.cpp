#include "platform/sdl/MusicSynth.h"

#include <fluidsynth.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "platform/sdl/SubsetLoader.h"

namespace quorvan {
namespace {

constexpr int kBlockFrames = 512;
// The doubling filter: a half-band low-pass, each new sample the weighted
// sum of this many neighbours on either side. Without it the music's upper
// harmonics would come back mirrored above 11 kHz.
constexpr int kHalfTaps = 12;
constexpr int kHistory = 2 * kHalfTaps - 1;
// Our pieces never hold more than a dozen notes; a few layers each.
constexpr int kPolyphony = 64;
// Music sits under the effects: about three quarters of their level.
constexpr double kGain = 0.93;
constexpr int kFluidLogLevels = LAST_LOG_LEVEL;
// Short blocks rendered to nowhere until the voices are gone.
constexpr int kDrainFrames = 64;
constexpr int kDrainBlocks = 16;

// FluidSynth has a word for every damaged piece; the game says nothing.
extern "C" void IgnoreFluidMessage(int, const char*, void*) {}

void QuietFluidSynth() {
  for (int level = 0; level < kFluidLogLevels; ++level) {
    fluid_set_log_function(level, &IgnoreFluidMessage, nullptr);
  }
}

// Weights of the neighbours 1, 3, 5 … output samples away: a sinc under a
// Blackman window, summing to one.
std::array<float, kHalfTaps> HalfBandWeights() {
  std::array<double, kHalfTaps> weights{};
  double sum = 0.0;
  for (int j = 0; j < kHalfTaps; ++j) {
    const double n = 2.0 * j + 1.0;
    const double x = std::numbers::pi * n / (2.0 * kHalfTaps);
    const double window = 0.42 + 0.5 * std::cos(x) + 0.08 * std::cos(2.0 * x);
    const double sign = j % 2 == 0 ? 1.0 : -1.0;
    weights[static_cast<std::size_t>(j)] = sign * 2.0 / (std::numbers::pi * n) * window;
    sum += 2.0 * weights[static_cast<std::size_t>(j)];
  }
  std::array<float, kHalfTaps> normalised{};
  for (int j = 0; j < kHalfTaps; ++j) {
    normalised[static_cast<std::size_t>(j)] =
        static_cast<float>(weights[static_cast<std::size_t>(j)] / sum);
  }
  return normalised;
}

const std::array<float, kHalfTaps> kWeights = HalfBandWeights();

// The sample halfway between history[at] and history[at + 1].
float Midway(const std::vector<float>& history, int at) {
  float value = 0.0f;
  for (int j = 0; j < kHalfTaps; ++j) {
    value +=
        kWeights[static_cast<std::size_t>(j)] *
        (history[static_cast<std::size_t>(at - j)] + history[static_cast<std::size_t>(at + 1 + j)]);
  }
  return value;
}

// No instrument on any channel, so that no sample stays in memory; the next
// piece chooses its own, which FluidSynth then reads from the soundfont.
void UnloadInstruments(fluid_synth_t* synth) {
  for (int channel = 0; channel < fluid_synth_count_midi_channels(synth); ++channel) {
    fluid_synth_unset_program(synth, channel);
  }
}

std::int16_t Sample(float value) {
  const float scaled = std::clamp(value * 32767.0f, -32768.0f, 32767.0f);
  return static_cast<std::int16_t>(std::lrint(scaled));
}

// Voices let go of their samples only as the synthesizer renders: a font
// whose samples are still held would be unloaded later, by a thread that
// FluidSynth starts for it.
void LetVoicesGo(fluid_synth_t* synth) {
  std::array<float, kDrainFrames> scratch{};
  for (int i = 0; i < kDrainBlocks && fluid_synth_get_active_voice_count(synth) > 0; ++i) {
    fluid_synth_write_float(synth, kDrainFrames, scratch.data(), 0, 1, scratch.data(), 0, 1);
  }
}

}  // namespace

struct MusicSynth::Fluid {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  std::filesystem::path soundfont;
  bool whole = false;  // loaded once and kept: a soundfont we cannot cut down
  int font = FLUID_FAILED;
  std::unique_ptr<NamedSubset> subset;  // what `font` was loaded from
  Programs programs;                    // the programs it has

  ~Fluid() {
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
  }
};

std::unique_ptr<MusicSynth> MusicSynth::Load(const std::filesystem::path& soundfont, int outputRate,
                                             std::string& why) {
  QuietFluidSynth();
  auto fluid = std::make_unique<Fluid>();
  fluid->settings = new_fluid_settings();
  if (fluid->settings == nullptr) {
    why = "FluidSynth cannot start";
    return nullptr;
  }
  fluid_settings_setnum(fluid->settings, "synth.sample-rate", outputRate / 2.0);
  fluid_settings_setint(fluid->settings, "synth.reverb.active", 0);
  fluid_settings_setint(fluid->settings, "synth.chorus.active", 0);
  fluid_settings_setint(fluid->settings, "synth.polyphony", kPolyphony);
  fluid_settings_setnum(fluid->settings, "synth.gain", kGain);
  // Only the instruments a piece plays are read from the soundfont.
  fluid_settings_setint(fluid->settings, "synth.dynamic-sample-loading", 1);
  fluid->synth = new_fluid_synth(fluid->settings);
  if (fluid->synth == nullptr) {
    why = "FluidSynth cannot start";
    return nullptr;
  }
  AddSubsetLoader(fluid->settings, fluid->synth);
  fluid->soundfont = soundfont;
  Programs first;
  first.set(0);
  fluid->whole = !SubsetSoundFont(soundfont, first);
  if (!LoadFont(*fluid, first)) {
    why = "the soundfont " + soundfont.string() + " cannot be read";
    return nullptr;
  }
  UnloadInstruments(fluid->synth);
  if (!fluid->whole) UnloadFont(*fluid);
  malloc_trim(0);
  return std::unique_ptr<MusicSynth>(new MusicSynth(std::move(fluid)));
}

// A piece loads the presets it can reach, unless those loaded already
// include them, and lets go of them once it is over; a soundfont that cannot
// be cut down is loaded whole, once.
bool MusicSynth::LoadFont(Fluid& fluid, const Programs& programs) {
  if (fluid.font != FLUID_FAILED && (fluid.whole || (programs & ~fluid.programs).none())) {
    return true;
  }
  UnloadFont(fluid);
  std::string name = fluid.soundfont.string();
  if (!fluid.whole) {
    auto subset = SubsetSoundFont(fluid.soundfont, programs);
    if (!subset) return false;
    fluid.subset = std::make_unique<NamedSubset>(std::move(*subset));
    name = fluid.subset->Name();
  }
  fluid.font = fluid_synth_sfload(fluid.synth, name.c_str(), 1);
  if (fluid.font == FLUID_FAILED) fluid.subset.reset();
  fluid.programs = programs;
  return fluid.font != FLUID_FAILED;
}

void MusicSynth::UnloadFont(Fluid& fluid) {
  if (fluid.whole || fluid.font == FLUID_FAILED) return;
  fluid_synth_all_sounds_off(fluid.synth, -1);
  LetVoicesGo(fluid.synth);
  UnloadInstruments(fluid.synth);
  fluid_synth_sfunload(fluid.synth, fluid.font, 0);
  fluid.font = FLUID_FAILED;
  fluid.subset.reset();
}

MusicSynth::MusicSynth(std::unique_ptr<Fluid> fluid)
    : fluid_(std::move(fluid)), left_(kHistory + kBlockFrames), right_(kHistory + kBlockFrames) {}

MusicSynth::~MusicSynth() = default;

void MusicSynth::Play(Bytes piece) {
  Stop();
  if (!IsWholeMidiFile(piece)) return;
  std::lock_guard lock(mutex_);
  piece_ = std::move(piece);
  if (!LoadFont(*fluid_, ProgramsOfPiece(piece_))) return;
  fluid_->player = new_fluid_player(fluid_->synth);
  if (fluid_->player == nullptr) return;
  if (fluid_player_add_mem(fluid_->player, piece_.data(), piece_.size()) != FLUID_OK ||
      fluid_player_play(fluid_->player) != FLUID_OK) {
    delete_fluid_player(fluid_->player);
    fluid_->player = nullptr;
    return;
  }
  playing_ = true;
}

void MusicSynth::Stop() {
  std::lock_guard lock(mutex_);
  if (fluid_->player != nullptr) {
    fluid_player_stop(fluid_->player);
    delete_fluid_player(fluid_->player);
    fluid_->player = nullptr;
  }
  fluid_synth_all_sounds_off(fluid_->synth, -1);
  playing_ = false;
  pieceTicks_ = 0;
  piece_ = Bytes();
  std::fill(left_.begin(), left_.end(), 0.0f);
  std::fill(right_.begin(), right_.end(), 0.0f);
  secondFrameDue_ = false;
}

bool MusicSynth::Sounding() const { return playing_; }

void MusicSynth::Release() {
  Stop();
  {
    std::lock_guard lock(mutex_);
    UnloadInstruments(fluid_->synth);
    UnloadFont(*fluid_);
  }
  malloc_trim(0);
}

bool MusicSynth::PieceOver() {
  fluid_player_t* player = fluid_->player;
  if (player == nullptr || fluid_player_get_status(player) == FLUID_PLAYER_DONE) return true;
  // Known only once the player has read the piece, at its first block.
  if (pieceTicks_ <= 0) pieceTicks_ = fluid_player_get_total_ticks(player);
  return pieceTicks_ > 0 && fluid_player_get_current_tick(player) >= pieceTicks_;
}

void MusicSynth::Render(std::int16_t* stream, int frames) {
  std::lock_guard lock(mutex_);
  if (!playing_) {
    std::fill(stream, stream + 2 * frames, std::int16_t{0});
    return;
  }
  int out = 0;
  bool heard = false;
  auto put = [&](float left, float right) {
    stream[2 * out] = Sample(left);
    stream[2 * out + 1] = Sample(right);
    heard = heard || stream[2 * out] != 0 || stream[2 * out + 1] != 0;
    ++out;
  };
  if (secondFrameDue_) {
    put(dueLeft_, dueRight_);
    secondFrameDue_ = false;
  }
  while (out < frames) {
    const int half = std::min((frames - out + 1) / 2, kBlockFrames);
    fluid_synth_write_float(fluid_->synth, half, left_.data() + kHistory, 0, 1,
                            right_.data() + kHistory, 0, 1);
    // Each frame at half rate gives two: itself, then the one midway to the
    // next, which the filter reads kHalfTaps frames ahead.
    for (int i = kHalfTaps - 1; i < kHalfTaps - 1 + half; ++i) {
      put(left_[static_cast<std::size_t>(i)], right_[static_cast<std::size_t>(i)]);
      const float left = Midway(left_, i);
      const float right = Midway(right_, i);
      if (out < frames) {
        put(left, right);
      } else {
        dueLeft_ = left;
        dueRight_ = right;
        secondFrameDue_ = true;
      }
    }
    std::copy_n(left_.begin() + half, kHistory, left_.begin());
    std::copy_n(right_.begin() + half, kHistory, right_.begin());
  }
  // A piece has died away once all its events are played and its last
  // notes no longer reach the output. FluidSynth itself says so only seconds
  // later, and may keep inaudible tails of notes longer still.
  if (PieceOver() && (!heard || fluid_synth_get_active_voice_count(fluid_->synth) == 0)) {
    fluid_synth_all_sounds_off(fluid_->synth, -1);
    playing_ = false;
  }
}

}  // namespace quorvan

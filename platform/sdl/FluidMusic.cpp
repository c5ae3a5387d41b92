#include "platform/sdl/FluidMusic.h"

#include <fluidsynth.h>
#include <malloc.h>

#include <algorithm>

namespace quorvan {
namespace {

constexpr int Channels = 2;
// Our pieces never hold more than a dozen notes; a few layers each.
constexpr int Polyphony = 64;
// Music sits under the effects: about three quarters of their level.
constexpr double Gain = 0.93;

// FluidSynth has a word for every damaged piece; the game says nothing.
extern "C" void IgnoreFluidMessage(int, const char*, void*) {}

void QuietFluidSynth() {
  for (int level = 0; level < LAST_LOG_LEVEL; ++level) {
    fluid_set_log_function(level, &IgnoreFluidMessage, nullptr);
  }
}

// No instrument on any channel: with dynamic sample loading FluidSynth then
// lets go of every sample, and the next piece's own instruments read theirs.
void UnloadInstruments(fluid_synth_t* synth) {
  for (int channel = 0; channel < fluid_synth_count_midi_channels(synth); ++channel) {
    fluid_synth_unset_program(synth, channel);
  }
}

}  // namespace

struct FluidMusic::Fluid {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;

  ~Fluid() {
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
  }
};

std::unique_ptr<FluidMusic> FluidMusic::Load(const std::filesystem::path& soundfont, int outputRate,
                                             std::string& why) {
  QuietFluidSynth();
  auto fluid = std::make_unique<Fluid>();
  fluid->settings = new_fluid_settings();
  if (fluid->settings == nullptr) {
    why = "FluidSynth cannot start";
    return nullptr;
  }
  fluid_settings_setnum(fluid->settings, "synth.sample-rate", outputRate);
  fluid_settings_setint(fluid->settings, "synth.reverb.active", 0);
  fluid_settings_setint(fluid->settings, "synth.chorus.active", 0);
  fluid_settings_setint(fluid->settings, "synth.polyphony", Polyphony);
  fluid_settings_setnum(fluid->settings, "synth.gain", Gain);
  // Only the samples of the instruments a piece plays are kept in memory.
  fluid_settings_setint(fluid->settings, "synth.dynamic-sample-loading", 1);
  fluid->synth = new_fluid_synth(fluid->settings);
  if (fluid->synth == nullptr) {
    why = "FluidSynth cannot start";
    return nullptr;
  }
  if (fluid_synth_sfload(fluid->synth, soundfont.c_str(), 1) == FLUID_FAILED) {
    why = "the soundfont " + soundfont.string() + " cannot be read";
    return nullptr;
  }
  UnloadInstruments(fluid->synth);
  // Reading the soundfont leaves a few megabytes freed but still held by
  // this thread's heap; the game's memory at rest should not carry them.
  malloc_trim(0);
  return std::unique_ptr<FluidMusic>(new FluidMusic(std::move(fluid)));
}

FluidMusic::FluidMusic(std::unique_ptr<Fluid> fluid) : fluid_(std::move(fluid)) {}

FluidMusic::~FluidMusic() = default;

void FluidMusic::Play(Bytes piece) {
  Stop();
  if (!IsWholeMidiFile(piece)) return;
  std::lock_guard lock(mutex_);
  piece_ = std::move(piece);
  // Every piece starts from General MIDI's defaults, as from a sequencer
  // opened afresh: a piano on every channel and the drum kit on the tenth,
  // for the channels it plays without choosing an instrument.
  fluid_synth_system_reset(fluid_->synth);
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

void FluidMusic::Stop() {
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
}

bool FluidMusic::Sounding() const { return playing_; }

void FluidMusic::Release() {
  Stop();
  {
    std::lock_guard lock(mutex_);
    UnloadInstruments(fluid_->synth);
  }
  malloc_trim(0);
}

bool FluidMusic::PieceOver() {
  fluid_player_t* player = fluid_->player;
  if (player == nullptr || fluid_player_get_status(player) == FLUID_PLAYER_DONE) return true;
  // Known only once the player has read the piece, at its first block.
  if (pieceTicks_ <= 0) pieceTicks_ = fluid_player_get_total_ticks(player);
  return pieceTicks_ > 0 && fluid_player_get_current_tick(player) >= pieceTicks_;
}

void FluidMusic::Render(std::int16_t* stream, int frames) {
  std::lock_guard lock(mutex_);
  if (!playing_) {
    std::fill(stream, stream + Channels * frames, std::int16_t{0});
    return;
  }
  fluid_synth_write_s16(fluid_->synth, frames, stream, 0, Channels, stream, 1, Channels);
  // FluidSynth dithers what it writes: a step either side of nothing is its
  // noise, not the piece.
  const bool heard = std::any_of(stream, stream + Channels * frames,
                                 [](std::int16_t s) { return s > 1 || s < -1; });
  // A piece has died away once all its events are played and its last
  // notes no longer reach the output. FluidSynth itself says so only seconds
  // later, and may keep inaudible tails of notes longer still.
  if (PieceOver() && (!heard || fluid_synth_get_active_voice_count(fluid_->synth) == 0)) {
    fluid_synth_all_sounds_off(fluid_->synth, -1);
    playing_ = false;
  }
}

}  // namespace quorvan

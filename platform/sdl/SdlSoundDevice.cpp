#include "platform/sdl/SdlSoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <map>

#include "platform/sdl/MidiCommand.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SoundFiles.h"
#include "sound/FileLookup.h"

namespace quorvan {
namespace {

constexpr int kEffectChannel = 0;
constexpr int kPlayOnce = 0;  // Mix_PlayMusic: 0 plays once (SDL2_mixer 2.6).
constexpr int kMusicVolume = MIX_MAX_VOLUME * 3 / 4;  // music sits under the effects
constexpr std::size_t kLargestMidiFile = std::size_t{4} << 20;
constexpr std::size_t kLargestEffectFile = std::size_t{32} << 20;

// Only one device may own SDL's audio at a time.
bool audio_in_use = false;

class SilentSdlDevice final : public SoundDevice {
 public:
  void SendMidiCommand(const std::string&) override {}
  void PlaySoundFile(const std::string&, int) override {}
};

class SdlSoundDevice final : public SoundDevice {
 public:
  explicit SdlSoundDevice(const std::filesystem::path& soundfont) {
    audio_in_use = true;
    Mix_AllocateChannels(1);
    Mix_VolumeMusic(kMusicVolume);
    if (const std::string why = MidiUnavailable(soundfont); !why.empty()) {
      std::fprintf(stderr, "quorvan: music is off: %s\n", why.c_str());
    } else {
      music_on_ = true;
    }
  }

  ~SdlSoundDevice() override {
    CloseMusic();
    Mix_HaltChannel(-1);
    for (auto& [path, chunk] : chunks_) Mix_FreeChunk(chunk);
    CloseSdlAudio();
    audio_in_use = false;
  }

  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  void SendMidiCommand(const std::string& text) override {
    const MidiCommand command = ParseMidiCommand(text);
    switch (command.kind) {
      case MidiCommand::Kind::Close:
        CloseMusic();
        break;
      case MidiCommand::Kind::Open:
        CloseMusic();
        OpenMusic(command.path);
        break;
      case MidiCommand::Kind::Play:
        PlayMusic();
        break;
      case MidiCommand::Kind::Ignored:
        break;
    }
  }

  // Every call cuts the effect playing, even one whose file cannot be played:
  // that is how the opening demo silences its jingle. There is no default
  // sound to fall back on, so the "no default" flag changes nothing.
  void PlaySoundFile(const std::string& name, int) override {
    Mix_HaltChannel(kEffectChannel);
    if (Mix_Chunk* chunk = Effect(name)) Mix_PlayChannel(kEffectChannel, chunk, 0);
  }

 private:
  static std::string MidiUnavailable(const std::filesystem::path& soundfont) {
    if ((Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) == 0 || !Mix_HasMusicDecoder("MIDI")) {
      return std::string("SDL2_mixer cannot play MIDI (") + Mix_GetError() + ")";
    }
    if (soundfont.empty()) {
      return "no General MIDI soundfont found (install timgm6mb-soundfont)";
    }
    // Set here so that SDL_SOUNDFONTS from the environment cannot point the
    // synthesizer at a file we have not checked.
    Mix_SetSoundFonts(soundfont.c_str());
    return {};
  }

  void OpenMusic(const std::string& path) {
    if (!music_on_) return;
    music_bytes_ = ReadSmallFile(path, kLargestMidiFile);
    if (!IsWholeMidiFile(music_bytes_)) {
      music_bytes_.clear();
      return;
    }
    SDL_RWops* source =
        SDL_RWFromConstMem(music_bytes_.data(), static_cast<int>(music_bytes_.size()));
    if (source != nullptr) music_ = Mix_LoadMUSType_RW(source, MUS_MID, SDL_TRUE);
    if (music_ == nullptr) music_bytes_.clear();
  }

  // Plays the open piece once; a second "play" neither restarts nor repeats it.
  void PlayMusic() {
    if (music_ == nullptr || music_played_) return;
    music_played_ = true;
    Mix_PlayMusic(music_, kPlayOnce);
  }

  void CloseMusic() {
    if (music_ != nullptr) {
      Mix_HaltMusic();
      Mix_FreeMusic(music_);
      music_ = nullptr;
    }
    music_bytes_.clear();
    music_played_ = false;
  }

  Mix_Chunk* Effect(const std::string& name) {
    const auto path = FindGameFile(name);
    if (path.empty()) return nullptr;
    const std::string key = path.string();
    if (const auto cached = chunks_.find(key); cached != chunks_.end()) return cached->second;
    const Bytes data = ReadSmallFile(path, kLargestEffectFile);
    if (!IsWaveFile(data)) return nullptr;
    SDL_RWops* source = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
    Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, SDL_TRUE) : nullptr;
    if (chunk != nullptr) chunks_.emplace(key, chunk);
    return chunk;
  }

  bool music_on_ = false;
  Mix_Music* music_ = nullptr;
  Bytes music_bytes_;  // The piece reads from here while it is open.
  bool music_played_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;
};

}  // namespace

std::vector<std::filesystem::path> StandardSoundFonts() {
  return {"/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
}

std::unique_ptr<SoundDevice> OpenSdlSoundDevice() { return OpenSdlSoundDevice({}); }

std::unique_ptr<SoundDevice> OpenSdlSoundDevice(const SdlSoundOptions& options) {
  if (audio_in_use) {
    std::fprintf(stderr, "quorvan: sound is off: the audio output is already in use\n");
    return std::make_unique<SilentSdlDevice>();
  }
  if (const std::string why = OpenSdlAudio(); !why.empty()) {
    std::fprintf(stderr, "quorvan: sound is off: no audio device (%s)\n", why.c_str());
    return std::make_unique<SilentSdlDevice>();
  }
  return std::make_unique<SdlSoundDevice>(FirstExistingFile(options.soundfonts));
}

}  // namespace quorvan

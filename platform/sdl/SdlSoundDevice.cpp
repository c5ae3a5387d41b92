#include "platform/sdl/SdlSoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/sdl/FluidMusic.h"
#include "platform/sdl/SdlOutput.h"
#include "platform/sdl/SoundFiles.h"

namespace quorvan {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int EffectChannel = 0;
constexpr std::size_t LargestMidiFile = std::size_t{4} << 20;
constexpr std::size_t LargestEffectFile = std::size_t{32} << 20;
// How often an open output is asked whether anything still sounds.
constexpr auto SilenceCheck = 250ms;
// The soundfont loads at a lower priority, so that it does not hold up the
// first window on a busy machine.
constexpr int LoaderNice = 10;

// Only one device may own SDL's audio at a time.
std::atomic<bool> audioInUse = false;

struct Request {
  enum class Kind { PlayPiece, StopPiece, PlayEffect, CutEffect, Pause, Resume, MusicLoaded, Quit };
  Kind kind;
  std::filesystem::path file;
};

extern "C" void RenderMusic(void* synth, Uint8* stream, int bytes) {
  static_cast<FluidMusic*>(synth)->Render(reinterpret_cast<std::int16_t*>(stream), bytes / 4);
}

}  // namespace

// Owns everything SDL and FluidSynth; only its own thread touches them.
class SdlSoundDevice::Player {
 public:
  explicit Player(const SdlSoundOptions& options) : options_(options) {
    if (audioInUse.exchange(true)) {
      std::fprintf(stderr, "quorvan: sound is off: the audio output is already in use\n");
      return;
    }
    thread_ = std::thread([this] { Run(); });
  }

  ~Player() {
    if (!thread_.joinable()) return;
    Post({Request::Kind::Quit, {}});
    thread_.join();
    audioInUse = false;
  }

  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  void Post(Request request) {
    if (!thread_.joinable()) return;
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(std::move(request));
      ++posted_;
    }
    wake_.notify_one();
  }

  void Settle() {
    if (!thread_.joinable()) return;
    std::unique_lock lock(mutex_);
    settled_.wait(lock, [this] { return ready_ && handled_ == posted_; });
  }

 private:
  void Run() {
    Start();
    while (true) {
      std::unique_lock lock(mutex_);
      const auto pending = [this] { return !queue_.empty(); };
      if (awake_) {
        wake_.wait_for(lock, SilenceCheck, pending);
      } else {
        wake_.wait(lock, pending);
      }
      if (!queue_.empty()) {
        const Request request = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        if (request.kind == Request::Kind::Quit) break;
        if (request.kind == Request::Kind::MusicLoaded) {
          MusicLoaded();
          continue;
        }
        if (on_) Handle(request);
        lock.lock();
        ++handled_;
        lock.unlock();
        settled_.notify_all();
      } else {
        lock.unlock();
      }
      if (awake_) SleepWhenSilent();
    }
    Finish();
  }

  // Effects may sound at once; the soundfont loads beside them.
  void Start() {
    if (const std::string why = OpenSdlOutput(); !why.empty()) {
      std::fprintf(stderr, "quorvan: sound is off: no audio device (%s)\n", why.c_str());
      Ready();
      return;
    }
    on_ = true;
    AfterWaking();
    const auto soundfont = FirstExistingFile(options_.soundfonts);
    if (soundfont.empty()) {
      std::fprintf(stderr,
                   "quorvan: music is off: no General MIDI soundfont found "
                   "(install timgm6mb-soundfont)\n");
      Ready();
      return;
    }
    musicLoading_ = true;
    loader_ = std::thread([this, soundfont] { LoadMusic(soundfont); });
  }

  // On the loader's thread, which gives way to the game's.
  void LoadMusic(const std::filesystem::path& soundfont) {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), LoaderNice);
    std::string why;
    auto music = FluidMusic::Load(soundfont, OutputRate, why);
    if (music == nullptr) std::fprintf(stderr, "quorvan: music is off: %s\n", why.c_str());
    {
      std::lock_guard lock(mutex_);
      loadedMusic_ = std::move(music);
      queue_.push_back({Request::Kind::MusicLoaded, {}});
    }
    wake_.notify_one();
  }

  void MusicLoaded() {
    if (loader_.joinable()) loader_.join();
    {
      std::lock_guard lock(mutex_);
      music_ = std::move(loadedMusic_);
    }
    musicLoading_ = false;
    if (music_ != nullptr && awake_ && !paused_) Mix_HookMusic(&RenderMusic, music_.get());
    if (waitingPiece_) PlayPiece(*waitingPiece_);
    waitingPiece_.reset();
    Ready();
  }

  void Ready() {
    {
      std::lock_guard lock(mutex_);
      ready_ = true;
    }
    settled_.notify_all();
  }

  void Finish() {
    if (loader_.joinable()) loader_.join();
    if (!on_) return;
    if (awake_) {
      Mix_HookMusic(nullptr, nullptr);
      Mix_HaltChannel(-1);
    }
    for (auto& [path, chunk] : chunks_) Mix_FreeChunk(chunk);
    chunks_.clear();
    // The music's converter belongs to SDL, and so does music that finished
    // loading after the last request: both go while SDL is still up.
    music_.reset();
    loadedMusic_.reset();
    CloseSdlOutput();
  }

  void Handle(const Request& request) {
    switch (request.kind) {
      case Request::Kind::PlayPiece:
        PlayPiece(request.file);
        break;
      case Request::Kind::StopPiece:
        waitingPiece_.reset();
        if (music_) music_->Stop();
        break;
      case Request::Kind::PlayEffect:
        PlayEffect(request.file);
        break;
      case Request::Kind::CutEffect:
        if (awake_) Mix_HaltChannel(EffectChannel);
        break;
      case Request::Kind::Pause:
      case Request::Kind::Resume:
        Pause(request.kind == Request::Kind::Pause);
        break;
      case Request::Kind::MusicLoaded:
      case Request::Kind::Quit:
        break;
    }
  }

  void PlayPiece(const std::filesystem::path& file) {
    if (musicLoading_) waitingPiece_ = file;
    if (!music_) return;
    Bytes piece = ReadSmallFile(file, LargestMidiFile);
    if (!IsWholeMidiFile(piece) || !Wake()) {
      music_->Stop();
      return;
    }
    music_->Play(std::move(piece));
    musicToRelease_ = true;
  }

  // Every effect cuts the one playing, even one whose file cannot be played.
  void PlayEffect(const std::filesystem::path& file) {
    if (awake_) Mix_HaltChannel(EffectChannel);
    if (file.empty() || !Wake()) return;
    if (Mix_Chunk* chunk = Effect(file)) Mix_PlayChannel(EffectChannel, chunk, 0);
  }

  Mix_Chunk* Effect(const std::filesystem::path& path) {
    const std::string key = path.string();
    if (const auto cached = chunks_.find(key); cached != chunks_.end()) return cached->second;
    const Bytes data = ReadSmallFile(path, LargestEffectFile);
    if (!IsWaveFile(data)) return nullptr;
    SDL_RWops* source = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
    Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, SDL_TRUE) : nullptr;
    if (chunk != nullptr) chunks_.emplace(key, chunk);
    return chunk;
  }

  // The synthesizer only moves on while it renders, so unhooking it holds
  // the piece exactly where it is; the effect's channel is paused in place.
  void Pause(bool paused) {
    paused_ = paused;
    if (!awake_) return;
    if (paused) {
      Mix_HookMusic(nullptr, nullptr);
      Mix_Pause(-1);
    } else {
      if (music_) Mix_HookMusic(&RenderMusic, music_.get());
      Mix_Resume(-1);
    }
  }

  bool Wake() {
    quietSince_ = Clock::now();
    if (awake_) return true;
    if (!WakeSdlOutput()) return false;
    AfterWaking();
    if (music_ && !paused_) Mix_HookMusic(&RenderMusic, music_.get());
    return true;
  }

  void AfterWaking() {
    awake_ = true;
    quietSince_ = Clock::now();
    Mix_AllocateChannels(1);
  }

  // The output closes once nothing has sounded for a while; a finished
  // piece gives its memory back as soon as it is found silent.
  void SleepWhenSilent() {
    const bool music = music_ && music_->Sounding();
    if (music || Mix_Playing(EffectChannel) != 0) {
      quietSince_ = Clock::now();
      return;
    }
    if (musicToRelease_) {
      music_->Release();
      musicToRelease_ = false;
    }
    if (Clock::now() - quietSince_ < options_.sleepAfter) return;
    Mix_HookMusic(nullptr, nullptr);
    SleepSdlOutput();
    awake_ = false;
  }

  const SdlSoundOptions options_;
  std::thread thread_;

  // Shared with the game's thread.
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable settled_;
  std::deque<Request> queue_;
  std::uint64_t posted_ = 0;
  std::uint64_t handled_ = 0;
  bool ready_ = false;  // the output is open and the soundfont loaded, or they failed
  std::unique_ptr<FluidMusic> loadedMusic_;  // handed over by the loader

  // The player's thread's own.
  bool on_ = false;     // the audio output could be opened
  bool awake_ = false;  // the output is open
  Clock::time_point quietSince_;
  std::thread loader_;
  bool musicLoading_ = false;
  std::optional<std::filesystem::path> waitingPiece_;  // asked for while loading
  std::unique_ptr<FluidMusic> music_;
  bool musicToRelease_ = false;
  bool paused_ = false;  // the game is paused: nothing moves on
  std::map<std::string, Mix_Chunk*> chunks_;
};

std::vector<std::filesystem::path> StandardSoundFonts() {
  return {"/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
}

SdlSoundDevice::SdlSoundDevice(const SdlSoundOptions& options)
    : player_(std::make_unique<Player>(options)) {}

SdlSoundDevice::~SdlSoundDevice() = default;

void SdlSoundDevice::PlayPiece(const std::filesystem::path& file) {
  player_->Post({Request::Kind::PlayPiece, file});
}

void SdlSoundDevice::StopPiece() { player_->Post({Request::Kind::StopPiece, {}}); }

void SdlSoundDevice::PlayEffect(const std::filesystem::path& file) {
  player_->Post({Request::Kind::PlayEffect, file});
}

void SdlSoundDevice::CutEffect() { player_->Post({Request::Kind::CutEffect, {}}); }

void SdlSoundDevice::PauseAll(bool paused) {
  player_->Post({paused ? Request::Kind::Pause : Request::Kind::Resume, {}});
}

void SdlSoundDevice::Settle() { player_->Settle(); }

}  // namespace quorvan

#include "platform/sdl/SdlOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <mutex>

#include "platform/sdl/SdlSetup.h"

namespace quorvan {
namespace {

constexpr int OutputChannels = 2;
// 46 ms a buffer: quick enough for the effects, and the audio thread wakes
// half as often as with 1024 frames.
constexpr int BufferFrames = 2048;
constexpr const char* AlsaLibrary = "libasound.so.2";

bool outputOpen = false;

extern "C" void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints a screenful about every missing card; the one line we print
// says all a player needs.
void QuietAlsa() {
  using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetAlsaHandler = int (*)(AlsaHandler);
  void* library = dlopen(AlsaLibrary, RTLD_LAZY | RTLD_NOLOAD);
  if (library == nullptr) return;
  if (void* set = dlsym(library, "snd_lib_error_set_handler")) {
    reinterpret_cast<SetAlsaHandler>(set)(&IgnoreAlsaMessage);
  }
  dlclose(library);  // SDL still holds it
}

bool OpenOutput() {
  // No format change allowed: the music is rendered for exactly this output.
  outputOpen =
      Mix_OpenAudioDevice(OutputRate, AUDIO_S16SYS, OutputChannels, BufferFrames, nullptr, 0) == 0;
  return outputOpen;
}

bool TryOpen(std::string& why, std::string& driver) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    why = SDL_GetError();
    return false;
  }
  const char* current = SDL_GetCurrentAudioDriver();
  driver = current ? current : "";
  QuietAlsa();  // again, for an SDL that loads its drivers' libraries late
  if (!OpenOutput()) {
    why = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

// SDL settles on ALSA whenever its library loads, card or not; a PipeWire or
// PulseAudio server may still be there. Other drivers are not worth the
// noise some of them make when they fail.
constexpr const char* SoundServers[] = {"pipewire", "pulseaudio"};

bool Available(const std::string& name) {
  for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
    if (name == SDL_GetAudioDriver(i)) return true;
  }
  return false;
}

}  // namespace

std::string OpenSdlOutput() {
  const std::lock_guard lock(SdlSetupLock());
  // Ctrl+C and SIGTERM must still end the game.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A damaged effect is not played at all rather than in part.
  SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "strict", SDL_HINT_DEFAULT);
  QuietAlsa();
  std::string why;
  std::string first;
  if (TryOpen(why, first)) return {};
  // A driver the player asked for by name is the only one tried. SDL is
  // let go of on every way out, or its state outlives the attempt.
  const char* asked = SDL_getenv("SDL_AUDIODRIVER");
  if (asked != nullptr && *asked != '\0') {
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    return why;
  }
  for (const char* name : SoundServers) {
    if (name == first || !Available(name)) continue;
    SDL_SetHint(SDL_HINT_AUDIODRIVER, name);
    std::string ignoredWhy;
    std::string ignoredDriver;
    if (TryOpen(ignoredWhy, ignoredDriver)) return {};
  }
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
  return why;
}

void SleepSdlOutput() {
  if (!outputOpen) return;
  Mix_CloseAudio();
  outputOpen = false;
}

bool WakeSdlOutput() { return outputOpen || OpenOutput(); }

void CloseSdlOutput() {
  SleepSdlOutput();
  const std::lock_guard lock(SdlSetupLock());
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

}  // namespace quorvan

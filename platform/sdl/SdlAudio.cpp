#include "platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

namespace quorvan {
namespace {

constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
// 46 ms a buffer: quick enough for the effects, and the audio thread wakes
// half as often as with 1024 frames while the game mostly waits.
constexpr int kBufferFrames = 2048;
constexpr const char* kAlsaLibrary = "libasound.so.2";
constexpr const char* kFluidSynthLibrary = "libfluidsynth.so.3";
constexpr int kFluidSynthLogLevels = 5;  // panic, error, warning, info, debug

extern "C" void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}
extern "C" void IgnoreFluidSynthMessage(int, const char*, void*) {}

// A function of a library SDL has already loaded, or null.
void* LoadedFunction(const char* library_name, const char* function) {
  void* library = dlopen(library_name, RTLD_LAZY | RTLD_NOLOAD);
  if (library == nullptr) return nullptr;
  void* symbol = dlsym(library, function);
  dlclose(library);  // SDL still holds it
  return symbol;
}

// ALSA prints a screenful about every missing card, FluidSynth a line about
// every damaged piece; the one line we print says all a player needs.
void QuietSoundLibraries() {
  using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetAlsaHandler = int (*)(AlsaHandler);
  if (void* set = LoadedFunction(kAlsaLibrary, "snd_lib_error_set_handler")) {
    reinterpret_cast<SetAlsaHandler>(set)(&IgnoreAlsaMessage);
  }
  using FluidHandler = void (*)(int, const char*, void*);
  using SetFluidHandler = FluidHandler (*)(int, FluidHandler, void*);
  if (void* set = LoadedFunction(kFluidSynthLibrary, "fluid_set_log_function")) {
    for (int level = 0; level < kFluidSynthLogLevels; ++level) {
      reinterpret_cast<SetFluidHandler>(set)(level, &IgnoreFluidSynthMessage, nullptr);
    }
  }
}

bool TryOpen(std::string& why, std::string& driver) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    why = SDL_GetError();
    return false;
  }
  const char* current = SDL_GetCurrentAudioDriver();
  driver = current ? current : "";
  QuietSoundLibraries();  // again, for an SDL that loads its drivers' libraries late
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
    why = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

// SDL settles on ALSA whenever its library loads, card or not; a PipeWire or
// PulseAudio server may still be there. Other drivers are not worth the
// noise some of them make when they fail.
constexpr const char* kSoundServers[] = {"pipewire", "pulseaudio"};

bool Available(const std::string& name) {
  for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
    if (name == SDL_GetAudioDriver(i)) return true;
  }
  return false;
}

}  // namespace

std::string OpenSdlAudio() {
  // Ctrl+C and SIGTERM must still end the game.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A damaged effect is not played at all rather than in part.
  SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "strict", SDL_HINT_DEFAULT);
  QuietSoundLibraries();
  std::string why;
  std::string first;
  if (TryOpen(why, first)) return {};
  const char* asked = SDL_getenv("SDL_AUDIODRIVER");
  if (asked != nullptr && *asked != '\0') return why;
  for (const char* name : kSoundServers) {
    if (name == first || !Available(name)) continue;
    SDL_SetHint(SDL_HINT_AUDIODRIVER, name);
    std::string ignored_why;
    std::string ignored_driver;
    if (TryOpen(ignored_why, ignored_driver)) return {};
  }
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
  return why;
}

void CloseSdlAudio() {
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

}  // namespace quorvan

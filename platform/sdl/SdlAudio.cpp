#include "platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

namespace quorvan {
namespace {

constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 1024;
constexpr const char* kAlsaLibrary = "libasound.so.2";

extern "C" void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints a screenful about every missing card itself; the one line we
// print says all a player needs. The library is already loaded by SDL.
void QuietAlsa() {
  void* library = dlopen(kAlsaLibrary, RTLD_LAZY | RTLD_NOLOAD);
  if (library == nullptr) return;
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetHandler = int (*)(Handler);
  if (void* symbol = dlsym(library, "snd_lib_error_set_handler")) {
    reinterpret_cast<SetHandler>(symbol)(&IgnoreAlsaMessage);
  }
  dlclose(library);
}

bool TryOpen(std::string& why, std::string& driver) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    why = SDL_GetError();
    return false;
  }
  const char* current = SDL_GetCurrentAudioDriver();
  driver = current ? current : "";
  QuietAlsa();
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

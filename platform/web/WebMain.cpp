// The game in a page: the page's windows and Web Audio. The page calls main
// once the player has clicked or pressed a key on its cover, so the demo and
// its jingle start with sound.
#include <emscripten/emscripten.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "cycle/GameCycle.h"
#include "game/GameObserver.h"
#include "platform/replay/GameRecorder.h"
#include "platform/replay/RecordingClock.h"
#include "platform/web/WebSound.h"
#include "platform/web/WebToolkit.h"
#include "platform/web/WebZoom.h"
#include "record/FrameLog.h"
#include "sound/FileLookup.h"

// clang-format off
EM_JS(int, qv_recording_wanted, (), { return QV.recordingWanted(); });
EM_JS(void, qv_program_ended, (int code), { QV.programEnded(code); });
// clang-format on

// The page asks for its zoom whenever the room it gives the game changes size.
extern "C" EMSCRIPTEN_KEEPALIVE double qv_choose_zoom(int viewportWidth, int viewportHeight) {
  return quorvan::PageZoom(viewportWidth, viewportHeight);
}

namespace {

// The effects are looked up by name as on the desktop: the page's files
// stand in an assets folder of their own, empty, so the lookup finds them.
constexpr const char* EffectFiles[] = {"Bang1.Wav", "Bang2.Wav", "Ching.Wav", "ZTDEMO.WAV",
                                       "Dummy.wav"};
constexpr const char* PageAssets = "/assets";
constexpr const char* RecordingPath = "/recording.txt";

}  // namespace

int main() {
  std::error_code error;
  std::filesystem::create_directories(PageAssets, error);
  for (const char* name : EffectFiles) std::ofstream(std::filesystem::path(PageAssets) / name);
  quorvan::SetAssetFolder(PageAssets);

  quorvan::WebToolkit tk;
  quorvan::RecordingFile recording;
  std::unique_ptr<quorvan::Toolkit> recorder;
  if (qv_recording_wanted()) {
    recording.reset(std::fopen(RecordingPath, "w"));
    if (recording)
      recorder = std::make_unique<quorvan::GameRecorder>(tk, recording.get(), quorvan::SteadyMs);
  }
  quorvan::InstallToolkit(recorder ? recorder.get() : &tk);
  quorvan::WebSound sound;
  quorvan::InstallSoundDevice(&sound);
  quorvan::FrameLog frameLog;
  if (frameLog.Active()) quorvan::AddObserver(&frameLog);

  int code = 0;
  try {
    quorvan::StartUp();
  } catch (const quorvan::ProgramEnd& end) {
    code = end.code;
  }
  qv_program_ended(code);
  return code;
}

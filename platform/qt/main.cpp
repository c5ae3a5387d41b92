// The game: Qt windows, SDL sound.
#include <QApplication>
#include <QDir>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "cycle/GameCycle.h"
#include "platform/qt/CharacterLocale.h"
#include "platform/qt/CommandLine.h"
#include "platform/qt/DisplayOpen.h"
#include "platform/qt/DisplayScale.h"
#include "platform/qt/FirstPaint.h"
#include "platform/qt/GamepadKeys.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtToolkit.h"
#include "platform/qt/RuntimeFolder.h"
#include "platform/replay/GameRecorder.h"
#include "platform/replay/GameReplay.h"
#include "platform/replay/RecordingClock.h"
#include "platform/sdl/SoundModule.h"
#include "record/FrameLog.h"
#include "record/Scenario.h"
#include "sound/FileLookup.h"
#include "sound/LateSoundDevice.h"
#include "sound/SoundDevice.h"

namespace {

bool Set(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

bool HasPictures(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder / "pictures", error);
}

// An installed game finds its assets where they were installed relative to
// the program; a build that was never installed reads the source tree's.
std::filesystem::path FindAssets() {
  const std::filesystem::path installed =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
      QUORVAN_ASSETS_FROM_PROGRAM;
  if (HasPictures(installed)) return installed.lexically_normal();
  return QUORVAN_SOURCE_ASSETS;
}

// The sound module likewise; a build that was never installed loads the one
// it built.
std::filesystem::path FindSoundModule() {
  const std::filesystem::path installed =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
      QUORVAN_MODULES_FROM_PROGRAM / quorvan::kSoundModuleFile;
  std::error_code error;
  if (std::filesystem::is_regular_file(installed, error)) return installed.lexically_normal();
  return QUORVAN_BUILT_SOUND_MODULE;
}

}  // namespace

int main(int argc, char** argv) {
  const quorvan::CommandLine line = quorvan::ParseCommandLine(argc, argv);
  switch (line.action) {
    case quorvan::CommandLine::Action::Help:
      std::fputs(quorvan::UsageText(), stdout);
      return 0;
    case quorvan::CommandLine::Action::Version:
      std::printf("quorvan %s\n", QUORVAN_VERSION);
      return 0;
    case quorvan::CommandLine::Action::Refuse:
      std::fprintf(stderr, "quorvan: %s\n%s", line.refusal.c_str(), quorvan::UsageText());
      return 2;
    case quorvan::CommandLine::Action::Play:
      break;
  }
  quorvan::RecordingFile recording;
  if (!line.recordFile.empty()) {
    recording.reset(std::fopen(line.recordFile.c_str(), "w"));
    if (!recording) {
      std::fprintf(stderr, "quorvan: cannot write %s: %s\n", line.recordFile.c_str(),
                   std::strerror(errno));
      return 1;
    }
  }
  std::optional<quorvan::Scenario> replay;
  if (!line.replayFile.empty()) {
    std::ifstream file(line.replayFile);
    if (!file) {
      std::fprintf(stderr, "quorvan: cannot read %s: %s\n", line.replayFile.c_str(),
                   std::strerror(errno));
      return 1;
    }
    try {
      replay = quorvan::ParseScenario(file);
    } catch (const quorvan::ScenarioError& e) {
      std::fprintf(stderr, "quorvan: %s: %s\n", line.replayFile.c_str(), e.what());
      return 2;
    }
  }
  // Without any display to try, say so before Qt looks for one.
  if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
    std::fprintf(stderr,
                 "quorvan: no display found: run it on a desktop, or set "
                 "QT_QPA_PLATFORM=offscreen\n");
    return 1;
  }
  quorvan::ChooseRuntimeFolder();
  quorvan::UseUtf8Characters();
  quorvan::PreferX11UnderWayland();
  quorvan::AskForScale(line.scale);
  quorvan::WatchDisplayOpening();
  QApplication app(argc, argv);
  quorvan::DisplayOpened();
  quorvan::AskForPressOnlyRepeats();
  quorvan::InstallGameFonts();
  quorvan::SetAssetFolder(FindAssets());

  quorvan::QtToolkit tk;
  tk.SetZoom(quorvan::ChooseZoom(line.scale));
  tk.OfferFullscreen(quorvan::ChooseFullscreenZoom(line.scale));
  if (line.fullscreen) tk.EnterFullscreen();
  // A recorder or a replay stands between the game and its windows.
  std::unique_ptr<quorvan::Toolkit> relay;
  if (recording)
    relay = std::make_unique<quorvan::GameRecorder>(tk, recording.get(), quorvan::SteadyMs);
  if (replay) relay = std::make_unique<quorvan::GameReplay>(tk, *replay, quorvan::SteadyMs);
  quorvan::InstallToolkit(relay ? relay.get() : &tk);
  // The sound player is loaded once the first window is on the screen: the
  // window comes sooner, and the demo's jingle is still far off. What the
  // game asks for before then waits for the player.
  quorvan::LateSoundDevice sound;
  quorvan::InstallSoundDevice(&sound);
  // The pads come from the same module, and play once they are found.
  std::unique_ptr<quorvan::GamepadKeys> pads;
  const quorvan::FirstPaintWatch openSound([&sound, &pads] {
    sound.Open(quorvan::LoadSoundPlayer(FindSoundModule()));
    pads = std::make_unique<quorvan::GamepadKeys>(quorvan::LoadGamepads(FindSoundModule()));
  });

  quorvan::FrameLog frameLog;
  if (frameLog.Active()) quorvan::AddObserver(&frameLog);

  try {
    quorvan::StartUp();
  } catch (const quorvan::ProgramEnd& end) {
    return end.code;
  }
  return 0;
}

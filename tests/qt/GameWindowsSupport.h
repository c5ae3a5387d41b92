// The game's own windows on the Qt toolkit: a fresh world for every test,
// and the widgets behind the windows and controls the game knows.
#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "cycle/GameCycle.h"
#include "game/GameState.h"
#include "game/InputRules.h"
#include "platform/headless/RecordingSound.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/QtToolkit.h"
#include "screens/MessageWindow.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/SetupWindow.h"
#include "screens/StatusPanel.h"
#include "sound/FileLookup.h"
#include "sound/SoundListener.h"

namespace quorvan::test {

// Installs a Qt toolkit, a recording sound player and the source assets,
// with the game state cleared; unloads every window when it goes, so the
// next test loads them afresh from their layouts.
class GameWindowsTest : public ::testing::Test {
 protected:
  GameWindowsTest()
      : sound_([this](const std::string& command) { midi.push_back(command); },
               [](const std::string&, int) {}),
        savedAssets_(AssetFolder()) {
    G = GameState{};
    Window::ForgetAll();
    InstallToolkit(&tk);
    InstallSoundListener(&sound_);
    InstallGameInputRules();
    SetAssetFolder(QUORVAN_SOURCE_ASSETS);
  }

  ~GameWindowsTest() override {
    for (Window* w : AllGameWindows()) w->Unload();
    Window::ForgetAll();
    InstallToolkit(nullptr);
    InstallSoundListener(nullptr);
    InstallInputRules(nullptr);
    SetAssetFolder(savedAssets_);
  }

  static std::vector<Window*> AllGameWindows() {
    return {&StatusPanel(), &StageEndMessage(), &EditionSetup(),
            &Playfield(),   &WorkingBanks(),    &EditionBanks()};
  }

  // The widget of a game window, loading it first as the game would.
  QtWindow& Widget(Window& window) {
    QtWindow* widget = tk.Window(window.Id());
    EXPECT_NE(widget, nullptr) << window.Name();
    return *widget;
  }

  // The widget of a control.
  template <typename W = QWidget>
  W* ControlWidget(Window& window, const quorvan::Control& control) {
    W* widget = qobject_cast<W*>(Widget(window).ControlWidget(control.Index()));
    EXPECT_NE(widget, nullptr) << window.Name() << " control " << control.Index();
    return widget;
  }

  // Handles events for about `ms` milliseconds without blocking on them.
  void Spin(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) tk.ProcessPendingEvents();
  }

  // Twips rounded to the pixel the toolkit places things on, back in twips.
  static int OnPixel(int twips) { return ToTwips(ToPixels(twips, 1), 1); }

  QtToolkit tk;
  std::vector<std::string> midi;

 private:
  RecordingSound sound_;
  std::filesystem::path savedAssets_;
};

}  // namespace quorvan::test

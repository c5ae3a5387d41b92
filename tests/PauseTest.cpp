#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "game/GameState.h"
#include "platform/headless/RecordingSound.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

// The same run with and without a pause between frames 5 and 6: once it is
// lifted the game goes on exactly where it stood, only later.
TEST(Pause, EitherKeyHoldsTheFramesAndTheSameKeyResumesWhereTheyStopped) {
  const std::string plain = "seed 4\nat 2 key down right\nat 3 key down space\nstop frames 12\n";
  const auto unpaused = test::RunScenario(plain);
  for (const char* key : {"80", "pause"}) {
    const std::string k = key;
    const auto run =
        test::RunScenario(plain + "at 6 key down " + k + "\nat 20050ms key down " + k + "\n");
    const auto pauses = run.Of("pause");
    ASSERT_EQ(pauses.size(), 2u) << key;
    EXPECT_TRUE(pauses[0]["paused"].Bool());
    EXPECT_FALSE(pauses[1]["paused"].Bool());
    EXPECT_EQ(pauses[1]["t"].Int(), 20050);
    // No frame while paused; the next one at the next tick after it.
    EXPECT_LE(run.Frame(5)["t"].Int(), pauses[0]["t"].Int());
    EXPECT_EQ(run.Frame(6)["t"].Int(), 20160);
    for (int n = 1; n <= 12; ++n) {
      auto a = unpaused.Frame(n).Obj(), b = run.Frame(n).Obj();
      a.erase("t");
      b.erase("t");
      EXPECT_TRUE(a == b) << key << " frame " << n;
    }
  }
}

TEST(Pause, ARunLeftPausedWithNoInputToComeNeverEnds) {
  EXPECT_THROW(test::RunScenario("at 4 key down 80\nat 10 key down space\nstop frames 10\n"),
               std::runtime_error);
}

TEST(Pause, TheKeyDoesNothingDuringTheDemoOrOnTheSetupWindow) {
  const auto run =
      test::RunScenario("at 1000ms key down 80\nat 4800ms key down 19\nstop frames 3\n");
  EXPECT_TRUE(run.Of("pause").empty());
}

TEST(Pause, ThePanelSaysSoAndTheSoundIsHeld) {
  test::HeadlessWorld world;
  Form1().Show();
  Form3().Show();
  world.toolkit.ProcessPendingEvents();
  auto& sound = dynamic_cast<RecordingSound&>(Sound());
  // Between stages (a message window, game over) the key does nothing.
  world.toolkit.KeyDown('P', 0);
  EXPECT_FALSE(G.Paused);
  G.StageRunning = true;
  world.toolkit.KeyDown('P', 0);
  EXPECT_TRUE(G.Paused);
  EXPECT_TRUE(Form3().PauseLabel.Visible());
  EXPECT_TRUE(sound.Paused());
  world.toolkit.KeyDown('P', 0);
  EXPECT_FALSE(G.Paused);
  EXPECT_FALSE(Form3().PauseLabel.Visible());
  EXPECT_FALSE(sound.Paused());
}

}  // namespace
}  // namespace quorvan

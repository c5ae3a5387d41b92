#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "fuzz/Invariants.h"
#include "fuzz/RandomPlay.h"
#include "game/GameState.h"
#include "game/Grid.h"
#include "platform/headless/Simulator.h"
#include "record/Scenario.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

// Breaks the game at the end of one frame, just before the checks look.
class Breaker final : public SimulatorWatcher {
 public:
  Breaker(fuzz::InvariantChecks& checks, const Simulator& simulator, std::int64_t frame,
          std::function<void()> breakIt)
      : checks_(checks), simulator_(simulator), frame_(frame), breakIt_(std::move(breakIt)) {}
  void FrameEnded() override {
    if (simulator_.Frames() == frame_) breakIt_();
    checks_.FrameEnded();
  }
  void StageStarted() override { checks_.StageStarted(); }
  void SoundPlayed(const std::string& sound) override { checks_.SoundPlayed(sound); }

 private:
  fuzz::InvariantChecks& checks_;
  const Simulator& simulator_;
  std::int64_t frame_;
  std::function<void()> breakIt_;
};

// The check that fails when `breakIt` runs at the end of frame 5; "" if none.
std::string FailingCheck(const std::function<void()>& breakIt) {
  std::istringstream in("rnd 0.001 ...\nstop frames 8\n");  // every spawn, at once
  const Scenario scenario = ParseScenario(in);
  std::FILE* trace = std::fopen("/dev/null", "w");
  std::string failed;
  {
    Simulator simulator(scenario, trace);
    fuzz::InvariantChecks checks(simulator);
    Breaker breaker(checks, simulator, 5, breakIt);
    simulator.Watch(&breaker);
    try {
      simulator.Run();
    } catch (const fuzz::BrokenInvariant& broken) {
      failed = broken.Check();
    }
  }
  std::fclose(trace);
  return failed;
}

TEST(FuzzChecks, EachFaultIsNamedByItsCheck) {
  struct Case {
    const char* check;
    std::function<void()> breakIt;
  };
  const Case cases[] = {
      {"PlayerXOnTheField", [] { G.PlayerX = 39; }},
      {"EnemiesOnTheField", [] { G.EnemyY[3] = 21; }},
      {"EnergyFiniteAndAtMostFull", [] { G.Energy = std::nanf(""); }},
      {"EnergyFiniteAndAtMostFull", [] { G.Energy = 100.5f; }},
      {"WingNoInRange", [] { G.WingNo = WingNumbered(11); }},
      {"StageNoInRange", [] { G.StageNo = -1; }},
      {"EnemiesLeftWithin16Bits", [] { G.EnemiesLeft = 32768; }},
      {"CharacterSpriteShowsTheCharacter", [] { Playfield().Character.MoveTo(0, 22 * GridCell); }},
      {"CharacterSpriteShowsTheCharacter",
       [] { Playfield().Character.CopyPictureFrom(WorkingBanks().CharacterPictures[1]); }},
      {"EnemySpritesShowTheEnemies", [] { Playfield().Enemies[7].Hide(); }},
      {"WingItemSpriteShowsTheItem",
       [] {
         Playfield().WingItem.CopyPictureFrom(
             WorkingBanks().CharacterPictures[static_cast<std::size_t>(G.WingItemKind.Number())]);
       }},
      {"WingItemSpriteShowsTheItem", [] { G.WingItemActive = false; }},
      {"BombSpriteShowsTheBomb", [] { G.BombY += 1; }},
      {"MirrorBeamGoneAtFrameEnd", [] { Playfield().MirrorBeam.Show(); }},
      {"EnergyLabelShowsTheEnergy", [] { G.Energy -= 1; }},
      {"ScoreAndEnemyLabelsShowTheState", [] { G.Score += 50; }},
      {"StageLabelShowsTheStage", [] { StatusPanel().StageLabel.SetCaption("7"); }},
  };
  EXPECT_EQ(FailingCheck([] {}), "");
  for (const auto& c : cases) EXPECT_EQ(FailingCheck(c.breakIt), c.check);
}

TEST(FuzzChecks, ASeedWritesTheSameScenarioEveryTimeAndOneThatReadsBack) {
  EXPECT_EQ(fuzz::RandomPlay(7), fuzz::RandomPlay(7));
  EXPECT_NE(fuzz::RandomPlay(7), fuzz::RandomPlay(8));
  for (std::uint64_t seed = 1; seed <= 50; ++seed) {
    std::istringstream in(fuzz::RandomPlay(seed));
    EXPECT_NO_THROW(ParseScenario(in)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace quorvan

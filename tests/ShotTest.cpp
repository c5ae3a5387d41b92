#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "attacks/Shot.h"
#include "cycle/GameCycle.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

using Wavs = std::vector<std::pair<std::string, int>>;

// Every enemy waits out of the shot's way on (30, 20); respawned enemies land
// on (38, 19) unless a test queues other draws.
class ShotTest : public ::testing::Test {
 protected:
  ShotTest() {
    for (std::size_t i = 0; i < EnemySlots; ++i) {
      G.EnemyX[i] = 30;
      G.EnemyY[i] = 20;
    }
    G.EnemiesLeft = 50;
    G.Energy = 100;
    QueueRandomValues({0.99}, true);
  }

  static void Fire(Wing wing, int x, int y = RowAboveCharacter) {
    G.WingNo = wing;
    G.PlayerX = x;
    G.ShotActive = true;
    G.ShotX = x;
    G.ShotY = y;
    G.HitBonus = 0;
  }

  static void PutEnemy(int slot, int x, int y) {
    G.EnemyX[static_cast<std::size_t>(slot)] = x;
    G.EnemyY[static_cast<std::size_t>(slot)] = y;
  }

  static void ExpectShotOn(int x, int y) {
    const auto& shot = Playfield().Shot;
    EXPECT_EQ(shot.Left(), x * 240);
    EXPECT_EQ(shot.Top(), y * 240);
    EXPECT_EQ(shot.Height(), 240);
    EXPECT_TRUE(shot.Visible());
  }

  test::HeadlessWorld world;
};

// --- the straight shot ---

TEST_F(ShotTest, AShotFiredOnRowTwentyTwoIsFirstDrawnOnRowTwentyOne) {
  Fire(Wing::None, 5);
  UpdateShot();
  EXPECT_EQ(G.ShotY, 21);
  ExpectShotOn(5, 21);
  EXPECT_TRUE(G.ShotActive);
}

TEST_F(ShotTest, TheSpeedWingScansRowsTwentyOneTwentyAndNineteenInOneFrame) {
  Fire(Wing::Speed, 5);
  PutEnemy(0, 5, 21);
  PutEnemy(4, 4, 20);
  PutEnemy(6, 5, 19);
  UpdateShot();
  EXPECT_EQ(G.ShotY, 19);
  ExpectShotOn(5, 19);
  EXPECT_EQ(G.EnemiesLeft, 47);
  EXPECT_EQ(G.Score, 50 + 100 + 150);
  EXPECT_EQ(G.HitBonus, 150);
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "300");
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "47");
}

TEST_F(ShotTest, RowZeroIsStillDrawnAndScannedAndTheNextStepEndsTheShot) {
  Fire(Wing::None, 5, 1);
  PutEnemy(3, 5, 0);
  UpdateShot();
  EXPECT_EQ(G.ShotY, 0);
  ExpectShotOn(5, 0);
  EXPECT_EQ(G.EnemiesLeft, 49);
  UpdateShot();
  EXPECT_EQ(G.ShotY, -1);
  EXPECT_FALSE(G.ShotActive);
  EXPECT_FALSE(Playfield().Shot.Visible());
}

TEST_F(ShotTest, TheSpeedWingStopsStepsOnceItsShotHasLeftTheTop) {
  Fire(Wing::Speed, 5, 1);
  UpdateShot();
  EXPECT_EQ(G.ShotY, -1);  // not -2: the third step does nothing
  EXPECT_FALSE(G.ShotActive);
  EXPECT_FALSE(Playfield().Shot.Visible());
}

TEST_F(ShotTest, AOneCellShotHitsTheEnemyOnItsColumnOrOneToTheLeftOnly) {
  Fire(Wing::None, 10, 13);
  PutEnemy(0, 9, 12);   // covers columns 9 and 10: hit
  PutEnemy(1, 11, 12);  // covers 11 and 12: missed
  PutEnemy(2, 8, 12);   // covers 8 and 9: missed
  PutEnemy(3, 10, 11);  // another row: missed in this step
  PutEnemy(4, 10, 12);  // hit
  UpdateShot();
  EXPECT_EQ(G.EnemiesLeft, 48);
  EXPECT_EQ(G.EnemyX[1], 11);
  EXPECT_EQ(G.EnemyX[2], 8);
  EXPECT_EQ(G.EnemyY[3], 11);
  EXPECT_EQ(G.EnemyX[0], 38);  // respawned
  EXPECT_EQ(G.EnemyX[4], 38);
}

TEST_F(ShotTest, ThreeEnemiesInOneColumnGiveFiftyThenHundredThenHundredFifty) {
  Fire(Wing::None, 7, 15);
  PutEnemy(5, 7, 14);
  PutEnemy(1, 6, 12);
  PutEnemy(2, 7, 10);
  for (int frame = 0; frame < 5; ++frame) UpdateShot();
  EXPECT_EQ(G.ShotY, 10);
  EXPECT_EQ(G.Score, 300);
  EXPECT_EQ(G.EnemiesLeft, 47);
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "47");
  EXPECT_EQ(world.wav, (Wavs{{"Bang1.wav", 1}, {"Bang1.wav", 1}, {"Bang1.wav", 1}}));
}

TEST_F(ShotTest, AShotThatHitsNothingLeavesScoreHitBonusAndTheRandomDrawsAlone) {
  Fire(Wing::Follow, 7, 15);
  G.Score = 1234;
  G.HitBonus = 100;
  QueueRandomValues({0.25}, false);
  UpdateShot();
  EXPECT_EQ(G.Score, 1234);
  EXPECT_EQ(G.HitBonus, 100);
  EXPECT_EQ(G.EnemiesLeft, 50);
  EXPECT_EQ(Rnd(), 0.25);
  EXPECT_TRUE(world.wav.empty());
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "1234");
}

TEST_F(ShotTest, AKillBlastsTheOldCellThenRespawnsColumnFirstThenRow) {
  Fire(Wing::None, 7, 15);
  PutEnemy(2, 7, 14);
  QueueRandomValues({0.5, 0.25}, false);
  UpdateShot();
  const auto& field = Playfield();
  EXPECT_EQ(field.Explosion.Left(), 7 * GridCell);
  EXPECT_EQ(field.Explosion.Top(), 14 * GridCell);
  EXPECT_TRUE(field.Explosion.Visible());
  EXPECT_EQ(G.EnemyX[2], 19);
  EXPECT_EQ(G.EnemyY[2], 5);
  EXPECT_EQ(field.Enemies[2].Left(), 19 * GridCell);
  EXPECT_EQ(field.Enemies[2].Top(), 5 * GridCell);
  EXPECT_EQ(world.wav, (Wavs{{"Bang1.wav", 1}}));
}

TEST_F(ShotTest, EnemiesAreScannedFromSlotZeroUpward) {
  Fire(Wing::None, 7, 15);
  PutEnemy(3, 7, 14);
  PutEnemy(1, 7, 14);
  QueueRandomValues({0.1, 0.1, 0.2, 0.2}, false);
  UpdateShot();
  EXPECT_EQ(G.EnemyX[1], 3);  // Int(0.1 * 39): slot 1 drew first
  EXPECT_EQ(G.EnemyX[3], 7);  // Int(0.2 * 39)
  EXPECT_EQ(G.EnemyY[3], 4);
}

TEST_F(ShotTest, AnEnemyRespawnedOntoTheShotIsNotExaminedAgainInTheSameStep) {
  Fire(Wing::None, 5, 11);
  PutEnemy(4, 5, 10);
  QueueRandomValues({0.13, 0.5}, false);  // back onto (5, 10)
  UpdateShot();
  EXPECT_EQ(G.EnemyX[4], 5);
  EXPECT_EQ(G.EnemyY[4], 10);
  EXPECT_EQ(G.EnemiesLeft, 49);
  EXPECT_EQ(G.Score, 50);
}

TEST_F(ShotTest, TheShotFliesOnAfterAHit) {
  Fire(Wing::None, 5, 11);
  PutEnemy(0, 5, 10);
  UpdateShot();
  EXPECT_TRUE(G.ShotActive);
  UpdateShot();
  EXPECT_EQ(G.ShotY, 9);
  ExpectShotOn(5, 9);
}

TEST_F(ShotTest, TheNavigateWingShotTakesTheCharactersColumnEveryStep) {
  Fire(Wing::Navigate, 5, 11);
  G.PlayerX = 9;
  PutEnemy(0, 5, 10);
  PutEnemy(1, 9, 10);
  UpdateShot();
  EXPECT_EQ(G.ShotX, 9);
  ExpectShotOn(9, 10);
  EXPECT_EQ(G.EnemyX[0], 5);  // the column it left is safe
  EXPECT_EQ(G.EnemyX[1], 38);
  G.PlayerX = 12;
  UpdateShot();
  ExpectShotOn(12, 9);
}

TEST_F(ShotTest, OtherStraightWingsKeepTheirColumn) {
  for (const Wing wing : {Wing::None, Wing::Mirror, Wing::Comet, Wing::Follow}) {
    Fire(wing, 5, 11);
    G.PlayerX = 9;
    UpdateShot();
    EXPECT_EQ(G.ShotX, 5) << "Wing " << WingNumber(wing);
    EXPECT_EQ(G.ShotY, 10) << "Wing " << WingNumber(wing);
  }
}

// --- the chain blast of the Follow Wing ---

TEST_F(ShotTest, AFollowWingHitBlastsASecondEnemyThreeHundredMillisecondsLater) {
  Fire(Wing::Follow, 5, 11);
  PutEnemy(2, 5, 10);
  // Slot 2 reappears on (19, 10), the chain picks slot 6, which goes to (9, 5).
  QueueRandomValues({0.5, 0.5, 0.8, 0.25, 0.25, 0.99}, true);
  G.Score = 1000;
  std::pair<int, int> markerDuringWait{-1, -1};
  world.toolkit.At(100, [&] {
    markerDuringWait = {Playfield().Explosion.Left() / GridCell,
                        Playfield().Explosion.Top() / GridCell};
  });
  UpdateShot();
  EXPECT_EQ(markerDuringWait, std::make_pair(5, 10));
  EXPECT_EQ(world.toolkit.Now(), 300);
  EXPECT_EQ(Playfield().Explosion.Left(), 19 * GridCell);
  EXPECT_EQ(Playfield().Explosion.Top(), 10 * GridCell);
  EXPECT_TRUE(Playfield().Explosion.Visible());
  EXPECT_EQ(G.EnemyX[6], 9);
  EXPECT_EQ(G.EnemyY[6], 5);
  EXPECT_EQ(G.Score, 1000 + 50 + 10);
  EXPECT_EQ(G.HitBonus, 50);
  EXPECT_EQ(G.EnemiesLeft, 48);
  EXPECT_EQ(world.wav, (Wavs{{"Bang1.wav", 1}, {"Bang1.Wav", 1}}));
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "48");
}

TEST_F(ShotTest, AfterAChainTheScanGoesOnAfterTheChainedSlot) {
  Fire(Wing::Follow, 5, 11);
  PutEnemy(1, 5, 10);
  PutEnemy(4, 5, 10);
  QueueRandomValues({0.99, 0.99, 0.7}, true);  // the chain takes slot 5: slot 4 is passed over
  UpdateShot();
  EXPECT_EQ(G.EnemyX[4], 5);
  EXPECT_EQ(G.EnemyY[4], 10);
  EXPECT_EQ(G.EnemiesLeft, 48);
  EXPECT_EQ(G.Score, 60);
}

TEST_F(ShotTest, AChainThatMovesTheScanBackHitsARespawnedEnemyAgain) {
  Fire(Wing::Follow, 5, 11);
  PutEnemy(3, 5, 10);
  // Slot 3 reappears on the shot's cell; the chain takes slot 1, so the
  // scan comes round to slot 3 once more.
  QueueRandomValues({0.13, 0.5, 0.2, 0.99}, true);
  UpdateShot();
  EXPECT_EQ(G.EnemiesLeft, 46);
  EXPECT_EQ(G.Score, 50 + 10 + 100 + 10);
  EXPECT_EQ(G.HitBonus, 100);
  EXPECT_EQ(world.toolkit.Now(), 600);
}

TEST_F(ShotTest, OnlyTheFollowWingChains) {
  for (const Wing wing : {Wing::None, Wing::Navigate, Wing::Speed, Wing::Mirror, Wing::Comet}) {
    Fire(wing, 5, 11);
    PutEnemy(0, 5, 10);
    G.EnemiesLeft = 50;
    UpdateShot();
    EXPECT_EQ(G.EnemiesLeft, 49) << "Wing " << WingNumber(wing);
  }
  EXPECT_EQ(world.toolkit.Now(), 0);
}

// --- the double shot ---

TEST_F(ShotTest, TheDoubleShotDrawsTwoSpritesSideBySide) {
  Fire(Wing::Double, 5);
  UpdateShot();
  ExpectShotOn(5, 21);
  const auto& right = Playfield().DoubleShotRight;
  EXPECT_EQ(right.Left(), 6 * GridCell);
  EXPECT_EQ(right.Top(), 21 * GridCell);
  EXPECT_EQ(right.Height(), 240);
  EXPECT_TRUE(right.Visible());
}

TEST_F(ShotTest, TheDoubleShotHitsOneColumnEitherSideButNotTwo) {
  Fire(Wing::Double, 10, 13);
  PutEnemy(0, 9, 12);
  PutEnemy(1, 10, 12);
  PutEnemy(2, 11, 12);
  PutEnemy(3, 12, 12);
  PutEnemy(4, 8, 12);
  UpdateShot();
  EXPECT_EQ(G.EnemiesLeft, 47);
  EXPECT_EQ(G.Score, 50 + 100 + 150);
  EXPECT_EQ(G.EnemyX[3], 12);
  EXPECT_EQ(G.EnemyX[4], 8);
  EXPECT_EQ(world.wav, (Wavs{{"Bang1.Wav", 1}, {"Bang1.Wav", 1}, {"Bang1.Wav", 1}}));
}

TEST_F(ShotTest, TheDoubleShotNeverChainsAndEndsWithBothSpritesHidden) {
  Fire(Wing::Double, 5, 1);
  PutEnemy(0, 5, 0);
  UpdateShot();
  EXPECT_EQ(G.EnemiesLeft, 49);
  EXPECT_EQ(world.toolkit.Now(), 0);
  UpdateShot();
  EXPECT_FALSE(G.ShotActive);
  EXPECT_FALSE(Playfield().Shot.Visible());
  EXPECT_FALSE(Playfield().DoubleShotRight.Visible());
}

// --- the steered shot ---

struct Cell {
  int x, y;
  friend bool operator==(const Cell&, const Cell&) = default;
};

std::vector<Cell> SteerFrames(int frames) {
  std::vector<Cell> cells;
  for (int n = 0; n < frames && G.ShotActive; ++n) {
    UpdateShot();
    cells.push_back({G.ShotX, G.ShotY});
  }
  return cells;
}

TEST_F(ShotTest, ASteeredShotSlidesOneColumnAFrameAndNeverRisesAboveItsTarget) {
  Fire(Wing::Slant, 10);
  G.TargetX = 6;
  G.TargetY = 19;
  EXPECT_EQ(SteerFrames(6),
            (std::vector<Cell>{{9, 21}, {8, 20}, {7, 19}, {6, 19}, {6, 18}, {6, 17}}));
  EXPECT_EQ(G.TargetY, -1);
}

TEST_F(ShotTest, ASteeredShotOnItsTargetRowWaitsThereUntilItReachesTheColumn) {
  Fire(Wing::Slant, 10);
  G.TargetX = 16;
  G.TargetY = 20;
  const auto cells = SteerFrames(9);
  EXPECT_EQ(cells, (std::vector<Cell>{{11, 21},
                                      {12, 20},
                                      {13, 20},
                                      {14, 20},
                                      {15, 20},
                                      {16, 20},
                                      {16, 19},
                                      {16, 18},
                                      {16, 17}}));
  ExpectShotOn(16, 17);
}

TEST_F(ShotTest, TheTargetRowIsLetGoOnlyOnTheTargetCell) {
  Fire(Wing::Slant, 10);
  G.TargetX = 13;
  G.TargetY = 20;
  SteerFrames(2);  // on row 20, column 12
  EXPECT_EQ(G.TargetY, 20);
  SteerFrames(1);
  EXPECT_EQ(G.TargetY, -1);
}

TEST_F(ShotTest, TheKeyboardSteeredShotRisesStraightToRowZeroThenLeaves) {
  Fire(Wing::Slant, 10);
  G.TargetX = 10;
  G.TargetY = 0;
  const auto cells = SteerFrames(30);
  ASSERT_EQ(cells.size(), 23u);
  EXPECT_EQ(cells[21], (Cell{10, 0}));
  EXPECT_EQ(cells[22], (Cell{10, -1}));
  EXPECT_FALSE(G.ShotActive);
  EXPECT_FALSE(Playfield().Shot.Visible());
}

TEST_F(ShotTest, TheSteeredShotHitsWithTheOneCellRuleAndItsOwnSound) {
  Fire(Wing::Slant, 10, 13);
  G.TargetX = 10;
  G.TargetY = 0;
  PutEnemy(0, 9, 12);
  PutEnemy(1, 11, 12);
  UpdateShot();
  EXPECT_EQ(G.EnemiesLeft, 49);
  EXPECT_EQ(G.EnemyX[1], 11);
  EXPECT_EQ(world.wav, (Wavs{{"Bang1.Wav", 1}}));
}

// --- the Wing item ---

TEST_F(ShotTest, TheWingItemIsHitByTheOneCellRule) {
  Fire(Wing::None, 10, 13);
  test::PutWingItem(ItemKind::Energy(), 11, 12);
  UpdateShot();
  EXPECT_EQ(G.Score, 0);  // one column to the right: missed
  EXPECT_TRUE(G.WingItemActive);
}

TEST_F(ShotTest, AnEnergyItemHitRefillsEnergyAndTheShotFliesOn) {
  Fire(Wing::Speed, 10, 13);
  G.Energy = 80;
  test::PutWingItem(ItemKind::Energy(), 9, 12);
  UpdateShot();
  EXPECT_EQ(G.Score, 500);
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "500");
  EXPECT_EQ(G.Energy, 100);
  EXPECT_FALSE(G.WingItemActive);
  EXPECT_TRUE(G.ShotActive);
  EXPECT_EQ(G.ShotY, 10);
  EXPECT_EQ(G.WingNo, Wing::Speed);
}

TEST_F(ShotTest, TheDoubleShotTakesAnItemOneColumnToItsRight) {
  Fire(Wing::Double, 10, 13);
  G.Energy = 50;
  test::PutWingItem(ItemKind::Energy(), 11, 12);
  UpdateShot();
  EXPECT_EQ(G.Score, 500);
  EXPECT_EQ(G.Energy, 75);
  EXPECT_TRUE(G.ShotActive);
}

TEST_F(ShotTest, ASpeedWingShotThatTakesAWingItemInItsFirstStepEndsThere) {
  Fire(Wing::Speed, 10);
  G.Edition = Edition::Standard;
  test::PutWingItem(ItemKind::Carrying(Wing::Mirror), 10, 21);
  std::int32_t scoreDuringFlight = -1;
  world.toolkit.At(100, [&] { scoreDuringFlight = G.Score; });
  UpdateShot();
  EXPECT_EQ(scoreDuringFlight, 0);      // the 500 come after the pick-up
  EXPECT_EQ(world.toolkit.Now(), 400);  // the flight down: rows 21 and 22
  EXPECT_EQ(G.WingNo, Wing::Mirror);
  EXPECT_FALSE(G.ShotActive);
  EXPECT_EQ(G.ShotY, 21);
  EXPECT_FALSE(Playfield().Shot.Visible());
  EXPECT_FALSE(Playfield().DoubleShotRight.Visible());
  EXPECT_EQ(G.Score, 500);
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "500");
}

TEST_F(ShotTest, TheItemIsCheckedAfterTheEnemiesOfTheSameStep) {
  Fire(Wing::None, 10, 13);
  PutEnemy(0, 10, 12);
  G.WingItemActive = true;
  G.WingItemKind = ItemKind::Energy();
  G.Energy = 50;
  G.WingItemX = 10;
  G.WingItemY = 12;
  UpdateShot();
  EXPECT_EQ(G.Score, 550);
  EXPECT_EQ(G.EnemiesLeft, 49);
}

// --- the dispatch ---

TEST_F(ShotTest, AWingOutsideTheTableOnlyRefreshesTheLabels) {
  for (const int number : {11, -1}) {
    Fire(WingNumbered(number), 10, 13);
    PutEnemy(0, 10, 12);
    G.Score = 70;
    G.EnemiesLeft = 3;
    UpdateShot();
    EXPECT_TRUE(G.ShotActive);
    EXPECT_EQ(G.ShotY, 13);
    EXPECT_EQ(G.EnemiesLeft, 3);
    EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "70");
    EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "3");
  }
}

// --- in play ---

// The sound effects of the stages, without the opening demo's.
std::vector<std::string> StageWavs(const test::SimRun& run) {
  std::vector<std::string> files;
  bool inStage = false;
  for (const auto& e : run.events) {
    inStage = inStage || e["ev"].get<std::string>() == "stage_start";
    if (inStage && e["ev"].get<std::string>() == "wav")
      files.push_back(e["file"].get<std::string>());
  }
  return files;
}

// Slot 0 stands on (0, 7), the others on (38, 14); later draws of 0.99 make
// no spawns and put every respawned enemy on (38, 19).
const char* const OneEnemyOverTheCharacter = "rnd 0.0 0.5 0.99 ...\n";

TEST(ShotInPlay, AShotFiredWithSpaceRisesARowAFrameAndDestroysTheEnemyAbove) {
  const auto run = test::RunScenario(std::string(OneEnemyOverTheCharacter) +
                                     "at 2 key down space\nstop frames 24\n");
  EXPECT_FALSE(run.Frame(1)["ShotActive"].get<bool>());
  EXPECT_EQ(run.Frame(2)["ShotY"].get<int>(), 21);
  EXPECT_EQ(run.Frame(2)["sprites"]["Image3"]["top"].get<int>(), 21 * GridCell);
  EXPECT_TRUE(run.Frame(2)["sprites"]["Image3"]["visible"].get<bool>());
  EXPECT_EQ(run.Frame(15)["ShotY"].get<int>(), 8);
  EXPECT_EQ(run.Frame(15)["Score"].get<int>(), 0);
  const auto& hit = run.Frame(16);
  EXPECT_EQ(hit["ShotY"].get<int>(), 7);
  EXPECT_EQ(hit["Score"].get<int>(), 50);
  EXPECT_EQ(hit["EnemiesLeft"].get<int>(), 49);
  EXPECT_EQ(hit["labels"]["ScoreLabel"].get<std::string>(), "50");
  EXPECT_EQ(hit["labels"]["EnemyLabel"].get<std::string>(), "49");
  EXPECT_EQ(hit["EnemyX"][0].get<int>(), 38);
  EXPECT_EQ(hit["sprites"]["Zbang"]["top"].get<int>(), 7 * GridCell);
  EXPECT_EQ(run.Frame(23)["ShotY"].get<int>(), 0);
  EXPECT_TRUE(run.Frame(23)["ShotActive"].get<bool>());
  EXPECT_FALSE(run.Frame(24)["ShotActive"].get<bool>());
  EXPECT_FALSE(run.Frame(24)["sprites"]["Image3"]["visible"].get<bool>());
  EXPECT_EQ(StageWavs(run), std::vector<std::string>{"Bang1.wav"});
}

TEST(ShotInPlay, AFollowWingHitOnTheLastEnemyClearsTheStageAtMinusOne) {
  const auto run = test::RunScenario(std::string(OneEnemyOverTheCharacter) +
                                     "at 1 key down 145\nentry 9\n"
                                     "at 2 key down 93\nentry 1\n"
                                     "at 3 key down space\nstop frames 18\n");
  const auto& hit = run.Frame(17);
  EXPECT_EQ(hit["EnemiesLeft"].get<int>(), -1);
  EXPECT_EQ(hit["labels"]["EnemyLabel"].get<std::string>(), "-1");
  EXPECT_EQ(hit["Score"].get<int>(), 60);
  EXPECT_EQ(StageWavs(run), (std::vector<std::string>{"Bang1.wav", "Bang1.Wav"}));
  const auto ends = run.Of("stage_end");
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0]["StageResult"].get<int>(), 2);
  bool paused = false;
  for (const auto& wait : run.Of("wait")) paused = paused || wait["ms"].get<int>() == 300;
  EXPECT_TRUE(paused);
  EXPECT_EQ(run.Frame(18)["StageNo"].get<int>(), 1);
  EXPECT_EQ(run.Frame(18)["EnemiesLeft"].get<int>(), 49);  // the -1 is carried over
}

TEST(ShotInPlay, AClickedEnemyDrawsTheSlantWingShotOntoItsRowAndColumn) {
  // Slot 3 stands on (19, 13), the others on (38, 0), where the wandering
  // (always slot 7 upward) cannot move them.
  const auto run = test::RunScenario(
      "rnd 0.99 0.0  0.99 0.0  0.99 0.0  0.5 0.9  0.99 0.0  0.99 0.0  0.99 0.0  0.99 0.0"
      "  0.99 ...\n"
      "at 1 key down 145\nentry 4\nat 2 click 3\nstop frames 34\n");
  const auto& first = run.Frame(2);
  EXPECT_TRUE(first["ShotActive"].get<bool>());
  EXPECT_EQ(first["TargetX"].get<int>(), 19);
  EXPECT_EQ(first["TargetY"].get<int>(), 13);
  EXPECT_EQ(first["ShotX"].get<int>(), 1);
  EXPECT_EQ(first["ShotY"].get<int>(), 21);
  EXPECT_EQ(run.Frame(10)["ShotY"].get<int>(), 13);
  EXPECT_EQ(run.Frame(10)["ShotX"].get<int>(), 9);
  EXPECT_EQ(run.Frame(15)["ShotY"].get<int>(), 13);
  EXPECT_EQ(run.Frame(15)["ShotX"].get<int>(), 14);
  EXPECT_EQ(run.Frame(19)["Score"].get<int>(), 0);
  const auto& hit = run.Frame(20);
  EXPECT_EQ(hit["ShotX"].get<int>(), 19);
  EXPECT_EQ(hit["Score"].get<int>(), 50);
  EXPECT_EQ(hit["TargetY"].get<int>(), -1);
  EXPECT_EQ(run.Frame(21)["ShotY"].get<int>(), 12);
  EXPECT_EQ(run.Frame(21)["ShotX"].get<int>(), 19);
  EXPECT_EQ(run.Frame(33)["ShotY"].get<int>(), 0);
  EXPECT_FALSE(run.Frame(34)["ShotActive"].get<bool>());
  EXPECT_EQ(StageWavs(run), std::vector<std::string>{"Bang1.Wav"});
}

}  // namespace
}  // namespace quorvan

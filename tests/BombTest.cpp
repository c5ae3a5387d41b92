#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "character/Bomb.h"
#include "cycle/GameCycle.h"
#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "screens/Palette.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

std::vector<std::string> Files(const std::vector<std::pair<std::string, int>>& wav) {
  std::vector<std::string> files;
  for (const auto& [file, flags] : wav) files.push_back(file);
  return files;
}

class BombTest : public ::testing::Test {
 protected:
  BombTest() {
    FillWorkingBanks(Edition::Standard);
    G.Edition = Edition::Standard;
    G.Energy = 100;
    G.EnemiesLeft = 30;
    G.PlayerX = 10;
    for (std::size_t i = 0; i < EnemySlots; ++i) {  // all far from column 10
      G.EnemyX[i] = 30;
      G.EnemyY[i] = static_cast<int>(i);
    }
  }
  // A bomb in `column` on row 21: its next update passes the character's row.
  void DropOnto(int column) {
    G.BombActive = true;
    G.BombX = column;
    G.BombY = 21;
    Playfield().Bomb.Show();
    UpdateBomb();
  }
  test::HeadlessWorld world;
};

TEST_F(BombTest, ABombFallsFourRowsAFrameAndIsTestedOncePastRowTwentyTwo) {
  G.BombActive = true;
  G.BombX = 3;
  G.BombY = 1;  // dropped from row 0
  std::vector<int> rows;
  for (int n = 0; n < 5; ++n) {
    UpdateBomb();
    rows.push_back(Playfield().Bomb.Top() / GridCell);
    EXPECT_TRUE(G.BombActive);
    EXPECT_TRUE(Playfield().Bomb.Visible());
    EXPECT_EQ(Playfield().Bomb.Left(), 3 * GridCell);
  }
  EXPECT_EQ(rows, (std::vector<int>{5, 9, 13, 17, 21}));
  UpdateBomb();
  EXPECT_FALSE(G.BombActive);
  EXPECT_FALSE(Playfield().Bomb.Visible());

  G.BombActive = true;
  G.BombY = 18;  // drawn on row 22 next
  UpdateBomb();
  EXPECT_TRUE(G.BombActive);
  EXPECT_EQ(Playfield().Bomb.Top(), 22 * GridCell);
  G.BombY = 19;
  UpdateBomb();
  EXPECT_FALSE(G.BombActive);
}

TEST_F(BombTest, TheBombHitsTheCharactersTwoColumnsOnly) {
  for (int column : {9, 12}) {
    DropOnto(column);
    EXPECT_FALSE(G.BombActive);
  }
  EXPECT_EQ(G.Energy, 100);
  EXPECT_TRUE(world.wav.empty());
  EXPECT_TRUE(world.waits.empty());
  for (int column : {10, 11}) {
    G.WingNo = Wing::Double;
    DropOnto(column);
    EXPECT_EQ(G.WingNo, Wing::None) << column;
  }
  EXPECT_EQ(G.Energy, 60);
  EXPECT_EQ(Files(world.wav), (std::vector<std::string>{"Bang2.Wav", "Bang2.Wav"}));
}

TEST_F(BombTest, AHitFlashesTheFieldRedCostsTwentyAndTheWing) {
  G.WingNo = Wing::Comet;
  G.ShotActive = true;
  Playfield().Character.CopyPictureFrom(WorkingBanks().CharacterPictures[8]);
  Rgb during{};
  world.toolkit.At(100, [&] { during = world.toolkit.BackColor(Playfield().Id()); });
  DropOnto(10);
  EXPECT_EQ(during, Red);
  EXPECT_EQ(world.toolkit.BackColor(Playfield().Id()), Black);
  EXPECT_EQ(world.waits, std::vector<int>{200});
  EXPECT_EQ(world.toolkit.Now(), 200);
  EXPECT_EQ(G.Energy, 80);
  EXPECT_EQ(G.WingNo, Wing::None);
  EXPECT_EQ(Playfield().Character.ShownPicture(),
            WorkingBanks().CharacterPictures[0].ShownPicture());
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Ｑｕｏｒｖａｎ");
  EXPECT_TRUE(G.ShotActive);  // the shot in flight goes on
}

TEST_F(BombTest, AHitWithFifteenEnergyLeavesMinusFiveAndLosesTheStage) {
  G.Energy = 15;
  G.StageRunning = true;
  DropOnto(11);
  EXPECT_EQ(G.Energy, -5);
  StageEndTest();
  EXPECT_EQ(G.StageResult, StageOutcome::Lost);
}

TEST_F(BombTest, TheMirrorWingCostsNeitherEnergyNorTheWing) {
  G.WingNo = Wing::Mirror;
  StatusPanel().WingLabel.SetCaption("Quorvan (with Mirror Wing)");
  Rgb during = Black;
  world.toolkit.At(50, [&] { during = world.toolkit.BackColor(Playfield().Id()); });
  DropOnto(11);
  EXPECT_EQ(G.WingNo, Wing::Mirror);
  EXPECT_EQ(G.Energy, 100);
  EXPECT_EQ(during, Black);
  EXPECT_EQ(Files(world.wav), std::vector<std::string>{"Ching.Wav"});
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Mirror Wing)");
}

TEST_F(BombTest, WithNoEnemyInTheColumnAReflectionIsOnlyTheBeamAndItsSound) {
  G.WingNo = Wing::Mirror;
  const GameState before = G;
  std::vector<int> beamRows;
  auto& beam = Playfield().MirrorBeam;
  for (int step = 0; step < 23; ++step)
    world.toolkit.At(5 * step + 2, [&] {
      EXPECT_TRUE(beam.Visible());
      EXPECT_EQ(beam.Left(), 11 * GridCell);
      beamRows.push_back(beam.Top() / GridCell);
    });
  DropOnto(11);
  std::vector<int> expectedRows;
  for (int row = 22; row >= 0; --row) expectedRows.push_back(row);
  EXPECT_EQ(beamRows, expectedRows);
  EXPECT_EQ(world.waits, std::vector<int>(23, 5));
  EXPECT_EQ(Files(world.wav), std::vector<std::string>{"Ching.Wav"});
  EXPECT_FALSE(beam.Visible());
  GameState expected = before;
  expected.BombActive = false;
  expected.BombX = 11;
  expected.BombY = 25;
  EXPECT_EQ(G, expected);
}

TEST_F(BombTest, AReflectionDestroysEveryEnemyCoveringTheColumnOnAnyRow) {
  G.WingNo = Wing::Mirror;
  G.Score = 1000;
  StatusPanel().ScoreLabel.SetCaption("1000");
  StatusPanel().EnemyLabel.SetCaption("30");
  G.EnemyX[1] = 11;  // its left cell in the column, top row
  G.EnemyY[1] = 0;
  G.EnemyX[4] = 10;  // its right cell in the column, low down
  G.EnemyY[4] = 20;
  G.EnemyX[6] = 12;  // beside the column
  G.EnemyX[0] = 9;
  // Slot 1 reappears in the column itself (11, 5); slot 4 on (20, 10).
  QueueRandomValues({test::DrawOfColumn(11), 0.25, test::DrawOfColumn(20), 0.5}, false);
  DropOnto(11);
  EXPECT_EQ(G.EnemiesLeft, 28);
  EXPECT_EQ(G.Score, 1100);
  EXPECT_EQ(G.EnemyX[1], 11);  // examined once: it survives in the beam's column
  EXPECT_EQ(G.EnemyY[1], 5);
  EXPECT_EQ(G.EnemyX[4], 20);
  EXPECT_EQ(G.EnemyY[4], 10);
  EXPECT_EQ(G.EnemyX[6], 12);
  EXPECT_EQ(G.EnemyX[0], 9);
  EXPECT_EQ(Playfield().Explosion.Left(), 10 * GridCell);  // the last blast: slot 4's old cell
  EXPECT_EQ(Playfield().Explosion.Top(), 20 * GridCell);
  EXPECT_EQ(Files(world.wav), (std::vector<std::string>{"Ching.Wav", "Bang1.Wav", "Bang1.Wav"}));
  std::vector<int> waits(23, 5);
  waits.push_back(300);
  waits.push_back(300);
  EXPECT_EQ(world.waits, waits);
  // The panel is left for the next refresh.
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "1000");
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "30");
}

TEST_F(BombTest, TheBeamTakesAnItemCoveringItsColumnOnAnyRow) {
  G.WingNo = Wing::Mirror;
  G.Energy = 40;
  G.WingItemActive = true;
  G.WingItemKind = ItemKind::Energy();
  G.WingItemX = 12;  // covers 12 and 13: missed by a beam in column 11
  G.WingItemY = 2;
  DropOnto(11);
  EXPECT_TRUE(G.WingItemActive);
  EXPECT_EQ(G.Score, 0);
  G.WingItemX = 10;
  G.WingItemY = 19;
  DropOnto(11);
  EXPECT_FALSE(G.WingItemActive);
  EXPECT_EQ(G.Energy, 60);
  EXPECT_EQ(G.Score, 500);
}

// Enemies scattered by stage setup: slot 0 on (0, 0), the others on (38, 0).
const char* const Scatter = "rnd 0 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0 ";

TEST(BombInPlay, ABombFromTheTopRowHitsOnItsSixthUpdate) {
  // Frame 1: slot 7 wanders down, no item, slot 0 drops a bomb, no comet.
  const auto run = test::RunScenario(std::string(Scatter) +
                                     " 0.99 0.99  0.99  0.01 0.0  0.99 ...\nstop frames 8\n");
  std::vector<int> rows;
  for (int n = 1; n <= 6; ++n) {
    EXPECT_TRUE(run.Frame(n)["BombActive"].get<bool>());
    rows.push_back(run.Frame(n)["sprites"]["Image5"]["top"].get<int>() / GridCell);
  }
  EXPECT_EQ(rows, (std::vector<int>{1, 5, 9, 13, 17, 21}));
  const auto& hit = run.Frame(7);
  EXPECT_FALSE(hit["BombActive"].get<bool>());
  EXPECT_FALSE(hit["sprites"]["Image5"]["visible"].get<bool>());
  EXPECT_NEAR(hit["Energy"].get<double>(), run.Frame(6)["Energy"].get<double>() - 20.02, 1e-3);
  EXPECT_EQ(hit["t"].get<int>() - run.Frame(6)["t"].get<int>(), 160 + 200);
  const auto sounds = run.Of("wav");
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.back()["file"].get<std::string>(), "Bang2.Wav");
  EXPECT_LT(sounds.back()["t"].get<int>(), hit["t"].get<int>());
  EXPECT_GT(sounds.back()["t"].get<int>(), run.Frame(6)["t"].get<int>());
}

TEST(BombInPlay, TheMirrorWingReflectsTheBombOntoTheEnemyThatDroppedIt) {
  const auto run = test::RunScenario(std::string(Scatter) +
                                     " 0.99 0.99  0.99  0.01 0.0  0.99 ...\n"
                                     "at 1 key down 145\nentry 7\nstop frames 8\n");
  const auto& hit = run.Frame(7);
  EXPECT_EQ(hit["WingNo"].get<int>(), 7);
  EXPECT_EQ(hit["EnemiesLeft"].get<int>(), 49);
  EXPECT_EQ(hit["Score"].get<int>(), 50);
  EXPECT_EQ(hit["EnemyX"][0].get<int>(), 38);  // reappeared on (38, 19)
  EXPECT_EQ(hit["EnemyY"][0].get<int>(), 19);
  EXPECT_EQ(hit["labels"]["ScoreLabel"].get<std::string>(), "0");
  EXPECT_FALSE(hit["sprites"]["Image8"]["visible"].get<bool>());
  EXPECT_NEAR(hit["Energy"].get<double>(), run.Frame(6)["Energy"].get<double>() - 0.02, 1e-3);
  EXPECT_EQ(hit["t"].get<int>() - run.Frame(6)["t"].get<int>(), 160 + 23 * 5 + 300);
  std::vector<std::string> files;
  for (const auto& w : run.Of("wav"))
    if (w["t"].get<int>() > run.Frame(6)["t"].get<int>())
      files.push_back(w["file"].get<std::string>());
  EXPECT_EQ(files, (std::vector<std::string>{"Ching.Wav", "Bang1.Wav"}));
}

TEST(BombInPlay, AHitThatTakesTheEnergyBelowZeroLosesTheStageInThatFrame) {
  // About 19 energy is left when the bomb dropped in frame 4044 lands.
  const auto run = test::RunScenario(std::string(Scatter) +
                                     " 0.99 ...\n"
                                     "at 4044 rnd 0.99 0.99  0.99  0.01 0.0  0.99 ...\n"
                                     "stop games 1\n");
  const auto frames = run.Frames();
  const auto& last = frames.back();
  EXPECT_EQ(last["n"].get<int>(), 4050);
  const double before = run.Frame(4049)["Energy"].get<double>();
  EXPECT_GT(before, 18.9);
  EXPECT_LT(before, 20);
  EXPECT_LT(last["Energy"].get<double>(), 0);
  ASSERT_EQ(run.Of("stage_end").size(), 1u);
  EXPECT_EQ(run.Of("stage_end")[0]["StageResult"].get<int>(), 1);
}

}  // namespace
}  // namespace quorvan

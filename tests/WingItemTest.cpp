#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "character/WingItem.h"
#include "cycle/GameCycle.h"
#include "cycle/Spawns.h"
#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

bool Opened(const std::vector<std::string>& midi, const std::string& file) {
  for (const auto& command : midi)
    if (command.rfind("open ", 0) == 0 && command.find(file) != std::string::npos) return true;
  return false;
}

class WingItemTest : public ::testing::Test {
 protected:
  WingItemTest() {
    FillWorkingBanks(Edition::Standard);
    G.Edition = Edition::Standard;
    G.Energy = 50;
    G.WingItemActive = true;
    Playfield().WingItem.Show();
  }
  // An item of `kind` hit on (x, y) with a shot in flight.
  void HitItem(int kind, int x, int y) {
    G.WingItemKind = ItemKind::Numbered(kind);
    G.WingItemX = x;
    G.WingItemY = y;
    G.ShotActive = true;
    Playfield().Shot.Show();
    Playfield().DoubleShotRight.Show();
    TakeWingItem();
  }
  test::HeadlessWorld world;
};

TEST_F(WingItemTest, TheItemRestsOneFrameInThreeOnACounterItNeverResets) {
  G.WingItemY = 7;
  std::vector<int> columns;
  for (int n = 0; n < 6; ++n) {
    MoveWingItem();
    columns.push_back(G.WingItemX);
  }
  EXPECT_EQ(columns, (std::vector<int>{1, 2, 2, 3, 4, 4}));
  EXPECT_EQ(Playfield().WingItem.Left(), 4 * GridCell);
  EXPECT_EQ(Playfield().WingItem.Top(), 7 * GridCell);
  EXPECT_TRUE(Playfield().WingItem.Visible());
}

TEST_F(WingItemTest, ANewItemMovesOnItsFirstOrSecondFrameDependingOnTheCounter) {
  G.WingItemTicks = 2;  // where the last item left it
  MoveWingItem();
  EXPECT_EQ(G.WingItemX, 0);
  MoveWingItem();
  EXPECT_EQ(G.WingItemX, 1);
  G.WingItemX = 0;
  G.WingItemTicks = 1;
  MoveWingItem();
  EXPECT_EQ(G.WingItemX, 1);
}

TEST_F(WingItemTest, TheItemIsDrawnOnColumnThirtyNineAtMostAndGoneAtForty) {
  G.WingItemX = 38;
  G.WingItemY = 19;
  MoveWingItem();
  EXPECT_TRUE(G.WingItemActive);
  EXPECT_EQ(Playfield().WingItem.Left(), 39 * GridCell);
  MoveWingItem();
  EXPECT_FALSE(G.WingItemActive);
  EXPECT_FALSE(Playfield().WingItem.Visible());
  EXPECT_EQ(Playfield().WingItem.Left(), 39 * GridCell);
  EXPECT_EQ(G.WingItemTicks, 2);  // leaving does not reset the counter
}

TEST_F(WingItemTest, TheEnergyItemAddsHalfTheEnergyUpToAHundred) {
  const std::pair<float, float> cases[] = {{50, 75}, {80, 100}, {66.7f, 100}, {1, 1.5f}};
  for (const auto& [before, after] : cases) {
    G.Energy = before;
    HitItem(10, 12, 4);
    EXPECT_EQ(G.Energy, after) << before;
  }
  EXPECT_FALSE(G.WingItemActive);
  EXPECT_FALSE(Playfield().WingItem.Visible());
  EXPECT_TRUE(Opened(world.midi, "Quor4.mid"));
}

TEST_F(WingItemTest, TheEnergyItemLeavesTheWingTheCountAndTheShotAlone) {
  G.WingNo = Wing::Double;
  G.ItemsTaken = 4;
  StatusPanel().WingLabel.SetCaption("before");
  HitItem(10, 12, 4);
  EXPECT_EQ(G.WingNo, Wing::Double);
  EXPECT_EQ(G.ItemsTaken, 4);
  EXPECT_TRUE(G.ShotActive);
  EXPECT_TRUE(Playfield().Shot.Visible());
  EXPECT_TRUE(Playfield().DoubleShotRight.Visible());
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "before");
  EXPECT_TRUE(world.waits.empty());
  EXPECT_EQ(world.toolkit.Now(), 0);
  // So the next Wing item is still only the fifth.
  HitItem(2, 12, 19);
  EXPECT_EQ(G.WingNo, Wing::Super);
}

TEST_F(WingItemTest, AWingItemGivesItsWingAndEndsTheAttackInFlight) {
  G.WingNo = Wing::Mirror;
  HitItem(6, 12, 19);
  EXPECT_EQ(G.WingNo, Wing::Collect);
  EXPECT_EQ(G.ItemsTaken, 1);
  EXPECT_EQ(Playfield().Character.ShownPicture(),
            WorkingBanks().CharacterPictures[6].ShownPicture());
  EXPECT_NE(Playfield().Character.ShownPicture(), nullptr);
  EXPECT_FALSE(G.ShotActive);
  EXPECT_FALSE(Playfield().Shot.Visible());
  EXPECT_FALSE(Playfield().DoubleShotRight.Visible());
  EXPECT_FALSE(G.WingItemActive);
  EXPECT_FALSE(Playfield().WingItem.Visible());
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Collect Wing)");
  EXPECT_EQ(G.Energy, 50);
  EXPECT_TRUE(Opened(world.midi, "Quor1.mid"));
  EXPECT_FALSE(Opened(world.midi, "Quor4.mid"));
}

TEST_F(WingItemTest, TheFifthWingItemOfAStageGivesWingTenAndTheSixthItsOwn) {
  G.ItemsTaken = 3;
  HitItem(2, 0, 19);
  EXPECT_EQ(G.WingNo, Wing::Speed);
  HitItem(1, 0, 19);
  EXPECT_EQ(G.ItemsTaken, 5);
  EXPECT_EQ(G.WingNo, Wing::Super);
  EXPECT_EQ(G.WingItemKind, ItemKind::Carrying(Wing::Super));
  EXPECT_EQ(Playfield().Character.ShownPicture(),
            WorkingBanks().CharacterPictures[10].ShownPicture());
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Super Quorvan)");
  HitItem(4, 0, 19);
  EXPECT_EQ(G.ItemsTaken, 6);
  EXPECT_EQ(G.WingNo, Wing::Slant);
}

TEST_F(WingItemTest, TheFlightTakesOnePauseARowDownToRowTwentyTwo) {
  HitItem(3, 20, 19);
  EXPECT_EQ(world.waits, std::vector<int>(4, 200));
  EXPECT_EQ(world.toolkit.Now(), 800);
  EXPECT_EQ(Playfield().WingItem.Top(), 22 * GridCell);

  world.waits.clear();
  G.WingItemActive = true;
  HitItem(3, 20, 0);
  EXPECT_EQ(world.waits, std::vector<int>(23, 200));
  EXPECT_EQ(world.toolkit.Now(), 800 + 4600);
}

TEST_F(WingItemTest, TheItemSlidesOneColumnARowTowardsTheCharacter) {
  G.PlayerX = 10;
  std::vector<std::pair<int, int>> path;  // (column, row) after each step
  auto& item = Playfield().WingItem;
  for (int step = 1; step < 8; ++step)
    world.toolkit.At(200 * step + 100, [&] {
      EXPECT_TRUE(item.Visible());
      path.emplace_back(item.Left() / GridCell, item.Top() / GridCell);
    });
  HitItem(3, 5, 15);
  path.emplace_back(item.Left() / GridCell, item.Top() / GridCell);
  const std::vector<std::pair<int, int>> expected = {{6, 15},  {7, 16},  {8, 17},  {9, 18},
                                                     {10, 19}, {10, 20}, {10, 21}, {10, 22}};
  EXPECT_EQ(path, expected);
  EXPECT_EQ(G.WingItemX, 10);
}

TEST_F(WingItemTest, AnItemHitFarFromTheCharacterGivesTheWingAwayFromItsColumn) {
  G.PlayerX = 2;
  HitItem(5, 30, 19);
  EXPECT_EQ(G.WingItemX, 26);
  EXPECT_EQ(Playfield().WingItem.Left(), 26 * GridCell);
  EXPECT_EQ(G.WingNo, Wing::AllHalf);
}

TEST_F(WingItemTest, InputDuringTheFlightIsKeptAndAWingEnteredThenIsOverwritten) {
  Playfield().Show();
  world.toolkit.At(300, [&] {
    world.toolkit.KeyDown(keys::Right, 0);
    G.WingNo = Wing::Speed;
  });
  HitItem(8, 4, 17);
  EXPECT_EQ(G.InputCommand, Command::Right);
  EXPECT_EQ(G.WingNo, Wing::Comet);
}

// Draws of the simulator's frame 1: slot 7 wanders, then an item enters on
// row 5 carrying Wing 3 and a comet starts in column 0.
const char* const ItemAndComet =
    "rnd 0.99 0   0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0 "
    " 0.99 0.99  0.005 0.25 0.25  0.99  0.05 0.0  0.99 ...\n"
    "at 1 key down 145\nentry 8\n";

// The file names say edition and kind: a picture from the wrong bank or slot shows.
TEST(WingItemSpawn, ANewItemShowsItsKindFromTheEditionsBank) {
  test::HeadlessWorld world;
  for (const Edition edition : {Edition::Standard, Edition::Vistrel}) {
    FillWorkingBanks(edition);
    for (int kind = 1; kind <= 10; ++kind) {
      G.WingItemActive = false;
      QueueRandomValues({0.0, 0.5, (kind - 1 + 0.5) / 10}, false);
      WingItemSpawnTest();
      ASSERT_EQ(G.WingItemKind.Number(), kind);
      const Picture* shown = Playfield().WingItem.ShownPicture();
      ASSERT_NE(shown, nullptr);
      char expected[16];
      std::snprintf(expected, sizeof expected, "item%d_%02d.xpm", EditionNumber(edition), kind);
      EXPECT_STREQ(shown->file, expected)
          << "edition " << EditionNumber(edition) << ", kind " << kind;
    }
  }
}

TEST(WingItemInPlay, TheItemDriftsRightAndLeavesAfterColumnThirtyNine) {
  const auto run = test::RunScenario(
      "rnd 0.99 0   0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0 "
      " 0.99 0.99  0.005 0.5 0.3  0.99 ...\nstop frames 70\n");
  EXPECT_EQ(run.Frame(1)["WingItemX"].get<int>(), 0);
  EXPECT_EQ(run.Frame(1)["WingItemY"].get<int>(), 10);
  EXPECT_EQ(run.Frame(1)["WingItemKind"].get<int>(), 4);
  // Fresh program: the counter stands at 0, so frames 2 and 3 move, 4 rests.
  std::vector<int> early;
  for (int n = 2; n <= 7; ++n) early.push_back(run.Frame(n)["WingItemX"].get<int>());
  EXPECT_EQ(early, (std::vector<int>{1, 2, 2, 3, 4, 4}));
  int last = 0;
  for (int n = 1; n <= 70 && run.Frame(n)["WingItemActive"].get<bool>(); ++n) {
    last = n;
    EXPECT_LE(run.Frame(n)["sprites"]["Image4"]["left"].get<int>(), 39 * GridCell);
  }
  EXPECT_EQ(run.Frame(last)["WingItemX"].get<int>(), 39);
  EXPECT_EQ(last, 59);  // the fortieth move, in frame 60, takes it off the field
  EXPECT_FALSE(run.Frame(last + 1)["sprites"]["Image4"]["visible"].get<bool>());
}

TEST(WingItemInPlay, ACometTakesTheItemAndItsFlightHoldsTheFrame) {
  const auto run = test::RunScenario(std::string(ItemAndComet) + "stop frames 6\n");
  EXPECT_EQ(run.Frame(3)["WingNo"].get<int>(), 8);
  EXPECT_TRUE(run.Frame(3)["WingItemActive"].get<bool>());
  // Frame 4: the comet on (3, 3) reaches the item on (2, 5).
  const auto& taken = run.Frame(4);
  EXPECT_FALSE(taken["WingItemActive"].get<bool>());
  EXPECT_EQ(taken["WingNo"].get<int>(), 3);
  EXPECT_EQ(taken["ItemsTaken"].get<int>(), 1);
  EXPECT_EQ(taken["Score"].get<int>(), 500);
  EXPECT_EQ(taken["labels"]["ScoreLabel"].get<std::string>(), "500");
  const int start = run.Frame(3)["t"].get<int>() + 160;
  EXPECT_EQ(taken["t"].get<int>(), start + 18 * 200);         // rows 5 to 22
  EXPECT_EQ(run.Frame(5)["t"].get<int>(), start + 23 * 160);  // ticks in the flight are absorbed
  int flightWaits = 0;
  for (const auto& w : run.Of("wait")) flightWaits += w["ms"].get<int>() == 200;
  EXPECT_EQ(flightWaits, 18);
  // The comet falls on without its Wing.
  EXPECT_TRUE(run.Frame(6)["CometActive"].get<bool>());
  EXPECT_EQ(run.Frame(6)["CometY"].get<int>(), 5);
}

}  // namespace
}  // namespace quorvan

#include <gtest/gtest.h>

#include "game/GameState.h"
#include "screens/GridPlacement.h"
#include "screens/Playfield.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

TEST(PlaceOnGrid, PutsTheSpriteOnTheCellsTopLeftCorner) {
  test::HeadlessWorld world;
  auto& sprite = Playfield().Bomb;
  PlaceOnGrid(0, 0, sprite);
  EXPECT_EQ(sprite.Left(), 0);
  EXPECT_EQ(sprite.Top(), 0);
  PlaceOnGrid(38, 23, sprite);
  EXPECT_EQ(sprite.Left(), 9120);
  EXPECT_EQ(sprite.Top(), 5520);
}

TEST(PlaceOnGrid, ANegativeCellPlacesTheSpriteOutsideTheFieldWithoutFailing) {
  test::HeadlessWorld world;
  auto& sprite = Playfield().Comet;
  PlaceOnGrid(-1, -3, sprite);
  EXPECT_EQ(sprite.Left(), -240);
  EXPECT_EQ(sprite.Top(), -720);
}

TEST(PlaceOnGrid, NeitherShowsNorHidesTheSprite) {
  test::HeadlessWorld world;
  auto& sprite = Playfield().Explosion;
  ASSERT_FALSE(sprite.Visible());
  PlaceOnGrid(3, 4, sprite);
  EXPECT_FALSE(sprite.Visible());
}

TEST(WaitMs, LastsUntilTheFirstTickOfTheWaitTimer) {
  test::HeadlessWorld world;
  Playfield().Load();
  const auto start = world.toolkit.Now();
  WaitMs(300);
  EXPECT_EQ(world.toolkit.Now() - start, 300);
  WaitMs(5);
  EXPECT_EQ(world.toolkit.Now() - start, 305);
}

TEST(WaitMs, LeavesTheWaitTimerDisabledWithIntervalZero) {
  test::HeadlessWorld world;
  WaitMs(200);
  EXPECT_FALSE(Playfield().PauseTimer.Enabled());
  EXPECT_EQ(Playfield().PauseTimer.Interval(), 0);
  EXPECT_FALSE(G.TickWait);
}

TEST(WaitMs, KeepsHandlingOtherEventsSuchAsTheFrameTick) {
  test::HeadlessWorld world;
  Playfield().FrameTimer.SetEnabled(true);  // ticks every 160 ms
  G.FrameWait = true;
  WaitMs(200);
  EXPECT_FALSE(G.FrameWait);
}

TEST(WaitMs, InputDuringThePauseIsStoredForTheNextFrame) {
  test::HeadlessWorld world;
  Playfield().Show();
  world.toolkit.At(world.toolkit.Now() + 100, [&] { world.toolkit.KeyDown(39, 0); });
  WaitMs(300);
  EXPECT_EQ(G.InputCommand, Command::Right);
}

}  // namespace
}  // namespace quorvan

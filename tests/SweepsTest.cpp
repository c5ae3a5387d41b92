#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "attacks/Shot.h"
#include "attacks/Sweeps.h"
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

struct Line {
  int x1, y1, x2, y2;
  Rgb colour;
  friend bool operator==(const Line&, const Line&) = default;
};

// The headless toolkit, with every line drawn on a window kept for reading.
class LineRecorder final : public Toolkit {
 public:
  explicit LineRecorder(HeadlessToolkit& inner) : inner_(inner) {}
  std::vector<Line> lines;

  void DrawLine(WindowId w, int x1, int y1, int x2, int y2, Rgb colour) override {
    lines.push_back({x1, y1, x2, y2, colour});
    inner_.DrawLine(w, x1, y1, x2, y2, colour);
  }
  WindowId CreateWindow(const WindowLayout& l, WindowEvents& e) override {
    return inner_.CreateWindow(l, e);
  }
  void DestroyWindow(WindowId w) override { inner_.DestroyWindow(w); }
  void ShowWindow(WindowId w) override { inner_.ShowWindow(w); }
  void HideWindow(WindowId w) override { inner_.HideWindow(w); }
  WindowRect GetWindowRect(WindowId w) override { return inner_.GetWindowRect(w); }
  void MoveWindow(WindowId w, const WindowRect& r) override { inner_.MoveWindow(w, r); }
  void SetWindowCaption(WindowId w, const std::string& c) override {
    inner_.SetWindowCaption(w, c);
  }
  void SetBackColor(WindowId w, Rgb c) override { inner_.SetBackColor(w, c); }
  void SetFocus(WindowId w) override { inner_.SetFocus(w); }
  void SetControlRect(WindowId w, int c, int l, int t, int wd, int h) override {
    inner_.SetControlRect(w, c, l, t, wd, h);
  }
  void SetControlVisible(WindowId w, int c, bool v) override { inner_.SetControlVisible(w, c, v); }
  void SetControlText(WindowId w, int c, const std::string& t) override {
    inner_.SetControlText(w, c, t);
  }
  void SetControlPicture(WindowId w, int c, const Picture* p) override {
    inner_.SetControlPicture(w, c, p);
  }
  bool IsOptionSelected(WindowId w, int c) override { return inner_.IsOptionSelected(w, c); }
  void SetTimer(WindowId w, int c, int ms, bool on) override { inner_.SetTimer(w, c, ms, on); }
  void ClearSurface(WindowId w) override { inner_.ClearSurface(w); }
  void PrintText(WindowId w, int x, int y, const std::string& t) override {
    inner_.PrintText(w, x, y, t);
  }
  int TextHeight(WindowId w, const std::string& t) override { return inner_.TextHeight(w, t); }
  std::string AskText(const std::string& p, const std::string& t, const std::string& d) override {
    return inner_.AskText(p, t, d);
  }
  void PumpEvents() override { inner_.PumpEvents(); }
  void ProcessPendingEvents() override {
    ++pendingPumps;
    inner_.ProcessPendingEvents();
  }
  std::uint64_t ClockSeed() override { return inner_.ClockSeed(); }
  int ScreenWidth() override { return inner_.ScreenWidth(); }
  int ScreenHeight() override { return inner_.ScreenHeight(); }
  void EndProgram(int code) override { inner_.EndProgram(code); }

  int pendingPumps = 0;

 private:
  HeadlessToolkit& inner_;
};

constexpr Rgb CurtainCyan{0, 128, 128};
constexpr Rgb CurtainBlack{0, 0, 0};

// Enemies in pairs on columns 19 and 20, the two sides of the middle; every
// respawn lands on (38, 19).
class SweepTest : public ::testing::Test {
 protected:
  SweepTest() : lines(world.toolkit) {
    InstallToolkit(&lines);
    Playfield().Load();
    for (std::size_t i = 0; i < EnemyCount; ++i) {
      G.EnemyX[i] = i % 2 == 0 ? 19 : 20;
      G.EnemyY[i] = static_cast<int>(i);
    }
    G.EnemiesLeft = 50;
    G.Energy = 50;
    G.ShotActive = true;
    G.ShotX = 3;
    G.ShotY = 22;
    QueueRandomValues({0.99}, true);
  }

  bool PlayedMusic(const std::string& file) const {
    for (const auto& command : world.midi)
      if (command.find(file) != std::string::npos && command.starts_with("open ")) return true;
    return false;
  }

  std::vector<std::string> WavFiles() const {
    std::vector<std::string> files;
    for (const auto& [file, flags] : world.wav) files.push_back(file);
    return files;
  }

  test::HeadlessWorld world;
  LineRecorder lines;
};

// --- the half sweep ---

TEST_F(SweepTest, ColumnNineteenIsTheLeftHalfAndTwentyTheRight) {
  G.WingNo = Wing::AllHalf;
  G.PlayerX = 19;
  UpdateShot();
  for (std::size_t i = 0; i < EnemyCount; i += 2) EXPECT_EQ(G.EnemyX[i], 38) << i;
  for (std::size_t i = 1; i < EnemyCount; i += 2) EXPECT_EQ(G.EnemyX[i], 20) << i;
  EXPECT_EQ(G.EnemiesLeft, 46);
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "46");

  G.ShotActive = true;
  G.PlayerX = 20;
  for (std::size_t i = 0; i < EnemyCount; ++i) G.EnemyX[i] = i % 2 == 0 ? 19 : 20;
  UpdateShot();
  for (std::size_t i = 0; i < EnemyCount; i += 2) EXPECT_EQ(G.EnemyX[i], 19) << i;
  EXPECT_EQ(G.EnemiesLeft, 42);
}

TEST_F(SweepTest, EachSweepKillIsWorthFiftyWithABlastASoundAndAPause) {
  G.PlayerX = 0;
  G.Score = 1000;
  G.HitBonus = 300;
  std::pair<std::size_t, std::int32_t> duringFirstPause{};
  world.toolkit.At(100, [&] { duringFirstPause = {world.wav.size(), G.Score}; });
  SweepHalf();
  EXPECT_EQ(duringFirstPause, std::make_pair(std::size_t{1}, std::int32_t{1050}));
  EXPECT_EQ(G.Score, 1000 + 4 * 50);
  EXPECT_EQ(G.HitBonus, 300);
  EXPECT_EQ(WavFiles(), std::vector<std::string>(4, "Bang1.Wav"));
  EXPECT_EQ(world.waits, std::vector<int>(4, 300));
  EXPECT_EQ(world.toolkit.Now(), 1200);
  EXPECT_EQ(Playfield().Explosion.Left(), 19 * GridCell);  // slot 6's old cell, the last blast
  EXPECT_EQ(Playfield().Explosion.Top(), 6 * GridCell);
  EXPECT_EQ(Playfield().Enemies[6].Left(), 38 * GridCell);
}

TEST_F(SweepTest, AHalfSweepWithNoEnemyOnItsSideStillPlaysDrawsAndEndsTheAttack) {
  for (std::size_t i = 0; i < EnemyCount; ++i) G.EnemyX[i] = 25;
  G.PlayerX = 10;
  G.Score = 80;
  SweepHalf();
  EXPECT_TRUE(PlayedMusic("Quor9.mid"));
  EXPECT_EQ(world.toolkit.LinesDrawn(), 2751 + 1376);
  EXPECT_FALSE(G.ShotActive);
  EXPECT_EQ(G.Score, 80);
  EXPECT_EQ(G.EnemiesLeft, 50);
  EXPECT_TRUE(world.wav.empty());
  EXPECT_EQ(world.toolkit.Now(), 0);
}

TEST_F(SweepTest, TheLeftCurtainRunsFromTheLeftEdgeToTheMiddleCyanThenBlack) {
  G.PlayerX = 0;
  SweepHalf();
  ASSERT_EQ(lines.lines.size(), 2751u + 1376u);
  EXPECT_EQ(lines.lines[0], (Line{0, 5500, 4800, 5500, CurtainCyan}));
  EXPECT_EQ(lines.lines[1], (Line{0, 5498, 4800, 5498, CurtainCyan}));
  EXPECT_EQ(lines.lines[2750], (Line{0, 0, 4800, 0, CurtainCyan}));
  EXPECT_EQ(lines.lines[2751], (Line{0, 5500, 4800, 5500, CurtainBlack}));
  EXPECT_EQ(lines.lines[2752], (Line{0, 5496, 4800, 5496, CurtainBlack}));
  EXPECT_EQ(lines.lines.back(), (Line{0, 0, 4800, 0, CurtainBlack}));
  EXPECT_EQ(lines.pendingPumps, 2751 + 1376);
}

TEST_F(SweepTest, TheRightCurtainRunsFromTheRightEdgeToTheMiddle) {
  G.PlayerX = 20;
  SweepHalf();
  EXPECT_EQ(lines.lines.front(), (Line{9600, 5500, 4800, 5500, CurtainCyan}));
  EXPECT_EQ(lines.lines.back(), (Line{9600, 0, 4800, 0, CurtainBlack}));
}

TEST_F(SweepTest, TheCurtainReadsTheHeightOnceAPassAndTheWidthForEveryLine) {
  G.PlayerX = 30;
  world.toolkit.At(0, [] {
    auto rect = Playfield().Rect();
    rect.width = 8000;
    rect.height = 3000;
    Playfield().Move(rect);
  });
  SweepHalf();
  // The change comes in the pump after the first line.
  EXPECT_EQ(lines.lines[0], (Line{9600, 5500, 4800, 5500, CurtainCyan}));
  EXPECT_EQ(lines.lines[1], (Line{8000, 5498, 4000, 5498, CurtainCyan}));
  ASSERT_EQ(lines.lines.size(), 2751u + (2500u / 4 + 1));
  EXPECT_EQ(lines.lines[2751], (Line{8000, 2500, 4000, 2500, CurtainBlack}));
}

TEST_F(SweepTest, AWindowTooSmallForTheCurtainDrawsNothingButTheKillsStillHappen) {
  auto rect = Playfield().Rect();
  rect.height = 499;
  Playfield().Move(rect);
  G.WingNo = Wing::Super;
  UpdateShot();
  EXPECT_EQ(world.toolkit.LinesDrawn(), 0);
  EXPECT_EQ(G.EnemiesLeft, 42);
}

TEST_F(SweepTest, TheHalfSweepTakesAWingItemOnItsSideWhateverTheRow) {
  G.PlayerX = 19;
  G.WingItemActive = true;
  G.WingItemKind = ItemKind::Energy();  // energy: 50 becomes 75
  G.WingItemX = 19;
  G.WingItemY = 0;
  SweepHalf();
  EXPECT_EQ(G.Score, 4 * 50 + 500);
  EXPECT_FALSE(G.WingItemActive);
  EXPECT_EQ(G.Energy, 75);
}

TEST_F(SweepTest, TheHalfSweepLeavesAWingItemOnTheOtherSide) {
  G.PlayerX = 20;
  test::PutWingItem(ItemKind::Energy(), 19, 12);
  SweepHalf();
  EXPECT_EQ(G.Score, 4 * 50);
  EXPECT_TRUE(G.WingItemActive);
  EXPECT_EQ(G.Energy, 50);
}

TEST_F(SweepTest, AWingItemTakenByTheHalfSweepScoresAfterItsFlightAndGivesItsWing) {
  G.PlayerX = 30;
  for (std::size_t i = 0; i < EnemyCount; ++i) G.EnemyX[i] = 5;
  G.Edition = Edition::Standard;
  G.WingNo = Wing::AllHalf;
  test::PutWingItem(ItemKind::Carrying(Wing::Slant), 33, 20);
  std::int32_t scoreDuringFlight = -1;
  world.toolkit.At(100, [&] { scoreDuringFlight = G.Score; });
  UpdateShot();
  EXPECT_EQ(scoreDuringFlight, 0);
  EXPECT_EQ(world.waits, (std::vector<int>{200, 200, 200}));  // rows 20 to 22
  EXPECT_EQ(G.Score, 500);
  EXPECT_EQ(G.WingNo, Wing::Slant);
  EXPECT_FALSE(G.ShotActive);
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "500");
}

// --- the full sweep ---

TEST_F(SweepTest, TheFullSweepTakesEightEnemiesAndAddsFourHundred) {
  G.WingNo = Wing::Super;
  G.EnemiesLeft = 5;
  G.Score = 40;
  UpdateShot();
  EXPECT_EQ(G.EnemiesLeft, -3);
  EXPECT_EQ(G.Score, 440);
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "-3");
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "440");
  EXPECT_FALSE(G.ShotActive);
  EXPECT_TRUE(PlayedMusic("Quor8.mid"));
  EXPECT_FALSE(PlayedMusic("Quor9.mid"));
  EXPECT_EQ(world.waits, std::vector<int>(8, 300));
  EXPECT_EQ(world.toolkit.Now(), 2400);
  EXPECT_EQ(WavFiles(), std::vector<std::string>(8, "Bang1.Wav"));
}

TEST_F(SweepTest, TheFullCurtainDrawsEveryBrightLineInAColourOfItsOwnThenBlack) {
  std::vector<double> draws;
  for (int n = 0; n < 551; ++n) draws.push_back((n % 16 + 0.5) / 16);
  draws.push_back(0.5);   // slot 0 reappears on column 19 ...
  draws.push_back(0.25);  // ... row 5
  draws.push_back(0.99);
  QueueRandomValues(draws, true);
  SweepAll();
  ASSERT_EQ(lines.lines.size(), 551u + 551u);
  for (std::size_t n = 0; n < 551; ++n) {
    const int y = 5500 - 10 * static_cast<int>(n);
    EXPECT_EQ(lines.lines[n], (Line{0, y, 9600, y, Palette16[n % 16]})) << n;
    EXPECT_EQ(lines.lines[551 + n], (Line{0, y, 9600, y, CurtainBlack})) << n;
  }
  EXPECT_EQ(G.EnemyX[0], 19);
  EXPECT_EQ(G.EnemyY[0], 5);
  EXPECT_EQ(G.EnemyX[1], 38);
}

TEST_F(SweepTest, TheFullSweepNeverTouchesTheWingItem) {
  G.PlayerX = 19;
  test::PutWingItem(ItemKind::Energy(), 19, 4);
  SweepAll();
  EXPECT_TRUE(G.WingItemActive);
  EXPECT_EQ(G.Energy, 50);
  EXPECT_EQ(G.Score, 400);
}

// --- the Collect Wing ---

class CollectTest : public SweepTest {
 protected:
  CollectTest() {
    G.Edition = Edition::Standard;
    G.WingNo = Wing::Collect;
    G.PlayerX = 12;
    FillWorkingBanks(Edition::Standard);
  }
};

TEST_F(CollectTest, EveryEnemyMovesIntoTheCharactersColumnAndKeepsItsRow) {
  QueueRandomValues({0.3}, false);
  UpdateShot();
  for (std::size_t i = 0; i < EnemyCount; ++i) {
    EXPECT_EQ(G.EnemyX[i], 12) << i;
    EXPECT_EQ(G.EnemyY[i], static_cast<int>(i)) << i;
    EXPECT_EQ(Playfield().Enemies[i].Left(), 12 * GridCell) << i;
    EXPECT_EQ(Playfield().Enemies[i].Top(), static_cast<int>(i) * GridCell) << i;
  }
  EXPECT_EQ(G.EnemiesLeft, 50);
}

TEST_F(CollectTest, TheWingBecomesThreeOrTwoWithItsPictureAndName) {
  const auto& banks = WorkingBanks();
  ASSERT_NE(banks.CharacterPictures[2].ShownPicture(), banks.CharacterPictures[3].ShownPicture());
  QueueRandomValues({0.49}, false);
  UpdateShot();
  EXPECT_EQ(G.WingNo, Wing::Double);
  EXPECT_EQ(Playfield().Character.ShownPicture(), banks.CharacterPictures[3].ShownPicture());
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Double Wing)");

  G.WingNo = Wing::Collect;
  QueueRandomValues({0.5}, false);
  UpdateShot();
  EXPECT_EQ(G.WingNo, Wing::Speed);
  EXPECT_EQ(Playfield().Character.ShownPicture(), banks.CharacterPictures[2].ShownPicture());
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Speed Wing)");
}

TEST_F(CollectTest, TheShotStaysInFlightWhereItWas) {
  UpdateShot();
  EXPECT_TRUE(G.ShotActive);
  EXPECT_EQ(G.ShotX, 3);
  EXPECT_EQ(G.ShotY, 22);
  EXPECT_TRUE(lines.lines.empty());
  EXPECT_TRUE(world.midi.empty());
}

// --- in play ---

TEST(CollectInPlay, TheCollectedColumnIsSweptByTheSpeedWingShotThatFollows) {
  // Rows 0, 1, 3, 4, 6, 7, 9 and 0 for slots 0..7; later draws of 0.99 make
  // the Collect Wing a Speed Wing and send every destroyed enemy to (38, 19).
  const auto run = test::RunScenario(
      "rnd 0.5 0.0  0.5 0.1  0.5 0.2  0.5 0.3  0.5 0.4  0.5 0.5  0.5 0.6  0.5 0.0  0.99 ...\n"
      "at 1 key down 145\nentry 6\nat 3 key down space\nstop frames 11\n");
  const auto& collected = run.Frame(3);
  EXPECT_EQ(collected["WingNo"].get<int>(), 2);
  EXPECT_TRUE(collected["ShotActive"].get<bool>());
  EXPECT_EQ(collected["ShotY"].get<int>(), 22);
  for (std::size_t i = 0; i < EnemyCount; ++i) EXPECT_EQ(collected["EnemyX"][i].get<int>(), 0);
  EXPECT_EQ(collected["labels"]["WingLabel"].get<std::string>(), "Quorvan (with Speed Wing)");
  EXPECT_EQ(run.Frame(4)["ShotY"].get<int>(), 19);
  const auto& last = run.Frame(11);
  EXPECT_FALSE(last["ShotActive"].get<bool>());
  EXPECT_EQ(last["Score"].get<int>(), 50 * (1 + 2 + 3 + 4 + 5 + 6 + 7 + 8));
  EXPECT_EQ(last["EnemiesLeft"].get<int>(), 42);
}

TEST(SweepInPlay, SuperQuorvanPausesEightTimesThreeHundredMilliseconds) {
  const auto run = test::RunScenario(
      "rnd 0.99 ...\nat 1 key down 145\nentry 10\n"
      "at 2 key down space\nstop frames 3\n");
  std::vector<int> pauses;
  for (const auto& wait : run.Of("wait")) pauses.push_back(wait["ms"].get<int>());
  EXPECT_EQ(pauses, std::vector<int>(8, 300));
  EXPECT_EQ(run.Frame(2)["EnemiesLeft"].get<int>(), 42);
  EXPECT_EQ(run.Frame(2)["Score"].get<int>(), 400);
  EXPECT_FALSE(run.Frame(2)["ShotActive"].get<bool>());
  EXPECT_GE(run.Frame(3)["t"].get<int>() - run.Frame(2)["t"].get<int>(), 160);
  EXPECT_GE(run.Frame(2)["t"].get<int>() - run.Frame(1)["t"].get<int>(), 2400);
}

}  // namespace
}  // namespace quorvan

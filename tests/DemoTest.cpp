#include <gtest/gtest.h>

#include <algorithm>

#include "screens/Demo.h"
#include "screens/Palette.h"
#include "screens/Pictures.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

constexpr int HideMs = 4800;

// The demo window on a bare headless world, its clock run by hand.
class DemoTest : public ::testing::Test {
 protected:
  DemoTest() { OpeningDemo().Show(); }

  // Runs every tick up to and including time `ms`.
  void RunTo(int ms) {
    world.toolkit.At(ms, [] {});
    while (world.toolkit.Now() < ms) world.toolkit.PumpEvents();
    world.toolkit.ProcessPendingEvents();
  }
  // The moment just before the tick of step v, and the tick itself.
  static int Before(int step) { return (step + 1) * DemoTickMs - 1; }
  static int At(int step) { return (step + 1) * DemoTickMs; }

  const ControlLayout& Design(const char* name, int index = -1) {
    auto& demo = OpeningDemo();
    return demo.Layout().controls[static_cast<std::size_t>(demo.ControlIndex(name, index))];
  }

  test::HeadlessWorld world;
};

std::vector<std::string> Texts(const test::SimRun& run) {
  std::vector<std::string> out;
  for (const auto& e : run.events) {
    const auto& ev = e["ev"].get<std::string>();
    if (ev == "window")
      out.push_back(std::to_string(e["t"].get<int>()) + " " + e["name"].get<std::string>() + " " +
                    e["action"].get<std::string>());
    if (ev == "wav")
      out.push_back(std::to_string(e["t"].get<int>()) + " " + e["file"].get<std::string>() + " " +
                    std::to_string(e["flags"].get<int>()));
  }
  return out;
}

// --- the whole start-up in the simulator ---

TEST(DemoRun, TheJinglePlaysAt400msAndTheSetupWindowFollowsTheDemoAt4800ms) {
  const auto texts = Texts(test::RunScenario("stop frames 1\n"));
  const std::vector<std::string> start(texts.begin(), texts.begin() + 7);
  EXPECT_EQ(start,
            (std::vector<std::string>{"0 Demoform load", "0 Demoform show", "400 ZTDEMO.WAV 1",
                                      "4800 Demoform hide", "4800 Demoform unload",
                                      "4800 Form5 load", "4800 Form5 show"}));
}

TEST(DemoRun, ShiftBeforeTheSecondTickMeansNoJingleAtAll) {
  const auto texts = Texts(test::RunScenario("at 300ms key down 16 1\nstop frames 1\n"));
  const std::vector<std::string> start(texts.begin(), texts.begin() + 4);
  EXPECT_EQ(start, (std::vector<std::string>{"0 Demoform load", "0 Demoform show",
                                             "300 Dummy.wav 3", "4800 Demoform hide"}));
}

TEST(DemoRun, ShiftDuringTheJingleCutsItAndTheDemoGoesOnToItsEnd) {
  const auto texts = Texts(test::RunScenario("at 1300ms key down 65 1\nstop frames 1\n"));
  const std::vector<std::string> start(texts.begin(), texts.begin() + 5);
  EXPECT_EQ(start,
            (std::vector<std::string>{"0 Demoform load", "0 Demoform show", "400 ZTDEMO.WAV 1",
                                      "1300 Dummy.wav 3", "4800 Demoform hide"}));
}

TEST(DemoRun, AKeyWithoutShiftCtrlOrAltChangesNothing) {
  const auto plain = Texts(test::RunScenario("at 300ms key down 16\nstop frames 1\n"));
  const auto none = Texts(test::RunScenario("stop frames 1\n"));
  EXPECT_EQ(plain, none);
}

// --- the window itself ---

TEST_F(DemoTest, TheWindowIsCentredOnTheScreen) {
  const WindowRect r = OpeningDemo().Rect();
  EXPECT_EQ(r.left, HeadlessToolkit::ScreenWidthTwips / 2 - 3765 / 2);
  EXPECT_EQ(r.top, HeadlessToolkit::ScreenHeightTwips / 2 - 1380 / 2);
}

TEST_F(DemoTest, LoadHidesTheYearAndStrokesAndReadiesTheStandingHero) {
  auto& demo = OpeningDemo();
  EXPECT_FALSE(demo.YearLabel.Visible());
  for (int n = 1; n <= LogoStrokes; ++n) EXPECT_FALSE(demo.LogoStroke(n).Visible()) << n;
  EXPECT_FALSE(demo.Hero.Visible());
  EXPECT_EQ(demo.Hero.ShownPicture(), &pictures::DemoPose[0]);
  EXPECT_EQ(demo.Hero.Left(), 120);
  EXPECT_EQ(demo.Hero.Top(), 800);
  EXPECT_EQ(demo.StepTimer.Interval(), DemoTickMs);
  EXPECT_EQ(demo.DemoStep, 0);
}

TEST_F(DemoTest, EachGroupOfStrokesAppearsAtItsStepInItsColour) {
  struct Group {
    int step, first, last;
    Rgb colour;
  };
  const Group groups[] = {{4, 1, 2, Cyan},  {5, 3, 6, Green},     {6, 7, 9, White},
                          {7, 10, 13, Red}, {8, 14, 17, Magenta}, {9, 18, 19, Yellow}};
  auto& demo = OpeningDemo();
  for (const Group& g : groups) {
    RunTo(Before(g.step));
    for (int n = g.first; n <= g.last; ++n) EXPECT_FALSE(demo.LogoStroke(n).Visible()) << n;
    RunTo(At(g.step));
    for (int n = 1; n <= LogoStrokes; ++n) {
      EXPECT_EQ(demo.LogoStroke(n).Visible(), n <= g.last)
          << "stroke " << n << " at step " << g.step;
    }
    for (int n = g.first; n <= g.last; ++n) EXPECT_EQ(Design("Line1", n).fore, g.colour) << n;
  }
  EXPECT_EQ(world.toolkit.Now(), 2000);
}

TEST_F(DemoTest, TheHeroHopsThroughItsPosesAndEndsVisibleAt140By50) {
  struct Pose {
    int step, left, top, picture;
  };
  const Pose poses[] = {{4, 50, 800, 1},  {5, 120, 800, 0}, {6, 120, 50, 2},
                        {7, 120, 800, 0}, {8, 120, 50, 2},  {9, 140, 50, 3}};
  auto& demo = OpeningDemo();
  RunTo(Before(4));
  EXPECT_FALSE(demo.Hero.Visible());
  for (const Pose& p : poses) {
    RunTo(At(p.step));
    EXPECT_EQ(demo.Hero.Left(), p.left) << "step " << p.step;
    EXPECT_EQ(demo.Hero.Top(), p.top) << "step " << p.step;
    EXPECT_EQ(demo.Hero.ShownPicture(), &pictures::DemoPose[static_cast<std::size_t>(p.picture)])
        << "step " << p.step;
    EXPECT_EQ(demo.Hero.Width(),
              pictures::DemoPose[static_cast<std::size_t>(p.picture)].width * TwipsPerPixel);
    EXPECT_TRUE(demo.Hero.Visible()) << "step " << p.step;
  }
  RunTo(HideMs);
  EXPECT_EQ(demo.Hero.Left(), 140);
  EXPECT_EQ(demo.Hero.Top(), 50);
}

TEST_F(DemoTest, TheYearAppearsAt2800ms) {
  RunTo(Before(13));
  EXPECT_FALSE(OpeningDemo().YearLabel.Visible());
  RunTo(At(13));
  EXPECT_TRUE(OpeningDemo().YearLabel.Visible());
  EXPECT_EQ(Design("Label1").caption, std::string("1997"));
  EXPECT_EQ(Design("Label1").fore, Green);
}

TEST_F(DemoTest, StepTwentyThreeStopsTheTimerAndHidesTheWindowAt4800ms) {
  auto& demo = OpeningDemo();
  RunTo(HideMs - 1);
  EXPECT_TRUE(demo.Visible());
  RunTo(HideMs);
  EXPECT_FALSE(demo.Visible());
  EXPECT_TRUE(demo.Loaded());
  EXPECT_EQ(demo.StepTimer.Interval(), 0);
  EXPECT_EQ(demo.DemoStep, 24);  // counted on the last tick too
  world.toolkit.At(HideMs + 1000, [] {});
  world.toolkit.PumpEvents();
  EXPECT_EQ(demo.DemoStep, 24);  // and no tick after it
}

TEST_F(DemoTest, ShiftCtrlOrAltEachSilenceTheJingle) {
  RunTo(0);  // the shown window takes the keys
  for (int shift : {1, 2, 4, 7}) {
    OpeningDemo().NoPlayMode = false;
    world.wav.clear();
    world.toolkit.KeyDown(65, shift);
    EXPECT_EQ(world.wav, (std::vector<std::pair<std::string, int>>{{"Dummy.wav", 3}})) << shift;
    EXPECT_TRUE(OpeningDemo().NoPlayMode) << shift;
  }
}

TEST_F(DemoTest, AFreshWindowStartsAtStepZeroWithTheJingleAllowed) {
  auto& demo = OpeningDemo();
  world.toolkit.At(300, [&] { world.toolkit.KeyDown(16, 1); });
  RunTo(HideMs);
  ASSERT_TRUE(demo.NoPlayMode);
  demo.Unload();
  world.wav.clear();
  const int shownAt = HideMs + 1000;
  world.toolkit.At(shownAt, [] { OpeningDemo().Show(); });
  RunTo(shownAt);
  EXPECT_EQ(demo.DemoStep, 0);
  EXPECT_FALSE(demo.NoPlayMode);
  RunTo(shownAt + At(1));
  EXPECT_EQ(world.wav, (std::vector<std::pair<std::string, int>>{{"ZTDEMO.WAV", 1}}));
}

// The hero hops over the left of the window and the year sits at the bottom
// right; the lettering must keep clear of both, inside the client area.
TEST_F(DemoTest, TheLogoLiesInsideTheWindowClearOfTheHeroAndTheYear) {
  int heroRight = 0;
  auto& demo = OpeningDemo();
  for (int step = 4; step <= 9; ++step) {
    RunTo(At(step));
    heroRight = std::max(heroRight, demo.Hero.Left() + demo.Hero.Width());
  }
  const auto& year = Design("Label1");
  for (int n = 1; n <= LogoStrokes; ++n) {
    const auto& s = Design("Line1", n);
    for (auto [x, y] : {std::pair(s.left, s.top), std::pair(s.width, s.height)}) {
      EXPECT_GT(x, heroRight) << "stroke " << n;
      EXPECT_LT(x, 3765) << "stroke " << n;
      EXPECT_GE(y, 0) << "stroke " << n;
      EXPECT_LT(y, 1380) << "stroke " << n;
      EXPECT_FALSE(x >= year.left && y >= year.top) << "stroke " << n << " under the year";
    }
  }
}

}  // namespace
}  // namespace quorvan

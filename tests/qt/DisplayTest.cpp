// The scale the game draws at: chosen from the screen, or asked for.
#include <gtest/gtest.h>

#include "platform/qt/CommandLine.h"
#include "platform/qt/DisplayScale.h"

namespace quorvan {
namespace {

TEST(DisplayScale, TheLargestWholeScaleAtWhichThePairFitsNineTenthsOfTheScreen) {
  struct Case {
    int width, height, scale;
  };
  const Case cases[] = {
      {800, 600, 1},   {1024, 768, 1},  {1366, 768, 1},  {1920, 1080, 2},
      {2560, 1440, 2}, {3840, 2160, 4}, {7680, 4320, 8}, {20000, 20000, LargestScale},
      {1422, 1000, 1}, {1423, 1000, 2}, {1500, 1000, 2},  // 1280 px wide fits 90% of 1423
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseScale(c.width, c.height), c.scale) << c.width << " x " << c.height;
}

TEST(DisplayScale, TheCommandLineTakesAScaleFromOneToEight) {
  struct Case {
    std::vector<const char*> args;
    CommandLine::Action action;
    int scale;
  };
  const Case cases[] = {
      {{"quorvan"}, CommandLine::Action::Play, 0},
      {{"quorvan", "--scale", "1"}, CommandLine::Action::Play, 1},
      {{"quorvan", "--scale", "8"}, CommandLine::Action::Play, 8},
      {{"quorvan", "--scale", "0"}, CommandLine::Action::Refuse, 0},
      {{"quorvan", "--scale", "9"}, CommandLine::Action::Refuse, 0},
      {{"quorvan", "--scale", "12"}, CommandLine::Action::Refuse, 0},
      {{"quorvan", "--scale", "x"}, CommandLine::Action::Refuse, 0},
      {{"quorvan", "--scale"}, CommandLine::Action::Refuse, 0},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(static_cast<int>(c.args.size()), c.args.data());
    EXPECT_EQ(line.action, c.action) << c.args.back();
    EXPECT_EQ(line.scale, c.scale) << c.args.back();
  }
}

}  // namespace
}  // namespace quorvan

// The scale the game draws at, and the platform it asks for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/qt/CommandLine.h"
#include "platform/qt/DisplayOpen.h"
#include "platform/qt/DisplayScale.h"

namespace quorvan {
namespace {

TEST(DisplayScale, TheLargestWholeScaleAtWhichThePairFitsNineTenthsOfTheScreen) {
  const int cases[][3] = {{800, 600, 1},   {1024, 768, 1},   {1366, 768, 1},  {1422, 1000, 1},
                          {1423, 1000, 2}, {1920, 1080, 2},  {2560, 1440, 2}, {3840, 2160, 4},
                          {7680, 4320, 8}, {20000, 20000, 8}};
  for (const auto& c : cases) EXPECT_EQ(ChooseScale(c[0], c[1]), c[2]) << c[0] << "x" << c[1];
}

TEST(DisplayScale, TheCommandLineTakesAScaleFromOneToEight) {
  const std::pair<const char*, int> cases[] = {{"1", 1},   {"8", 8},   {"0", -1},    {"9", -1},
                                               {"12", -1}, {"-1", -1}, {nullptr, -1}};
  for (const auto& [n, scale] : cases) {
    const char* argv[] = {"quorvan", "--scale", n};
    const CommandLine line = ParseCommandLine(n ? 3 : 2, argv);
    EXPECT_EQ(line.action == CommandLine::Action::Refuse ? -1 : line.scale, scale) << (n ? n : "");
  }
}

// XWayland when it is there and nobody chose a platform; nothing otherwise.
TEST(DisplayOpen, UnderWaylandWithXWaylandBesideItTheGameAsksForXcb) {
  const char* const cases[][4] = {{"wayland-0", ":9", "", "xcb"},
                                  {"wayland-0", "", "", ""},
                                  {"", ":9", "", ""},
                                  {"wayland-0", ":9", "wayland", "wayland"}};
  const char* names[] = {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
  std::string saved[3];
  for (int i = 0; i < 3; ++i) saved[i] = getenv(names[i]) ? getenv(names[i]) : "";
  for (const auto& c : cases) {
    for (int i = 0; i < 3; ++i) setenv(names[i], c[i], 1);
    PreferX11UnderWayland();
    EXPECT_STREQ(getenv("QT_QPA_PLATFORM"), c[3]) << c[0] << " " << c[1] << " " << c[2];
  }
  for (int i = 0; i < 3; ++i) setenv(names[i], saved[i].c_str(), 1);
}

}  // namespace
}  // namespace quorvan

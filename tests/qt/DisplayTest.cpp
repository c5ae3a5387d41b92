// The scale the game draws at: chosen from the screen, or asked for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/CommandLine.h"
#include "platform/qt/DisplayOpen.h"
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

// XWayland when it is there and nobody chose a platform; nothing otherwise.
TEST(DisplayOpen, UnderWaylandWithXWaylandBesideItTheGameAsksForXcb) {
  struct Case {
    const char *wayland, *x11, *chosen, *wanted;
  };
  const Case cases[] = {
      {"wayland-0", ":0", nullptr, "xcb"},
      {"wayland-0", nullptr, nullptr, nullptr},
      {nullptr, ":0", nullptr, nullptr},
      {"wayland-0", ":0", "wayland", "wayland"},
  };
  auto put = [](const char* name, const char* value) {
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  };
  // The environment the other tests run in comes back afterwards.
  std::vector<std::pair<const char*, std::optional<std::string>>> saved;
  for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  for (const Case& c : cases) {
    put("WAYLAND_DISPLAY", c.wayland);
    put("DISPLAY", c.x11);
    put("QT_QPA_PLATFORM", c.chosen);
    PreferX11UnderWayland();
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    EXPECT_EQ(platform ? std::string(platform) : "-", c.wanted ? c.wanted : "-")
        << (c.wayland ? "wayland " : "") << (c.x11 ? "x11 " : "") << (c.chosen ? c.chosen : "");
  }
  for (const auto& [name, value] : saved) put(name, value ? value->c_str() : nullptr);
}

}  // namespace
}  // namespace quorvan

// The pads as SDL reads them, played on SDL's virtual pads.
#include <gtest/gtest.h>
#include <poll.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "platform/sdl/SdlGamepads.h"
#include "platform/sdl/SdlOutput.h"
#include "platform/sdl/SdlSetup.h"
#include "tests/pads/VirtualPad.h"

namespace quorvan {
namespace {

using test::TellingListener;
using test::VirtualPad;
using Told = std::vector<std::string>;

class SdlPads : public ::testing::Test {
 protected:
  void SetUp() override {
    pads = std::make_unique<SdlGamepads>();
    pads->Update(heard);  // sets SDL up
    ASSERT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u) << SDL_GetError();
  }
  void TearDown() override {
    extra.reset();
    pad.reset();
    pads.reset();
  }
  // A pad plugged in and found by the next update.
  std::unique_ptr<VirtualPad> PlugIn() {
    auto plugged = std::make_unique<VirtualPad>();
    EXPECT_TRUE(plugged->Plugged()) << SDL_GetError();
    const int before = heard.pads;
    pads->Update(heard);
    EXPECT_EQ(heard.pads, before + 1);
    return plugged;
  }
  Told Heard() {
    pads->Update(heard);
    return heard.Take();
  }

  TellingListener heard;
  std::unique_ptr<SdlGamepads> pads;
  std::unique_ptr<VirtualPad> pad;
  std::unique_ptr<VirtualPad> extra;
};

TEST_F(SdlPads, EachButtonAndDirectionIsHeldAsLongAsThePadHoldsIt) {
  pad = PlugIn();
  struct Case {
    const char* what;
    std::function<void(VirtualPad&, bool)> hold;
    Told pressed;  // and released, with "-"
  };
  const auto button = [](SDL_GameControllerButton b) {
    return [b](VirtualPad& p, bool down) { p.Button(b, down); };
  };
  const auto stick = [](SDL_GameControllerAxis axis, int value) {
    return [axis, value](VirtualPad& p, bool down) { p.Axis(axis, down ? value : 0); };
  };
  const Case cases[] = {
      {"A", button(SDL_CONTROLLER_BUTTON_A), {"South"}},
      {"X", button(SDL_CONTROLLER_BUTTON_X), {"West"}},
      {"Start", button(SDL_CONTROLLER_BUTTON_START), {"Start"}},
      {"D-pad left", button(SDL_CONTROLLER_BUTTON_DPAD_LEFT), {"Left"}},
      {"D-pad right", button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), {"Right"}},
      {"D-pad up", button(SDL_CONTROLLER_BUTTON_DPAD_UP), {"Up"}},
      {"D-pad down", button(SDL_CONTROLLER_BUTTON_DPAD_DOWN), {"Down"}},
      {"B", button(SDL_CONTROLLER_BUTTON_B), {}},
      {"Y", button(SDL_CONTROLLER_BUTTON_Y), {}},
      {"Back", button(SDL_CONTROLLER_BUTTON_BACK), {}},
      {"stick half left", stick(SDL_CONTROLLER_AXIS_LEFTX, -kStickHalfway), {"Left"}},
      {"stick all the way right", stick(SDL_CONTROLLER_AXIS_LEFTX, 32767), {"Right"}},
      {"stick half right", stick(SDL_CONTROLLER_AXIS_LEFTX, kStickHalfway), {"Right"}},
      {"stick just short of half right", stick(SDL_CONTROLLER_AXIS_LEFTX, kStickHalfway - 1), {}},
      {"stick just short of half left", stick(SDL_CONTROLLER_AXIS_LEFTX, 1 - kStickHalfway), {}},
      {"stick half up", stick(SDL_CONTROLLER_AXIS_LEFTY, -kStickHalfway), {"Up"}},
      {"stick half down", stick(SDL_CONTROLLER_AXIS_LEFTY, kStickHalfway), {"Down"}},
      {"right stick", stick(SDL_CONTROLLER_AXIS_RIGHTX, 32767), {}},
      {"left trigger", stick(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767), {}},
  };
  for (const Case& c : cases) {
    c.hold(*pad, true);
    Told pressed;
    Told released;
    for (const std::string& input : c.pressed) {
      pressed.push_back("+" + input);
      released.push_back("-" + input);
    }
    EXPECT_EQ(Heard(), pressed) << c.what;
    EXPECT_EQ(Heard(), Told{}) << c.what << ", held";
    c.hold(*pad, false);
    EXPECT_EQ(Heard(), released) << c.what;
  }
}

TEST_F(SdlPads, TheDPadAndTheStickAreOneDirectionUntilBothLetGo) {
  pad = PlugIn();
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  EXPECT_EQ(Heard(), Told{"+Right"});
  pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 30000);
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  EXPECT_EQ(Heard(), Told{});
  pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 9000);
  EXPECT_EQ(Heard(), Told{"-Right"});
}

TEST_F(SdlPads, TwoPadsPlayAsOneAndAnInputIsLetGoWhenTheLastPadLetsItGo) {
  pad = PlugIn();
  extra = PlugIn();
  EXPECT_EQ(heard.pads, 2);
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  EXPECT_EQ(Heard(), Told{"+Left"});
  extra->Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
  extra->Button(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(Heard(), Told{"+South"});
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  EXPECT_EQ(Heard(), Told{});
  extra->Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  extra->Button(SDL_CONTROLLER_BUTTON_A, false);
  EXPECT_EQ(Heard(), (Told{"-Left", "-South"}));
}

TEST_F(SdlPads, APadPluggedOutLetsGoOfWhatItHeldAndAnotherPlugsInMidGame) {
  pad = PlugIn();
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  pad->Button(SDL_CONTROLLER_BUTTON_X, true);
  EXPECT_EQ(Heard(), (Told{"+West", "+Right"}));  // in SDL's order of buttons
  pad->Unplug();
  const Told released = Heard();
  EXPECT_EQ(heard.pads, 0);
  EXPECT_EQ(released, (Told{"-West", "-Right"}));
  extra = PlugIn();
  extra->Button(SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_EQ(Heard(), Told{"+Start"});
}

TEST_F(SdlPads, AVirtualPadIsWaitedOnThroughItsNudgeAndNeverPolled) {
  pad = PlugIn();
  EXPECT_FALSE(pads->NeedsPolling());
  const std::vector<int> files = pads->WakeFiles();
  ASSERT_EQ(files.size(), 1u);
  pads->Nudge();
  pollfd wait{.fd = files[0], .events = POLLIN, .revents = 0};
  EXPECT_EQ(poll(&wait, 1, 0), 1);
  pads->Update(heard);
  EXPECT_EQ(poll(&wait, 1, 0), 0) << "an update takes the nudge";
}

// While the sound player sets SDL up, the pads wait for a later update and
// leave the game's thread free, with nothing left to wake it in the meantime.
TEST(SdlPadsBesideSound, PadsWaitForTheSoundPlayerToSetSdlUpWithoutSpinning) {
  TellingListener heard;
  SdlGamepads pads;
  {
    const std::lock_guard soundSettingUp(SdlSetupLock());
    pads.Nudge();
    pads.Update(heard);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
    pollfd wait{.fd = pads.WakeFiles().at(0), .events = POLLIN, .revents = 0};
    EXPECT_EQ(poll(&wait, 1, 0), 0);
  }
  pads.Update(heard);
  EXPECT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
}

// A joystick SDL has no mapping for, as SDL's virtual pads make one.
class UnknownPad {
 public:
  UnknownPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.nbuttons = 4;
    desc.name = "Quorvan odd pad";
    // SDL matches a mapping by the maker's and the product's numbers.
    desc.vendor_id = 0x1234;
    desc.product_id = 0x5678;
    index_ = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = SDL_JoystickOpen(index_);
  }
  ~UnknownPad() {
    SDL_JoystickClose(joystick_);
    SDL_JoystickDetachVirtual(index_);
  }
  std::string Guid() const {
    char text[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), text, sizeof text);
    return text;
  }
  void Button(int button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
  }

 private:
  int index_ = -1;
  SDL_Joystick* joystick_ = nullptr;
};

TEST(SdlPadsMapping, APadSdlDoesNotKnowPlaysWithTheMappingGivenInTheEnvironment) {
  TellingListener heard;
  std::string guid;
  {
    SdlGamepads pads;
    pads.Update(heard);
    UnknownPad pad;
    pads.Update(heard);
    EXPECT_EQ(heard.pads, 0) << "no mapping, no pad";
    guid = pad.Guid();
  }
  const std::string mapping = guid + ",Quorvan odd pad,start:b0,dpleft:b1,a:b3,platform:Linux";
  setenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str(), 1);
  {
    SdlGamepads pads;
    pads.Update(heard);
    UnknownPad pad;
    pads.Update(heard);
    EXPECT_EQ(heard.pads, 1);
    pad.Button(3, true);
    pad.Button(1, true);
    pads.Update(heard);
    EXPECT_EQ(heard.Take(), (Told{"+Left", "+South"}));
  }
  unsetenv("SDL_GAMECONTROLLERCONFIG");
}

// The pads share SDL with the sound player: neither ends the other's part.
TEST(SdlPadsBesideSound, PadsComingAndGoingLeaveTheSoundOutputOpenAndTheOtherWayRound) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_EQ(OpenSdlOutput(), "");
  TellingListener heard;
  {
    SdlGamepads pads;
    pads.Update(heard);
    EXPECT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
  }
  EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  {
    SdlGamepads pads;
    pads.Update(heard);
    CloseSdlOutput();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    VirtualPad pad;
    pads.Update(heard);
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    pads.Update(heard);
    EXPECT_EQ(heard.Take(), Told{"+South"});
  }
  EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
  unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace quorvan

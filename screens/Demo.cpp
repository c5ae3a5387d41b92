#include "screens/Demo.h"

#include <utility>

#include "screens/Palette.h"
#include "screens/Pictures.h"
#include "sound/Effects.h"

namespace quorvan {
namespace {

constexpr int DemoWidth = 3765;  // twips: client area
constexpr int DemoHeight = 1380;
constexpr int HeroLeft = 120;  // where the hero waits before the first hop
constexpr int HeroTop = 800;
constexpr int JingleStep = 1;
constexpr int YearStep = 13;
constexpr int LastStep = 23;

struct Stroke {
  int x1, y1, x2, y2;
};

// The maker's name ZEMTAL, one whole letter to each colour group:
// T, E, Z, M, A, L in the order they appear. The artist's drawing
// (assets/pictures/demo_logo.txt) at nine tenths of its size, moved right and
// up so that it clears the hero's hops on the left and the year below it.
constexpr std::array<Stroke, LogoStrokes> Logo = {{
    {2390, 150, 2741, 150},                          // T
    {2565, 150, 2565, 852}, {1537, 150, 1537, 852},  // E
    {1537, 150, 1888, 150}, {1537, 501, 1812, 501}, {1537, 852, 1888, 852},
    {1110, 150, 1461, 150},                                                  // Z
    {1461, 150, 1110, 852}, {1110, 852, 1461, 852}, {1963, 852, 1963, 150},  // M
    {1963, 150, 2139, 546}, {2139, 546, 2314, 150}, {2314, 150, 2314, 852},
    {2816, 852, 2928, 150},  // A
    {2928, 150, 3056, 150}, {3056, 150, 3167, 852}, {2865, 546, 3119, 546},
    {3243, 150, 3243, 852},  // L
    {3243, 852, 3594, 852},
}};

// One step of the lettering: a group of strokes appears and the hero hops.
struct Hop {
  int firstStroke, lastStroke;
  Rgb colour;
  int dx, dy;
  int pose;  // 1..4: FirstPose..FourthPose
};

constexpr int FirstHopStep = 4;
constexpr std::array<Hop, 6> Hops = {{
    {1, 2, Cyan, -70, 0, 2},
    {3, 6, Green, 70, 0, 1},
    {7, 9, White, 0, -750, 3},
    {10, 13, Red, 0, 750, 1},
    {14, 17, Magenta, 0, -750, 3},
    {18, 19, Yellow, 20, 0, 4},
}};

Rgb StrokeColour(int stroke) {
  for (const Hop& hop : Hops)
    if (stroke >= hop.firstStroke && stroke <= hop.lastStroke) return hop.colour;
  return White;
}

std::vector<ControlLayout> Controls() {
  using K = ControlKind;
  std::vector<ControlLayout> c = {
      {.name = "Timer1", .kind = K::Timer, .interval = 0, .enabled = true},
      {.name = "Label1",
       .kind = K::Label,
       .left = 3000,
       .top = 960,
       .width = 855,
       .height = 300,
       .visible = false,
       .caption = "1997",
       .fore = Green,
       .back = Black,
       .font = {PMincho, 14.25, true}},
  };
  for (int n = 1; n <= LogoStrokes; ++n) {
    const Stroke& s = Logo[static_cast<std::size_t>(n - 1)];
    c.push_back({.name = "Line1",
                 .index = n,
                 .kind = K::Line,
                 .left = s.x1,
                 .top = s.y1,
                 .width = s.x2,
                 .height = s.y2,
                 .visible = false,
                 .fore = StrokeColour(n)});
  }
  const auto& pose = pictures::DemoPose;
  c.push_back({.name = "Image5",
               .left = 4680,
               .top = 1440,
               .width = 870,
               .height = 1320,
               .visible = false,
               .picture = &pose[3]});
  c.push_back({.name = "Image4",
               .left = 5040,
               .top = 0,
               .width = 630,
               .height = 1335,
               .visible = false,
               .picture = &pose[2]});
  c.push_back({.name = "Image3",
               .left = 4320,
               .top = 720,
               .width = 645,
               .height = 555,
               .visible = false,
               .picture = &pose[1]});
  c.push_back({.name = "Image2",
               .left = 4440,
               .top = 120,
               .width = 570,
               .height = 555,
               .visible = false,
               .picture = &pose[0]});
  c.push_back({.name = "Image1",
               .left = HeroLeft,
               .top = 240,
               .width = 612,
               .height = 972,
               .visible = false});
  return c;
}

const WindowLayout DemoLayout{
    .name = "Demoform",
    .caption = "Zemtal",
    .border = Border::None,
    .back = Black,
    .clientWidth = DemoWidth,
    .clientHeight = DemoHeight,
    .icon = &pictures::DemoIcon,
    .controls = Controls(),
};

template <std::size_t... I>
std::array<Sprite, LogoStrokes> Strokes(Window& window, std::index_sequence<I...>) {
  return {Sprite(window, "Line1", static_cast<int>(I) + 1)...};
}

}  // namespace

DemoWindow::StrokeArray::StrokeArray(Window& window)
    : strokes_(Strokes(window, std::make_index_sequence<LogoStrokes>{})) {}

DemoWindow::DemoWindow() : Window(DemoLayout) {}

DemoWindow& OpeningDemo() {
  static DemoWindow window;
  return window;
}

void DemoWindow::OnLoad() {
  DemoStep = 0;
  NoPlayMode = false;
  const WindowRect own = Rect();
  Move({.left = Tk().ScreenWidth() / 2 - own.width / 2,
        .top = Tk().ScreenHeight() / 2 - own.height / 2,
        .width = own.width,
        .height = own.height});
  YearLabel.SetVisible(false);
  for (int n = 1; n <= LogoStrokes; ++n) LogoStroke(n).Hide();
  Hero.CopyPictureFrom(FirstPose);
  Hero.SetTop(HeroTop);
  StepTimer.SetInterval(DemoTickMs);
}

void DemoWindow::OnTimer(int control) {
  if (control != StepTimer.Index()) return;
  RunStep(DemoStep);
  ++DemoStep;
}

void DemoWindow::RunStep(int step) {
  if (step == JingleStep && !NoPlayMode) PlaySoundEffect("ZTDEMO.WAV");
  if (step >= FirstHopStep && step < FirstHopStep + static_cast<int>(Hops.size())) {
    const Hop& hop = Hops[static_cast<std::size_t>(step - FirstHopStep)];
    for (int n = hop.firstStroke; n <= hop.lastStroke; ++n) LogoStroke(n).Show();
    // Hidden while it changes, so the hero is never seen half-way.
    const Sprite* poses[] = {&FirstPose, &SecondPose, &ThirdPose, &FourthPose};
    Hero.Hide();
    Hero.MoveTo(Hero.Left() + hop.dx, Hero.Top() + hop.dy);
    Hero.CopyPictureFrom(*poses[hop.pose - 1]);
    Hero.Show();
  }
  if (step == YearStep) YearLabel.SetVisible(true);
  if (step == LastStep) {
    StepTimer.SetInterval(0);
    Hide();
  }
}

// Any key with Shift, Ctrl or Alt silences the jingle, now and for good.
void DemoWindow::OnKeyDown(int /*keyCode*/, int shift) {
  if (shift == 0) return;
  SilenceDemoJingle();
  NoPlayMode = true;
}

}  // namespace quorvan

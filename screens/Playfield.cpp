#include "screens/Playfield.h"

#include "game/InputRules.h"
#include "screens/Palette.h"
#include "screens/Pictures.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

std::vector<ControlLayout> Controls() {
  using K = ControlKind;
  std::vector<ControlLayout> c = {
      {.name = "Timer3", .kind = K::Timer, .interval = ExplosionMs, .enabled = true},
      {.name = "Timer2", .kind = K::Timer, .interval = 0, .enabled = false},
      {.name = "Timer1", .kind = K::Timer, .interval = FrameIntervalMs, .enabled = true},
      {.name = "Shape1",
       .kind = K::Shape,
       .left = 120,
       .top = 0,
       .width = 6855,
       .height = 3375,
       .fore = Grey},
      {.name = "Zbang",
       .left = 5280,
       .top = 2640,
       .width = 480,
       .height = 240,
       .visible = false,
       .picture = &pictures::Zbang},
      {.name = "Image8",
       .left = 4440,
       .top = 480,
       .width = 240,
       .height = 480,
       .picture = &pictures::Mirror},
      {.name = "Image7",
       .left = 480,
       .top = 1800,
       .width = 255,
       .height = 255,
       .visible = false,
       .picture = &pictures::Comet},
      {.name = "Image6",
       .left = 3600,
       .top = 1560,
       .width = 255,
       .height = 255,
       .visible = false,
       .picture = &pictures::Shot[0]},
      {.name = "Image5",
       .left = 4080,
       .top = 480,
       .width = 240,
       .height = 480,
       .visible = false,
       .picture = &pictures::Bomb},
      {.name = "Image4",
       .left = 1080,
       .top = 840,
       .width = 480,
       .height = 480,
       .visible = false,
       .picture = &pictures::Item[0][10]},
      {.name = "Image3",
       .left = 3240,
       .top = 1440,
       .width = 255,
       .height = 255,
       .visible = false,
       .picture = &pictures::Shot[0]},
  };
  for (int i = 0; i < EnemyCount; ++i) {
    c.push_back({.name = "Image2",
                 .index = i,
                 .left = 240 + 720 * (i / 2),
                 .top = i % 2 == 0 ? 120 : 480,
                 .width = 615,
                 .height = 255,
                 .crossCursor = true});
  }
  c.push_back({.name = "Image1",
               .left = 1560,
               .top = 1680,
               .width = 480,
               .height = 480,
               .visible = false,
               .picture = &pictures::Character[0][0]});
  return c;
}

const WindowLayout PlayfieldLayout{
    .name = "Form1",
    .caption = "Quorvan Windows / 32",
    .border = Border::None,
    .back = Black,
    .clientWidth = PlayfieldWidth,
    .clientHeight = PlayfieldHeight,
    .icon = &pictures::GameIcon,
    .keyPreview = true,
    .controls = Controls(),
};

}  // namespace

PlayfieldWindow::PlayfieldWindow() : Window(PlayfieldLayout) {}

PlayfieldWindow& Playfield() {
  static PlayfieldWindow window;
  return window;
}

// Centred across the screen, with its own centre 200 twips below the screen's
// middle, which leaves room for the status panel on top.
void PlayfieldWindow::OnLoad() {
  Move({.left = Tk().ScreenWidth() / 2 - PlayfieldWidth / 2,
        .top = Tk().ScreenHeight() / 2 - 2800,
        .width = PlayfieldWidth,
        .height = PlayfieldHeight});
  FieldBorder.SetRect(1, 1, Width() - 2, Height() - 1);
}

void PlayfieldWindow::OnKeyDown(int keyCode, int /*shift*/) {
  if (keyCode == keys::Right) G.InputCommand = Command::Right;
  if (keyCode == keys::Left) G.InputCommand = Command::Left;
  if (keyCode == keys::Space || keyCode == keys::Ctrl) G.InputCommand = Command::Fire;
  if (keyCode == keys::ScrollLock || keyCode == keys::F15) RulesOfInput().AskWingNumber();
  if (keyCode == keys::Apps || keyCode == keys::NumLock || keyCode == keys::F14)
    RulesOfInput().AskEnemyCount();
  if (keyCode == keys::P || keyCode == keys::Pause) RulesOfInput().PauseOrResume();
}

// Only the arrows are released: a fire stays pending until it is carried out.
void PlayfieldWindow::OnKeyUp(int keyCode, int /*shift*/) {
  if (keyCode == keys::Right || keyCode == keys::Left) G.InputCommand = Command::None;
}

// A way back to black should the red flash of a bomb hit ever stay.
void PlayfieldWindow::OnMouseDown(int button, int shift, int /*x*/, int /*y*/) {
  if (button == 2 && shift != 0) SetBackColor(Black);
}

void PlayfieldWindow::OnClick(int control) {
  for (int i = 0; i < EnemyCount; ++i) {
    if (control != Enemies[static_cast<std::size_t>(i)].Index()) continue;
    RulesOfInput().SteerShotAt(i);
    return;
  }
}

void PlayfieldWindow::OnTimer(int control) {
  if (control == FrameTimer.Index()) G.FrameWait = false;
  if (control == PauseTimer.Index()) G.TickWait = false;
  if (control == ExplosionTimer.Index()) {
    Explosion.Hide();
    ExplosionTimer.SetEnabled(false);
  }
}

void PlayfieldWindow::OnCloseRequest() {
  StopMusic();
  Tk().EndProgram(0);
}

}  // namespace quorvan

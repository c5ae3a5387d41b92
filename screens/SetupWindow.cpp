#include "screens/SetupWindow.h"

#include "game/GameState.h"
#include "screens/Palette.h"
#include "screens/Pictures.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

constexpr Font SmallFont{PGothic, 11.25};

const WindowLayout SetupWindowLayout{
    .name = "Form5",
    .caption = "Quorvan Windows / 32 (95/NT)",
    .border = Border::FixedSingle,
    .back = Grey,
    .clientWidth = 6330,
    .clientHeight = 3045,
    .icon = &pictures::GameIcon,
    .controls =
        {
            {.name = "Label1",
             .kind = ControlKind::Label,
             .left = 120,
             .top = 360,
             .width = 3015,
             .height = 735,
             .caption = "Quorvan",
             .fore = Yellow,
             .back = Grey,
             .transparent = true,
             .align = Align::Centre,
             .font = {Gothic, 36}},
            {.name = "Label2",
             .kind = ControlKind::Label,
             .left = 3240,
             .top = 720,
             .width = 2775,
             .height = 375,
             .caption = "Windows / 32",
             .fore = Cyan,
             .back = Grey,
             .transparent = true,
             .font = {TimesRoman, 18}},
            {.name = "Line1",
             .kind = ControlKind::Line,
             .left = 240,
             .top = 1080,
             .width = 6000,
             .height = 1080,
             .fore = Magenta},
            {.name = "Label3",
             .kind = ControlKind::Label,
             .left = 840,
             .top = 1320,
             .width = 4695,
             .height = 375,
             .caption = "Program, pictures, music: Quorvan Team",
             .fore = LightCyan,
             .back = Grey,
             .align = Align::Centre,
             .font = SmallFont},
            {.name = "Option1",
             .kind = ControlKind::Option,
             .left = 1080,
             .top = 1920,
             .width = 3615,
             .height = 255,
             .caption = "Quorvan Windows / 32",
             .fore = LightGreen,
             .back = Grey,
             .font = SmallFont,
             .selected = true},
            {.name = "Option2",
             .kind = ControlKind::Option,
             .left = 1080,
             .top = 2160,
             .width = 4215,
             .height = 255,
             .caption = "Quorvan Windows / Vistrel 32",
             .fore = LightGreen,
             .back = Grey,
             .font = SmallFont},
            {.name = "Command1",
             .kind = ControlKind::Button,
             .left = 2160,
             .top = 2640,
             .width = 2055,
             .height = 270,
             .caption = "Quorvan,Set up!"},
        },
};

}  // namespace

SetupWindow::SetupWindow() : Window(SetupWindowLayout) {}

SetupWindow& EditionSetup() {
  static SetupWindow window;
  return window;
}

void SetupWindow::OnLoad() { CentreOnScreen(); }
// Centred by its outer size, which is known once it is framed.
void SetupWindow::OnFramed() { CentreOnScreen(); }

void SetupWindow::CentreOnScreen() {
  const WindowRect own = Rect();
  Move({.left = Tk().ScreenWidth() / 2 - own.width / 2,
        .top = Tk().ScreenHeight() / 2 - own.height / 2,
        .width = own.width,
        .height = own.height});
}

void SetupWindow::OnClick(int control) {
  if (control == SetUpButton.Index()) G.WaitingForButton = false;
}

// Closing the setup window is the way to leave the game.
void SetupWindow::OnCloseRequest() {
  StopMusic();
  Tk().EndProgram(0);
}

}  // namespace quorvan

#include "screens/MessageWindow.h"

#include "game/GameState.h"
#include "screens/Palette.h"
#include "screens/Pictures.h"
#include "screens/Playfield.h"

namespace quorvan {
namespace {

const WindowLayout MessageWindowLayout{
    .name = "Form4",
    .caption = "Quorvan",
    .border = Border::FixedToolWindow,
    .back = Black,
    .fore = Cyan,
    .font = {PGothic, 11.25},
    .clientWidth = 6015,
    .clientHeight = 3990,
    .icon = &pictures::GameIcon,
    .controls =
        {
            {.name = "Command1",
             .kind = ControlKind::Button,
             .left = 1920,
             .top = 3480,
             .width = 2175,
             .height = 270,
             .caption = "O K",
             .font = {PGothic, 9}},
            {.name = "Shape1",
             .kind = ControlKind::Shape,
             .left = 0,
             .top = 0,
             .width = 6015,
             .height = 3975,
             .fore = Green,
             .borderPixels = 3},
        },
};

}  // namespace

MessageWindow::MessageWindow() : Window(MessageWindowLayout) {}

MessageWindow& StageEndMessage() {
  static MessageWindow window;
  return window;
}

// Centred over the playfield where it stands whenever the window appears,
// and again once its frame is known.
void MessageWindow::OnLoad() { CentreOverPlayfield(); }
void MessageWindow::OnShow() { CentreOverPlayfield(); }
void MessageWindow::OnFramed() { CentreOverPlayfield(); }

void MessageWindow::CentreOverPlayfield() {
  const WindowRect field = Playfield().Rect();
  const WindowRect own = Rect();
  Move({.left = field.width / 2 + field.left - own.width / 2,
        .top = field.height / 2 + field.top - own.height / 2,
        .width = own.width,
        .height = own.height});
}

void MessageWindow::OnClick(int control) {
  if (control == OkButton.Index()) G.WaitingForButton = false;
}

// Closing the window while a clear waits for "O K" counts as pressing it;
// otherwise the flow would wait for a button nobody can reach.
void MessageWindow::OnCloseRequest() {
  G.WaitingForButton = false;
  Hide();
}

}  // namespace quorvan

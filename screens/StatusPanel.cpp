#include "screens/StatusPanel.h"

#include "game/GameState.h"
#include "game/Random.h"
#include "game/Text.h"
#include "screens/Palette.h"
#include "screens/Pictures.h"
#include "screens/Playfield.h"
#include "sound/Music.h"

namespace quorvan {
namespace {

constexpr Font LabelFont{PGothic, 11.25};

ControlLayout PanelLabel(const char* name, int left, int width, int height, const char* caption,
                         Rgb fore, Rgb back, Align align) {
  return {.name = name,
          .kind = ControlKind::Label,
          .left = left,
          .top = 120,
          .width = width,
          .height = height,
          .caption = caption,
          .fore = fore,
          .back = back,
          // on the black panel the separators show through
          .transparent = back == Black,
          .align = align,
          .font = LabelFont};
}

ControlLayout Separator(const char* name, int x) {
  return {.name = name,
          .kind = ControlKind::Line,
          .left = x,
          .top = 0,
          .width = x,
          .height = 480,
          .fore = Cyan};
}

const WindowLayout StatusPanelLayout{
    .name = "Form3",
    .caption = "Ｑｕｏｒｖａｎ Windows/Custom",
    .border = Border::FixedSingle,
    .back = Black,
    .clientWidth = 9555,
    .clientHeight = 495,
    .icon = &pictures::GameIcon,
    .controls =
        {
            PanelLabel("Label1", 120, 735, 270, "Energy", Green, Black, Align::Left),
            PanelLabel("EnergyLabel", 840, 375, 255, "100", Cyan, Black, Align::Left),
            PanelLabel("Label3", 1200, 255, 255, "%", Green, Black, Align::Left),
            Separator("Line1", 1440),
            PanelLabel("Label4", 1560, 615, 255, "Score", White, Blue, Align::Left),
            PanelLabel("ScoreLabel", 2160, 1095, 255, "0", White, Blue, Align::Right),
            Separator("Line2", 3360),
            PanelLabel("WingLabel", 3480, 3255, 270, "Quorvan", Red, Black, Align::Centre),
            Separator("Line4", 6840),
            PanelLabel("Label2", 6960, 735, 255, "Enemy:", Purple, Black, Align::Left),
            PanelLabel("EnemyLabel", 7680, 495, 255, "50", Magenta, Black, Align::Centre),
            Separator("Line3", 8280),
            PanelLabel("Label6", 8400, 615, 270, "Stage", Yellow, Black, Align::Left),
            PanelLabel("StageLabel", 9000, 375, 255, "1", LightYellow, Black, Align::Centre),
            // Over the Wing's name while the game is paused; it hides nothing
            // the game wrote, so the name is back as it was on resuming.
            [] {
              ControlLayout pause = PanelLabel("PauseLabel", 3480, 3255, 270, "Paused - P resumes",
                                               Red, Black, Align::Centre);
              pause.visible = false;
              pause.transparent = false;
              return pause;
            }(),
            {.name = "Shape1",
             .kind = ControlKind::Shape,
             .left = 0,
             .top = 0,
             .width = 9550,
             .height = 495,
             .fore = Cyan,
             .back = Black},
        },
};

}  // namespace

StatusPanelWindow::StatusPanelWindow() : Window(StatusPanelLayout) {}

StatusPanelWindow& StatusPanel() {
  static StatusPanelWindow window;
  return window;
}

void ShowScoreAndEnemiesLeft() {
  auto& panel = StatusPanel();
  panel.ScoreLabel.SetCaption(Text(G.Score));
  panel.EnemyLabel.SetCaption(Text(G.EnemiesLeft));
}

void ShowEnergyLeft() { StatusPanel().EnergyLabel.SetCaption(Text(Int(G.Energy))); }

// The panel sits one twip above the playfield, as wide as it.
void StatusPanelWindow::StandOnPlayfield() {
  const WindowRect field = Playfield().Rect();
  const WindowRect own = Rect();
  Move({.left = field.left,
        .top = field.top - own.height - 1,
        .width = field.width,
        .height = own.height});
}

// Wherever the panel was dragged, the playfield hangs below it.
void StatusPanelWindow::PullPlayfieldUnder() {
  if (!Playfield().Loaded()) return;
  const WindowRect own = Rect();
  const WindowRect field = Playfield().Rect();
  Playfield().Move({.left = own.left,
                    .top = own.top + own.height,
                    .width = field.width,
                    .height = field.height});
}

void StatusPanelWindow::OnLoad() {
  StandOnPlayfield();
  if (G.Edition == Edition::Standard) SetCaption("Quorvan Windows /32");
  if (G.Edition == Edition::Vistrel) SetCaption("Quorvan KP / 32");
}

// Its title bar makes it taller than it was when it loaded.
void StatusPanelWindow::OnFramed() { StandOnPlayfield(); }

// The panel never keeps the keyboard: it belongs to the playfield.
void StatusPanelWindow::OnGotFocus() {
  if (Playfield().Visible()) Playfield().SetFocus();
}

void StatusPanelWindow::OnLostFocus() { PullPlayfieldUnder(); }

// The pair moves as one while the panel is dragged.
void StatusPanelWindow::OnMoved() { PullPlayfieldUnder(); }

void StatusPanelWindow::OnCloseRequest() {
  if (Playfield().Visible()) {
    StopMusic();
    Tk().EndProgram(0);
    return;
  }
  Unload();
}

}  // namespace quorvan

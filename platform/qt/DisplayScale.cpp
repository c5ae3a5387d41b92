#include "platform/qt/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/qt/QtControls.h"
#include "platform/qt/X11Screen.h"
#include "screens/Playfield.h"

namespace quorvan {
namespace {

constexpr int PanelClientHeight = 495;  // twips, the status panel's design
// The window manager draws the panel's title bar and borders at its own
// size, whatever the scale.
constexpr int TitleBarAllowance = 32;  // pixels
constexpr double UsableShare = 0.9;

bool Set(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

bool askedOnCommandLine = false;

// --scale, or the user's own setting.
bool ScaleSetBeforeStart() {
  return askedOnCommandLine || Set("QT_SCALE_FACTOR") || Set("QT_SCREEN_SCALE_FACTORS");
}

}  // namespace

int ChooseScale(int availableWidth, int availableHeight) {
  const int pairWidth = ToPixels(PlayfieldWidth);
  const int pairHeight = ToPixels(PlayfieldHeight + PanelClientHeight);
  int scale = 1;
  while (scale < LargestScale && (scale + 1) * pairWidth <= availableWidth * UsableShare &&
         (scale + 1) * pairHeight + TitleBarAllowance <= availableHeight * UsableShare)
    ++scale;
  return scale;
}

void AskForScale(int scale) {
  if (scale <= 0) return;
  askedOnCommandLine = true;
  // The number given is the whole zoom: the desktop's own factor stays out.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

int GuessScale() {
  if (ScaleSetBeforeStart() || !Set("DISPLAY")) return 1;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb")) return 1;
  const std::optional<ScreenArea> area = PrimaryWorkArea();
  if (!area) return 1;
  const int scale = ChooseScale(area->width, area->height);
  if (scale > 1) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
  return scale;
}

bool GuessHeld(int guess) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  // Qt counts the area in pixels of the scale it was asked for.
  const bool held = screen && screen->devicePixelRatio() == guess &&
                    ChooseScale(screen->availableGeometry().width() * guess,
                                screen->availableGeometry().height() * guess) == guess;
  if (!held) qunsetenv("QT_SCALE_FACTOR");
  return held;
}

bool ScaleLeftToUs() {
  if (ScaleSetBeforeStart()) return false;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->devicePixelRatio() == 1.0;
}

}  // namespace quorvan

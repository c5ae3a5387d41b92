#include "platform/qt/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/QtControls.h"
#include "screens/Playfield.h"

namespace quorvan {
namespace {

constexpr int PanelClientHeight = 495;  // twips, the status panel's design
// The window manager draws the panel's title bar and borders at its own
// size, whatever the scale.
constexpr int TitleBarAllowance = 32;  // pixels
constexpr double UsableShare = 0.9;

bool Set(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

}  // namespace

int ChooseScale(int availableWidth, int availableHeight) {
  const int pairWidth = ToPixels(PlayfieldWidth, 1);
  const int pairHeight = ToPixels(PlayfieldHeight + PanelClientHeight, 1);
  int scale = 1;
  while (scale < LargestScale && (scale + 1) * pairWidth <= availableWidth * UsableShare &&
         (scale + 1) * pairHeight + TitleBarAllowance <= availableHeight * UsableShare)
    ++scale;
  return scale;
}

void AskForScale(int scale) {
  if (scale <= 0) return;
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

int ChooseZoom(int scale) {
  if (scale > 0) return scale;
  if (Set("QT_SCALE_FACTOR") || Set("QT_SCREEN_SCALE_FACTORS")) return 1;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || screen->devicePixelRatio() != 1.0) return 1;
  const QRect area = screen->availableGeometry();
  return ChooseScale(area.width(), area.height());
}

}  // namespace quorvan

#include "platform/qt/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/qt/QtControls.h"
#include "screens/Playfield.h"

namespace quorvan {
namespace {

constexpr int PanelClientHeight = 495;  // twips, the status panel's design
// The window manager draws the panel's title bar and borders at its own
// size, whatever the scale.
constexpr int TitleBarAllowance = 32;  // pixels
// Fullscreen leaves no margin, so the frames of both windows count: their
// borders on each side, and two title bars.
constexpr int BordersAllowance = 16;  // pixels
constexpr double UsableShare = 0.9;

bool Set(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

int LargestFit(double width, double height, int widthAllowance, int heightAllowance) {
  const int pairWidth = ToPixels(PlayfieldWidth, 1);
  const int pairHeight = ToPixels(PlayfieldHeight + PanelClientHeight, 1);
  int scale = 1;
  while (scale < LargestScale && (scale + 1) * pairWidth + widthAllowance <= width &&
         (scale + 1) * pairHeight + heightAllowance <= height)
    ++scale;
  return scale;
}

// The primary screen when the game is to choose the zoom: no --scale, and no
// scale the user or the desktop has set for Qt.
const QScreen* ScreenToFit(int scale) {
  if (scale > 0 || Set("QT_SCALE_FACTOR") || Set("QT_SCREEN_SCALE_FACTORS")) return nullptr;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->devicePixelRatio() == 1.0 ? screen : nullptr;
}

}  // namespace

int ChooseScale(int availableWidth, int availableHeight) {
  return LargestFit(availableWidth * UsableShare, availableHeight * UsableShare, 0,
                    TitleBarAllowance);
}

int ChooseFullscreenScale(int screenWidth, int screenHeight) {
  return LargestFit(screenWidth, screenHeight, BordersAllowance, 2 * TitleBarAllowance);
}

void AskForScale(int scale) {
  if (scale <= 0) return;
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

int ChooseZoom(int scale) {
  const QScreen* screen = ScreenToFit(scale);
  if (!screen) return std::max(scale, 1);
  const QRect area = screen->availableGeometry();
  return ChooseScale(area.width(), area.height());
}

int ChooseFullscreenZoom(int scale) {
  const QScreen* screen = ScreenToFit(scale);
  if (!screen) return std::max(scale, 1);
  const QRect area = screen->geometry();
  return ChooseFullscreenScale(area.width(), area.height());
}

}  // namespace quorvan

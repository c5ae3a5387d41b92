// The game's fonts on this system.
//
// The game names Japanese Windows fonts; they are mapped once at start-up to
// the IPA fonts and a serif that Debian installs.
#pragma once

#include <QFont>

#include "screens/Toolkit.h"

namespace quorvan {

// Call once, after the QApplication is made.
void InstallGameFonts();

// The Qt font for a font of the game at a whole-number zoom. Sizes are taken
// at 96 dots per inch, where the layouts were drawn; 0 points is the
// application's font.
QFont GameFont(const Font& font, int zoom = 1);

// Pixel size of a point size at 96 dots per inch.
int FontPixels(double points);

}  // namespace quorvan

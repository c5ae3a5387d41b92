// The widgets behind a window's controls.
#pragma once

#include <QColor>
#include <QLine>
#include <QPixmap>
#include <QRect>
#include <functional>

#include "screens/Toolkit.h"

class QPainter;
class QTimer;
class QWidget;

namespace quorvan {

class PictureCache;

// Twips to the screen's pixels at a whole-number zoom, rounded to the
// nearest pixel, and back to the nearest twip. A twip is a fifteenth of a
// pixel at zoom 1.
int ToPixels(int twips, int zoom);
int ToTwips(int pixels, int zoom);
QColor ToQColor(Rgb colour);

// One control of a window. Images, labels and buttons are child widgets;
// lines and shapes are painted by the window beneath all of them; timers are
// QTimers.
struct QtControl {
  ControlKind kind = ControlKind::Image;
  QWidget* widget = nullptr;
  QTimer* timer = nullptr;
  // Where the game put it, in twips (a line's two ends), and its font: the
  // pixels follow from them at every zoom.
  int left = 0, top = 0, width = 0, height = 0;
  Font font{};
  QLine line;  // lines: end points, pixels
  QRect rect;  // shapes: outline, pixels
  QColor colour;
  int pen = 1;  // pixels at zoom 1
  bool visible = true;
};

// Makes the control's widget or timer as its layout says, as a child of
// `window`, at `zoom`. `click` runs on a left press on an image and a click
// on a button.
QtControl MakeControl(const ControlLayout& layout, QWidget& window, PictureCache& pictures,
                      int zoom, std::function<void()> click, std::function<void()> tick);

// Places the control, its font and its picture at `zoom`.
void ZoomControl(QtControl& control, int zoom);

// Shows `picture` on an image control at its natural size times the zoom;
// nullptr shows nothing and keeps the size.
void ShowPicture(QWidget& image, const Picture* picture);

// Paints a line or a shape control at `zoom`.
void PaintFigure(QPainter& painter, const QtControl& control, int zoom);

}  // namespace quorvan

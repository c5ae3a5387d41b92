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

// Twips to pixels, rounded to the nearest pixel, and back.
int ToPixels(int twips);
int ToTwips(int pixels);
QColor ToQColor(Rgb colour);

// One control of a window. Images, labels and buttons are child widgets;
// lines and shapes are painted by the window beneath all of them; timers are
// QTimers.
struct QtControl {
  ControlKind kind = ControlKind::Image;
  QWidget* widget = nullptr;
  QTimer* timer = nullptr;
  QLine line;  // lines: end points, pixels
  QRect rect;  // shapes: outline, pixels
  QColor colour;
  int pen = 1;
  bool visible = true;
};

// Makes the control's widget or timer as its layout says, as a child of
// `window`. `click` runs on a left press on an image and a click on a button.
QtControl MakeControl(const ControlLayout& layout, QWidget& window, PictureCache& pictures,
                      std::function<void()> click, std::function<void()> tick);

// Shows `picture` on an image control at its natural size; nullptr shows
// nothing and keeps the size.
void ShowPicture(QWidget& image, const Picture* picture);

// Paints a line or a shape control.
void PaintFigure(QPainter& painter, const QtControl& control);

}  // namespace quorvan

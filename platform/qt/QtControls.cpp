#include "platform/qt/QtControls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/qt/QtFonts.h"
#include "platform/qt/QtPictures.h"

namespace quorvan {
namespace {

// An image control: the picture at its natural size times the zoom, each of
// its pixels a square of the screen's, with its transparency over whatever
// lies beneath. Its file is read when it is first painted: most pictures wait
// hidden, some for the whole game.
class ImageControl : public QWidget {
 public:
  ImageControl(QWidget& parent, PictureCache& pictures, std::function<void()> click)
      : QWidget(&parent), pictures_(pictures), click_(std::move(click)) {}

  void SetPicture(const Picture* picture) {
    picture_ = picture;
    if (picture_) resize(picture_->width * zoom_, picture_->height * zoom_);
    update();
  }
  void SetZoom(int zoom) {
    zoom_ = zoom;
    SetPicture(picture_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!picture_) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictures_.Get(*picture_, zoom_));
  }
  void mousePressEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton) click_();
  }

 private:
  PictureCache& pictures_;
  std::function<void()> click_;
  const Picture* picture_ = nullptr;
  int zoom_ = 1;
};

// A push button that is its window's default button and shows the focus
// with a dotted rectangle inside its edge, as players know it.
class ButtonControl : public QPushButton {
 public:
  ButtonControl(const QString& caption, QWidget& parent) : QPushButton(caption, &parent) {
    setDefault(true);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
};

Qt::Alignment ToQtAlign(Align align) {
  switch (align) {
    case Align::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case Align::Centre:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

QRect PixelRect(const QtControl& c, int zoom) {
  return {ToPixels(c.left, zoom), ToPixels(c.top, zoom), std::max(ToPixels(c.width, zoom), 0),
          std::max(ToPixels(c.height, zoom), 0)};
}

void Colour(QWidget& widget, const ControlLayout& layout) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, ToQColor(layout.fore));
  palette.setColor(QPalette::Window, ToQColor(layout.back));
  palette.setColor(QPalette::Button, ToQColor(layout.back));  // what buttons fill with
  palette.setColor(QPalette::ButtonText, ToQColor(layout.fore));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

QWidget* MakeImage(const ControlLayout& layout, QWidget& window, PictureCache& pictures,
                   std::function<void()> click) {
  auto* image = new ImageControl(window, pictures, std::move(click));
  if (layout.crossCursor) image->setCursor(Qt::CrossCursor);
  ShowPicture(*image, layout.picture);
  return image;
}

QWidget* MakeLabel(const ControlLayout& layout, QWidget& window) {
  auto* label = new QLabel(QString::fromUtf8(layout.caption), &window);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(ToQtAlign(layout.align));
  label->setFocusPolicy(Qt::NoFocus);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  Colour(*label, layout);
  label->setAutoFillBackground(!layout.transparent);
  return label;
}

QWidget* MakeButton(const ControlLayout& layout, QWidget& window, std::function<void()> click) {
  auto* button = new ButtonControl(QString::fromUtf8(layout.caption), window);
  QObject::connect(button, &QPushButton::clicked, button, [click = std::move(click)] { click(); });
  return button;
}

// The option buttons of a window share their parent, so they exclude one
// another.
QWidget* MakeOption(const ControlLayout& layout, QWidget& window, std::function<void()> click) {
  auto* option = new QRadioButton(QString::fromUtf8(layout.caption), &window);
  Colour(*option, layout);
  option->setChecked(layout.selected);
  QObject::connect(option, &QRadioButton::clicked, option, [click = std::move(click)] { click(); });
  return option;
}

QTimer* MakeTimer(const ControlLayout& layout, QWidget& window, std::function<void()> tick) {
  auto* timer = new QTimer(&window);
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer, &QTimer::timeout, &window, [tick = std::move(tick)] { tick(); });
  if (layout.enabled && layout.interval > 0) timer->start(layout.interval);
  return timer;
}

}  // namespace

int ToPixels(int twips, int zoom) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * zoom / TwipsPerPixel));
}

int ToTwips(int pixels, int zoom) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * TwipsPerPixel / zoom));
}

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QtControl MakeControl(const ControlLayout& layout, QWidget& window, PictureCache& pictures,
                      int zoom, std::function<void()> click, std::function<void()> tick) {
  QtControl control;
  control.kind = layout.kind;
  control.left = layout.left;
  control.top = layout.top;
  control.width = layout.width;
  control.height = layout.height;
  control.font = layout.font;
  control.visible = layout.visible;
  control.colour = ToQColor(layout.fore);
  control.pen = std::max(layout.borderPixels, 1);
  switch (layout.kind) {
    case ControlKind::Image:
      control.widget = MakeImage(layout, window, pictures, std::move(click));
      break;
    case ControlKind::Label:
      control.widget = MakeLabel(layout, window);
      break;
    case ControlKind::Button:
      control.widget = MakeButton(layout, window, std::move(click));
      break;
    case ControlKind::Option:
      control.widget = MakeOption(layout, window, std::move(click));
      break;
    case ControlKind::Timer:
      control.timer = MakeTimer(layout, window, std::move(tick));
      break;
    case ControlKind::Line:
    case ControlKind::Shape:
      break;
  }
  ZoomControl(control, zoom);
  if (control.widget) {
    control.widget->setVisible(layout.visible);
    control.widget->raise();
  }
  return control;
}

void ZoomControl(QtControl& control, int zoom) {
  if (control.kind == ControlKind::Line) {
    control.line = QLine(ToPixels(control.left, zoom), ToPixels(control.top, zoom),
                         ToPixels(control.width, zoom), ToPixels(control.height, zoom));
  } else if (control.kind == ControlKind::Shape) {
    control.rect = PixelRect(control, zoom);
  }
  if (!control.widget) return;
  control.widget->setGeometry(PixelRect(control, zoom));
  // An image takes its picture's size.
  if (auto* image = dynamic_cast<ImageControl*>(control.widget)) {
    image->SetZoom(zoom);
  } else {
    control.widget->setFont(GameFont(control.font, zoom));
  }
}

void ShowPicture(QWidget& image, const Picture* picture) {
  if (auto* control = dynamic_cast<ImageControl*>(&image)) control->SetPicture(picture);
}

void PaintFigure(QPainter& painter, const QtControl& control, int zoom) {
  if (!control.visible) return;
  if (control.kind == ControlKind::Line) {
    QPen pen(control.colour, control.pen * zoom);
    pen.setCapStyle(control.pen > 1 ? Qt::RoundCap : Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(control.line);
    return;
  }
  if (control.kind != ControlKind::Shape) return;
  // The border lies inside the rectangle, as wide as the shape says.
  const QRect& r = control.rect;
  const int b = std::min({control.pen * zoom, (r.width() + 1) / 2, (r.height() + 1) / 2});
  if (b <= 0) return;
  painter.fillRect(QRect(r.left(), r.top(), r.width(), b), control.colour);
  painter.fillRect(QRect(r.left(), r.bottom() - b + 1, r.width(), b), control.colour);
  painter.fillRect(QRect(r.left(), r.top(), b, r.height()), control.colour);
  painter.fillRect(QRect(r.right() - b + 1, r.top(), b, r.height()), control.colour);
}

}  // namespace quorvan

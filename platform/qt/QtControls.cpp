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

// An image control: the picture at its natural size, unscaled, with its
// transparency over whatever lies beneath. Its file is read when it is
// first painted: most pictures wait hidden, some for the whole game.
class ImageControl : public QWidget {
 public:
  ImageControl(QWidget& parent, PictureCache& pictures, std::function<void()> click)
      : QWidget(&parent), pictures_(pictures), click_(std::move(click)) {}

  void SetPicture(const Picture* picture) {
    picture_ = picture;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!picture_) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictures_.Get(*picture_));
  }
  void mousePressEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton) click_();
  }

 private:
  PictureCache& pictures_;
  std::function<void()> click_;
  const Picture* picture_ = nullptr;
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

QRect PixelRect(const ControlLayout& layout) {
  return {ToPixels(layout.left), ToPixels(layout.top), std::max(ToPixels(layout.width), 0),
          std::max(ToPixels(layout.height), 0)};
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
  image->setGeometry(PixelRect(layout));
  if (layout.crossCursor) image->setCursor(Qt::CrossCursor);
  ShowPicture(*image, layout.picture);
  return image;
}

QWidget* MakeLabel(const ControlLayout& layout, QWidget& window) {
  auto* label = new QLabel(QString::fromUtf8(layout.caption), &window);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(ToQtAlign(layout.align));
  label->setFont(GameFont(layout.font));
  label->setFocusPolicy(Qt::NoFocus);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  Colour(*label, layout);
  label->setAutoFillBackground(!layout.transparent);
  label->setGeometry(PixelRect(layout));
  return label;
}

QWidget* MakeButton(const ControlLayout& layout, QWidget& window, std::function<void()> click) {
  auto* button = new ButtonControl(QString::fromUtf8(layout.caption), window);
  button->setFont(GameFont(layout.font));
  button->setGeometry(PixelRect(layout));
  QObject::connect(button, &QPushButton::clicked, button, [click = std::move(click)] { click(); });
  return button;
}

// The option buttons of a window share their parent, so they exclude one
// another.
QWidget* MakeOption(const ControlLayout& layout, QWidget& window, std::function<void()> click) {
  auto* option = new QRadioButton(QString::fromUtf8(layout.caption), &window);
  option->setFont(GameFont(layout.font));
  Colour(*option, layout);
  option->setChecked(layout.selected);
  option->setGeometry(PixelRect(layout));
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

int ToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

int ToTwips(int pixels) { return pixels * TwipsPerPixel; }

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QtControl MakeControl(const ControlLayout& layout, QWidget& window, PictureCache& pictures,
                      std::function<void()> click, std::function<void()> tick) {
  QtControl control;
  control.kind = layout.kind;
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
      control.line = QLine(ToPixels(layout.left), ToPixels(layout.top), ToPixels(layout.width),
                           ToPixels(layout.height));
      break;
    case ControlKind::Shape:
      control.rect = PixelRect(layout);
      break;
  }
  if (control.widget) {
    control.widget->setVisible(layout.visible);
    control.widget->raise();
  }
  return control;
}

void ShowPicture(QWidget& image, const Picture* picture) {
  auto* control = dynamic_cast<ImageControl*>(&image);
  if (!control) return;
  control->SetPicture(picture);
  if (picture) control->resize(picture->width, picture->height);
}

void PaintFigure(QPainter& painter, const QtControl& control) {
  if (!control.visible) return;
  if (control.kind == ControlKind::Line) {
    QPen pen(control.colour, control.pen);
    pen.setCapStyle(control.pen > 1 ? Qt::RoundCap : Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(control.line);
    return;
  }
  if (control.kind != ControlKind::Shape) return;
  // The border lies inside the rectangle, as wide as the shape says.
  const QRect& r = control.rect;
  const int b = std::min({control.pen, (r.width() + 1) / 2, (r.height() + 1) / 2});
  if (b <= 0) return;
  painter.fillRect(QRect(r.left(), r.top(), r.width(), b), control.colour);
  painter.fillRect(QRect(r.left(), r.bottom() - b + 1, r.width(), b), control.colour);
  painter.fillRect(QRect(r.left(), r.top(), b, r.height()), control.colour);
  painter.fillRect(QRect(r.right() - b + 1, r.top(), b, r.height()), control.colour);
}

}  // namespace quorvan

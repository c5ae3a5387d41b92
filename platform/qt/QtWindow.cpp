#include "platform/qt/QtWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "platform/qt/QtFonts.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtPictures.h"

namespace quorvan {
namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;
// How often and how long a window's frame is looked for after it is shown.
constexpr int FrameLookMs = 25;
constexpr int FrameLooks = 80;

Qt::WindowFlags FlagsOf(Border border) {
  switch (border) {
    case Border::None:
      return Qt::Window | Qt::FramelessWindowHint;
    case Border::FixedSingle:
      // A title bar with the caption and a close box, nothing else: a
      // minimised panel would leave the game playing unseen.
      return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case Border::FixedToolWindow:
      return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case Border::Sizable:
      break;
  }
  return Qt::Window;
}

int MouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return LeftButton;
    case Qt::RightButton:
      return RightButton;
    case Qt::MiddleButton:
      return MiddleButton;
    default:
      return 0;
  }
}

}  // namespace

QtWindow::QtWindow(const WindowLayout& layout, WindowEvents& events, PictureCache& pictures,
                   std::exception_ptr& failure, int zoom)
    : QWidget(nullptr, FlagsOf(layout.border)),
      events_(&events),
      pictures_(pictures),
      failure_(failure),
      zoom_(zoom),
      border_(layout.border),
      keyPreview_(layout.keyPreview),
      back_(ToQColor(layout.back)),
      fore_(ToQColor(layout.fore)),
      designFont_(layout.font),
      font_(GameFont(layout.font, zoom)) {
  setAttribute(Qt::WA_QuitOnClose, false);
  setObjectName(QString::fromUtf8(layout.name ? layout.name : ""));
  setWindowTitle(QString::fromUtf8(layout.caption ? layout.caption : ""));
  if (layout.icon) setWindowIcon(QIcon(pictures_.Get(*layout.icon)));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, back_);
  setPalette(palette);
  const QSize client(std::max(ToPixels(layout.clientWidth, zoom_), 1),
                     std::max(ToPixels(layout.clientHeight, zoom_), 1));
  ApplyBorder(border_, client);
  installEventFilter(this);
  QObject::connect(&frameWatch_, &QTimer::timeout, this, [this] {
    NoticeFrame();
    if (++frameLooks_ >= FrameLooks) frameWatch_.stop();
  });
  // The game places its windows before showing them, by their outer frame:
  // the platform window must exist for the frame to be known.
  create();
  // Printed text and lines are drawn at the screen's own pixels, so they
  // stay sharp where the desktop scales the game as well. Most windows never
  // draw: the surface is made when something is first drawn on it.
  surfaceRatio_ = devicePixelRatio();
  surfaceSize_ = client * surfaceRatio_;
  metrics_ = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
  metrics_.setDevicePixelRatio(surfaceRatio_);

  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const int index = static_cast<int>(i);
    controls_.push_back(MakeControl(
        layout.controls[i], *this, pictures_, zoom_,
        [this, index] { Deliver([index](WindowEvents& e) { e.OnClick(index); }); },
        [this, index] { Deliver([index](WindowEvents& e) { e.OnTimer(index); }); }));
    if (QWidget* widget = controls_.back().widget) widget->installEventFilter(this);
  }
}

template <typename F>
void QtWindow::Deliver(F handler) {
  if (!events_) return;
  try {
    handler(*events_);
  } catch (...) {
    if (!failure_) failure_ = std::current_exception();
  }
}

void QtWindow::Detach() {
  events_ = nullptr;
  for (auto& control : controls_) {
    if (control.timer) control.timer->stop();
  }
  hide();
}

void QtWindow::ApplyBorder(Border border, QSize client) {
  if (border == Border::Sizable) {
    resize(client);
  } else {
    setFixedSize(client);
  }
}

// Outer means with the frame that the window manager has drawn around the
// window, as far as it is known yet.
// The frame is counted in the screen's pixels, as the window manager draws
// it, so a window placed against another's frame meets it at every zoom.
WindowRect QtWindow::OuterRect() const {
  const QRect outer = geometry().marginsAdded(frame_);
  return {ToTwips(outer.left(), zoom_), ToTwips(outer.top(), zoom_), ToTwips(outer.width(), zoom_),
          ToTwips(outer.height(), zoom_)};
}

void QtWindow::MoveOuter(const WindowRect& rect) {
  const QSize client(std::max(ToPixels(rect.width, zoom_) - frame_.left() - frame_.right(), 1),
                     std::max(ToPixels(rect.height, zoom_) - frame_.top() - frame_.bottom(), 1));
  ApplyBorder(border_, client);
  setGeometry(QRect(
      QPoint(ToPixels(rect.left, zoom_) + frame_.left(), ToPixels(rect.top, zoom_) + frame_.top()),
      client));
}

void QtWindow::SetZoom(int zoom) {
  if (zoom == zoom_ || zoom < 1) return;
  const WindowRect outer = OuterRect();
  const QSize client(ToPixels(ToTwips(width(), zoom_), zoom),
                     ToPixels(ToTwips(height(), zoom_), zoom));
  // What was printed and drawn grows as the pictures do.
  surfaceSize_ = surfaceSize_ * zoom / zoom_;
  if (!surface_.isNull()) {
    QImage zoomed = surface_.scaled(surfaceSize_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    zoomed.setDevicePixelRatio(surfaceRatio_);
    surface_ = std::move(zoomed);
  }
  zoom_ = zoom;
  font_ = GameFont(designFont_, zoom_);
  for (auto& control : controls_) ZoomControl(control, zoom_);
  ApplyBorder(border_, client.expandedTo(QSize(1, 1)));
  move(ToPixels(outer.left, zoom_) + frame_.left(), ToPixels(outer.top, zoom_) + frame_.top());
  update();
  Deliver([](WindowEvents& e) { e.OnFramed(); });
}

void QtWindow::SetBackColor(Rgb colour) {
  back_ = ToQColor(colour);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, back_);
  setPalette(palette);
  // A new background erases whatever was drawn on the old one.
  ClearSurface();
}

const QtControl* QtWindow::Find(int control) const {
  if (control < 0 || control >= ControlCount()) return nullptr;
  return &controls_[static_cast<std::size_t>(control)];
}

QWidget* QtWindow::ControlWidget(int control) const {
  const QtControl* c = Find(control);
  return c ? c->widget : nullptr;
}

QTimer* QtWindow::ControlTimer(int control) const {
  const QtControl* c = Find(control);
  return c ? c->timer : nullptr;
}

void QtWindow::SetControlRect(int control, int left, int top, int width, int height) {
  const QtControl* found = Find(control);
  if (!found) return;
  auto& c = controls_[static_cast<std::size_t>(control)];
  if (c.kind == ControlKind::Timer) return;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  if (c.widget) {
    c.widget->setGeometry(ToPixels(left, zoom_), ToPixels(top, zoom_),
                          std::max(ToPixels(width, zoom_), 0),
                          std::max(ToPixels(height, zoom_), 0));
  } else {
    ZoomControl(c, zoom_);
    update();
  }
}

void QtWindow::SetControlVisible(int control, bool visible) {
  if (!Find(control)) return;
  auto& c = controls_[static_cast<std::size_t>(control)];
  c.visible = visible;
  if (c.widget) {
    c.widget->setVisible(visible);
  } else {
    update();
  }
}

void QtWindow::SetControlText(int control, const QString& text) {
  QWidget* widget = ControlWidget(control);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  }
}

void QtWindow::SetControlPicture(int control, const Picture* picture) {
  const QtControl* c = Find(control);
  if (c && c->kind == ControlKind::Image && c->widget) ShowPicture(*c->widget, picture);
}

bool QtWindow::IsOptionSelected(int control) const {
  auto* option = qobject_cast<QRadioButton*>(ControlWidget(control));
  return option && option->isChecked();
}

void QtWindow::SetTimer(int control, int intervalMs, bool enabled) {
  QTimer* timer = ControlTimer(control);
  if (!timer) return;
  timer->stop();
  // A 0 ms QTimer would fire on every pass of the loop; the game means "off".
  if (enabled && intervalMs > 0 && events_) timer->start(intervalMs);
}

QImage QtWindow::BlankSurface() const {
  QImage blank(surfaceSize_, QImage::Format_ARGB32_Premultiplied);
  blank.setDevicePixelRatio(surfaceRatio_);
  blank.fill(Qt::transparent);
  return blank;
}

QImage& QtWindow::Surface() {
  if (surface_.isNull()) surface_ = BlankSurface();
  return surface_;
}

void QtWindow::ClearSurface() {
  if (!surface_.isNull()) surface_.fill(Qt::transparent);
  update();
}

void QtWindow::PrintText(int x, int y, const QString& text) {
  QPainter painter(&Surface());
  painter.setFont(font_);
  painter.setPen(fore_);
  painter.drawText(
      QRect(ToPixels(x, zoom_), ToPixels(y, zoom_), surface_.width(), surface_.height()),
      Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
  update();
}

int QtWindow::TextHeight(const QString& text) const {
  const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
  return ToTwips(QFontMetrics(font_, &metrics_).height() * lines, zoom_);
}

void QtWindow::DrawLine(int x1, int y1, int x2, int y2, Rgb colour) {
  QPainter painter(&Surface());
  // The default pen is a pixel wide at zoom 1.
  painter.setPen(QPen(ToQColor(colour), zoom_));
  const QLine line(ToPixels(x1, zoom_), ToPixels(y1, zoom_), ToPixels(x2, zoom_),
                   ToPixels(y2, zoom_));
  painter.drawLine(line);
  // Sweeps draw thousands of lines: repaint only the one just drawn.
  update(QRect(line.p1(), line.p2()).normalized().adjusted(-zoom_, -zoom_, zoom_, zoom_));
}

bool QtWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    Deliver([](WindowEvents& e) { e.OnGotFocus(); });
  } else if (event->type() == QEvent::WindowDeactivate) {
    Deliver([](WindowEvents& e) { e.OnLostFocus(); });
  }
  return QWidget::event(event);
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (PressDefaultButton(event)) return true;
      return HandleKey(watched, event);
    case QEvent::KeyRelease:
      return HandleKey(watched, event);
    case QEvent::FocusOut:
      previewed_ = nullptr;
      return false;
    default:
      return false;
  }
}

// A key reaches the game once: at the focused control when the window
// previews keys, else when it arrives at the window itself.
bool QtWindow::HandleKey(QObject* watched, QEvent* event) {
  if (watched != this) {
    if (!keyPreview_) return false;
    previewed_ = event;
  } else if (event == previewed_) {
    previewed_ = nullptr;
    return true;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const int code = VirtualKeyCode(key->key(), key->modifiers() & Qt::KeypadModifier);
  const int shift = ShiftBits(key->modifiers());
  if (event->type() == QEvent::KeyPress) {
    Deliver([code, shift](WindowEvents& e) { e.OnKeyDown(code, shift); });
  } else if (!key->isAutoRepeat()) {
    // Held keys repeat their key-downs only, as the game expects.
    Deliver([code, shift](WindowEvents& e) { e.OnKeyUp(code, shift); });
  }
  return watched == this;
}

void QtWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  if (!surface_.isNull()) painter.drawImage(0, 0, surface_);
  for (const auto& control : controls_) PaintFigure(painter, control, zoom_);
}

void QtWindow::resizeEvent(QResizeEvent* event) {
  const QSize size = event->size() * surfaceRatio_;
  if (size.width() > surfaceSize_.width() || size.height() > surfaceSize_.height()) {
    surfaceSize_ = size.expandedTo(surfaceSize_);
    if (!surface_.isNull()) {
      QImage grown = BlankSurface();
      QPainter(&grown).drawImage(0, 0, surface_);
      surface_ = std::move(grown);
    }
  }
  QWidget::resizeEvent(event);
  NoticeFrame();
}

void QtWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  NoticeFrame();
  Deliver([](WindowEvents& e) { e.OnMoved(); });
}

// The frame is known only once the window manager has framed the window,
// some time after it is first shown: it is looked for until it is there.
void QtWindow::NoticeFrame() {
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  if (frame == frame_) return;
  frame_ = frame;
  frameWatch_.stop();
  Deliver([](WindowEvents& e) { e.OnFramed(); });
  if (framed_) framed_();
}

// A fixed border has no minimise box; a window manager that offers one all
// the same would hide the game while it plays on, so the window comes back.
void QtWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && border_ != Border::Sizable && isMinimized())
    QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); });
}

void QtWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (border_ != Border::None && frame_.isNull()) {
    frameLooks_ = 0;
    frameWatch_.start(FrameLookMs);
  }
}

// Return and Enter press the window's button wherever the focus stands, as
// Space does on the focused button.
bool QtWindow::PressDefaultButton(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  for (const auto& control : controls_) {
    auto* button = qobject_cast<QPushButton*>(control.widget);
    if (button && button->isVisible() && button->isEnabled()) {
      button->click();
      return true;
    }
  }
  return false;
}

void QtWindow::mousePressEvent(QMouseEvent* event) {
  const int button = MouseButton(event->button());
  const int shift = ShiftBits(event->modifiers());
  const QPoint at = event->position().toPoint();
  const int x = ToTwips(at.x(), zoom_);
  const int y = ToTwips(at.y(), zoom_);
  Deliver([=](WindowEvents& e) { e.OnMouseDown(button, shift, x, y); });
}

void QtWindow::closeEvent(QCloseEvent* event) {
  // The game decides: its handler may unload the window or end the program.
  event->ignore();
  Deliver([](WindowEvents& e) { e.OnCloseRequest(); });
}

}  // namespace quorvan

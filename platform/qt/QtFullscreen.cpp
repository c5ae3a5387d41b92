// Fullscreen: the game's own windows, title bars and all, over a black
// backdrop, the status panel and the playfield in the middle of the screen.
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <functional>

#include "platform/qt/QtToolkit.h"

namespace quorvan {
namespace {

bool InPair(const QtWindow& window) {
  return window.objectName() == QLatin1String("Form3") ||  // the status panel
         window.objectName() == QLatin1String("Form1");    // the playfield
}

QRect ScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

// Windows are placed in twips; the pixels of both zooms map onto them exactly.
QRect OuterPixels(const QtWindow& window) {
  const WindowRect r = window.OuterRect();
  const int zoom = window.Zoom();
  return {ToPixels(r.left, zoom), ToPixels(r.top, zoom), ToPixels(r.width, zoom),
          ToPixels(r.height, zoom)};
}

void MoveOuterTo(QtWindow& window, QPoint corner) {
  WindowRect r = window.OuterRect();
  r.left = ToTwips(corner.x(), window.Zoom());
  r.top = ToTwips(corner.y(), window.Zoom());
  window.MoveOuter(r);
}

// The keys go nowhere else, and neither do their key-ups, whatever was let
// go of first: the game, its recorder and the replays never see them.
class FullscreenKeys : public QObject {
 public:
  explicit FullscreenKeys(std::function<void()> toggle) : toggle_(std::move(toggle)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress && Toggles(*key)) {
      held_ = key->key();
      if (!key->isAutoRepeat()) toggle_();
      return true;
    }
    if (event->type() == QEvent::KeyRelease && key->key() == held_) {
      if (!key->isAutoRepeat()) held_ = 0;
      return true;
    }
    return false;
  }

 private:
  static bool Toggles(const QKeyEvent& key) {
    if (key.key() == Qt::Key_F11) return true;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & Qt::AltModifier);
  }

  std::function<void()> toggle_;
  int held_ = 0;
};

}  // namespace

void QtToolkit::OfferFullscreen(int zoom) {
  fullscreenZoom_ = std::max(zoom, 1);
  if (!fullscreenKeys_) {
    fullscreenKeys_ = std::make_unique<FullscreenKeys>([this] {
      if (fullscreen_) {
        LeaveFullscreen();
      } else {
        EnterFullscreen();
      }
    });
  }
}

QRect QtToolkit::PairBox() const {
  QRect box;
  for (const auto& [id, window] : windows_) {
    if (window && InPair(*window)) box |= OuterPixels(*window);
  }
  return box;
}

void QtToolkit::StandPairAt(QPoint centre) {
  const QRect box = PairBox();
  if (box.isNull()) return;
  const QPoint shift = centre - box.center();
  // Read before any moves: moving the panel hangs the playfield under it.
  std::map<WindowId, QPoint> corners;
  for (const auto& [id, window] : windows_) {
    if (window && InPair(*window)) corners[id] = OuterPixels(*window).topLeft();
  }
  for (const auto& [id, corner] : corners) {
    if (QtWindow* window = Window(id)) MoveOuterTo(*window, corner + shift);
  }
}

void QtToolkit::KeepPairInMiddle(const QtWindow& window) {
  if (fullscreen_ && InPair(window)) StandPairAt(ScreenArea().center());
}

void QtToolkit::KeepPlacesBesidePair(const std::map<WindowId, QPoint>& centres, QPoint from,
                                     QPoint to, int fromZoom) {
  for (const auto& [id, centre] : centres) {
    QtWindow* window = Window(id);
    if (!window || InPair(*window)) continue;
    const QPoint moved = to + (centre - from) * zoom_ / fromZoom;
    const QSize size = OuterPixels(*window).size();
    MoveOuterTo(*window, moved - QPoint(size.width() / 2, size.height() / 2));
  }
}

void QtToolkit::EnterFullscreen() {
  if (fullscreen_) return;
  fullscreen_ = true;
  windowedZoom_ = zoom_;
  windowedCorners_.clear();
  std::map<WindowId, QPoint> centres;
  for (const auto& [id, window] : windows_) {
    if (!window) continue;
    windowedCorners_[id] = OuterPixels(*window).topLeft();
    centres[id] = OuterPixels(*window).center();
  }
  const QRect pair = PairBox();
  windowedPairCentre_ = pair.isNull() ? ScreenArea().center() : pair.center();
  if (!backdrop_) {
    // Never above the game's windows, never the keyboard's, and nothing to
    // close: clicking it leaves the game as it was.
    backdrop_ =
        new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                                 Qt::WindowDoesNotAcceptFocus);
    backdrop_->setAttribute(Qt::WA_ShowWithoutActivating);
    backdrop_->setAttribute(Qt::WA_QuitOnClose, false);
    backdrop_->setWindowTitle(QStringLiteral("Quorvan fullscreen"));
    QPalette palette = backdrop_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    backdrop_->setPalette(palette);
    backdrop_->setAutoFillBackground(true);
  }
  backdrop_->setGeometry(ScreenArea());
  backdrop_->show();
  backdrop_->lower();
  SetZoom(fullscreenZoom_);
  KeepPlacesBesidePair(centres, windowedPairCentre_, ScreenArea().center(), windowedZoom_);
  StandPairAt(ScreenArea().center());
}

void QtToolkit::LeaveFullscreen() {
  if (!fullscreen_) return;
  fullscreen_ = false;
  if (backdrop_) backdrop_->hide();
  std::map<WindowId, QPoint> centres;
  for (const auto& [id, window] : windows_) {
    if (window) centres[id] = OuterPixels(*window).center();
  }
  const int fullscreenZoom = zoom_;
  SetZoom(windowedZoom_);
  // Windows made while fullscreen stand beside the pair as they stood there.
  KeepPlacesBesidePair(centres, ScreenArea().center(), windowedPairCentre_, fullscreenZoom);
  StandPairAt(windowedPairCentre_);
  for (const auto& [id, corner] : windowedCorners_) {
    if (QtWindow* window = Window(id)) MoveOuterTo(*window, corner);
  }
  windowedCorners_.clear();
}

}  // namespace quorvan

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

constexpr QLatin1String PanelName("Form3");
constexpr QLatin1String PlayfieldName("Form1");

bool InPair(const QtWindow& window) {
  return window.objectName() == PanelName || window.objectName() == PlayfieldName;
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

// A window's corner is its middle less half its size, to the pixel.
QPoint Middle(const QRect& r) { return r.topLeft() + QPoint(r.width() / 2, r.height() / 2); }
QPoint CornerFor(QPoint middle, const QRect& r) {
  return middle - QPoint(r.width() / 2, r.height() / 2);
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
    fullscreenKeys_ = std::make_unique<FullscreenKeys>(
        [this] { fullscreen_ ? LeaveFullscreen() : EnterFullscreen(); });
  }
}

QtWindow* QtToolkit::Named(QLatin1String name) const {
  for (const auto& [id, window] : windows_) {
    if (window && window->objectName() == name) return window.data();
  }
  return nullptr;
}

// The panel stands on the playfield, as wide as it.
QRect QtToolkit::PairBox() const {
  const QtWindow* panel = Named(PanelName);
  const QtWindow* field = Named(PlayfieldName);
  if (!panel || !field) return panel ? OuterPixels(*panel) : field ? OuterPixels(*field) : QRect();
  const QRect top = OuterPixels(*panel);
  const QRect bottom = OuterPixels(*field);
  return {top.left(), top.top(), bottom.width(), top.height() + bottom.height()};
}

void QtToolkit::StandPairAt(QPoint centre) {
  const QRect box = PairBox();
  if (box.isNull()) return;
  const QPoint corner = CornerFor(centre, box);
  QtWindow* panel = Named(PanelName);
  if (panel) MoveOuterTo(*panel, corner);
  if (QtWindow* field = Named(PlayfieldName))
    MoveOuterTo(*field, corner + QPoint(0, panel ? OuterPixels(*panel).height() : 0));
}

void QtToolkit::KeepPairInMiddle(const QtWindow& window) {
  if (fullscreen_ && InPair(window)) StandPairAt(Middle(ScreenArea()));
}

void QtToolkit::KeepPlacesBesidePair(const std::map<WindowId, QPoint>& centres, QPoint from,
                                     QPoint to, int fromZoom) {
  for (const auto& [id, centre] : centres) {
    QtWindow* window = Window(id);
    if (!window || InPair(*window)) continue;
    MoveOuterTo(*window, CornerFor(to + (centre - from) * zoom_ / fromZoom, OuterPixels(*window)));
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
    centres[id] = Middle(OuterPixels(*window));
  }
  const QRect pair = PairBox();
  windowedPairCentre_ = Middle(pair.isNull() ? ScreenArea() : pair);
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
  // The offscreen platform has no stacking order and says so on every lower.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) backdrop_->lower();
  SetZoom(fullscreenZoom_);
  KeepPlacesBesidePair(centres, windowedPairCentre_, Middle(ScreenArea()), windowedZoom_);
  StandPairAt(Middle(ScreenArea()));
}

void QtToolkit::LeaveFullscreen() {
  if (!fullscreen_) return;
  fullscreen_ = false;
  if (backdrop_) backdrop_->hide();
  std::map<WindowId, QPoint> centres;
  for (const auto& [id, window] : windows_) {
    if (window) centres[id] = Middle(OuterPixels(*window));
  }
  const int fullscreenZoom = zoom_;
  SetZoom(windowedZoom_);
  // Windows made while fullscreen stand beside the pair as they stood there.
  KeepPlacesBesidePair(centres, Middle(ScreenArea()), windowedPairCentre_, fullscreenZoom);
  StandPairAt(windowedPairCentre_);
  for (const auto& [id, corner] : windowedCorners_) {
    if (QtWindow* window = Window(id)) MoveOuterTo(*window, corner);
  }
  windowedCorners_.clear();
}

}  // namespace quorvan

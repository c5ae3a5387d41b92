#include "platform/qt/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <utility>

namespace quorvan {
namespace {

constexpr int PatienceMs = 1000;

}  // namespace

FirstPaintWatch::FirstPaintWatch(std::function<void()> then) : then_(std::move(then)) {
  soon_.setSingleShot(true);
  QObject::connect(&soon_, &QTimer::timeout, this, [this] { Run(); });
  soon_.start(PatienceMs);
  QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintWatch::~FirstPaintWatch() {
  if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

// A window is painted while its first expose event is handled: what waits
// comes at the loop's next turn, once that is done.
bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose) {
    const auto* window = qobject_cast<QWindow*>(watched);
    if (window && window->isExposed()) {
      QCoreApplication::instance()->removeEventFilter(this);
      soon_.start(0);
    }
  }
  return false;
}

void FirstPaintWatch::Run() {
  QCoreApplication::instance()->removeEventFilter(this);
  if (auto then = std::exchange(then_, nullptr)) then();
}

}  // namespace quorvan

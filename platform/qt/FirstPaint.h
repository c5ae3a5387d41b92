// Work that can wait until the player sees something: it is done once the
// program's first window has been shown and painted.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace quorvan {

class FirstPaintWatch final : public QObject {
 public:
  // `then` runs once from the event loop, right after the first window is
  // painted; or a second after the watch is made, if no window is ever
  // shown (a window manager may keep one unmapped).
  explicit FirstPaintWatch(std::function<void()> then);
  ~FirstPaintWatch() override;
  FirstPaintWatch(const FirstPaintWatch&) = delete;
  FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run();

  std::function<void()> then_;
  QTimer soon_;
};

}  // namespace quorvan

// What the Qt tests share: a window that records its events and small
// layouts to make windows from.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/qt/QtToolkit.h"
#include "screens/Toolkit.h"

namespace quorvan::test {

struct Recorded {
  std::string what;  // "down", "up", "mouse", "click", "timer", "got", "lost", "close"
  int a = 0, b = 0, c = 0, d = 0;
  friend bool operator==(const Recorded&, const Recorded&) = default;
  friend void PrintTo(const Recorded& e, std::ostream* out) {
    *out << e.what << "(" << e.a << "," << e.b << "," << e.c << "," << e.d << ")";
  }
};

class Recorder : public WindowEvents {
 public:
  std::vector<Recorded> events;
  std::function<void(const Recorded&)> then;  // runs after each event

  void OnKeyDown(int key, int shift) override { Add({"down", key, shift}); }
  void OnKeyUp(int key, int shift) override { Add({"up", key, shift}); }
  void OnMouseDown(int button, int shift, int x, int y) override {
    Add({"mouse", button, shift, x, y});
  }
  void OnClick(int control) override { Add({"click", control}); }
  void OnTimer(int control) override { Add({"timer", control}); }
  void OnGotFocus() override { Add({"got"}); }
  void OnLostFocus() override { Add({"lost"}); }
  void OnCloseRequest() override { Add({"close"}); }

  // What came from the keyboard and the mouse, without focus changes.
  std::vector<Recorded> Input() const {
    std::vector<Recorded> input;
    for (const auto& e : events) {
      if (e.what != "got" && e.what != "lost") input.push_back(e);
    }
    return input;
  }

  int Count(const std::string& what) const {
    int n = 0;
    for (const auto& e : events) n += e.what == what;
    return n;
  }

 private:
  void Add(Recorded e) {
    events.push_back(e);
    if (then) then(e);
  }
};

inline ControlLayout Control(const char* name, ControlKind kind, int left, int top, int width,
                             int height) {
  ControlLayout c{name};
  c.kind = kind;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

// 300 x 200 pixels, titled, no controls.
inline WindowLayout PlainLayout(Border border = Border::FixedSingle) {
  WindowLayout layout;
  layout.name = "FormTest";
  layout.caption = "Test window";
  layout.border = border;
  layout.back = {0, 0, 64};
  layout.fore = {255, 255, 0};
  layout.font = {"ＭＳ Ｐゴシック", 11.25, false};
  layout.clientWidth = 300 * TwipsPerPixel;
  layout.clientHeight = 200 * TwipsPerPixel;
  layout.keyPreview = true;
  return layout;
}

// Handles events for about `ms` milliseconds without blocking on them.
inline void Spin(QtToolkit& tk, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) tk.ProcessPendingEvents();
}

// The text-entry dialog on screen, or nullptr.
inline QInputDialog* OpenEntry() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QInputDialog*>(w);
    if (dialog && dialog->isVisible()) return dialog;
  }
  return nullptr;
}

}  // namespace quorvan::test

// The pump: timers, waiting without burning the processor, windows going
// away inside their own handlers, and the end of the program.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>

#include "QtTestSupport.h"

namespace quorvan {
namespace {

using test::Control;
using test::PlainLayout;
using test::Recorder;
using Clock = std::chrono::steady_clock;

WindowLayout TimerLayout(int intervalMs) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("Label", ControlKind::Label, 0, 0, 10, 10));
  layout.controls.push_back(Control("Tick", ControlKind::Timer, 0, 0, 0, 0));
  layout.controls.back().interval = intervalMs;
  layout.controls.back().enabled = true;
  return layout;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Waits on the pump, as the game does, until `ticks` ticks have come; gives
// the milliseconds between them.
std::vector<double> WaitForTicks(QtToolkit& tk, Recorder& events, int ticks) {
  std::vector<Clock::time_point> at;
  events.then = [&](const test::Recorded& e) {
    if (e.what == "timer") at.push_back(Clock::now());
  };
  while (static_cast<int>(at.size()) < ticks + 1) tk.PumpEvents();
  events.then = nullptr;
  std::vector<double> gaps;
  for (std::size_t i = 1; i < at.size(); ++i) {
    gaps.push_back(std::chrono::duration<double, std::milli>(at[i] - at[i - 1]).count());
  }
  return gaps;
}

TEST(QtPump, ATimerTicksAtItsInterval) {
  QtToolkit tk;
  Recorder events;
  tk.CreateWindow(TimerLayout(50), events);
  const auto gaps = WaitForTicks(tk, events, 10);
  EXPECT_NEAR(Median(gaps), 50.0, 2.0);
  // A busy machine delays single ticks; the ones after catch up, never queue.
  for (const double gap : gaps) EXPECT_LT(gap, 150.0);
  EXPECT_EQ(events.events.front().a, 1);  // the timer's place in the table
}

TEST(QtPump, SettingATimerRestartsItsCount) {
  QtToolkit tk;
  Recorder events;
  const WindowId w = tk.CreateWindow(TimerLayout(60), events);
  const auto start = Clock::now();
  test::Spin(tk, 40);
  tk.SetTimer(w, 1, 60, true);
  const auto restarted = Clock::now();
  // A busy machine may have let the first count run out during the spin;
  // that tick is not the one looked for.
  const int ticksBefore = events.Count("timer");
  while (events.Count("timer") == ticksBefore &&
         Clock::now() - restarted < std::chrono::seconds(10)) {
    tk.PumpEvents();
  }
  const double sinceRestart =
      std::chrono::duration<double, std::milli>(Clock::now() - restarted).count();
  EXPECT_GE(sinceRestart, 59.0);
  EXPECT_LT(sinceRestart, 10000.0) << "the restarted timer never ticked";
  const double sinceStart = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  EXPECT_GT(sinceStart, 95.0);
}

// The game's wait loop: ~0 processor while blocked, ticks on time.
TEST(QtPump, WaitingOnTheClockUsesAlmostNoProcessor) {
  QtToolkit tk;
  Recorder events;
  tk.CreateWindow(TimerLayout(160), events);
  const double cpuBefore = CpuSeconds();
  const auto wallBefore = Clock::now();
  const auto gaps = WaitForTicks(tk, events, 19);
  const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
  const double cpu = CpuSeconds() - cpuBefore;
  const auto [shortest, longest] = std::minmax_element(gaps.begin(), gaps.end());
  std::printf(
      "160 ms timer: %zu gaps, median %.3f ms, min %.3f, max %.3f; CPU %.4f s over "
      "%.2f s (%.2f%%)\n",
      gaps.size(), Median(gaps), *shortest, *longest, cpu, wall, 100 * cpu / wall);
  EXPECT_NEAR(Median(gaps), 160.0, 1.0);
  EXPECT_LT(cpu / wall, 0.02);
}

TEST(QtPump, ADestroyedWindowHearsNothingMore) {
  QtToolkit tk;
  Recorder events;
  const WindowId w = tk.CreateWindow(TimerLayout(10), events);
  QPointer<QtWindow> window = tk.Window(w);
  tk.DestroyWindow(w);
  EXPECT_EQ(tk.Window(w), nullptr);
  ASSERT_FALSE(window.isNull());  // not yet deleted: no event loop has run
  QTest::keyClick(window.data(), Qt::Key_A);
  QTest::mouseClick(window.data(), Qt::LeftButton);
  window->close();
  test::Spin(tk, 50);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(events.events.empty());
  tk.DestroyWindow(w);  // twice does no harm
}

TEST(QtPump, AWindowMayDestroyItselfInsideItsOwnHandler) {
  QtToolkit tk;
  Recorder events;
  const WindowId w = tk.CreateWindow(TimerLayout(10), events);
  QPointer<QtWindow> window = tk.Window(w);
  tk.ShowWindow(w);
  events.then = [&](const test::Recorded& e) {
    if (e.what == "timer" || e.what == "close") tk.DestroyWindow(w);
  };
  while (events.Count("timer") == 0) tk.PumpEvents();
  EXPECT_TRUE(window.isNull());  // the pump carried out the deletion
  EXPECT_EQ(events.Count("timer"), 1);
}

TEST(QtPump, ACloseHandlerMayDestroyItsWindow) {
  QtToolkit tk;
  Recorder events;
  const WindowId w = tk.CreateWindow(PlainLayout(), events);
  QPointer<QtWindow> window = tk.Window(w);
  tk.ShowWindow(w);
  events.then = [&](const test::Recorded& e) {
    if (e.what == "close") tk.DestroyWindow(w);
  };
  window->close();
  tk.ProcessPendingEvents();
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(events.Count("close"), 1);
}

TEST(QtPump, EndProgramMakesThePumpThrowTheCode) {
  QtToolkit tk;
  Recorder events;
  tk.CreateWindow(TimerLayout(20), events);
  events.then = [&](const test::Recorded&) { tk.EndProgram(7); };
  try {
    for (;;) tk.PumpEvents();
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(end.code, 7);
    EXPECT_EQ(events.Count("timer"), 1);
    return;
  }
}

TEST(QtPump, EndProgramOutsideAHandlerEndsTheNextPumpWithoutWaiting) {
  QtToolkit tk;
  tk.EndProgram(3);
  const auto start = Clock::now();
  EXPECT_THROW(tk.PumpEvents(), ProgramEnd);
  EXPECT_THROW(tk.ProcessPendingEvents(), ProgramEnd);
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(100));
}

TEST(QtPump, AHandlersFailureComesOutOfThePumpNotThroughQt) {
  QtToolkit tk;
  Recorder events;
  tk.CreateWindow(TimerLayout(10), events);
  events.then = [](const test::Recorded&) { throw std::runtime_error("bad handler"); };
  EXPECT_THROW(
      {
        for (int i = 0; i < 1000; ++i) tk.PumpEvents();
      },
      std::runtime_error);
}

TEST(QtPump, AskTextReturnsTheTextOrEmptyWhenCancelled) {
  QtToolkit tk;
  QTimer::singleShot(50, [] {
    QInputDialog* dialog = test::OpenEntry();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->textValue(), "Ｑｕｏｒｖａｎ");
    EXPECT_EQ(dialog->labelText(), "Your name?");
    dialog->setTextValue("ずるいな");
    dialog->accept();
  });
  EXPECT_EQ(tk.AskText("Your name?", "High score", "Ｑｕｏｒｖａｎ"), "ずるいな");
  QTimer::singleShot(50, [] { test::OpenEntry()->close(); });
  EXPECT_EQ(tk.AskText("Your name?", "High score", "x"), "");
}

// A window manager reads whether a window may be resized as it is mapped,
// and one that saw the entry resizable goes on drawing a resize handle.
class EntrySizeAtShow : public QObject {
 public:
  EntrySizeAtShow() { qApp->installEventFilter(this); }
  ~EntrySizeAtShow() override { qApp->removeEventFilter(this); }
  QSize minimum, maximum;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QInputDialog*>(watched);
    if (dialog && event->type() == QEvent::Show) {
      minimum = dialog->minimumSize();
      maximum = dialog->maximumSize();
      QTimer::singleShot(0, dialog, &QDialog::accept);
    }
    return false;
  }
};

TEST(QtPump, TheEntryIsOfFixedSizeBeforeItIsShownAtEveryZoom) {
  for (const int zoom : {1, 2, 3}) {
    QtToolkit tk;
    tk.SetZoom(zoom);
    const EntrySizeAtShow seen;
    tk.AskText("ウィングナンバー", "ずるいな！", "0");
    EXPECT_FALSE(seen.minimum.isEmpty()) << "zoom " << zoom;
    EXPECT_EQ(seen.minimum.width(), seen.maximum.width()) << "zoom " << zoom;
    EXPECT_EQ(seen.minimum.height(), seen.maximum.height()) << "zoom " << zoom;
  }
}

TEST(QtPump, TimersTickWhileAskingAndEndProgramClosesTheDialog) {
  QtToolkit tk;
  Recorder events;
  tk.CreateWindow(TimerLayout(20), events);
  events.then = [&](const test::Recorded&) {
    if (events.Count("timer") == 5) tk.EndProgram(2);
  };
  try {
    tk.AskText("Name", "Title", "");
    ADD_FAILURE() << "AskText returned";
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(end.code, 2);
  }
  EXPECT_EQ(events.Count("timer"), 5);
  EXPECT_EQ(test::OpenEntry(), nullptr);
}

// The playfield asks for a number from inside its key handler; the program
// may end while it asks.
TEST(QtPump, AskingInsideAHandlerThatEndsTheProgramEndsThePump) {
  QtToolkit tk;
  Recorder events;
  const WindowId w = tk.CreateWindow(TimerLayout(20), events);
  events.then = [&](const test::Recorded& e) {
    if (e.what != "timer") return;
    tk.SetTimer(w, 1, 0, false);
    QTimer::singleShot(30, [&] { tk.EndProgram(5); });
    tk.AskText("Wing number?", "Quorvan", "1");
    ADD_FAILURE() << "AskText returned";
  };
  try {
    for (;;) tk.PumpEvents();
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(end.code, 5);
  }
}

}  // namespace
}  // namespace quorvan

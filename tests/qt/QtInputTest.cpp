// Keys, mouse, focus and close requests as the game's windows hear them.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "QtTestSupport.h"

namespace quorvan {
namespace {

using test::Control;
using test::PlainLayout;
using test::Recorded;
using test::Recorder;

constexpr int T = TwipsPerPixel;

class QtInputTest : public ::testing::Test {
 protected:
  QtWindow* Make(const WindowLayout& layout) {
    id = tk.CreateWindow(layout, events);
    return tk.Window(id);
  }

  QtToolkit tk;
  Recorder events;
  WindowId id = 0;
};

TEST_F(QtInputTest, KeysGiveVirtualKeyCodesAndShiftBits) {
  QtWindow* window = Make(PlainLayout());
  QTest::keyClick(window, Qt::Key_Left);
  QTest::keyClick(window, Qt::Key_Space, Qt::ShiftModifier);
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
  // The modifier keys come and go as keys of their own, as on Windows.
  const std::vector<Recorded> want{{"down", 37, 0}, {"up", 37, 0}, {"down", 16, 1}, {"down", 32, 1},
                                   {"up", 32, 1},   {"up", 16, 0}, {"down", 17, 2}, {"down", 18, 6},
                                   {"down", 90, 6}, {"up", 90, 6}, {"up", 18, 2},   {"up", 17, 0}};
  EXPECT_EQ(events.Input(), want);
}

TEST_F(QtInputTest, UnknownKeysStillArriveAsZero) {
  QtWindow* window = Make(PlainLayout());
  QTest::keyPress(window, Qt::Key_VolumeDown);
  ASSERT_EQ(events.events.size(), 1u);
  EXPECT_EQ(events.events[0], (Recorded{"down", 0, 0}));
}

TEST_F(QtInputTest, HeldKeysRepeatKeyDownsWithoutKeyUps) {
  QtWindow* window = Make(PlainLayout());
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
  QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
  for (QKeyEvent* e :
       {&press, &repeatRelease, &repeatPress, &repeatRelease, &repeatPress, &release}) {
    QCoreApplication::sendEvent(window, e);
  }
  EXPECT_EQ(events.Count("down"), 3);
  EXPECT_EQ(events.Count("up"), 1);
  EXPECT_EQ(events.events.back(), (Recorded{"up", 39, 0}));
}

TEST_F(QtInputTest, AKeyAtAFocusedControlReachesTheGameOnce) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("Cmd", ControlKind::Button, 0, 0, 80 * T, 25 * T));
  QtWindow* window = Make(layout);
  QWidget* button = window->ControlWidget(0);
  QTest::keyPress(button, Qt::Key_A);       // the button has no use for it: it goes on up
  QTest::keyPress(button, Qt::Key_Escape);  // ignored by a button too
  QTest::keyPress(button, Qt::Key_Space);   // the button takes it
  const std::vector<Recorded> want{{"down", 65, 0}, {"down", 27, 0}, {"down", 32, 0}};
  EXPECT_EQ(events.events, want);
}

TEST_F(QtInputTest, WithoutKeyPreviewAFocusedButtonKeepsItsKeys) {
  auto layout = PlainLayout();
  layout.keyPreview = false;
  layout.controls.push_back(Control("Cmd", ControlKind::Button, 0, 0, 80 * T, 25 * T));
  QtWindow* window = Make(layout);
  QTest::keyPress(window->ControlWidget(0), Qt::Key_Space);
  EXPECT_TRUE(events.events.empty());
  QTest::keyPress(window, Qt::Key_Space);
  EXPECT_EQ(events.Count("down"), 1);
}

TEST_F(QtInputTest, MousePressesOnTheWindowGiveButtonShiftAndTwips) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("L", ControlKind::Label, 0, 0, 100 * T, 100 * T));
  QtWindow* window = Make(layout);
  tk.ShowWindow(id);
  // Through the platform window, so the label's transparency is what decides.
  QTest::mousePress(window->windowHandle(), Qt::RightButton, Qt::ShiftModifier, QPoint(20, 30));
  QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, QPoint(200, 150));
  QTest::mousePress(window->windowHandle(), Qt::MiddleButton, Qt::ControlModifier, QPoint(1, 2));
  const std::vector<Recorded> want{{"mouse", 2, 1, 20 * T, 30 * T},
                                   {"mouse", 1, 0, 200 * T, 150 * T},
                                   {"mouse", 4, 2, 1 * T, 2 * T}};
  EXPECT_EQ(events.Input(), want);
}

TEST_F(QtInputTest, ALeftPressOnAnImageIsAClickOfThatControl) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("Bg", ControlKind::Label, 0, 0, 300 * T, 200 * T));
  layout.controls.push_back(Control("Img", ControlKind::Image, 50 * T, 50 * T, 30 * T, 30 * T));
  layout.controls.back().crossCursor = true;
  QtWindow* window = Make(layout);
  tk.ShowWindow(id);
  EXPECT_EQ(window->ControlWidget(1)->cursor().shape(), Qt::CrossCursor);
  QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, QPoint(60, 60));
  QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, QPoint(60, 60));
  const std::vector<Recorded> want{{"click", 1}};
  EXPECT_EQ(events.Input(), want);
}

TEST_F(QtInputTest, AButtonClickIsAClickOfThatControl) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("T", ControlKind::Timer, 0, 0, 0, 0));
  layout.controls.push_back(Control("Cmd", ControlKind::Button, 0, 0, 80 * T, 25 * T));
  QtWindow* window = Make(layout);
  tk.ShowWindow(id);
  QTest::mouseClick(window->ControlWidget(1), Qt::LeftButton);
  const std::vector<Recorded> want{{"click", 1}};
  EXPECT_EQ(events.Input(), want);
}

TEST_F(QtInputTest, ACloseRequestAsksTheGameAndClosesNothing) {
  QtWindow* window = Make(PlainLayout());
  tk.ShowWindow(id);
  EXPECT_FALSE(window->close());
  window->windowHandle()->close();
  tk.ProcessPendingEvents();
  EXPECT_EQ(events.Count("close"), 2);
  EXPECT_EQ(tk.Window(id), window);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(QtInputTest, ActivationIsGotAndLostFocus) {
  const WindowId a = tk.CreateWindow(PlainLayout(), events);
  Recorder other;
  const WindowId b = tk.CreateWindow(PlainLayout(), other);
  tk.ShowWindow(a);
  test::Spin(tk, 50);
  EXPECT_EQ(events.Count("got"), 1);
  tk.ShowWindow(b);
  test::Spin(tk, 50);
  EXPECT_EQ(events.Count("lost"), 1);
  EXPECT_EQ(other.Count("got"), 1);
  tk.SetFocus(a);
  test::Spin(tk, 50);
  EXPECT_EQ(events.Count("got"), 2);
  EXPECT_EQ(other.Count("lost"), 1);
}

}  // namespace
}  // namespace quorvan

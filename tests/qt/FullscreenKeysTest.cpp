// Fullscreen: the zoom it chooses, and the keys that go in and out of it,
// which the game never hears.
#include <gtest/gtest.h>

#include <QTest>

#include "QtTestSupport.h"
#include "platform/qt/DisplayScale.h"

namespace quorvan {
namespace {

// Frames count: 16 pixels across for the borders, two 32-pixel title bars.
TEST(FullscreenScale, TheLargestWholeScaleAtWhichThePairAndItsFramesFillTheScreen) {
  const int cases[][3] = {{800, 600, 1},   {1295, 2000, 1}, {1296, 2000, 2},  {2000, 929, 1},
                          {2000, 930, 2},  {1920, 1080, 2}, {1935, 2000, 2},  {1936, 1363, 3},
                          {2560, 1440, 3}, {3840, 2160, 4}, {20000, 20000, 8}};
  for (const auto& c : cases)
    EXPECT_EQ(ChooseFullscreenScale(c[0], c[1]), c[2]) << c[0] << "x" << c[1];
}

TEST(FullscreenKeys, F11AndAltEnterGoInAndOutAndTheGameHearsNeitherNorTheirKeyUps) {
  QtToolkit tk;
  test::Recorder events;
  tk.OfferFullscreen(1);
  QtWindow* window = tk.Window(tk.CreateWindow(test::PlainLayout(), events));
  QTest::keyClick(window, Qt::Key_F11);
  EXPECT_TRUE(tk.Fullscreen());
  // Held, it repeats: still fullscreen.
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier, {}, true);
  QCoreApplication::sendEvent(window, &repeat);
  EXPECT_TRUE(tk.Fullscreen());
  // Alt let go of before Return: the Return's key-up is the toggle's too.
  QTest::keyPress(window, Qt::Key_Return, Qt::AltModifier);  // Alt's key-down first
  QTest::keyRelease(window, Qt::Key_Alt);
  QTest::keyRelease(window, Qt::Key_Return);
  EXPECT_FALSE(tk.Fullscreen());
  QTest::keyClick(window, Qt::Key_Return);  // alone, it is the game's
  const int Alt = 18, Return = 13;
  EXPECT_EQ(events.Input(),
            (std::vector<test::Recorded>{
                {"down", Alt, 4}, {"up", Alt, 4}, {"down", Return, 0}, {"up", Return, 0}}));
}

}  // namespace
}  // namespace quorvan

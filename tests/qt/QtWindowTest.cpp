// Windows made from layouts: borders, geometry, controls, pictures and the
// drawing surface.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "QtTestSupport.h"
#include "game/Grid.h"
#include "sound/FileLookup.h"

namespace quorvan {
namespace {

using test::Control;
using test::PlainLayout;
using test::Recorder;

constexpr int T = TwipsPerPixel;

// A 4 x 3 sprite: a red column on the left, the rest transparent.
constexpr const char* IconXpm =
    "/* XPM */\nstatic char *x[] = {\n\"4 3 2 1\",\n\"  c None\",\n\"r c #FF0000\",\n"
    "\"r   \",\n\"r   \",\n\"r   \"};\n";

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = AssetFolder();
    ASSERT_TRUE(dir_.isValid());
    const std::filesystem::path root = dir_.path().toStdString();
    std::filesystem::create_directories(root / "pictures");
    std::ofstream(root / "pictures" / "red.xpm") << IconXpm;
    std::ofstream(root / "pictures" / "broken.xpm") << "not a picture";
    SetAssetFolder(root);
  }
  void TearDown() override { SetAssetFolder(saved_); }

  QImage Shot(WindowId w) { return tk.Window(w)->grab().toImage(); }

  QtToolkit tk;
  Recorder events;
  QTemporaryDir dir_;
  std::filesystem::path saved_;
};

TEST_F(QtWindowTest, WindowsAreCreatedHiddenAtTheirClientSize) {
  const WindowId w = tk.CreateWindow(PlainLayout(), events);
  ASSERT_GT(w, 0);
  QtWindow* window = tk.Window(w);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->size(), QSize(300, 200));
  EXPECT_EQ(window->windowTitle(), "Test window");
  tk.ShowWindow(w);
  EXPECT_TRUE(window->isVisible());
  tk.HideWindow(w);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(QtWindowTest, EachWindowHasItsOwnId) {
  const WindowId a = tk.CreateWindow(PlainLayout(), events);
  const WindowId b = tk.CreateWindow(PlainLayout(), events);
  EXPECT_NE(a, b);
  EXPECT_NE(tk.Window(a), tk.Window(b));
}

TEST_F(QtWindowTest, BorderStylesChooseTheFrame) {
  QtWindow* none = tk.Window(tk.CreateWindow(PlainLayout(Border::None), events));
  QtWindow* single = tk.Window(tk.CreateWindow(PlainLayout(Border::FixedSingle), events));
  QtWindow* tool = tk.Window(tk.CreateWindow(PlainLayout(Border::FixedToolWindow), events));
  QtWindow* sizable = tk.Window(tk.CreateWindow(PlainLayout(Border::Sizable), events));
  EXPECT_TRUE(none->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(single->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(single->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(single->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(tool->windowType(), Qt::Tool);
  EXPECT_EQ(single->windowType(), Qt::Window);
  // Fixed borders cannot be resized by the player; a sizable one can.
  EXPECT_EQ(single->minimumSize(), single->maximumSize());
  EXPECT_EQ(tool->minimumSize(), tool->maximumSize());
  EXPECT_NE(sizable->minimumSize(), sizable->maximumSize());
}

TEST_F(QtWindowTest, OuterRectRoundTripsInTwips) {
  const WindowId w = tk.CreateWindow(PlainLayout(), events);
  tk.ShowWindow(w);
  const WindowRect wanted{40 * T, 30 * T, 320 * T, 240 * T};
  tk.MoveWindow(w, wanted);
  test::Spin(tk, 20);
  const WindowRect got = tk.GetWindowRect(w);
  EXPECT_EQ(got.left, wanted.left);
  EXPECT_EQ(got.top, wanted.top);
  EXPECT_EQ(got.width, wanted.width);
  EXPECT_EQ(got.height, wanted.height);
  EXPECT_EQ(tk.GetWindowRect(w).width % T, 0);
}

TEST_F(QtWindowTest, UnknownWindowsAreIgnored) {
  EXPECT_EQ(tk.GetWindowRect(12345).width, 0);
  tk.ShowWindow(12345);
  tk.SetControlText(12345, 0, "x");
  EXPECT_FALSE(tk.IsOptionSelected(12345, 0));
  const WindowId w = tk.CreateWindow(PlainLayout(), events);
  tk.SetControlRect(w, 99, 0, 0, 1, 1);
  tk.SetControlPicture(w, -1, nullptr);
  tk.SetTimer(w, 7, 10, true);
}

TEST_F(QtWindowTest, ControlsStandAtTheirDesignPlaces) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("Label1", ControlKind::Label, 10 * T, 20 * T, 100 * T, 16 * T));
  layout.controls.push_back(Control("Cmd", ControlKind::Button, 5 * T, 150 * T, 80 * T, 25 * T));
  layout.controls.back().caption = "&Start";
  const WindowId w = tk.CreateWindow(layout, events);
  QtWindow* window = tk.Window(w);
  EXPECT_EQ(window->ControlWidget(0)->geometry(), QRect(10, 20, 100, 16));
  EXPECT_EQ(window->ControlWidget(1)->geometry(), QRect(5, 150, 80, 25));
  EXPECT_EQ(qobject_cast<QPushButton*>(window->ControlWidget(1))->text(), "&Start");
  tk.SetControlRect(w, 0, 30 * T, 40 * T, 50 * T, 12 * T);
  EXPECT_EQ(window->ControlWidget(0)->geometry(), QRect(30, 40, 50, 12));
}

TEST_F(QtWindowTest, AnImageTakesItsPicturesSize) {
  static const Picture red{"red.xpm", 4, 3, true};
  auto layout = PlainLayout();
  layout.controls.push_back(Control("Img", ControlKind::Image, 10 * T, 10 * T, 50 * T, 50 * T));
  layout.controls.back().picture = &red;
  layout.controls.push_back(Control("Empty", ControlKind::Image, 0, 0, 20 * T, 10 * T));
  const WindowId w = tk.CreateWindow(layout, events);
  QtWindow* window = tk.Window(w);
  EXPECT_EQ(window->ControlWidget(0)->geometry(), QRect(10, 10, 4, 3));
  EXPECT_EQ(window->ControlWidget(1)->geometry(), QRect(0, 0, 20, 10));
  tk.SetControlPicture(w, 1, &red);
  EXPECT_EQ(window->ControlWidget(1)->size(), QSize(4, 3));
  // Taking the picture away keeps the size.
  tk.SetControlPicture(w, 1, nullptr);
  EXPECT_EQ(window->ControlWidget(1)->size(), QSize(4, 3));
}

TEST_F(QtWindowTest, IconsAreDrawnWithTheirTransparency) {
  static const Picture red{"red.xpm", 4, 3, true};
  auto layout = PlainLayout();
  layout.controls.push_back(Control("Img", ControlKind::Image, 10 * T, 10 * T, 0, 0));
  layout.controls.back().picture = &red;
  const QImage shot = Shot(tk.CreateWindow(layout, events));
  EXPECT_EQ(shot.pixelColor(10, 11), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(12, 11), QColor(0, 0, 64));  // the window shows through
}

TEST_F(QtWindowTest, BitmapsCoverTheirRectangle) {
  static const Picture bitmap{"red.xpm", 4, 3, false};
  auto layout = PlainLayout();
  layout.controls.push_back(Control("Img", ControlKind::Image, 10 * T, 10 * T, 0, 0));
  layout.controls.back().picture = &bitmap;
  const QImage shot = Shot(tk.CreateWindow(layout, events));
  EXPECT_NE(shot.pixelColor(12, 11), QColor(0, 0, 64));
}

TEST_F(QtWindowTest, MissingOrDamagedPicturesAreBlankAtTheirSize) {
  static const Picture missing{"nowhere.xpm", 7, 5, true};
  static const Picture broken{"broken.xpm", 6, 2, false};
  auto layout = PlainLayout();
  layout.controls.push_back(Control("A", ControlKind::Image, 0, 0, 0, 0));
  layout.controls.back().picture = &missing;
  layout.controls.push_back(Control("B", ControlKind::Image, 100 * T, 0, 0, 0));
  layout.controls.back().picture = &broken;
  const WindowId w = tk.CreateWindow(layout, events);
  EXPECT_EQ(tk.Window(w)->ControlWidget(0)->size(), QSize(7, 5));
  EXPECT_EQ(tk.Window(w)->ControlWidget(1)->size(), QSize(6, 2));
  const QImage shot = Shot(w);
  EXPECT_EQ(shot.pixelColor(3, 3), QColor(0, 0, 64));
  EXPECT_EQ(shot.pixelColor(102, 1), QColor(0, 0, 64));
}

TEST_F(QtWindowTest, LabelsShowTheirTextColoursAndAlignment) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("L", ControlKind::Label, 0, 0, 120 * T, 20 * T));
  auto& label = layout.controls.back();
  label.caption = "ずるいな！";
  label.fore = {255, 255, 255};
  label.back = {0, 128, 0};
  label.align = Align::Right;
  label.font = {"ＭＳ Ｐゴシック", 12, false};
  const WindowId w = tk.CreateWindow(layout, events);
  auto* widget = qobject_cast<QLabel*>(tk.Window(w)->ControlWidget(0));
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->text(), QStringLiteral("ずるいな！"));
  EXPECT_EQ(widget->alignment(), Qt::AlignRight | Qt::AlignTop);
  EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_EQ(QFontInfo(widget->font()).family(), "IPAPGothic");
  EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(widget->testAttribute(Qt::WA_TransparentForMouseEvents));
  tk.SetControlText(w, 0, "Ｇａｍｅ　Ｏｖｅｒ…");
  EXPECT_EQ(widget->text(), QStringLiteral("Ｇａｍｅ　Ｏｖｅｒ…"));

  // The back colour fills the label; the text sits at its right.
  const QImage shot = Shot(w);
  EXPECT_EQ(shot.pixelColor(1, 18), QColor(0, 128, 0));
  bool whiteOnRight = false;
  for (int x = 60; x < 120 && !whiteOnRight; ++x) {
    for (int y = 0; y < 20 && !whiteOnRight; ++y)
      whiteOnRight = shot.pixelColor(x, y).lightness() > 200;
  }
  EXPECT_TRUE(whiteOnRight);
}

TEST_F(QtWindowTest, LinesAndShapesArePaintedBeneathTheOtherControls) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("L", ControlKind::Label, 0, 50 * T, 300 * T, 10 * T));
  layout.controls.back().back = {0, 255, 0};
  layout.controls.push_back(Control("Ln", ControlKind::Line, 100 * T, 0, 100 * T, 199 * T));
  layout.controls.back().fore = {255, 0, 0};
  layout.controls.push_back(Control("Sh", ControlKind::Shape, 10 * T, 100 * T, 40 * T, 30 * T));
  layout.controls.back().fore = {255, 255, 255};
  layout.controls.back().borderPixels = 3;
  const WindowId w = tk.CreateWindow(layout, events);
  EXPECT_EQ(tk.Window(w)->ControlWidget(1), nullptr);
  QImage shot = Shot(w);
  EXPECT_EQ(shot.pixelColor(100, 20), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(100, 55), QColor(0, 255, 0));  // the label lies above
  EXPECT_EQ(shot.pixelColor(10, 100), QColor(255, 255, 255));
  EXPECT_EQ(shot.pixelColor(12, 110), QColor(255, 255, 255));  // the border is 3 wide, inside
  EXPECT_EQ(shot.pixelColor(13, 110), QColor(0, 0, 64));
  EXPECT_EQ(shot.pixelColor(30, 115), QColor(0, 0, 64));  // the inside is transparent
  EXPECT_EQ(shot.pixelColor(49, 129), QColor(255, 255, 255));
  EXPECT_EQ(shot.pixelColor(50, 130), QColor(0, 0, 64));
  tk.SetControlVisible(w, 1, false);
  shot = Shot(w);
  EXPECT_EQ(shot.pixelColor(100, 20), QColor(0, 0, 64));
}

TEST_F(QtWindowTest, LaterControlsLieAboveEarlierOnes) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("A", ControlKind::Label, 0, 0, 50 * T, 50 * T));
  layout.controls.back().back = {255, 0, 0};
  layout.controls.push_back(Control("B", ControlKind::Label, 25 * T, 25 * T, 50 * T, 50 * T));
  layout.controls.back().back = {0, 255, 0};
  const QImage shot = Shot(tk.CreateWindow(layout, events));
  EXPECT_EQ(shot.pixelColor(30, 30), QColor(0, 255, 0));
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(255, 0, 0));
}

TEST_F(QtWindowTest, HiddenControlsStayHidden) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("A", ControlKind::Button, 0, 0, 50 * T, 20 * T));
  layout.controls.back().visible = false;
  const WindowId w = tk.CreateWindow(layout, events);
  tk.ShowWindow(w);
  EXPECT_FALSE(tk.Window(w)->ControlWidget(0)->isVisible());
  tk.SetControlVisible(w, 0, true);
  EXPECT_TRUE(tk.Window(w)->ControlWidget(0)->isVisible());
}

TEST_F(QtWindowTest, OptionButtonsOfAWindowExcludeOneAnother) {
  auto layout = PlainLayout();
  for (int i = 0; i < 3; ++i) {
    layout.controls.push_back(Control("Opt", ControlKind::Option, 0, i * 20 * T, 100 * T, 20 * T));
    layout.controls.back().index = i;
    layout.controls.back().caption = "Level";
    layout.controls.back().back = {0, 128, 0};
  }
  layout.controls[1].selected = true;
  const WindowId w = tk.CreateWindow(layout, events);
  EXPECT_FALSE(tk.IsOptionSelected(w, 0));
  EXPECT_TRUE(tk.IsOptionSelected(w, 1));
  EXPECT_EQ(Shot(w).pixelColor(95, 10), QColor(0, 128, 0));  // their own back colour
  qobject_cast<QRadioButton*>(tk.Window(w)->ControlWidget(2))->click();
  EXPECT_FALSE(tk.IsOptionSelected(w, 1));
  EXPECT_TRUE(tk.IsOptionSelected(w, 2));
}

TEST_F(QtWindowTest, TimersStartInTheirDesignState) {
  auto layout = PlainLayout();
  layout.controls.push_back(Control("On", ControlKind::Timer, 0, 0, 0, 0));
  layout.controls.back().interval = 100;
  layout.controls.back().enabled = true;
  layout.controls.push_back(Control("Off", ControlKind::Timer, 0, 0, 0, 0));
  layout.controls.back().interval = 100;
  layout.controls.push_back(Control("Zero", ControlKind::Timer, 0, 0, 0, 0));
  layout.controls.back().enabled = true;
  const WindowId w = tk.CreateWindow(layout, events);
  QtWindow* window = tk.Window(w);
  EXPECT_TRUE(window->ControlTimer(0)->isActive());
  EXPECT_EQ(window->ControlTimer(0)->timerType(), Qt::PreciseTimer);
  EXPECT_FALSE(window->ControlTimer(1)->isActive());
  EXPECT_FALSE(window->ControlTimer(2)->isActive());
  tk.SetTimer(w, 1, 0, true);
  EXPECT_FALSE(window->ControlTimer(1)->isActive());
  tk.SetTimer(w, 1, 30, true);
  EXPECT_TRUE(window->ControlTimer(1)->isActive());
  tk.SetTimer(w, 0, 100, false);
  EXPECT_FALSE(window->ControlTimer(0)->isActive());
}

TEST_F(QtWindowTest, PrintedTextUsesTheWindowsFontAndColour) {
  const WindowId w = tk.CreateWindow(PlainLayout(), events);
  const int height = tk.TextHeight(w, "Ｑｕｏｒｖａｎ");
  EXPECT_GE(height, 15 * T);
  EXPECT_LE(height, 20 * T);
  EXPECT_EQ(height % T, 0);
  EXPECT_EQ(tk.TextHeight(w, "a\nb"), 2 * height);

  tk.PrintText(w, 50 * T, 60 * T, "Ｑｕｏｒｖａｎ");
  const QImage& surface = tk.Window(w)->Surface();
  int left = surface.width(), top = surface.height();
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (qAlpha(surface.pixel(x, y)) > 128) {
        left = std::min(left, x);
        top = std::min(top, y);
        EXPECT_GT(qRed(surface.pixel(x, y)), qBlue(surface.pixel(x, y)));
      }
    }
  }
  // The ink starts just right of and below the top-left given.
  EXPECT_GE(left, 50);
  EXPECT_LE(left, 54);
  EXPECT_GE(top, 60);
  EXPECT_LE(top, 60 + height / T / 2);
}

TEST_F(QtWindowTest, ANewBackColourErasesTheSurface) {
  const WindowId w = tk.CreateWindow(PlainLayout(), events);
  tk.DrawLine(w, 0, 10 * T, 299 * T, 10 * T, {255, 0, 0});
  EXPECT_EQ(tk.Window(w)->Surface().pixelColor(150, 10), QColor(255, 0, 0));
  EXPECT_EQ(Shot(w).pixelColor(150, 10), QColor(255, 0, 0));
  tk.SetBackColor(w, {0, 0, 255});
  const QImage shot = Shot(w);
  EXPECT_EQ(shot.pixelColor(150, 10), QColor(0, 0, 255));
  EXPECT_EQ(shot.pixelColor(5, 190), QColor(0, 0, 255));
}

TEST_F(QtWindowTest, ClearSurfaceLeavesTheBackground) {
  const WindowId w = tk.CreateWindow(PlainLayout(), events);
  tk.PrintText(w, 0, 0, "Ｇａｍｅ　Ｏｖｅｒ…");
  tk.ClearSurface(w);
  const QImage& surface = tk.Window(w)->Surface();
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 150; ++x) ASSERT_EQ(qAlpha(surface.pixel(x, y)), 0);
  }
}

TEST_F(QtWindowTest, ScreenSizeIsInTwips) {
  EXPECT_GT(tk.ScreenWidth(), 0);
  EXPECT_EQ(tk.ScreenWidth() % T, 0);
  EXPECT_EQ(tk.ScreenHeight() % T, 0);
}

// Twips go to pixels and back at every zoom; a window placed one twip above
// another by its outer height, or hung under it, meets it to the pixel. Past
// zoom 5 a twip is over a third of a pixel, and that twip can round to one.
TEST(QtZoom, TwipsComeBackAsTheSamePixelsAndWindowsPlacedByTwipsMeet) {
  for (int zoom = 1; zoom <= 8; ++zoom) {
    EXPECT_EQ(ToPixels(GridCell, zoom), 16 * zoom);
    for (int pixels = 0; pixels < 2000; ++pixels)
      ASSERT_EQ(ToPixels(ToTwips(pixels, zoom), zoom), pixels) << "zoom " << zoom;
  }
  for (int zoom = 1; zoom <= 5; ++zoom) {
    for (int top = 300; top < 340; ++top) {
      for (int height = 20; height < 140; ++height) {
        const int topTwips = ToTwips(top, zoom);
        const int heightTwips = ToTwips(height, zoom);
        ASSERT_EQ(ToPixels(topTwips - heightTwips - 1, zoom), top - height)
            << "zoom " << zoom << ", top " << top << ", height " << height;
        ASSERT_EQ(ToPixels(topTwips + heightTwips, zoom), top + height)
            << "zoom " << zoom << ", top " << top << ", height " << height;
      }
    }
  }
}

TEST_F(QtWindowTest, AtZoomTwoEveryPixelOfTheDesignIsTwoByTwo) {
  static const Picture red{"red.xpm", 4, 3, true};
  tk.SetZoom(2);
  auto layout = PlainLayout(Border::None);
  layout.controls.push_back(Control("Label1", ControlKind::Label, 10 * T, 20 * T, 100 * T, 16 * T));
  layout.controls.back().font = {"ＭＳ Ｐゴシック", 11.25, false};
  layout.controls.push_back(Control("Img", ControlKind::Image, 10 * T, 60 * T, 0, 0));
  layout.controls.back().picture = &red;
  layout.controls.push_back(Control("Sh", ControlKind::Shape, 10 * T, 100 * T, 40 * T, 30 * T));
  layout.controls.back().fore = {255, 255, 255};
  const WindowId w = tk.CreateWindow(layout, events);
  QtWindow* window = tk.Window(w);
  EXPECT_EQ(window->size(), QSize(600, 400));
  EXPECT_EQ(window->ControlWidget(0)->geometry(), QRect(20, 40, 200, 32));
  EXPECT_EQ(window->ControlWidget(0)->font().pixelSize(), 30);
  EXPECT_EQ(window->ControlWidget(1)->geometry(), QRect(20, 120, 8, 6));
  const QImage shot = Shot(w);
  EXPECT_EQ(shot.pixelColor(21, 125), QColor(255, 0, 0));      // the picture's red column
  EXPECT_EQ(shot.pixelColor(22, 121), QColor(0, 0, 64));       // its transparent rest
  EXPECT_EQ(shot.pixelColor(21, 210), QColor(255, 255, 255));  // the shape's border
  EXPECT_EQ(shot.pixelColor(22, 210), QColor(0, 0, 64));
  // The game sees its own twips: the design size, and clicks where it drew.
  EXPECT_EQ(tk.GetWindowRect(w).width, 300 * T);
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(41, 21));
  ASSERT_FALSE(events.events.empty());
  EXPECT_EQ(events.events.back(), (test::Recorded{"mouse", 1, 0, 20 * T + 8, 10 * T + 8}));
}

TEST_F(QtWindowTest, AZoomChangedWhileShownKeepsTheCornerAndTellsTheGameTheFrameChanged) {
  struct : Recorder {
    int framed = 0;
    void OnFramed() override { ++framed; }
  } framing;
  // Without a frame, whose pixels stay as they are.
  auto layout = PlainLayout(Border::None);
  layout.controls.push_back(Control("Label1", ControlKind::Label, 10 * T, 20 * T, 100 * T, 16 * T));
  const WindowId w = tk.CreateWindow(layout, framing);
  tk.ShowWindow(w);
  tk.MoveWindow(w, {40 * T, 30 * T, 300 * T, 200 * T});
  test::Spin(tk, 20);
  tk.DrawLine(w, 0, 10 * T, 299 * T, 10 * T, {255, 0, 0});
  const int framedBefore = framing.framed;
  tk.SetZoom(3);
  test::Spin(tk, 20);
  QtWindow* window = tk.Window(w);
  EXPECT_EQ(window->size(), QSize(900, 600));
  EXPECT_EQ(window->ControlWidget(0)->geometry(), QRect(30, 60, 300, 48));
  const WindowRect rect = tk.GetWindowRect(w);
  EXPECT_EQ(rect.left, 40 * T);
  EXPECT_EQ(rect.top, 30 * T);
  EXPECT_EQ(rect.width, 300 * T);
  EXPECT_GT(framing.framed, framedBefore);
  // What was drawn grows with the window.
  const QImage shot = Shot(w);
  EXPECT_EQ(shot.pixelColor(450, 32), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(450, 34), QColor(0, 0, 64));
  // A window made now is made at the new zoom.
  EXPECT_EQ(tk.Window(tk.CreateWindow(PlainLayout(Border::None), framing))->size(),
            QSize(900, 600));
}

}  // namespace
}  // namespace quorvan

// The game's windows as the player sees them: frames, places, colours,
// fonts and the controls of the playfield, the status panel, the setup
// window and the message window.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GameWindowsSupport.h"
#include "platform/headless/HeadlessToolkit.h"
#include "platform/qt/QtFonts.h"
#include "screens/Palette.h"

namespace quorvan {
namespace {

constexpr int T = TwipsPerPixel;

QColor Q(Rgb c) { return ToQColor(c); }

using GameWindows = test::GameWindowsTest;

// --- Form1, the playfield ---

TEST_F(GameWindows, PlayfieldIsABorderlessBlackWindowOf9600By6000Twips) {
  Form1().Show();
  QtWindow& w = Widget(Form1());
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.windowTitle(), "Quorvan Windows / 32");
  EXPECT_EQ(w.size(), QSize(640, 400));
  EXPECT_EQ(w.frameGeometry().size(), QSize(640, 400));
  EXPECT_EQ(Form1().Width(), PlayfieldWidth);
  EXPECT_EQ(Form1().Height(), PlayfieldHeight);
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0, 0, 0));
  // The middle of the field, where no sprite stands at load.
  EXPECT_EQ(w.grab().toImage().pixelColor(320, 200), QColor(0, 0, 0));
}

TEST_F(GameWindows, PlayfieldIsCentredAcrossAndTwoThousandEightHundredTwipsAboveTheMiddle) {
  Form1().Show();
  Spin(10);
  const WindowRect r = Form1().Rect();
  EXPECT_EQ(r.left, OnPixel(tk.ScreenWidth() / 2 - 4800));
  EXPECT_EQ(r.top, OnPixel(tk.ScreenHeight() / 2 - 2800));
}

TEST_F(GameWindows, PlayfieldFrameIsFittedToTheWindowAtLoad) {
  Form1().Load();
  EXPECT_EQ(Form1().Shape1.Left(), 1);
  EXPECT_EQ(Form1().Shape1.Top(), 1);
  EXPECT_EQ(Form1().Shape1.Width(), PlayfieldWidth - 2);
  EXPECT_EQ(Form1().Shape1.Height(), PlayfieldHeight - 1);
  // On screen: a grey outline along the window's edges, black inside.
  const QImage shot = Widget(Form1()).grab().toImage();
  const QColor grey = Q(Grey);
  EXPECT_EQ(shot.pixelColor(0, 200), grey);
  EXPECT_EQ(shot.pixelColor(639, 200), grey);
  EXPECT_EQ(shot.pixelColor(320, 0), grey);
  EXPECT_EQ(shot.pixelColor(320, 399), grey);
  EXPECT_EQ(shot.pixelColor(2, 200), QColor(0, 0, 0));
}

TEST_F(GameWindows, PlayfieldSpritesStandAtTheirDesignPlacesAndPictureSizes) {
  auto& f = Form1();
  f.Show();
  // Images with a picture take its size; the character is 480 x 480 twips.
  EXPECT_EQ(ControlWidget(f, f.Image1)->geometry(), QRect(104, 112, 32, 32));
  EXPECT_EQ(f.Image1.Width(), 480);
  EXPECT_EQ(f.Image1.Height(), 480);
  EXPECT_EQ(ControlWidget(f, f.Image3)->geometry(), QRect(216, 96, 17, 17));
  EXPECT_EQ(ControlWidget(f, f.Image6)->geometry(), QRect(240, 104, 17, 17));
  EXPECT_EQ(ControlWidget(f, f.Image5)->geometry(), QRect(272, 32, 16, 32));
  EXPECT_EQ(ControlWidget(f, f.Image4)->geometry(), QRect(72, 56, 32, 32));
  EXPECT_EQ(ControlWidget(f, f.Image7)->geometry(), QRect(32, 120, 17, 17));
  EXPECT_EQ(ControlWidget(f, f.Image8)->geometry(), QRect(296, 32, 16, 32));
  EXPECT_EQ(ControlWidget(f, f.Zbang)->geometry(), QRect(352, 176, 32, 16));
  // Enemies have no picture until a stage starts: their design boxes, in two rows.
  for (int i = 0; i < EnemyCount; ++i) {
    const QRect want(16 + 48 * (i / 2), i % 2 == 0 ? 8 : 32, 41, 17);
    EXPECT_EQ(ControlWidget(f, f.Image2[static_cast<std::size_t>(i)])->geometry(), want)
        << "Image2(" << i << ")";
  }
}

TEST_F(GameWindows, PlayfieldShowsTheMirrorBeamButNotTheExplosionAtLoad) {
  auto& f = Form1();
  f.Show();
  EXPECT_TRUE(ControlWidget(f, f.Zbang)->isHidden());
  EXPECT_TRUE(ControlWidget(f, f.Image8)->isVisible());
  for (const Sprite* hidden : {&f.Image1, &f.Image3, &f.Image4, &f.Image5, &f.Image6, &f.Image7}) {
    EXPECT_TRUE(ControlWidget(f, *hidden)->isHidden()) << hidden->Index();
  }
  EXPECT_TRUE(ControlWidget(f, f.Image2[0])->isVisible());
  EXPECT_EQ(ControlWidget(f, f.Image2[0])->cursor().shape(), Qt::CrossCursor);
}

// --- Form3, the status panel ---

class StatusPanel : public test::GameWindowsTest {
 protected:
  QLabel* LabelOf(const Label& label) { return ControlWidget<QLabel>(Form3(), label); }
  void ShowPair() {
    Form1().Show();
    Form3().Show();
    Spin(20);
  }
};

TEST_F(StatusPanel, CaptionNamesTheChosenEdition) {
  G.Edition = 1;
  ShowPair();
  EXPECT_EQ(Widget(Form3()).windowTitle(), "Quorvan Windows /32");
  Form3().Unload();
  G.Edition = 2;
  Form3().Show();
  EXPECT_EQ(Widget(Form3()).windowTitle(), "Quorvan KP / 32");
}

TEST_F(StatusPanel, SitsOnTopOfThePlayfieldAsWideAsIt) {
  G.Edition = 1;
  ShowPair();
  const WindowRect field = Form1().Rect();
  const WindowRect panel = Form3().Rect();
  EXPECT_EQ(panel.left, field.left);
  EXPECT_EQ(panel.width, field.width);
  // One twip above the field, which on a pixel grid is the field's own top.
  EXPECT_EQ(panel.top, OnPixel(field.top - panel.height - 1));
  EXPECT_LE(panel.top + panel.height, field.top);
  EXPECT_GT(panel.top + panel.height, field.top - T);
}

TEST_F(StatusPanel, LabelsShowTheirTextInTheirColours) {
  G.Edition = 1;
  ShowPair();
  auto& p = Form3();
  struct Want {
    const Label* label;
    const char* text;
    Rgb fore, back;
  };
  const Want wants[] = {
      {&p.Label1, "Energy", Green, Black},  {&p.EnergyLabel, "100", Cyan, Black},
      {&p.Label3, "%", Green, Black},       {&p.Label4, "Score", White, Blue},
      {&p.ScoreLabel, "0", White, Blue},    {&p.WingLabel, "Quorvan", Red, Black},
      {&p.Label2, "Enemy:", Purple, Black}, {&p.EnemyLabel, "50", Magenta, Black},
      {&p.Label6, "Stage", Yellow, Black},  {&p.StageLabel, "1", LightYellow, Black},
  };
  for (const Want& want : wants) {
    QLabel* label = LabelOf(*want.label);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), want.text);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), Q(want.fore)) << want.text;
    EXPECT_EQ(label->palette().color(QPalette::Window), Q(want.back)) << want.text;
    // Black labels let the panel's separators show through; the blue ones fill.
    EXPECT_EQ(label->autoFillBackground(), !(want.back == Black)) << want.text;
  }
  // The score box is blue on screen, right of its text-free left edge.
  const QImage shot = Widget(p).grab().toImage();
  const QRect score = LabelOf(p.ScoreLabel)->geometry();
  EXPECT_EQ(shot.pixelColor(score.left() + 2, score.top() + 2), Q(Blue));
}

TEST_F(StatusPanel, NumbersAreRightAlignedAndNamesCentred) {
  ShowPair();
  auto& p = Form3();
  auto horizontal = [&](const Label& l) {
    return LabelOf(l)->alignment() & Qt::AlignHorizontal_Mask;
  };
  EXPECT_EQ(horizontal(p.ScoreLabel), Qt::AlignRight);
  EXPECT_EQ(horizontal(p.WingLabel), Qt::AlignHCenter);
  EXPECT_EQ(horizontal(p.EnemyLabel), Qt::AlignHCenter);
  EXPECT_EQ(horizontal(p.StageLabel), Qt::AlignHCenter);
  EXPECT_EQ(horizontal(p.Label1), Qt::AlignLeft);
  EXPECT_EQ(horizontal(p.EnergyLabel), Qt::AlignLeft);
}

TEST_F(StatusPanel, LabelsUseAnIpaGothicOf15PixelsFor11Point25) {
  ShowPair();
  auto& p = Form3();
  for (const Label* l : {&p.Label1, &p.EnergyLabel, &p.Label3, &p.Label4, &p.ScoreLabel,
                         &p.WingLabel, &p.Label2, &p.EnemyLabel, &p.Label6, &p.StageLabel}) {
    const QFont font = LabelOf(*l)->font();
    EXPECT_EQ(font.pixelSize(), 15) << l->Index();
    EXPECT_TRUE(QFontInfo(font).family().contains("IPA")) << QFontInfo(font).family().toStdString();
  }
}

TEST_F(StatusPanel, ACaptionSetByTheGameIsShown) {
  ShowPair();
  Form3().WingLabel.SetCaption("Ｑｕｏｒｖａｎ");
  EXPECT_EQ(LabelOf(Form3().WingLabel)->text(), QString::fromUtf8("Ｑｕｏｒｖａｎ"));
  Form3().ScoreLabel.SetCaption("12345");
  EXPECT_EQ(LabelOf(Form3().ScoreLabel)->text(), "12345");
}

TEST_F(StatusPanel, LosingFocusPullsThePlayfieldUnderThePanel) {
  ShowPair();
  Form3().Move(
      {.left = 30 * T, .top = 20 * T, .width = Form3().Width(), .height = Form3().Height()});
  Spin(10);
  // Activating the panel hands the keyboard to the playfield at once.
  Form3().SetFocus();
  Spin(50);
  const WindowRect panel = Form3().Rect();
  const WindowRect field = Form1().Rect();
  EXPECT_EQ(panel.left, 30 * T);
  EXPECT_EQ(field.left, panel.left);
  EXPECT_EQ(field.top, panel.top + panel.height);
  EXPECT_EQ(field.width, PlayfieldWidth);
  EXPECT_EQ(field.height, PlayfieldHeight);
  EXPECT_TRUE(Widget(Form1()).isActiveWindow());
}

TEST_F(StatusPanel, DraggingThePanelCarriesThePlayfieldOnEveryMove) {
  ShowPair();
  for (const QPoint to : {QPoint(30, 20), QPoint(90, 140)}) {
    Widget(Form3()).move(to);  // as the window manager does while dragging
    Spin(10);
    EXPECT_EQ(Form1().Left(), Form3().Left());
    EXPECT_EQ(Form1().Top(), Form3().Top() + Form3().Height());
  }
}

// Return and Enter, on the button or anywhere else in the window.
TEST_F(GameWindows, ReturnAndEnterPressAWindowsOneButtonWhereverTheFocusStands) {
  Form1().Show();
  auto& s = Form5();
  auto& m = Form4();
  const std::pair<Window*, QWidget*> cases[] = {{&s, ControlWidget(s, s.Command1)},
                                                {&s, ControlWidget(s, s.Option2)},
                                                {&m, ControlWidget(m, m.Command1)},
                                                {&m, &Widget(m)}};
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    for (const auto& [window, focus] : cases) {
      window->Show();
      G.DialogDone = true;
      QTest::keyClick(focus, key);
      EXPECT_FALSE(G.DialogDone) << window->Name() << " " << focus->metaObject()->className();
    }
  }
}

// --- Form5, the setup window ---

TEST_F(GameWindows, SetupWindowIsAGreyWindowCentredOnTheScreen) {
  Form5().Show();
  Spin(10);
  QtWindow& w = Widget(Form5());
  EXPECT_EQ(w.windowTitle(), "Quorvan Windows / 32 (95/NT)");
  EXPECT_EQ(w.size(), QSize(422, 203));
  EXPECT_EQ(w.palette().color(QPalette::Window), Q(Grey));
  EXPECT_EQ(w.grab().toImage().pixelColor(5, 200), Q(Grey));
  const WindowRect r = Form5().Rect();
  EXPECT_EQ(r.left, OnPixel(tk.ScreenWidth() / 2 - r.width / 2));
  EXPECT_EQ(r.top, OnPixel(tk.ScreenHeight() / 2 - r.height / 2));
}

TEST_F(GameWindows, SetupWindowChoosesTheFirstEditionUntilTheSecondIsClicked) {
  auto& s = Form5();
  s.Show();
  EXPECT_TRUE(ControlWidget<QRadioButton>(s, s.Option1)->isChecked());
  EXPECT_TRUE(s.Option1.Value());
  EXPECT_FALSE(s.Option2.Value());
  QTest::mouseClick(ControlWidget(s, s.Option2), Qt::LeftButton);
  EXPECT_FALSE(s.Option1.Value());
  EXPECT_TRUE(s.Option2.Value());
  QTest::mouseClick(ControlWidget(s, s.Option1), Qt::LeftButton);
  EXPECT_TRUE(s.Option1.Value());
}

TEST_F(GameWindows, SetupButtonEndsTheWaitForTheSetup) {
  auto& s = Form5();
  s.Show();
  G.DialogDone = true;
  auto* button = ControlWidget<QPushButton>(s, s.Command1);
  EXPECT_EQ(button->text(), "Quorvan,Set up!");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(G.DialogDone);
}

TEST_F(GameWindows, SetupTitleIsA48PixelIpaGothicAndTheSubtitleASerif) {
  auto& s = Form5();
  s.Load();
  const QFont title = ControlWidget(s, s.Label1)->font();
  EXPECT_EQ(QFontInfo(title).family(), "IPAGothic");
  EXPECT_EQ(title.pixelSize(), 48);
  const QString serif = QFontInfo(ControlWidget(s, s.Label2)->font()).family();
  EXPECT_TRUE(serif.contains("Serif")) << serif.toStdString();
  EXPECT_EQ(ControlWidget(s, s.Label2)->font().pixelSize(), 24);
}

// --- Form4, the message window ---

TEST_F(GameWindows, MessageWindowIsAToolWindowCentredOverThePlayfield) {
  Form1().Show();
  Form4().Show();
  Spin(10);
  QtWindow& w = Widget(Form4());
  EXPECT_EQ(w.windowTitle(), "Quorvan");
  EXPECT_EQ(w.windowType(), Qt::Tool);
  EXPECT_EQ(w.size(), QSize(401, 266));
  const WindowRect field = Form1().Rect();
  const WindowRect own = Form4().Rect();
  EXPECT_EQ(own.left, OnPixel(field.width / 2 + field.left - own.width / 2));
  EXPECT_EQ(own.top, OnPixel(field.height / 2 + field.top - own.height / 2));
}

TEST_F(GameWindows, MessageWindowIsCentredOverThePlayfieldWhereItStandsEachTimeItShows) {
  Form1().Show();
  Form4().Show();
  Form4().Hide();
  Widget(Form1()).move(20, 30);
  Spin(10);
  Form4().Show();
  EXPECT_EQ(Form4().Left(), OnPixel(Form1().Width() / 2 + Form1().Left() - Form4().Width() / 2));
  EXPECT_EQ(Form4().Top(), OnPixel(Form1().Height() / 2 + Form1().Top() - Form4().Height() / 2));
}

TEST_F(GameWindows, MessageWindowButtonCanBeHiddenByTheGame) {
  Form1().Show();
  Form4().Show();
  auto* button = ControlWidget<QPushButton>(Form4(), Form4().Command1);
  EXPECT_EQ(button->text(), "O K");
  EXPECT_TRUE(button->isVisible());
  Form4().Command1.Hide();
  EXPECT_TRUE(button->isHidden());
  Form4().Command1.Show();
  EXPECT_TRUE(button->isVisible());
}

TEST_F(GameWindows, MessageWindowPrintsInCyan) {
  Form1().Show();
  Form4().Show();
  Form4().Print(600, 600, "Ｓｔａｇｅ　Ｃｌｅａｒ！");
  const QImage& surface = Widget(Form4()).Surface();
  int cyan = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      const QColor c = surface.pixelColor(x, y);
      if (c == Q(Cyan)) ++cyan;
      // Nothing is printed above and left of the place given.
      if (c.alpha() > 0) {
        EXPECT_TRUE(x >= 40 && y >= 40) << x << "," << y;
      }
    }
  }
  EXPECT_GT(cyan, 20);
}

TEST_F(GameWindows, MessageWindowTextHeightIsItsFontsLineHeightInTwips) {
  Form4().Load();
  const int line = QFontMetrics(GameFont({PGothic, 11.25})).height();
  EXPECT_GT(line, 14);
  EXPECT_EQ(Form4().TextHeight("Ｓｃｏｒｅ"), line * T);
  EXPECT_EQ(Form4().TextHeight("a\nb"), 2 * line * T);
  // The simulator prints its lines where the real window does.
  HeadlessToolkit headless;
  EXPECT_EQ(headless.TextHeight(headless.CreateWindow(Form4().Layout(), Form4()), "Ｓｃｏｒｅ"),
            line * T);
}

// --- The fonts behind all of them ---

TEST_F(GameWindows, LabelFontsAreInstalledJapaneseFontsWithTheGamesCharacters) {
  auto& p = Form3();
  auto& s = Form5();
  const QFont fonts[] = {ControlWidget(p, p.WingLabel)->font(), ControlWidget(s, s.Label1)->font(),
                         ControlWidget(s, s.Label3)->font(),
                         ControlWidget(Form4(), Form4().Command1)->font()};
  for (const QFont& font : fonts) {
    EXPECT_TRUE(QFontInfo(font).family().contains("IPA")) << QFontInfo(font).family().toStdString();
    const QFontMetrics metrics(font);
    for (const char32_t ch : {U'Ｑ', U'ず', U'…', U'ｎ'}) {
      EXPECT_TRUE(metrics.inFontUcs4(ch)) << std::hex << static_cast<unsigned>(ch);
    }
  }
}

}  // namespace
}  // namespace quorvan

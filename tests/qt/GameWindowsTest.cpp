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
  Playfield().Show();
  QtWindow& w = Widget(Playfield());
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.windowTitle(), "Quorvan Windows / 32");
  EXPECT_EQ(w.size(), QSize(640, 400));
  EXPECT_EQ(w.frameGeometry().size(), QSize(640, 400));
  EXPECT_EQ(Playfield().Width(), PlayfieldWidth);
  EXPECT_EQ(Playfield().Height(), PlayfieldHeight);
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0, 0, 0));
  // The middle of the field, where no sprite stands at load.
  EXPECT_EQ(w.grab().toImage().pixelColor(320, 200), QColor(0, 0, 0));
}

TEST_F(GameWindows, PlayfieldIsCentredAcrossAndTwoThousandEightHundredTwipsAboveTheMiddle) {
  Playfield().Show();
  Spin(10);
  const WindowRect r = Playfield().Rect();
  EXPECT_EQ(r.left, OnPixel(tk.ScreenWidth() / 2 - 4800));
  EXPECT_EQ(r.top, OnPixel(tk.ScreenHeight() / 2 - 2800));
}

TEST_F(GameWindows, PlayfieldFrameIsFittedToTheWindowAtLoad) {
  Playfield().Load();
  EXPECT_EQ(Playfield().FieldBorder.Left(), 1);
  EXPECT_EQ(Playfield().FieldBorder.Top(), 1);
  EXPECT_EQ(Playfield().FieldBorder.Width(), PlayfieldWidth - 2);
  EXPECT_EQ(Playfield().FieldBorder.Height(), PlayfieldHeight - 1);
  // On screen: a grey outline along the window's edges, black inside.
  const QImage shot = Widget(Playfield()).grab().toImage();
  const QColor grey = Q(Grey);
  EXPECT_EQ(shot.pixelColor(0, 200), grey);
  EXPECT_EQ(shot.pixelColor(639, 200), grey);
  EXPECT_EQ(shot.pixelColor(320, 0), grey);
  EXPECT_EQ(shot.pixelColor(320, 399), grey);
  EXPECT_EQ(shot.pixelColor(2, 200), QColor(0, 0, 0));
}

TEST_F(GameWindows, PlayfieldSpritesStandAtTheirDesignPlacesAndPictureSizes) {
  auto& f = Playfield();
  f.Show();
  // Images with a picture take its size; the character is 480 x 480 twips.
  EXPECT_EQ(ControlWidget(f, f.Character)->geometry(), QRect(104, 112, 32, 32));
  EXPECT_EQ(f.Character.Width(), 480);
  EXPECT_EQ(f.Character.Height(), 480);
  EXPECT_EQ(ControlWidget(f, f.Shot)->geometry(), QRect(216, 96, 17, 17));
  EXPECT_EQ(ControlWidget(f, f.DoubleShotRight)->geometry(), QRect(240, 104, 17, 17));
  EXPECT_EQ(ControlWidget(f, f.Bomb)->geometry(), QRect(272, 32, 16, 32));
  EXPECT_EQ(ControlWidget(f, f.WingItem)->geometry(), QRect(72, 56, 32, 32));
  EXPECT_EQ(ControlWidget(f, f.Comet)->geometry(), QRect(32, 120, 17, 17));
  EXPECT_EQ(ControlWidget(f, f.MirrorBeam)->geometry(), QRect(296, 32, 16, 32));
  EXPECT_EQ(ControlWidget(f, f.Explosion)->geometry(), QRect(352, 176, 32, 16));
  // Enemies have no picture until a stage starts: their design boxes, in two rows.
  for (int i = 0; i < EnemyCount; ++i) {
    const QRect want(16 + 48 * (i / 2), i % 2 == 0 ? 8 : 32, 41, 17);
    EXPECT_EQ(ControlWidget(f, f.Enemies[static_cast<std::size_t>(i)])->geometry(), want)
        << "Image2(" << i << ")";
  }
}

TEST_F(GameWindows, PlayfieldShowsTheMirrorBeamButNotTheExplosionAtLoad) {
  auto& f = Playfield();
  f.Show();
  EXPECT_TRUE(ControlWidget(f, f.Explosion)->isHidden());
  EXPECT_TRUE(ControlWidget(f, f.MirrorBeam)->isVisible());
  for (const Sprite* hidden :
       {&f.Character, &f.Shot, &f.WingItem, &f.Bomb, &f.DoubleShotRight, &f.Comet}) {
    EXPECT_TRUE(ControlWidget(f, *hidden)->isHidden()) << hidden->Index();
  }
  EXPECT_TRUE(ControlWidget(f, f.Enemies[0])->isVisible());
  EXPECT_EQ(ControlWidget(f, f.Enemies[0])->cursor().shape(), Qt::CrossCursor);
}

// --- Form3, the status panel ---

class StatusPanelOnScreen : public test::GameWindowsTest {
 protected:
  QLabel* LabelOf(const Label& label) { return ControlWidget<QLabel>(StatusPanel(), label); }
  void ShowPair() {
    Playfield().Show();
    StatusPanel().Show();
    Spin(20);
  }
};

TEST_F(StatusPanelOnScreen, CaptionNamesTheChosenEdition) {
  G.Edition = Edition::Standard;
  ShowPair();
  EXPECT_EQ(Widget(StatusPanel()).windowTitle(), "Quorvan Windows /32");
  StatusPanel().Unload();
  G.Edition = Edition::Vistrel;
  StatusPanel().Show();
  EXPECT_EQ(Widget(StatusPanel()).windowTitle(), "Quorvan KP / 32");
}

TEST_F(StatusPanelOnScreen, SitsOnTopOfThePlayfieldAsWideAsIt) {
  G.Edition = Edition::Standard;
  ShowPair();
  const WindowRect field = Playfield().Rect();
  const WindowRect panel = StatusPanel().Rect();
  EXPECT_EQ(panel.left, field.left);
  EXPECT_EQ(panel.width, field.width);
  // One twip above the field, which on a pixel grid is the field's own top.
  EXPECT_EQ(panel.top, OnPixel(field.top - panel.height - 1));
  EXPECT_LE(panel.top + panel.height, field.top);
  EXPECT_GT(panel.top + panel.height, field.top - T);
}

TEST_F(StatusPanelOnScreen, LabelsShowTheirTextInTheirColours) {
  G.Edition = Edition::Standard;
  ShowPair();
  auto& p = StatusPanel();
  struct Want {
    const Label* label;
    const char* text;
    Rgb fore, back;
  };
  const Want wants[] = {
      {&p.EnergyTitle, "Energy", Green, Black}, {&p.EnergyLabel, "100", Cyan, Black},
      {&p.PercentSign, "%", Green, Black},      {&p.ScoreTitle, "Score", White, Blue},
      {&p.ScoreLabel, "0", White, Blue},        {&p.WingLabel, "Quorvan", Red, Black},
      {&p.EnemyTitle, "Enemy:", Purple, Black}, {&p.EnemyLabel, "50", Magenta, Black},
      {&p.StageTitle, "Stage", Yellow, Black},  {&p.StageLabel, "1", LightYellow, Black},
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

TEST_F(StatusPanelOnScreen, NumbersAreRightAlignedAndNamesCentred) {
  ShowPair();
  auto& p = StatusPanel();
  auto horizontal = [&](const Label& l) {
    return LabelOf(l)->alignment() & Qt::AlignHorizontal_Mask;
  };
  EXPECT_EQ(horizontal(p.ScoreLabel), Qt::AlignRight);
  EXPECT_EQ(horizontal(p.WingLabel), Qt::AlignHCenter);
  EXPECT_EQ(horizontal(p.EnemyLabel), Qt::AlignHCenter);
  EXPECT_EQ(horizontal(p.StageLabel), Qt::AlignHCenter);
  EXPECT_EQ(horizontal(p.EnergyTitle), Qt::AlignLeft);
  EXPECT_EQ(horizontal(p.EnergyLabel), Qt::AlignLeft);
}

TEST_F(StatusPanelOnScreen, LabelsUseAnIpaGothicOf15PixelsFor11Point25) {
  ShowPair();
  auto& p = StatusPanel();
  for (const Label* l :
       {&p.EnergyTitle, &p.EnergyLabel, &p.PercentSign, &p.ScoreTitle, &p.ScoreLabel, &p.WingLabel,
        &p.EnemyTitle, &p.EnemyLabel, &p.StageTitle, &p.StageLabel}) {
    const QFont font = LabelOf(*l)->font();
    EXPECT_EQ(font.pixelSize(), 15) << l->Index();
    EXPECT_TRUE(QFontInfo(font).family().contains("IPA")) << QFontInfo(font).family().toStdString();
  }
}

TEST_F(StatusPanelOnScreen, ACaptionSetByTheGameIsShown) {
  ShowPair();
  StatusPanel().WingLabel.SetCaption("Ｑｕｏｒｖａｎ");
  EXPECT_EQ(LabelOf(StatusPanel().WingLabel)->text(), QString::fromUtf8("Ｑｕｏｒｖａｎ"));
  StatusPanel().ScoreLabel.SetCaption("12345");
  EXPECT_EQ(LabelOf(StatusPanel().ScoreLabel)->text(), "12345");
}

TEST_F(StatusPanelOnScreen, LosingFocusPullsThePlayfieldUnderThePanel) {
  ShowPair();
  StatusPanel().Move({.left = 30 * T,
                      .top = 20 * T,
                      .width = StatusPanel().Width(),
                      .height = StatusPanel().Height()});
  Spin(10);
  // Activating the panel hands the keyboard to the playfield at once.
  StatusPanel().SetFocus();
  Spin(50);
  const WindowRect panel = StatusPanel().Rect();
  const WindowRect field = Playfield().Rect();
  EXPECT_EQ(panel.left, 30 * T);
  EXPECT_EQ(field.left, panel.left);
  EXPECT_EQ(field.top, panel.top + panel.height);
  EXPECT_EQ(field.width, PlayfieldWidth);
  EXPECT_EQ(field.height, PlayfieldHeight);
  EXPECT_TRUE(Widget(Playfield()).isActiveWindow());
}

TEST_F(StatusPanelOnScreen, DraggingThePanelCarriesThePlayfieldOnEveryMove) {
  ShowPair();
  for (const QPoint to : {QPoint(30, 20), QPoint(90, 140)}) {
    Widget(StatusPanel()).move(to);  // as the window manager does while dragging
    Spin(10);
    EXPECT_EQ(Playfield().Left(), StatusPanel().Left());
    EXPECT_EQ(Playfield().Top(), StatusPanel().Top() + StatusPanel().Height());
  }
}

// Return and Enter, on the button or anywhere else in the window.
TEST_F(GameWindows, ReturnAndEnterPressAWindowsOneButtonWhereverTheFocusStands) {
  Playfield().Show();
  auto& s = EditionSetup();
  auto& m = StageEndMessage();
  const std::pair<Window*, QWidget*> cases[] = {{&s, ControlWidget(s, s.SetUpButton)},
                                                {&s, ControlWidget(s, s.SecondEdition)},
                                                {&m, ControlWidget(m, m.OkButton)},
                                                {&m, &Widget(m)}};
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    for (const auto& [window, focus] : cases) {
      window->Show();
      G.WaitingForButton = true;
      QTest::keyClick(focus, key);
      EXPECT_FALSE(G.WaitingForButton) << window->Name() << " " << focus->metaObject()->className();
    }
  }
}

// --- Form5, the setup window ---

TEST_F(GameWindows, SetupWindowIsAGreyWindowCentredOnTheScreen) {
  EditionSetup().Show();
  Spin(10);
  QtWindow& w = Widget(EditionSetup());
  EXPECT_EQ(w.windowTitle(), "Quorvan Windows / 32 (95/NT)");
  EXPECT_EQ(w.size(), QSize(422, 203));
  EXPECT_EQ(w.palette().color(QPalette::Window), Q(Grey));
  EXPECT_EQ(w.grab().toImage().pixelColor(5, 200), Q(Grey));
  const WindowRect r = EditionSetup().Rect();
  EXPECT_EQ(r.left, OnPixel(tk.ScreenWidth() / 2 - r.width / 2));
  EXPECT_EQ(r.top, OnPixel(tk.ScreenHeight() / 2 - r.height / 2));
}

TEST_F(GameWindows, SetupWindowChoosesTheFirstEditionUntilTheSecondIsClicked) {
  auto& s = EditionSetup();
  s.Show();
  EXPECT_TRUE(ControlWidget<QRadioButton>(s, s.FirstEdition)->isChecked());
  EXPECT_TRUE(s.FirstEdition.Value());
  EXPECT_FALSE(s.SecondEdition.Value());
  QTest::mouseClick(ControlWidget(s, s.SecondEdition), Qt::LeftButton);
  EXPECT_FALSE(s.FirstEdition.Value());
  EXPECT_TRUE(s.SecondEdition.Value());
  QTest::mouseClick(ControlWidget(s, s.FirstEdition), Qt::LeftButton);
  EXPECT_TRUE(s.FirstEdition.Value());
}

TEST_F(GameWindows, SetupButtonEndsTheWaitForTheSetup) {
  auto& s = EditionSetup();
  s.Show();
  G.WaitingForButton = true;
  auto* button = ControlWidget<QPushButton>(s, s.SetUpButton);
  EXPECT_EQ(button->text(), "Quorvan,Set up!");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(G.WaitingForButton);
}

TEST_F(GameWindows, SetupTitleIsA48PixelIpaGothicAndTheSubtitleASerif) {
  auto& s = EditionSetup();
  s.Load();
  const QFont title = ControlWidget(s, s.TitleLabel)->font();
  EXPECT_EQ(QFontInfo(title).family(), "IPAGothic");
  EXPECT_EQ(title.pixelSize(), 48);
  const QString serif = QFontInfo(ControlWidget(s, s.SubtitleLabel)->font()).family();
  EXPECT_TRUE(serif.contains("Serif")) << serif.toStdString();
  EXPECT_EQ(ControlWidget(s, s.SubtitleLabel)->font().pixelSize(), 24);
}

// --- Form4, the message window ---

TEST_F(GameWindows, MessageWindowIsAToolWindowCentredOverThePlayfield) {
  Playfield().Show();
  StageEndMessage().Show();
  Spin(10);
  QtWindow& w = Widget(StageEndMessage());
  EXPECT_EQ(w.windowTitle(), "Quorvan");
  EXPECT_EQ(w.windowType(), Qt::Tool);
  EXPECT_EQ(w.size(), QSize(401, 266));
  const WindowRect field = Playfield().Rect();
  const WindowRect own = StageEndMessage().Rect();
  EXPECT_EQ(own.left, OnPixel(field.width / 2 + field.left - own.width / 2));
  EXPECT_EQ(own.top, OnPixel(field.height / 2 + field.top - own.height / 2));
}

TEST_F(GameWindows, MessageWindowIsCentredOverThePlayfieldWhereItStandsEachTimeItShows) {
  Playfield().Show();
  StageEndMessage().Show();
  StageEndMessage().Hide();
  Widget(Playfield()).move(20, 30);
  Spin(10);
  StageEndMessage().Show();
  EXPECT_EQ(StageEndMessage().Left(),
            OnPixel(Playfield().Width() / 2 + Playfield().Left() - StageEndMessage().Width() / 2));
  EXPECT_EQ(StageEndMessage().Top(),
            OnPixel(Playfield().Height() / 2 + Playfield().Top() - StageEndMessage().Height() / 2));
}

TEST_F(GameWindows, MessageWindowButtonCanBeHiddenByTheGame) {
  Playfield().Show();
  StageEndMessage().Show();
  auto* button = ControlWidget<QPushButton>(StageEndMessage(), StageEndMessage().OkButton);
  EXPECT_EQ(button->text(), "O K");
  EXPECT_TRUE(button->isVisible());
  StageEndMessage().OkButton.Hide();
  EXPECT_TRUE(button->isHidden());
  StageEndMessage().OkButton.Show();
  EXPECT_TRUE(button->isVisible());
}

TEST_F(GameWindows, MessageWindowPrintsInCyan) {
  Playfield().Show();
  StageEndMessage().Show();
  StageEndMessage().Print(600, 600, "Ｓｔａｇｅ　Ｃｌｅａｒ！");
  const QImage& surface = Widget(StageEndMessage()).Surface();
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
  StageEndMessage().Load();
  const int line = QFontMetrics(GameFont({PGothic, 11.25})).height();
  EXPECT_GT(line, 14);
  EXPECT_EQ(StageEndMessage().TextHeight("Ｓｃｏｒｅ"), line * T);
  EXPECT_EQ(StageEndMessage().TextHeight("a\nb"), 2 * line * T);
  // The simulator prints its lines where the real window does.
  HeadlessToolkit headless;
  EXPECT_EQ(headless.TextHeight(
                headless.CreateWindow(StageEndMessage().Layout(), StageEndMessage()), "Ｓｃｏｒｅ"),
            line * T);
}

// --- The fonts behind all of them ---

TEST_F(GameWindows, LabelFontsAreInstalledJapaneseFontsWithTheGamesCharacters) {
  auto& p = StatusPanel();
  auto& s = EditionSetup();
  const QFont fonts[] = {ControlWidget(p, p.WingLabel)->font(),
                         ControlWidget(s, s.TitleLabel)->font(),
                         ControlWidget(s, s.CreditsLabel)->font(),
                         ControlWidget(StageEndMessage(), StageEndMessage().OkButton)->font()};
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

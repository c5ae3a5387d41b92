// Closing the game's windows from outside: which close ends the program, and
// that the music is closed on the way out.
#include <QTimer>
#include <QWindow>

#include "GameWindowsSupport.h"
#include "QtTestSupport.h"

namespace quorvan {
namespace {

class ProgramEndTest : public test::GameWindowsTest {
 protected:
  // Handles events for a while; the code the program ends with, or -1.
  int PumpUntilEnd() {
    try {
      Spin(50);
    } catch (const ProgramEnd& end) {
      return end.code;
    }
    return -1;
  }

  // The close a window manager sends: spontaneous, through the platform window.
  static void CloseFromOutside(QWidget& widget) {
    ASSERT_NE(widget.windowHandle(), nullptr);
    widget.windowHandle()->close();
  }

  // Opens an entry during play and closes `closed` from outside meanwhile;
  // the code the program ends with, or -1.
  int CloseDuringEntry(Window& closed) {
    StartPlaying();
    QTimer::singleShot(50, &Widget(closed), [this, &closed] {
      QInputDialog* entry = test::OpenEntry();
      ASSERT_NE(entry, nullptr);
      // A close box only, the game's icon, no resizing.
      EXPECT_FALSE(entry->windowFlags() & Qt::WindowMinMaxButtonsHint);
      EXPECT_EQ(entry->minimumSize(), entry->maximumSize());
      EXPECT_FALSE(entry->windowIcon().isNull());
      CloseFromOutside(Widget(closed));
    });
    try {
      tk.AskText("敵の数", "Quorvan", "50");
    } catch (const ProgramEnd& end) {
      return end.code;
    }
    return -1;
  }

  void StartPlaying() {
    Playfield().Show();
    StatusPanel().Show();
    Spin(10);
    midi.clear();
  }
};

TEST_F(ProgramEndTest, ClosingTheStatusPanelDuringAGameEndsTheProgramWithCodeZero) {
  StartPlaying();
  Widget(StatusPanel()).close();
  EXPECT_EQ(PumpUntilEnd(), 0);
  ASSERT_FALSE(midi.empty());
  EXPECT_EQ(midi.back(), "close Midi");
}

TEST_F(ProgramEndTest, AWindowManagersCloseOfTheStatusPanelEndsTheProgram) {
  StartPlaying();
  CloseFromOutside(Widget(StatusPanel()));
  EXPECT_EQ(PumpUntilEnd(), 0);
  ASSERT_FALSE(midi.empty());
  EXPECT_EQ(midi.back(), "close Midi");
}

TEST_F(ProgramEndTest, TheEndIsThrownFromAPumpThatIsAlreadyWaiting) {
  StartPlaying();
  Playfield().FrameTimer.SetEnabled(false);
  Playfield().ExplosionTimer.SetEnabled(false);
  // The close arrives while the game waits, as with a real close box.
  QTimer::singleShot(30, &Widget(StatusPanel()),
                     [this] { CloseFromOutside(Widget(StatusPanel())); });
  try {
    for (;;) tk.PumpEvents();
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(end.code, 0);
  }
  EXPECT_EQ(midi.back(), "close Midi");
}

// An open entry must not swallow the close: the program ends as from any wait.
TEST_F(ProgramEndTest, ClosingThePanelWhileAnEntryIsOpenEndsTheProgram) {
  EXPECT_EQ(CloseDuringEntry(StatusPanel()), 0);
  EXPECT_EQ(midi.back(), "close Midi");
}

TEST_F(ProgramEndTest, ClosingTheStatusPanelWithThePlayfieldHiddenOnlyUnloadsThePanel) {
  Playfield().Load();
  StatusPanel().Show();
  Spin(10);
  CloseFromOutside(Widget(StatusPanel()));
  EXPECT_EQ(PumpUntilEnd(), -1);
  EXPECT_FALSE(StatusPanel().Loaded());
  EXPECT_TRUE(Playfield().Loaded());
  EXPECT_TRUE(midi.empty());
}

TEST_F(ProgramEndTest, ClosingThePlayfieldEndsTheProgram) {
  Playfield().Show();
  Widget(Playfield()).close();
  EXPECT_EQ(PumpUntilEnd(), 0);
  EXPECT_EQ(midi.back(), "close Midi");
}

TEST_F(ProgramEndTest, ClosingTheSetupWindowEndsTheProgram) {
  EditionSetup().Show();
  CloseFromOutside(Widget(EditionSetup()));
  EXPECT_EQ(PumpUntilEnd(), 0);
  EXPECT_EQ(midi.back(), "close Midi");
}

TEST_F(ProgramEndTest, ClosingTheMessageWindowCountsAsItsButtonAndHidesIt) {
  Playfield().Show();
  StageEndMessage().Show();
  G.WaitingForButton = true;
  CloseFromOutside(Widget(StageEndMessage()));
  EXPECT_EQ(PumpUntilEnd(), -1);
  EXPECT_FALSE(G.WaitingForButton);
  EXPECT_TRUE(StageEndMessage().Loaded());
  EXPECT_FALSE(Widget(StageEndMessage()).isVisible());
}

}  // namespace
}  // namespace quorvan

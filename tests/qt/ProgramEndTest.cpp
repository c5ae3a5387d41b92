// Closing the game's windows from outside: which close ends the program, and
// that the music is closed on the way out.
#include <QTimer>
#include <QWindow>
#include <ostream>

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

  void StartPlaying() {
    Playfield().Show();
    StatusPanel().Show();
    Spin(10);
    midi.clear();
  }
};

enum class Closer { Program, WindowManager };
enum class Waiting { InPump, InEntry };

struct EndingClose {
  const char* what;
  bool playing;  // the playfield and the panel are shown, else the setup window
  Window& (*closed)();
  Closer closer;
  Waiting waiting;
  friend void PrintTo(const EndingClose& row, std::ostream* out) { *out << row.what; }
};

Window& Panel() { return StatusPanel(); }
Window& Field() { return Playfield(); }
Window& Setup() { return EditionSetup(); }

class EndingCloseTest : public ProgramEndTest, public ::testing::WithParamInterface<EndingClose> {};

// Each close arrives while the game already waits, as a close box's does;
// a close that is lost fails the row after ten seconds instead of hanging.
TEST_P(EndingCloseTest, EndsTheProgramWithCodeZeroAndTheMusicClosed) {
  const EndingClose& row = GetParam();
  if (row.playing) {
    StartPlaying();
  } else {
    EditionSetup().Show();
    Spin(10);
    midi.clear();
  }
  // Only the close can wake a pump that waits.
  if (row.playing) {
    Playfield().FrameTimer.SetEnabled(false);
    Playfield().ExplosionTimer.SetEnabled(false);
  }
  QWidget& closed = Widget(row.closed());
  QTimer::singleShot(30, &closed, [&closed, &row] {
    if (row.waiting == Waiting::InEntry) {
      QInputDialog* entry = test::OpenEntry();
      ASSERT_NE(entry, nullptr);
      // A close box only, the game's icon, no resizing.
      EXPECT_FALSE(entry->windowFlags() & Qt::WindowMinMaxButtonsHint);
      EXPECT_EQ(entry->minimumSize(), entry->maximumSize());
      EXPECT_FALSE(entry->windowIcon().isNull());
    }
    if (row.closer == Closer::Program) {
      closed.close();
    } else {
      CloseFromOutside(closed);
    }
  });
  bool overdue = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&overdue] {
    overdue = true;
    if (QInputDialog* entry = test::OpenEntry()) entry->reject();
  });
  watchdog.start(10000);
  int code = -1;
  try {
    if (row.waiting == Waiting::InEntry) tk.AskText("敵の数", "Quorvan", "50");
    while (!overdue) tk.PumpEvents();
  } catch (const ProgramEnd& end) {
    code = end.code;
  }
  EXPECT_FALSE(overdue) << "the program did not end";
  EXPECT_EQ(code, 0);
  ASSERT_FALSE(midi.empty());
  EXPECT_EQ(midi.back(), "close Midi");
}

INSTANTIATE_TEST_SUITE_P(
    ProgramEndTest, EndingCloseTest,
    ::testing::Values(EndingClose{"the panel closed by the program", true, Panel, Closer::Program,
                                  Waiting::InPump},
                      EndingClose{"the panel closed by the window manager", true, Panel,
                                  Closer::WindowManager, Waiting::InPump},
                      EndingClose{"the panel closed while an entry is open", true, Panel,
                                  Closer::WindowManager, Waiting::InEntry},
                      EndingClose{"the playfield closed by the program", true, Field,
                                  Closer::Program, Waiting::InPump},
                      EndingClose{"the setup window closed by the window manager", false, Setup,
                                  Closer::WindowManager, Waiting::InPump}));

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

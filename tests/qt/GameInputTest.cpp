// The player's keys and clicks on the real playfield, as the game reads them.
#include <QKeyEvent>
#include <QTest>

#include "GameWindowsSupport.h"

namespace quorvan {
namespace {

class PlayfieldInput : public test::GameWindowsTest {
 protected:
  void SetUp() override {
    Playfield().Show();
    field = &Widget(Playfield());
  }
  QWidget* Enemy(int i) { return ControlWidget(Playfield(), Playfield().Enemies[std::size_t(i)]); }

  QtWindow* field = nullptr;
};

TEST_F(PlayfieldInput, ArrowsSteerWhileHeldAndStopOnRelease) {
  QTest::keyPress(field, Qt::Key_Right);
  tk.ProcessPendingEvents();
  EXPECT_EQ(G.InputCommand, Command::Right);
  QTest::keyRelease(field, Qt::Key_Right);
  tk.ProcessPendingEvents();
  EXPECT_EQ(G.InputCommand, Command::None);
  QTest::keyPress(field, Qt::Key_Left);
  EXPECT_EQ(G.InputCommand, Command::Left);
  QTest::keyRelease(field, Qt::Key_Left);
  EXPECT_EQ(G.InputCommand, Command::None);
}

TEST_F(PlayfieldInput, FireStaysPendingAfterItsKeyIsReleased) {
  QTest::keyClick(field, Qt::Key_Space);
  tk.ProcessPendingEvents();
  EXPECT_EQ(G.InputCommand, Command::Fire);
  G.InputCommand = Command::None;
  QTest::keyClick(field, Qt::Key_Control);
  EXPECT_EQ(G.InputCommand, Command::Fire);
}

TEST_F(PlayfieldInput, AHeldArrowKeepsSteeringThroughItsRepeats) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
  QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
  QCoreApplication::sendEvent(field, &press);
  QCoreApplication::sendEvent(field, &repeatRelease);
  EXPECT_EQ(G.InputCommand, Command::Right);
  QCoreApplication::sendEvent(field, &repeatPress);
  EXPECT_EQ(G.InputCommand, Command::Right);
}

TEST_F(PlayfieldInput, ClickingAnEnemyWithTheSlantWingSteersAShotToIt) {
  G.WingNo = Wing::Slant;
  G.PlayerX = 20;
  G.InputCommand = Command::Fire;
  G.EnemyX[5] = 31;
  G.EnemyY[5] = 4;
  QTest::mouseClick(Enemy(5), Qt::LeftButton);
  tk.ProcessPendingEvents();
  EXPECT_TRUE(G.ShotActive);
  EXPECT_EQ(G.TargetX, 31);
  EXPECT_EQ(G.TargetY, 4);
  EXPECT_EQ(G.ShotX, 20);
  EXPECT_EQ(G.ShotY, 22);
  EXPECT_EQ(G.InputCommand, Command::None);
}

// Another Wing, a shot in flight or another button: the click changes nothing.
TEST_F(PlayfieldInput, AClickThatCannotSteerLeavesTheGameAsItWas) {
  struct Case {
    Wing wing;
    bool shotActive;
    Qt::MouseButton button;
  };
  const Case cases[] = {{Wing::Double, false, Qt::LeftButton},
                        {Wing::Slant, true, Qt::LeftButton},
                        {Wing::Slant, false, Qt::RightButton}};
  for (const Case& c : cases) {
    G.WingNo = c.wing;
    G.ShotActive = c.shotActive;
    G.TargetX = 7;
    G.EnemyX[2] = 30;
    const GameState before = G;
    QTest::mouseClick(Enemy(2), c.button);
    tk.ProcessPendingEvents();
    EXPECT_EQ(G, before) << WingNumber(c.wing) << " " << c.shotActive << " " << c.button;
  }
}

}  // namespace
}  // namespace quorvan

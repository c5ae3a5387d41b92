#include <gtest/gtest.h>

#include <clocale>
#include <deque>
#include <limits>
#include <locale>

#include "character/HiddenEntries.h"
#include "game/GameState.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

// Answers the entries in turn and remembers how each was asked.
struct Typist : HeadlessToolkit::Listener {
  std::deque<std::string> answers;
  std::vector<std::string> defaults;
  std::string prompt;
  std::string title;
  std::string Answer(const std::string& p, const std::string& t, const std::string& d) override {
    prompt = p;
    title = t;
    defaults.push_back(d);
    if (answers.empty()) return "";
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
};

class HiddenEntriesTest : public ::testing::Test {
 protected:
  HiddenEntriesTest() {
    world.toolkit.SetListener(&typist);
    G.Edition = Edition::Standard;
  }
  test::HeadlessWorld world;
  Typist typist;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStartBlanksIgnored) {
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber(" 1 2 "), 12);
  EXPECT_EQ(LeadingNumber("- 3"), -3);
  EXPECT_EQ(LeadingNumber("+7"), 7);
  EXPECT_EQ(LeadingNumber("2.5x"), 2.5);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("1e3"), 1000);
  EXPECT_EQ(LeadingNumber("4e"), 4);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("-"), 0);
  EXPECT_EQ(LeadingNumber("."), 0);
  EXPECT_EQ(LeadingNumber("1.e1"), 10);
  EXPECT_EQ(LeadingNumber("1e-400"), 0);
  EXPECT_EQ(LeadingNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
}

// A comma for the decimal point, as a German player's locale has it.
struct CommaPoint : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(LeadingNumber, ReadsAPointWhateverThePlayersLocaleSays) {
  const std::locale before =
      std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  const char* const cBefore = std::setlocale(LC_ALL, nullptr);
  const std::string cLocale = cBefore ? cBefore : "C";
  std::setlocale(LC_ALL, "de_DE.UTF-8");  // where it is installed
  const double read = LeadingNumber("2.5");
  std::setlocale(LC_ALL, cLocale.c_str());
  std::locale::global(before);
  EXPECT_EQ(read, 2.5);
}

TEST(EnemyCountFromEntry, ClampsANumberBeyondSixteenBitsBySign) {
  const std::pair<const char*, int> cases[] = {
      {"1e999", 32767},     {"-1e400", -32768}, {"32767.4", 32767}, {"32767.6", 32767},
      {"-32768.5", -32768}, {"-40000", -32768}, {"1e-400", 0},      {"-0.4", 0}};
  for (const auto& [entry, expected] : cases)
    EXPECT_EQ(EnemyCountFromEntry(entry), expected) << entry;
}

TEST_F(HiddenEntriesTest, TheEnemyCountRoundsHalvesToTheEvenNeighbour) {
  const std::pair<const char*, int> cases[] = {
      {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"12 and more", 12}, {"letters", 0}};
  for (const auto& [entry, expected] : cases) {
    typist.answers = {entry};
    AskEnemyCount();
    EXPECT_EQ(G.EnemiesLeft, expected) << entry;
    EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), std::to_string(expected));
  }
  EXPECT_EQ(typist.title, "ずるいな！");
}

TEST_F(HiddenEntriesTest, TheEnemyCountIsOfferedWithABlankForItsSign) {
  G.EnemiesLeft = 50;
  AskEnemyCount();  // cancelled
  G.EnemiesLeft = -3;
  AskEnemyCount();
  EXPECT_EQ(typist.defaults, (std::vector<std::string>{" 50", "-3"}));
}

TEST_F(HiddenEntriesTest, CancellingTheEnemyCountSetsZero) {
  G.EnemiesLeft = 31;
  AskEnemyCount();
  EXPECT_EQ(G.EnemiesLeft, 0);
}

TEST_F(HiddenEntriesTest, AnEnemyCountBeyondSixteenBitsIsClamped) {
  typist.answers = {"99999", "-99999"};
  AskEnemyCount();
  EXPECT_EQ(G.EnemiesLeft, 32767);
  AskEnemyCount();
  EXPECT_EQ(G.EnemiesLeft, -32768);
}

// A full sweep destroys all eight in the frame that clears the stage.
TEST(HiddenEntriesInPlay, KillsBelowTheLowestCountEnteredKeepItWithinSixteenBits) {
  const auto run = test::RunScenario(
      "at 2 key down 145\nentry 10\nat 3 key down 93\nentry -40000\n"
      "at 3 key down space\nstop frames 3\n");
  EXPECT_EQ(run.Frame(3)["EnemiesLeft"].get<int>(), -32768);
  EXPECT_EQ(run.Frame(3)["Score"].get<int>(), 8 * 50);  // the kills still count for points
}

TEST_F(HiddenEntriesTest, AWingOutOfRangeAsksAgainWithTheValueJustEntered) {
  typist.answers = {" 011", "-1", "ten", "2.50", "1e999", "+ 1e1 ", "10"};
  G.WingNo = Wing::Double;
  AskWingNumber();
  EXPECT_EQ(G.WingNo, Wing::Super);
  EXPECT_EQ(typist.defaults,
            (std::vector<std::string>{"3", "11", "-1", "ten", "2.5", "1e999", "10"}));
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Super Quorvan)");
}

TEST_F(HiddenEntriesTest, ANewWingEndsTheShotInFlight) {
  typist.answers = {"7"};
  G.ShotActive = true;
  Playfield().Shot.Show();
  Playfield().DoubleShotRight.Show();
  AskWingNumber();
  EXPECT_FALSE(G.ShotActive);
  EXPECT_FALSE(Playfield().Shot.Visible());
  EXPECT_FALSE(Playfield().DoubleShotRight.Visible());
}

TEST_F(HiddenEntriesTest, AnEmptyWingEntryLeavesEverythingAsItWas) {
  G.WingNo = Wing::Collect;
  G.ShotActive = true;
  AskWingNumber();
  EXPECT_EQ(G.WingNo, Wing::Collect);
  EXPECT_TRUE(G.ShotActive);
}

TEST_F(HiddenEntriesTest, TheHiddenKeysOfThePlayfieldOpenTheEntries) {
  Playfield().Show();
  // Scroll Lock and F15 ask for the Wing; Apps, Num Lock and F14 for the count.
  const std::pair<int, const char*> wingKeys[] = {{145, "4"}, {126, "6"}};
  const std::pair<int, const char*> countKeys[] = {{93, "17"}, {144, "-2"}, {125, "30"}};
  for (const auto& [key, entry] : wingKeys) {
    typist.answers = {entry};
    world.toolkit.At(0, [&, key = key] { world.toolkit.KeyDown(key, 0); });
    world.toolkit.ProcessPendingEvents();
    EXPECT_EQ(WingNumber(G.WingNo), std::stoi(entry)) << key;
    EXPECT_EQ(typist.prompt, "ウィングナンバー") << key;
  }
  for (const auto& [key, entry] : countKeys) {
    typist.answers = {entry};
    world.toolkit.At(0, [&, key = key] { world.toolkit.KeyDown(key, 0); });
    world.toolkit.ProcessPendingEvents();
    EXPECT_EQ(G.EnemiesLeft, std::stoi(entry)) << key;
    EXPECT_EQ(typist.prompt, "敵の数") << key;
  }
  EXPECT_EQ(typist.defaults.size(), 5u);
}

}  // namespace
}  // namespace quorvan

#include <gtest/gtest.h>

#include <sstream>

#include "record/Scenario.h"

namespace quorvan {
namespace {

Scenario Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseScenario(in);
}

std::string ErrorOf(const std::string& text) {
  try {
    Parse(text);
  } catch (const ScenarioError& e) {
    return e.what();
  }
  return "";
}

TEST(Scenario, DefaultsAreOneGameOfEditionOneWithOkAfterASecond) {
  const auto s = Parse("");
  EXPECT_EQ(s.EditionOfGame(1), 1);
  EXPECT_EQ(s.OkMsOfMessage(1), 1000);
  EXPECT_EQ(s.stop, Scenario::Stop::AfterGames);
  EXPECT_EQ(s.stopCount, 1);
}

TEST(Scenario, ReadsEveryDirective) {
  const auto s = Parse(
      "# a comment\n"
      "seed 99\n"
      "rnd 0.5 0.25 ...   # repeat the last\n"
      "edition 2\n"
      "ok 250\n"
      "entry  two words\n"
      "entry\n"
      "at 3 key down 39 1\n"
      "at 1500ms close Form3\n"
      "at 4 rnd 0.1\n"
      "at 5 click 7\n"
      "at 6 mouse 2 1\n"
      "stop frames 20\n");
  EXPECT_EQ(s.seed, 99u);
  EXPECT_EQ(s.rnd.values, (std::vector<double>{0.5, 0.25}));
  EXPECT_TRUE(s.rnd.repeatLast);
  EXPECT_EQ(s.EditionOfGame(1), 2);
  EXPECT_EQ(s.OkMsOfMessage(1), 250);
  ASSERT_EQ(s.entries.size(), 2u);
  EXPECT_EQ(s.entries[0], " two words");
  EXPECT_FALSE(s.entries[1].has_value());
  ASSERT_EQ(s.inputs.size(), 5u);
  EXPECT_TRUE(s.inputs[0].atFrame);
  EXPECT_EQ(s.inputs[0].when, 3);
  EXPECT_EQ(s.inputs[0].input.code, 39);
  EXPECT_EQ(s.inputs[0].input.shift, 1);
  EXPECT_FALSE(s.inputs[1].atFrame);
  EXPECT_EQ(s.inputs[1].when, 1500);
  EXPECT_EQ(s.inputs[1].input.window, "Form3");
  EXPECT_EQ(s.inputs[2].input.rnd.values, (std::vector<double>{0.1}));
  EXPECT_FALSE(s.inputs[2].input.rnd.repeatLast);
  EXPECT_EQ(s.inputs[3].input.kind, ScenarioInput::Kind::Click);
  EXPECT_EQ(s.inputs[4].input.kind, ScenarioInput::Kind::Mouse);
  EXPECT_EQ(s.stop, Scenario::Stop::AfterFrames);
  EXPECT_EQ(s.stopCount, 20);
}

// A recording gives one edition a game and one delay a message, line by line.
TEST(Scenario, EditionsAndOkDelaysGoInTurnAndInputsNameTheirWaitAndStep) {
  const auto s = Parse("edition 2\nok 300\nedition 1\nok 700\nstop setup 3\n");
  EXPECT_EQ(std::vector({s.EditionOfGame(1), s.EditionOfGame(2), s.EditionOfGame(9)}),
            std::vector({2, 1, 1}));
  EXPECT_EQ(std::vector({s.OkMsOfMessage(1), s.OkMsOfMessage(2), s.OkMsOfMessage(5)}),
            std::vector({300, 700, 700}));
  EXPECT_EQ(s.stop, Scenario::Stop::AtSetupWindow);
  const auto input = Parse("at 4 wait 2 step 3 key down 39\n").inputs.at(0);
  EXPECT_EQ(std::vector({input.when, std::int64_t{input.wait}, std::int64_t{input.step}}),
            std::vector<std::int64_t>({4, 2, 3}));
}

TEST(Scenario, MistakesNameTheirLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"seed 1\nfly away\n", "line 2: unknown directive \"fly\""},
      {"# one\n\nrnd 1.0\n", "line 3: random value out of [0, 1): \"1.0\""},
      {"rnd\n", "line 1: rnd needs at least one value"},
      {"rnd ...\n", "line 1: expected a number in [0, 1), found \"...\""},
      {"at 0 key down 39\n", "line 1: frames count from 1, times from 0 ms"},
      {"at 2 click 8\n", "line 1: an enemy slot is 0..7"},
      {"at 2 key sideways 39\n", "line 1: usage: key down|up CODE [SHIFT]"},
      {"edition 1\nedition 3\n", "line 2: usage: edition 1|2"},
      {"stop frames 0\n", "line 1: stop needs a count of 1 or more"},
      {"seed -4\n", "line 1: expected a seed, found \"-4\""},
      {"ok soon\n", "line 1: expected milliseconds, found \"soon\""},
      {"at 4 wait 0 key down 39\n", "line 1: waits count from 1"},
      {"at 4 wait 1\n", "line 1: usage: at F wait K DIRECTIVE"},
      {"at 4 step 0 key down 39\n", "line 1: steps count from 1"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.text), c.message) << c.text;
}

// Random values are read as decimal numbers in any locale, and nothing a
// stream would take besides (a plus sign, hexadecimal, words) slips through.
TEST(Scenario, RandomValuesAreDecimalNumbersAndNothingElse) {
  const std::pair<const char*, double> read[] = {
      {"0.5", 0.5}, {"0", 0},           {".25", 0.25}, {"5e-1", 0.5}, {"0.", 0},
      {"-0", 0},    {"9.99E-1", 0.999}, {"0e400", 0},  {"0.1", 0.1},  {"1e-300", 1e-300},
  };
  for (const auto& [text, value] : read)
    EXPECT_EQ(Parse(std::string("rnd ") + text + "\n").rnd.values.at(0), value) << text;
  const char* refused[] = {"+0.5", "0x0.8p0", "0.5x", ".", "-", "1e", "e1", "0,5", "1e-400", "nan"};
  for (const char* text : refused)
    EXPECT_NE(ErrorOf(std::string("rnd ") + text + "\n"), "") << text;
}

TEST(Scenario, AWordInAMistakeIsShownOnOneShortLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"ok " + std::string(41, '7') + "x\n", "\"" + std::string(40, '7') + "...\""},
      {"ok " + std::string(30, '\0') + "\n", "\"" + std::string(10 * 4, 'x') + "...\""},
      {"ok 1\x1b[2J\n", "\"1\\x1b[2J\""}};
  for (const auto& [text, shown] : cases) {
    std::string error = ErrorOf(text);
    for (std::size_t at; (at = error.find("\\x00")) != std::string::npos;)
      error.replace(at, 4, "xxxx");
    EXPECT_TRUE(error.ends_with(shown)) << error;
  }
}

// Written back as a recording writes it, a scenario reads as itself.
TEST(Scenario, WrittenInARecordingsWordsItReadsTheSame) {
  const char* const texts[] = {
      "", "seed 18446744073709551615\nrnd 0.1 0.99999999999999989 ...\nedition 2\nedition 1\n",
      "ok 0\nok 700\nentry  two words \nentry\nentry\t\x01\nstop setup 3\n",
      "at 4 wait 2 step 3 key down left\nat 1 step 1 key up 39 4\nat 0ms close Demoform\n",
      "at 5 click 7\nat 6 mouse 2 1\nat 7 rnd 0.5 ...\nstop frames 9223372036854775807\n"};
  for (const char* text : texts) {
    const Scenario s = Parse(text);
    const std::string written = ScenarioText(s);
    EXPECT_EQ(Parse(written), s) << written;
    EXPECT_EQ(ScenarioText(Parse(written)), written);
  }
  EXPECT_EQ(ScenarioText(Parse("at 4 wait 2 step 3 key down left\nat 9ms key up 17 1\n")),
            "seed 1\nat 4 wait 2 step 3 key down 37 0\nat 9ms key up 17 1\nstop games 1\n");
}

}  // namespace
}  // namespace quorvan

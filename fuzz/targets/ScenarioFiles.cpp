// The scenario and recording reader, as --replay and quorvan-sim use it on a
// file a player was sent. A file it takes writes back, in a recording's words,
// to a text that reads as the same scenario and writes back the same again;
// a file it refuses is refused in one short line that names the line at fault.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "record/Scenario.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
  std::abort();
}

quorvan::Scenario Parse(const std::string& text) {
  std::istringstream in(text);
  return quorvan::ParseScenario(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  quorvan::Scenario scenario;
  try {
    scenario = Parse(file);
  } catch (const quorvan::ScenarioError& e) {
    const std::string message = e.what();
    if (!message.starts_with("line ")) Fail("a refusal names no line:", message);
    if (message.size() > 200) Fail("a refusal longer than a line:", message);
    for (const char c : message)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
        Fail("a refusal of more than one line:", message);
    return 0;
  }
  const std::string written = quorvan::ScenarioText(scenario);
  quorvan::Scenario again;
  try {
    again = Parse(written);
  } catch (const quorvan::ScenarioError& e) {
    Fail(e.what(), written);
  }
  if (!(again == scenario)) Fail("written back, the scenario reads differently:", written);
  if (quorvan::ScenarioText(again) != written) Fail("written twice, the texts differ:", written);
  return 0;
}

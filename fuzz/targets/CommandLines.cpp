// The game's command line, its words separated by NUL bytes in the input.
// Whatever the words, the parser ends with one action, a refusal in one line
// of printable text exactly when it refuses, and a scale of 0 to 8.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/qt/CommandLine.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& refusal) {
  std::fprintf(stderr, "%s: %s\n", what, refusal.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words{"quorvan"};
  std::string word;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[i]);
    }
  }
  if (size > 0) words.push_back(word);
  std::vector<const char*> argv;
  for (const auto& w : words) argv.push_back(w.c_str());
  argv.push_back(nullptr);

  using Action = quorvan::CommandLine::Action;
  const auto line = quorvan::ParseCommandLine(static_cast<int>(words.size()), argv.data());
  const bool refused = line.action == Action::Refuse;
  if (refused == line.refusal.empty())
    Fail("a refusal without its line, or a line without one", line.refusal);
  if (line.refusal.size() > 200) Fail("a refusal longer than a line", line.refusal);
  for (const char c : line.refusal)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f)
      Fail("a refusal that is not one line of plain text", line.refusal);
  if (line.scale < 0 || line.scale > 8) Fail("a scale out of 0..8", std::to_string(line.scale));
  if (line.action == Action::Play && !line.recordFile.empty() && !line.replayFile.empty())
    Fail("recording and replaying at once", line.recordFile);
  return 0;
}

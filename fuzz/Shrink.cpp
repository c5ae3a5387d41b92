#include "fuzz/Shrink.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace quorvan::fuzz {
namespace {

constexpr int MaxTries = 3000;

std::string Join(const std::vector<std::string>& head, const std::vector<std::string>& inputs) {
  std::string text;
  for (const auto& line : head) text += line + "\n";
  for (const auto& line : inputs) text += line + "\n";
  return text;
}

}  // namespace

// Delta debugging by halves: try dropping each chunk of inputs, then halve
// the chunks, down to single lines.
std::string Shrink(const std::string& scenario, const PlayResult& failure) {
  std::vector<std::string> head;
  std::vector<std::string> inputs;
  std::istringstream in(scenario);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("at ") || line.starts_with("entry")) {
      inputs.push_back(line);
    } else if (!line.starts_with("stop ")) {
      head.push_back(line);
    }
  }
  head.push_back("stop frames " + std::to_string(failure.frame > 0 ? failure.frame : 1));
  const auto stillFails = [&](const std::vector<std::string>& candidate) {
    return RunPlay(Join(head, candidate)).check == failure.check;
  };
  if (!stillFails(inputs)) return scenario;  // ending early hides it: keep it whole
  int tries = 0;
  for (std::size_t chunk = std::max<std::size_t>(1, inputs.size() / 2);
       chunk >= 1 && tries < MaxTries; chunk /= 2) {
    for (std::size_t from = 0; from < inputs.size() && tries < MaxTries; ++tries) {
      std::vector<std::string> candidate(inputs.begin(), inputs.begin() + from);
      const std::size_t to = std::min(inputs.size(), from + chunk);
      candidate.insert(candidate.end(), inputs.begin() + to, inputs.end());
      if (stillFails(candidate)) {
        inputs = std::move(candidate);
      } else {
        from = to;
      }
    }
  }
  return Join(head, inputs);
}

}  // namespace quorvan::fuzz

#include "platform/sdl/MidiCommand.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace quorvan {
namespace {

constexpr const char* kAlias = "midi";

// Words split at blanks; a word in double quotes keeps its blanks.
bool SplitWords(const std::string& text, std::vector<std::string>& words) {
  std::size_t at = 0;
  while (true) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at == text.size()) return true;
    if (text[at] == '"') {
      const std::size_t close = text.find('"', at + 1);
      if (close == std::string::npos) return false;
      words.push_back(text.substr(at + 1, close - at - 1));
      at = close + 1;
    } else {
      const std::size_t start = at;
      while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at]))) ++at;
      words.push_back(text.substr(start, at - start));
    }
  }
}

bool Is(const std::string& word, const std::string& keyword) {
  return std::equal(word.begin(), word.end(), keyword.begin(), keyword.end(),
                    [](unsigned char a, unsigned char b) { return std::tolower(a) == b; });
}

}  // namespace

MidiCommand ParseMidiCommand(const std::string& text) {
  std::vector<std::string> words;
  if (!SplitWords(text, words)) return {};
  if (words.size() == 2 && Is(words[1], kAlias)) {
    if (Is(words[0], "play")) return {MidiCommand::Kind::Play, {}};
    if (Is(words[0], "close")) return {MidiCommand::Kind::Close, {}};
  }
  if (words.size() == 6 && Is(words[0], "open") && !words[1].empty() && Is(words[2], "type") &&
      Is(words[3], "sequencer") && Is(words[4], "alias") && Is(words[5], kAlias)) {
    return {MidiCommand::Kind::Open, words[1]};
  }
  return {};
}

}  // namespace quorvan

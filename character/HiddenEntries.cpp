#include "character/HiddenEntries.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <optional>
#include <sstream>

#include "character/Character.h"
#include "character/Wings.h"
#include "game/GameState.h"
#include "game/Text.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

constexpr const char* EntryTitle = "ずるいな！";

std::string WithoutBlanks(const std::string& text) {
  std::string out;
  for (const char c : text)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') out += c;
  return out;
}

// A whole number and nothing else, blanks around it allowed.
std::optional<int> WholeNumber(const std::string& text) {
  const std::string s = WithoutBlanks(text);
  const char* begin = s.data() + (!s.empty() && s[0] == '+' ? 1 : 0);
  const char* end = s.data() + s.size();
  int value = 0;
  const auto result = std::from_chars(begin, end, value);
  if (begin == end || result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

// Numbers shown for editing keep a blank where a minus sign would stand.
std::string SignedText(int n) {
  std::string text = n < 0 ? "" : " ";
  text += Text(n);
  return text;
}

}  // namespace

double LeadingNumber(const std::string& text) {
  const std::string s = WithoutBlanks(text);
  std::size_t end = 0;
  if (end < s.size() && (s[end] == '+' || s[end] == '-')) ++end;
  const std::size_t digitsFrom = end;
  while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
  if (end < s.size() && s[end] == '.') {
    ++end;
    while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
  }
  if (end == digitsFrom || (end == digitsFrom + 1 && s[digitsFrom] == '.')) return 0;
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-')) ++exponent;
    const std::size_t exponentDigits = exponent;
    while (exponent < s.size() && std::isdigit(static_cast<unsigned char>(s[exponent]))) ++exponent;
    if (exponent > exponentDigits) end = exponent;
  }
  const std::size_t begin = s[0] == '+' ? 1 : 0;
  std::istringstream in(s.substr(begin, end - begin));
  in.imbue(std::locale::classic());
  double value = 0;
  in >> value;
  return !in.fail() && std::isfinite(value) ? value : 0;
}

// Asks until a Wing 0..10 is entered. An empty entry (or a cancel) leaves the
// Wing as it is; anything else that is not a whole number asks again.
void AskWingNumber() {
  std::string shown = Text(WingNumber(G.WingNo));
  for (;;) {
    const std::string entry = Tk().AskText("ウィングナンバー", EntryTitle, shown);
    if (WithoutBlanks(entry).empty()) return;
    const auto wing = WholeNumber(entry);
    if (wing && *wing >= 0 && *wing < WingCount) {
      WearWing(WingNumbered(*wing));
      EndShot();
      return;
    }
    shown = entry;
  }
}

// Halves go to the even neighbour; the count stays within 16 bits.
void AskEnemyCount() {
  const std::string entry = Tk().AskText("敵の数", EntryTitle, SignedText(G.EnemiesLeft));
  const double rounded = std::nearbyint(LeadingNumber(entry));
  const double low = std::numeric_limits<std::int16_t>::min();
  const double high = std::numeric_limits<std::int16_t>::max();
  G.EnemiesLeft = static_cast<int>(rounded < low ? low : rounded > high ? high : rounded);
  StatusPanel().EnemyLabel.SetCaption(Text(G.EnemiesLeft));
}

}  // namespace quorvan

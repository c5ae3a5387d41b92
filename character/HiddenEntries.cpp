#include "character/HiddenEntries.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <optional>
#include <sstream>

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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// How many characters at the start of a blank-free text make a number:
// a sign, digits with at most one point, and an exponent only after digits.
std::size_t NumberLength(const std::string& s) {
  std::size_t end = 0;
  if (end < s.size() && (s[end] == '+' || s[end] == '-')) ++end;
  const std::size_t digitsFrom = end;
  while (end < s.size() && IsDigit(s[end])) ++end;
  if (end < s.size() && s[end] == '.') {
    ++end;
    while (end < s.size() && IsDigit(s[end])) ++end;
  }
  if (end == digitsFrom || (end == digitsFrom + 1 && s[digitsFrom] == '.')) return 0;
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-')) ++exponent;
    const std::size_t exponentDigits = exponent;
    while (exponent < s.size() && IsDigit(s[exponent])) ++exponent;
    if (exponent > exponentDigits) end = exponent;
  }
  return end;
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
  const std::size_t length = NumberLength(s);
  if (length == 0) return 0;
  // Read in the classic locale: the toolkit sets the player's locale for the
  // whole program, and a German one would read "2.5" as 2.
  std::istringstream number(s.substr(0, length));
  number.imbue(std::locale::classic());
  double value = 0;
  number >> value;
  // A number too large for a double fails, with the largest double or the
  // infinity of its sign depending on the library; one too small may fail
  // too, but its value (0 or the nearest tiny one) is right as it is.
  if (number.fail() && std::fabs(value) > 1)
    return std::copysign(std::numeric_limits<double>::infinity(), value);
  return value;
}

namespace {

// A number written as the player would write it: the shortest text that reads
// back as the same number ("11", "2.5", "-0.1").
std::string WrittenAsNumber(double value) {
  if (value == std::trunc(value) && std::fabs(value) < 1e15)
    return Text(static_cast<long long>(value));  // 10, never 1e+01
  std::ostringstream out;
  out.imbue(std::locale::classic());
  for (int digits = 1;; ++digits) {
    out.str("");
    out.precision(digits);
    out << value;
    if (digits >= std::numeric_limits<double>::max_digits10 || LeadingNumber(out.str()) == value)
      return out.str();
  }
}

}  // namespace

std::string OfferedAgain(const std::string& entry) {
  const std::string s = WithoutBlanks(entry);
  if (s.empty() || NumberLength(s) != s.size()) return entry;
  const double value = LeadingNumber(s);
  return std::isfinite(value) ? WrittenAsNumber(value) : entry;
}

int EnemyCountFromEntry(const std::string& entry) {
  const double rounded = std::nearbyint(LeadingNumber(entry));
  const double low = std::numeric_limits<std::int16_t>::min();
  const double high = std::numeric_limits<std::int16_t>::max();
  return static_cast<int>(rounded < low ? low : rounded > high ? high : rounded);
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
      G.WingNo = WingNumbered(*wing);
      break;
    }
    shown = OfferedAgain(entry);
  }
  ShowWingPicture();
  G.ShotActive = false;
  Playfield().Shot.Hide();
  Playfield().DoubleShotRight.Hide();
  ShowWingName();
}

void AskEnemyCount() {
  G.EnemiesLeft =
      EnemyCountFromEntry(Tk().AskText("敵の数", EntryTitle, SignedText(G.EnemiesLeft)));
  StatusPanel().EnemyLabel.SetCaption(Text(G.EnemiesLeft));
}

}  // namespace quorvan

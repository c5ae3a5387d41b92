// The hidden entries' number reading against a plain reference: the C
// library's strtod on the same leading number, rounded and clamped to the
// enemy count's 16 bits. The reading must also give exactly the double the
// C++ library's own reader gives, wherever that reader finds the number in
// range, and a number offered again must read back as the number entered.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "character/HiddenEntries.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Blanks go; the number ends at the first character a number cannot have,
// so strtod meets neither hexadecimal nor "inf" nor "nan".
std::string NumberPart(const std::string& entry) {
  std::string part;
  for (const char c : entry) {
    if (IsBlank(c)) continue;
    if (!std::strchr("0123456789.+-eE", c) || c == '\0') break;
    part += c;
  }
  return part;
}

int ReferenceCount(const std::string& entry) {
  const std::string part = NumberPart(entry);
  const double value = std::strtod(part.c_str(), nullptr);  // HUGE_VAL beyond range
  const double rounded = std::nearbyint(value);
  if (rounded > 32767) return 32767;
  if (rounded < -32768) return -32768;
  return static_cast<int>(rounded);
}

[[noreturn]] void Fail(const char* what, const std::string& entry, double got, double wanted) {
  std::fprintf(stderr, "%s: entry of %zu bytes read as %.17g, reference %.17g\n", what,
               entry.size(), got, wanted);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string entry(reinterpret_cast<const char*>(data), size);

  const int count = quorvan::EnemyCountFromEntry(entry);
  const int reference = ReferenceCount(entry);
  if (count != reference) Fail("enemy count", entry, count, reference);

  const double read = quorvan::LeadingNumber(entry);
  const std::string part = NumberPart(entry);
  // from_chars takes no plus sign; "+-1" is no number to either once it is gone.
  const bool plus = !part.empty() && part[0] == '+';
  const bool signTwice = plus && part.size() > 1 && (part[1] == '+' || part[1] == '-');
  double exact = 0;
  const auto result = std::from_chars(part.c_str() + plus, part.c_str() + part.size(), exact);
  if (!signTwice && result.ec == std::errc() && read != exact)
    Fail("leading number", entry, read, exact);

  const std::string offered = quorvan::OfferedAgain(entry);
  if (offered != entry && quorvan::LeadingNumber(offered) != read)
    Fail("number offered again", entry, quorvan::LeadingNumber(offered), read);
  return 0;
}

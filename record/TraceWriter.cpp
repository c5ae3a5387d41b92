#include "record/TraceWriter.h"

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

namespace quorvan {
namespace {

// The shortest digits that read back as the same float, and the power of ten
// of the first: the smallest precision that survives a round trip, written and
// read in the classic locale whatever the player's is.
void ShortestDigits(float value, std::string& digits, int& exponent) {
  for (int precision = 0;; ++precision) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::scientific;
    out.precision(precision);
    out << value;
    const std::string text = out.str();
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    float back = 0;
    in >> back;
    if (back != value && precision < 9) continue;
    const auto e = text.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
      if (text[i] != '.') digits += text[i];
    exponent = std::stoi(text.substr(e + 1));
    return;
  }
}

// As to_chars writes a float: the shortest digits, in fixed or scientific
// notation, whichever is shorter (fixed on a tie).
std::string FloatText(float value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "inf";
  std::string digits;
  int exponent = 0;
  value = std::fabs(value);
  ShortestDigits(value, digits, exponent);
  const int count = static_cast<int>(digits.size());
  std::string fixed;
  if (exponent < 0) {
    fixed.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else if (count <= exponent + 1) {
    // A whole number is written with all its digits, not padded with zeros.
    std::ostringstream whole;
    whole.imbue(std::locale::classic());
    whole << std::fixed;
    whole.precision(0);
    whole << value;
    fixed = whole.str();
  } else {
    const auto point = static_cast<std::size_t>(exponent + 1);
    fixed.append(digits, 0, point).append(1, '.').append(digits, point);
  }
  std::string scientific(digits, 0, 1);
  if (count > 1) scientific.append(1, '.').append(digits, 1);
  const int magnitude = exponent < 0 ? -exponent : exponent;
  scientific.append(exponent < 0 ? "e-" : "e+");
  if (magnitude < 10) scientific.append(1, '0');
  scientific.append(std::to_string(magnitude));
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

}  // namespace

void JsonObject::AppendInt(std::string& out, long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void JsonObject::AppendString(std::string& out, std::string_view value) {
  out += '"';
  for (const char c : value) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static constexpr char hex[] = "0123456789abcdef";
          out += "\\u00";
          out += hex[(c >> 4) & 0xf];
          out += hex[c & 0xf];
        } else {
          out += c;  // UTF-8 passes through as it is
        }
    }
  }
  out += '"';
}

void JsonObject::Key(std::string_view key) {
  if (!first_) text_ += ',';
  first_ = false;
  AppendString(text_, key);
  text_ += ':';
}

JsonObject& JsonObject::Int(std::string_view key, long long value) {
  Key(key);
  AppendInt(text_, value);
  return *this;
}

JsonObject& JsonObject::Bool(std::string_view key, bool value) {
  Key(key);
  text_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::Str(std::string_view key, std::string_view value) {
  Key(key);
  AppendString(text_, value);
  return *this;
}

// The shortest text that reads back as the same float.
JsonObject& JsonObject::Float(std::string_view key, float value) {
  Key(key);
  text_ += FloatText(value);
  return *this;
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
  Key(key);
  text_ += json;
  return *this;
}

std::string& JsonObject::Close() {
  text_ += '}';
  return text_;
}

JsonObject TraceWriter::Event(std::int64_t t, std::string_view ev) const {
  JsonObject line;
  line.Int("t", t).Str("ev", ev);
  return line;
}

void TraceWriter::Write(JsonObject& line) {
  std::string& text = line.Close();
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), out_);
}

}  // namespace quorvan

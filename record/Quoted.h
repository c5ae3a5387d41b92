// Outside text as a one-line message shows it: between quotes, with bytes
// that are not printable ASCII (and the quote and the backslash) written as
// \xNN, and cut once `maxShown` characters are shown, so that no argument or
// word of a file can break the line or send the terminal its own commands.
// The cut counts what is shown: ten bytes of \xNN take as much of the line
// as forty letters.
#pragma once

#include <string>
#include <string_view>

namespace quorvan {

inline std::string QuotedOnOneLine(std::string_view text, char quote, std::size_t maxShown) {
  std::string out(1, quote);
  std::size_t i = 0;
  for (; i < text.size() && out.size() <= maxShown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f && c != quote && c != '\\') {
      out += static_cast<char>(c);
    } else {
      static constexpr char hex[] = "0123456789abcdef";
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 0xf];
    }
  }
  if (i < text.size()) out += "...";
  return out + quote;
}

}  // namespace quorvan

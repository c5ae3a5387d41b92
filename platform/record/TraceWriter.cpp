#include "platform/record/TraceWriter.h"

#include <charconv>

namespace quorvan {

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
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text_.append(buffer, result.ptr);
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

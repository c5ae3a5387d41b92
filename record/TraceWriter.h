// The simulator's trace: one JSON object a line, each with the virtual time
// "t" and the kind of event "ev".
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace quorvan {

// Builds one JSON object by appending fields; cheap enough for every frame.
class JsonObject {
 public:
  JsonObject() {
    text_.reserve(256);
    text_ += '{';
  }
  JsonObject& Int(std::string_view key, long long value);
  JsonObject& Bool(std::string_view key, bool value);
  JsonObject& Str(std::string_view key, std::string_view value);
  JsonObject& Float(std::string_view key, float value);
  JsonObject& Raw(std::string_view key, std::string_view json);  // an object or array
  std::string& Close();                                          // the finished text

  static void AppendString(std::string& out, std::string_view value);
  static void AppendInt(std::string& out, long long value);

 private:
  void Key(std::string_view key);
  std::string text_;
  bool first_ = true;
};

class TraceWriter {
 public:
  explicit TraceWriter(std::FILE* out) : out_(out) {}
  // Starts a line with "t" and "ev"; the caller adds the rest.
  JsonObject Event(std::int64_t t, std::string_view ev) const;
  void Write(JsonObject& line);

 private:
  std::FILE* out_;
};

}  // namespace quorvan

#include "tests/Json.h"

#include <cstdlib>
#include <stdexcept>

namespace quorvan::test {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : s_(text) {}

  Json Document() {
    Json v = Value();
    Blanks();
    if (i_ != s_.size()) Fail("text after the value");
    return v;
  }

 private:
  [[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("bad JSON (") + what + ") at " + std::to_string(i_) +
                             ": " + s_);
  }
  void Blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t')) ++i_;
  }
  bool Eat(char c) {
    Blanks();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  bool Word(const char* w) {
    const std::string word(w);
    if (s_.compare(i_, word.size(), word) != 0) return false;
    i_ += word.size();
    return true;
  }

  Json Value() {
    Blanks();
    if (i_ >= s_.size()) Fail("end of text");
    const char c = s_[i_];
    if (c == '{') return Json{ObjectValue()};
    if (c == '[') return Json{ArrayValue()};
    if (c == '"') return Json{StringValue()};
    if (Word("true")) return Json{true};
    if (Word("false")) return Json{false};
    if (Word("null")) return Json{nullptr};
    char* end = nullptr;
    const double d = std::strtod(s_.c_str() + i_, &end);
    if (end == s_.c_str() + i_) Fail("not a value");
    i_ = static_cast<std::size_t>(end - s_.c_str());
    return Json{d};
  }

  std::string StringValue() {
    if (!Eat('"')) Fail("expected a string");
    std::string out;
    while (i_ < s_.size() && s_[i_] != '"') {
      char c = s_[i_++];
      if (c == '\\') {
        if (i_ >= s_.size()) Fail("escape at end");
        const char e = s_[i_++];
        switch (e) {
          case 'n':
            c = '\n';
            break;
          case 't':
            c = '\t';
            break;
          case 'r':
            c = '\r';
            break;
          case 'u':
            c = static_cast<char>(std::stoi(s_.substr(i_, 4), nullptr, 16));
            i_ += 4;
            break;
          default:
            c = e;
        }
      }
      out += c;
    }
    if (i_ >= s_.size()) Fail("unterminated string");
    ++i_;
    return out;
  }

  Json::Array ArrayValue() {
    Eat('[');
    Json::Array a;
    if (Eat(']')) return a;
    do a.push_back(Value());
    while (Eat(','));
    if (!Eat(']')) Fail("expected ]");
    return a;
  }

  Json::Object ObjectValue() {
    Eat('{');
    Json::Object o;
    if (Eat('}')) return o;
    do {
      Blanks();
      std::string key = StringValue();
      if (!Eat(':')) Fail("expected :");
      o.emplace(std::move(key), Value());
    } while (Eat(','));
    if (!Eat('}')) Fail("expected }");
    return o;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

}  // namespace

Json ParseJson(const std::string& text) { return Parser(text).Document(); }

}  // namespace quorvan::test

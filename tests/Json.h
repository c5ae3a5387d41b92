// Just enough JSON to read the simulator's trace in tests.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace quorvan::test {

struct Json {
  using Array = std::vector<Json>;
  using Object = std::map<std::string, Json>;
  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value;

  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
  double Num() const { return std::get<double>(value); }
  int Int() const { return static_cast<int>(std::get<double>(value)); }
  bool Bool() const { return std::get<bool>(value); }
  const std::string& Str() const { return std::get<std::string>(value); }
  const Array& Arr() const { return std::get<Array>(value); }
  const Object& Obj() const { return std::get<Object>(value); }
  bool Has(const std::string& key) const { return Obj().count(key) != 0; }
  const Json& operator[](const std::string& key) const { return Obj().at(key); }
  const Json& operator[](std::size_t i) const { return Arr().at(i); }
  friend bool operator==(const Json& a, const Json& b) { return a.value == b.value; }
};

// Throws std::runtime_error on anything that is not one JSON value.
Json ParseJson(const std::string& text);

}  // namespace quorvan::test

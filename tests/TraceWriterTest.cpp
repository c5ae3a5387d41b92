#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <string>

#include "record/TraceWriter.h"

namespace quorvan {
namespace {

std::string FloatField(float value) {
  JsonObject line;
  line.Float("e", value);
  const std::string text = line.Close();
  return text.substr(5, text.size() - 6);  // between {"e": and }
}

std::string ToChars(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Traces written where to_chars has no floats must read as those written
// where it has: the energy at every step of a stage, and values around it.
TEST(TraceWriter, FloatsAreWrittenAsToCharsWritesThem) {
  const float table[] = {
      0.0f,  -0.0f,       1.0f,       100.0f, 99.98f,      0.02f,    -0.02f,          1e-5f,
      1e-4f, 123456.0f,   1234567.0f, 1.2e6f, 1e7f,        3.4e38f,  1.17549435e-38f, 1e-45f,
      0.1f,  1.0f / 3.0f, 66.7f,      -7.5f,  16777216.0f, 9.999999f};
  for (const float value : table) EXPECT_EQ(FloatField(value), ToChars(value)) << ToChars(value);
  float energy = 100;
  for (int frame = 0; frame < 20000 && energy > -30; ++frame) {
    energy -= frame % 7 == 0 ? 0.02f + static_cast<float>(frame % 8) : 0.02f;
    ASSERT_EQ(FloatField(energy), ToChars(energy)) << "frame " << frame;
  }
  for (std::uint32_t bits = 0x00000001; bits < 0x7f800000; bits += 0x00031337) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    ASSERT_EQ(FloatField(value), ToChars(value)) << bits;
  }
}

}  // namespace
}  // namespace quorvan

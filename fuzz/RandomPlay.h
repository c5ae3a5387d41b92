// A random but valid scenario of play: the same seed always writes the same
// text, on every machine and build.
#pragma once

#include <cstdint>
#include <string>

namespace quorvan::fuzz {

std::string RandomPlay(std::uint64_t seed);

}  // namespace quorvan::fuzz

// Makes a failing scenario small: drops inputs and entries while the same
// check still fails, and ends it at the failing frame.
#pragma once

#include <string>

#include "fuzz/PlayRun.h"

namespace quorvan::fuzz {

std::string Shrink(const std::string& scenario, const PlayResult& failure);

}  // namespace quorvan::fuzz

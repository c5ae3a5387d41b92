// Numbers as the labels and the message window show them: plain decimal,
// no leading blank ("99", "-1").
#pragma once

#include <string>

namespace quorvan {

inline std::string Text(long long n) { return std::to_string(n); }

}  // namespace quorvan

// Two hidden keys of the playfield open small entries that set the Wing or
// the number of enemies left. Nothing on screen mentions them.
#pragma once

#include <string>

namespace quorvan {

void AskWingNumber();
void AskEnemyCount();

// The number at the start of a text, blanks ignored, 0 when there is none
// ("12abc" is 12, "- 3" is -3, "abc" is 0).
double LeadingNumber(const std::string& text);

}  // namespace quorvan

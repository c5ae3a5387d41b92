// Two hidden keys of the playfield open small entries that set the Wing or
// the number of enemies left. Nothing on screen mentions them.
#pragma once

#include <string>

namespace quorvan {

void AskWingNumber();
void AskEnemyCount();

// The number at the start of a text, blanks ignored, 0 when there is none
// ("12abc" is 12, "- 3" is -3, "abc" is 0); beyond a double's range it is
// infinite with its sign ("1e999").
double LeadingNumber(const std::string& text);

// The enemy count an entry sets: its leading number to the nearest integer,
// halves to the even neighbour, clamped by its sign to 16 bits.
int EnemyCountFromEntry(const std::string& entry);

// What the Wing entry offers after a refused entry: a number written as a
// number (" 011" as "11"), any other text as it was typed.
std::string OfferedAgain(const std::string& entry);

}  // namespace quorvan

#pragma once

namespace quorvan {

inline constexpr int EnemyLowestRow = 20;  // wandering never takes an enemy lower

// One enemy, chosen at random, steps one cell in a random direction.
void WanderEnemy();

// Shows the explosion marker where it was put; it hides 200 ms after the
// last blast, however many came before.
void ShowExplosion();

// The explosion marker on slot i's cell, shown for a moment.
void BlastEnemy(int i);

// Slot i moves to a random cell: a column 0..38 is drawn first, then a row 0..19.
void RespawnEnemy(int i);

// Enemy i is destroyed: the marker shows where it was, `sound` plays, it
// counts off the stage's quota, scores `points` and reappears elsewhere.
void DestroyEnemy(int i, int points, const char* sound);

// One enemy fewer to destroy, never below what 16 bits hold.
void CountDestroyedEnemy();

}  // namespace quorvan

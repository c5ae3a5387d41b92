#pragma once

namespace quorvan {

inline constexpr int EnemyLowestRow = 20;  // wandering never takes an enemy lower

// One enemy, chosen at random, steps one cell in a random direction.
void WanderEnemy();

// Shows the explosion marker where it was put; it hides 200 ms after the
// last blast, however many came before.
void ShowExplosion();

}  // namespace quorvan

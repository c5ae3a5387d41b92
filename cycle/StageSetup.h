#pragma once

namespace quorvan {

inline constexpr int EnemyQuota = 50;

// Prepares one stage: counters, quota, status panel, enemies and character.
void SetupStage();

}  // namespace quorvan

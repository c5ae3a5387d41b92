#include "fuzz/Invariants.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "game/GameState.h"
#include "game/Grid.h"
#include "game/Pieces.h"
#include "game/Random.h"
#include "game/Text.h"
#include "screens/Pictures.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan::fuzz {
namespace {

constexpr int LastEnemyRow = 20;
constexpr float FullEnergy = 100;

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

std::string PictureName(const Sprite& sprite) {
  const Picture* p = sprite.ShownPicture();
  return p && p->file ? p->file : "none";
}

// Empty when the sprite shows `picture` on cell (x, y); else what differs.
std::string OnCell(const Sprite& sprite, int x, int y, const Picture* picture) {
  std::string wrong;
  if (!sprite.Visible()) wrong += " hidden";
  if (sprite.Left() != x * GridCell || sprite.Top() != y * GridCell)
    wrong += " at (" + Text(sprite.Left()) + ", " + Text(sprite.Top()) + ") twips, not on cell (" +
             Text(x) + ", " + Text(y) + ")";
  if (picture && sprite.ShownPicture() != picture)
    wrong += " shows " + PictureName(sprite) + ", not " + picture->file;
  return wrong;
}

std::size_t EditionIndex() { return G.Edition == Edition::Vistrel ? 1 : 0; }

}  // namespace

void InvariantChecks::Fail(const char* check, const std::string& detail) const {
  throw BrokenInvariant(check, simulator_.Frames(), detail);
}

void InvariantChecks::StageStarted() {
  reflectedSinceRefresh_ = false;
  lastWing_ = -1;
}

void InvariantChecks::SoundPlayed(const std::string& sound) {
  if (sound == "Bang2.Wav" || Contains(sound, pieces::EnergyTaken)) energyChangedUnshown_ = true;
  if (sound == "Ching.Wav") reflectedSinceRefresh_ = true;
}

void InvariantChecks::FrameEnded() {
  CheckRanges();
  CheckSprites();
  CheckShot();
  CheckLabels();
  energyChangedUnshown_ = false;
  lastWing_ = WingNumber(G.WingNo);
  lastShotActive_ = G.ShotActive;
}

void InvariantChecks::CheckRanges() const {
  if (G.PlayerX < 0 || G.PlayerX > LastPairColumn)
    Fail("PlayerXOnTheField", "PlayerX " + Text(G.PlayerX));
  for (std::size_t i = 0; i < EnemyCount; ++i) {
    if (G.EnemyX[i] < 0 || G.EnemyX[i] > LastPairColumn || G.EnemyY[i] < 0 ||
        G.EnemyY[i] > LastEnemyRow)
      Fail("EnemiesOnTheField",
           "enemy " + Text(i) + " on (" + Text(G.EnemyX[i]) + ", " + Text(G.EnemyY[i]) + ")");
  }
  if (!std::isfinite(G.Energy) || G.Energy > FullEnergy)
    Fail("EnergyFiniteAndAtMostFull", "Energy " + std::to_string(G.Energy));
  if (WingNumber(G.WingNo) < 0 || WingNumber(G.WingNo) >= WingCount)
    Fail("WingNoInRange", "WingNo " + Text(WingNumber(G.WingNo)));
  if (G.StageNo < 0 || G.StageNo >= StageCount)
    Fail("StageNoInRange", "StageNo " + Text(G.StageNo));
  if (G.EnemiesLeft < std::numeric_limits<std::int16_t>::min() ||
      G.EnemiesLeft > std::numeric_limits<std::int16_t>::max())
    Fail("EnemiesLeftWithin16Bits", "EnemiesLeft " + Text(G.EnemiesLeft));
}

// Every object in play shows on its cell with its own picture; an object out
// of play shows nowhere.
void InvariantChecks::CheckSprites() const {
  auto& field = Playfield();
  const std::size_t edition = EditionIndex();
  if (auto wrong =
          OnCell(field.Character, G.PlayerX, CharacterRow,
                 &pictures::Character[edition][static_cast<std::size_t>(WingNumber(G.WingNo))]);
      !wrong.empty())
    Fail("CharacterSpriteShowsTheCharacter", "Image1" + wrong);
  for (std::size_t i = 0; i < EnemyCount; ++i) {
    if (auto wrong = OnCell(field.Enemies[i], G.EnemyX[i], G.EnemyY[i],
                            &pictures::Enemy[static_cast<std::size_t>(G.StageNo)]);
        !wrong.empty())
      Fail("EnemySpritesShowTheEnemies", "Image2(" + Text(i) + ")" + wrong);
  }
  struct Spawned {
    const char* check;
    const char* name;
    bool active;
    int x, y;
    const Sprite& sprite;
    const Picture* picture;
  };
  const Spawned spawned[] = {
      {"WingItemSpriteShowsTheItem", "Image4", G.WingItemActive, G.WingItemX, G.WingItemY,
       field.WingItem,
       G.WingItemKind.Number() >= 1 && G.WingItemKind.Number() <= ItemKind::EnergyNumber
           ? &pictures::Item[edition][static_cast<std::size_t>(G.WingItemKind.Number())]
           : nullptr},
      {"BombSpriteShowsTheBomb", "Image5", G.BombActive, G.BombX, G.BombY, field.Bomb,
       &pictures::Bomb},
      {"CometSpriteShowsTheComet", "Image7", G.CometActive, G.CometX, G.CometY, field.Comet,
       &pictures::Comet},
  };
  for (const auto& s : spawned) {
    if (s.active) {
      if (!s.picture) Fail(s.check, std::string(s.name) + ": no such kind");
      if (auto wrong = OnCell(s.sprite, s.x, s.y, s.picture); !wrong.empty())
        Fail(s.check, s.name + wrong);
    } else if (s.sprite.Visible()) {
      Fail(s.check, std::string(s.name) + " shows with nothing in play");
    }
  }
  if (field.MirrorBeam.Visible()) Fail("MirrorBeamGoneAtFrameEnd", "Image8 shows");
}

void InvariantChecks::CheckShot() const {
  auto& shot = Playfield().Shot;
  if (!G.ShotActive) {
    if (shot.Visible()) Fail("ShotSpriteShowsTheShot", "Image3 shows with no shot in flight");
    return;
  }
  // A shot is drawn by its Wing's flight: one just fired, one whose Wing
  // changed this frame, and one still on its launch row (the collect hands
  // it to the new Wing unflown) are drawn from the next frame.
  if (!lastShotActive_ || lastWing_ != WingNumber(G.WingNo) || G.ShotY == RowAboveCharacter) return;
  const std::size_t edition = EditionIndex();
  if (auto wrong = OnCell(shot, G.ShotX, G.ShotY, &pictures::Shot[edition]); !wrong.empty())
    Fail("ShotSpriteShowsTheShot", "Image3" + wrong);
}

// The panel is not bound to the state: the game refreshes the energy every
// frame and on firing, and the score and count after a shot's or a comet's
// hits and an entry, but not after a reflection.
void InvariantChecks::CheckLabels() {
  auto& panel = StatusPanel();
  if (!energyChangedUnshown_ && panel.EnergyLabel.Caption() != Text(Int(G.Energy)))
    Fail("EnergyLabelShowsTheEnergy",
         "shows " + panel.EnergyLabel.Caption() + " for " + std::to_string(G.Energy));
  const bool shown = panel.ScoreLabel.Caption() == Text(G.Score) &&
                     panel.EnemyLabel.Caption() == Text(G.EnemiesLeft);
  if (shown) {
    reflectedSinceRefresh_ = false;
  } else if (!reflectedSinceRefresh_) {
    Fail("ScoreAndEnemyLabelsShowTheState", "show " + panel.ScoreLabel.Caption() + " and " +
                                                panel.EnemyLabel.Caption() + " for " +
                                                Text(G.Score) + " and " + Text(G.EnemiesLeft));
  }
  if (panel.StageLabel.Caption() != Text(G.StageNo + 1))
    Fail("StageLabelShowsTheStage", "shows " + panel.StageLabel.Caption());
}

}  // namespace quorvan::fuzz

#include "record/FrameState.h"

#include <array>
#include <utility>

#include "game/GameState.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

void AppendEnemyColumn(std::string& json, const std::array<int, EnemySlots>& values) {
  json += '[';
  for (int i = 0; i < EnemyCount; ++i) {
    if (i) json += ',';
    JsonObject::AppendInt(json, values[static_cast<std::size_t>(i)]);
  }
  json += ']';
}

void AppendSprite(std::string& json, std::string_view name, const Sprite& sprite) {
  JsonObject::AppendString(json, name);
  json += ":{\"left\":";
  JsonObject::AppendInt(json, sprite.Left());
  json += ",\"top\":";
  JsonObject::AppendInt(json, sprite.Top());
  json += sprite.Visible() ? ",\"visible\":true" : ",\"visible\":false";
  json += ",\"picture\":";
  if (const Picture* picture = sprite.ShownPicture(); picture && picture->file) {
    JsonObject::AppendString(json, picture->file);
  } else {
    json += "null";
  }
  json += '}';
}

void AppendLabel(std::string& json, std::string_view name, const Label& label) {
  JsonObject::AppendString(json, name);
  json += ':';
  JsonObject::AppendString(json, label.Caption());
}

}  // namespace

void AppendFrameState(JsonObject& line) {
  line.Int("StageNo", G.StageNo)
      .Float("Energy", G.Energy)
      .Int("Score", G.Score)
      .Int("HighScore", G.HighScore)
      .Int("EnemiesLeft", G.EnemiesLeft)
      .Int("EnemyCarry", G.EnemyCarry)
      .Int("WingNo", WingNumber(G.WingNo))
      .Int("Edition", EditionNumber(G.Edition))
      .Int("PlayerX", G.PlayerX)
      .Int("InputCommand", static_cast<int>(G.InputCommand))
      .Bool("ShotActive", G.ShotActive)
      .Int("ShotX", G.ShotX)
      .Int("ShotY", G.ShotY)
      .Int("TargetX", G.TargetX)
      .Int("TargetY", G.TargetY)
      .Int("HitBonus", G.HitBonus)
      .Int("ItemsTaken", G.ItemsTaken);
  std::string json;
  json.reserve(512);
  AppendEnemyColumn(json, G.EnemyX);
  line.Raw("EnemyX", json);
  json.clear();
  AppendEnemyColumn(json, G.EnemyY);
  line.Raw("EnemyY", json);
  line.Bool("WingItemActive", G.WingItemActive)
      .Int("WingItemX", G.WingItemX)
      .Int("WingItemY", G.WingItemY)
      .Int("WingItemKind", G.WingItemKind.Number())
      .Bool("BombActive", G.BombActive)
      .Int("BombX", G.BombX)
      .Int("BombY", G.BombY)
      .Bool("CometActive", G.CometActive)
      .Int("CometX", G.CometX)
      .Int("CometY", G.CometY);

  const auto& panel = StatusPanel();
  json.clear();
  json += '{';
  AppendLabel(json, "EnergyLabel", panel.EnergyLabel);
  json += ',';
  AppendLabel(json, "ScoreLabel", panel.ScoreLabel);
  json += ',';
  AppendLabel(json, "EnemyLabel", panel.EnemyLabel);
  json += ',';
  AppendLabel(json, "StageLabel", panel.StageLabel);
  json += ',';
  AppendLabel(json, "WingLabel", panel.WingLabel);
  json += '}';
  line.Raw("labels", json);

  line.Raw("sprites", SpritesJson());
}

std::string SpritesJson() {
  const auto& field = Playfield();
  std::string json;
  json.reserve(512);
  json += '{';
  AppendSprite(json, "Image1", field.Character);
  const std::pair<const char*, const Sprite*> sprites[] = {
      {"Image3", &field.Shot},    {"Image4", &field.WingItem},
      {"Image5", &field.Bomb},    {"Image6", &field.DoubleShotRight},
      {"Image7", &field.Comet},   {"Image8", &field.MirrorBeam},
      {"Zbang", &field.Explosion}};
  for (const auto& [name, sprite] : sprites) {
    json += ',';
    AppendSprite(json, name, *sprite);
  }
  json += '}';
  return json;
}

}  // namespace quorvan

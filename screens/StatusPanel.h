// The status panel: one line of labels above the playfield, and the handle by
// which the player moves the pair; "Form3" to the trace and the scenarios.
#pragma once

#include "screens/Window.h"

namespace quorvan {

class StatusPanelWindow final : public Window {
 public:
  StatusPanelWindow();

  Label EnergyTitle{*this, "Label1"};
  Label EnergyLabel{*this, "EnergyLabel"};
  Label PercentSign{*this, "Label3"};
  Label ScoreTitle{*this, "Label4"};
  Label ScoreLabel{*this, "ScoreLabel"};
  Label WingLabel{*this, "WingLabel"};
  Label EnemyTitle{*this, "Label2"};
  Label EnemyLabel{*this, "EnemyLabel"};
  Label StageTitle{*this, "Label6"};
  Label StageLabel{*this, "StageLabel"};
  Label PauseLabel{*this, "PauseLabel"};

 private:
  void StandOnPlayfield();
  void PullPlayfieldUnder();
  void OnLoad() override;
  void OnFramed() override;
  void OnGotFocus() override;
  void OnLostFocus() override;
  void OnMoved() override;
  void OnCloseRequest() override;
};

StatusPanelWindow& StatusPanel();

// The panel's numbers, written from the game state. The game refreshes them
// at set moments only, so between two refreshes a label may lag behind.
void ShowScoreAndEnemiesLeft();
void ShowEnergyLeft();

}  // namespace quorvan

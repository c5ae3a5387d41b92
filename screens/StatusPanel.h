// Form3, the status panel: one line of labels above the playfield, and the
// handle by which the player moves the pair.
#pragma once

#include "screens/Window.h"

namespace quorvan {

class StatusPanelWindow final : public Window {
 public:
  StatusPanelWindow();

  Label Label1{*this, "Label1"};
  Label EnergyLabel{*this, "EnergyLabel"};
  Label Label3{*this, "Label3"};
  Label Label4{*this, "Label4"};
  Label ScoreLabel{*this, "ScoreLabel"};
  Label WingLabel{*this, "WingLabel"};
  Label Label2{*this, "Label2"};
  Label EnemyLabel{*this, "EnemyLabel"};
  Label Label6{*this, "Label6"};
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

StatusPanelWindow& Form3();

}  // namespace quorvan

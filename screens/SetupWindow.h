// The setup window before every game, where the edition is chosen; "Form5"
// to the trace and the scenarios.
#pragma once

#include "screens/Window.h"

namespace quorvan {

class SetupWindow final : public Window {
 public:
  SetupWindow();

  Label TitleLabel{*this, "Label1"};
  Label SubtitleLabel{*this, "Label2"};
  Label CreditsLabel{*this, "Label3"};
  OptionButton FirstEdition{*this, "Option1"};
  OptionButton SecondEdition{*this, "Option2"};
  Button SetUpButton{*this, "Command1"};

 private:
  void CentreOnScreen();
  void OnLoad() override;
  void OnFramed() override;
  void OnClick(int control) override;
  void OnCloseRequest() override;
};

SetupWindow& EditionSetup();

}  // namespace quorvan

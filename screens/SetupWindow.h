// Form5, the setup window before every game: the edition is chosen here.
#pragma once

#include "screens/Window.h"

namespace quorvan {

class SetupWindow final : public Window {
 public:
  SetupWindow();

  Label Label1{*this, "Label1"};
  Label Label2{*this, "Label2"};
  Label Label3{*this, "Label3"};
  OptionButton Option1{*this, "Option1"};
  OptionButton Option2{*this, "Option2"};
  Button Command1{*this, "Command1"};

 private:
  void CentreOnScreen();
  void OnLoad() override;
  void OnFramed() override;
  void OnClick(int control) override;
  void OnCloseRequest() override;
};

SetupWindow& Form5();

}  // namespace quorvan

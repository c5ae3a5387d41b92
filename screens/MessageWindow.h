// Form4, the message window on which the stage-end screens are printed.
#pragma once

#include "screens/Window.h"

namespace quorvan {

class MessageWindow final : public Window {
 public:
  MessageWindow();

  Button Command1{*this, "Command1"};

 private:
  void CentreOverPlayfield();
  void OnLoad() override;
  void OnShow() override;
  void OnFramed() override;
  void OnClick(int control) override;
  void OnCloseRequest() override;
};

MessageWindow& Form4();

}  // namespace quorvan

// The message window on which the stage-end screens are printed; "Form4" to
// the trace and the scenarios.
#pragma once

#include "screens/Window.h"

namespace quorvan {

class MessageWindow final : public Window {
 public:
  MessageWindow();

  Button OkButton{*this, "Command1"};

 private:
  void CentreOverPlayfield();
  void OnLoad() override;
  void OnShow() override;
  void OnFramed() override;
  void OnClick(int control) override;
  void OnCloseRequest() override;
};

MessageWindow& StageEndMessage();

}  // namespace quorvan

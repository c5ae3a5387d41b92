// The opening demo: the maker's name lettered stroke by stroke while the hero
// hops beside it, a jingle, and the year. Its timer drives it; after the last
// step the window hides itself and the start-up unloads it. The trace knows
// the window and its controls by their object names ("Demoform", "Image1").
#pragma once

#include <array>
#include <cstdint>

#include "screens/Window.h"

namespace quorvan {

inline constexpr int DemoTickMs = 200;
inline constexpr int LogoStrokes = 19;

class DemoWindow final : public Window {
 public:
  DemoWindow();

  // LogoStroke(1) .. LogoStroke(19), numbered from 1 like the strokes of the logo.
  class StrokeArray {
   public:
    explicit StrokeArray(Window& window);
    Sprite& operator()(int index) { return strokes_.at(static_cast<std::size_t>(index - 1)); }

   private:
    std::array<Sprite, LogoStrokes> strokes_;
  };

  Timer StepTimer{*this, "Timer1"};
  Sprite YearLabel{*this, "Label1"};  // the year: only shown and hidden
  StrokeArray LogoStroke{*this};
  Sprite FourthPose{*this, "Image5"};  // the poses, held outside the client area
  Sprite ThirdPose{*this, "Image4"};
  Sprite SecondPose{*this, "Image3"};
  Sprite FirstPose{*this, "Image2"};
  Sprite Hero{*this, "Image1"};

  // Window state: both start afresh whenever the window is created.
  std::int16_t DemoStep = 0;
  bool NoPlayMode = false;  // the player asked for silence

 private:
  void OnLoad() override;
  void OnTimer(int control) override;
  void OnKeyDown(int keyCode, int shift) override;
  void RunStep(int step);
};

DemoWindow& OpeningDemo();

}  // namespace quorvan

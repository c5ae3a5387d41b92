// The game's windows and their controls, over the toolkit.
//
// A Window is made from its layout table and created in the toolkit on first
// use: touching any of its controls loads it, as the game expects. Controls
// remember what the game last set, so the game (and the simulator's trace)
// can read a sprite's place without asking the toolkit.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "screens/Toolkit.h"

namespace quorvan {

struct ControlState {
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  std::string caption;
  const Picture* picture = nullptr;
  int interval = 0;
  bool enabled = false;
};

class Window : public WindowEvents {
 public:
  explicit Window(const WindowLayout& layout);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const WindowLayout& Layout() const { return layout_; }
  const char* Name() const { return layout_.name; }
  bool Loaded() const { return id_ != 0; }
  bool Visible() const { return id_ != 0 && visible_; }

  // Loading a loaded window does nothing.
  void Load();
  // The program's own unload: the window and its controls are destroyed.
  void Unload();
  // Shows without blocking, loading first if needed.
  void Show();
  void Hide();

  WindowRect Rect();  // outer, twips
  void Move(const WindowRect& rect);
  int Left() { return Rect().left; }
  int Top() { return Rect().top; }
  int Width() { return Rect().width; }
  int Height() { return Rect().height; }
  void SetCaption(const std::string& caption);
  void SetBackColor(Rgb colour);
  void SetFocus();

  // The drawing surface: cleared, printed on, drawn on.
  void ClearSurface();
  void Print(int x, int y, const std::string& text);
  int TextHeight(const std::string& text);
  void DrawLine(int x1, int y1, int x2, int y2, Rgb colour);

  WindowId Id();
  ControlState& State(int control);
  int ControlIndex(const char* name, int index = -1) const;

  // Forgets every window without asking the toolkit, as when a new toolkit
  // is installed (a new simulation in the same process).
  static void ForgetAll();

 protected:
  virtual void OnLoad() {}
  virtual void OnShow() {}  // just before the window appears
  // A close request from outside the program closes the window unless the
  // window's own handler says otherwise.
  void OnCloseRequest() override { Unload(); }

 private:
  const WindowLayout& layout_;
  WindowId id_ = 0;
  bool visible_ = false;
  std::vector<ControlState> controls_;
};

class Control {
 public:
  Control(Window& window, const char* name, int index = -1)
      : window_(&window), index_(window.ControlIndex(name, index)) {}
  // Position in the window's layout table: what the toolkit reports.
  int Index() const { return index_; }

 protected:
  ControlState& State() const { return window_->State(index_); }
  WindowId Id() const { return window_->Id(); }
  Window* window_;
  int index_;
};

class Sprite : public Control {
 public:
  using Control::Control;
  int Left() const { return State().left; }
  int Top() const { return State().top; }
  int Width() const { return State().width; }
  int Height() const { return State().height; }
  bool Visible() const { return State().visible; }
  const Picture* ShownPicture() const { return State().picture; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetHeight(int height);
  void SetRect(int left, int top, int width, int height);
  void MoveTo(int left, int top);
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // The sprite takes the picture's size; no picture shows nothing.
  void SetPicture(const Picture* picture);
  void CopyPictureFrom(const Sprite& source) { SetPicture(source.ShownPicture()); }
};

class Label : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return State().caption; }
  bool Visible() const { return State().visible; }
  void SetCaption(const std::string& caption);
  void SetVisible(bool visible);
};

class Button : public Control {
 public:
  using Control::Control;
  bool Visible() const { return State().visible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
};

class OptionButton : public Control {
 public:
  using Control::Control;
  bool Value() const;
};

class Timer : public Control {
 public:
  using Control::Control;
  int Interval() const { return State().interval; }
  bool Enabled() const { return State().enabled; }
  // Setting either restarts the count.
  void SetInterval(int ms);
  void SetEnabled(bool enabled);
};

// A control array: elements 0..N-1 of the controls named `name`.
template <typename C, std::size_t N>
std::array<C, N> ControlArray(Window& window, const char* name) {
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return std::array<C, N>{C(window, name, static_cast<int>(I))...};
  }
  (std::make_index_sequence<N>{});
}

}  // namespace quorvan

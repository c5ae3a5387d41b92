// A toolkit that hands every call on to another, and every input of the
// player on to the game's windows, letting its subclass see each input first
// (the recorder writes it down) or keep it from the game (a replay plays the
// player's part itself).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "screens/Toolkit.h"

namespace quorvan {

struct PlayerInput {
  enum class Kind { KeyDown, KeyUp, MouseDown, Click, CloseRequest };
  Kind kind = Kind::KeyDown;
  const WindowLayout* window = nullptr;
  int code = 0;  // key code, mouse button, or the control clicked
  int shift = 0;
};

class ToolkitRelay : public Toolkit {
 public:
  explicit ToolkitRelay(Toolkit& inner) : inner_(inner) {}
  ToolkitRelay(const ToolkitRelay&) = delete;
  ToolkitRelay& operator=(const ToolkitRelay&) = delete;

  WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) override;
  void DestroyWindow(WindowId w) override;
  void ShowWindow(WindowId w) override { inner_.ShowWindow(w); }
  void HideWindow(WindowId w) override { inner_.HideWindow(w); }
  WindowRect GetWindowRect(WindowId w) override { return inner_.GetWindowRect(w); }
  void MoveWindow(WindowId w, const WindowRect& rect) override { inner_.MoveWindow(w, rect); }
  void SetWindowCaption(WindowId w, const std::string& caption) override {
    inner_.SetWindowCaption(w, caption);
  }
  void SetBackColor(WindowId w, Rgb colour) override { inner_.SetBackColor(w, colour); }
  void SetFocus(WindowId w) override { inner_.SetFocus(w); }
  void SetControlRect(WindowId w, int control, int left, int top, int width, int height) override {
    inner_.SetControlRect(w, control, left, top, width, height);
  }
  void SetControlVisible(WindowId w, int control, bool visible) override {
    inner_.SetControlVisible(w, control, visible);
  }
  void SetControlText(WindowId w, int control, const std::string& text) override {
    inner_.SetControlText(w, control, text);
  }
  void SetControlPicture(WindowId w, int control, const Picture* picture) override {
    inner_.SetControlPicture(w, control, picture);
  }
  bool IsOptionSelected(WindowId w, int control) override {
    return inner_.IsOptionSelected(w, control);
  }
  void SetTimer(WindowId w, int control, int intervalMs, bool enabled) override {
    inner_.SetTimer(w, control, intervalMs, enabled);
  }
  void ClearSurface(WindowId w) override { inner_.ClearSurface(w); }
  void PrintText(WindowId w, int x, int y, const std::string& text) override {
    inner_.PrintText(w, x, y, text);
  }
  int TextHeight(WindowId w, const std::string& text) override {
    return inner_.TextHeight(w, text);
  }
  void DrawLine(WindowId w, int x1, int y1, int x2, int y2, Rgb colour) override {
    inner_.DrawLine(w, x1, y1, x2, y2, colour);
  }
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override {
    return inner_.AskText(prompt, title, defaultText);
  }
  void PumpEvents() override { inner_.PumpEvents(); }
  void ProcessPendingEvents() override { inner_.ProcessPendingEvents(); }
  std::uint64_t ClockSeed() override { return inner_.ClockSeed(); }
  int ScreenWidth() override { return inner_.ScreenWidth(); }
  int ScreenHeight() override { return inner_.ScreenHeight(); }
  void EndProgram(int code) override { inner_.EndProgram(code); }

 protected:
  // Sees an input of the player before the game does; false keeps it from the game.
  virtual bool PlayerActs(const PlayerInput& input) = 0;
  // The game's own handlers of the loaded window named so; nullptr when it is not loaded.
  WindowEvents* GameWindow(const char* name) const;
  // The position in the named loaded window's layout of control `name` (element `index`), or -1.
  int ControlIn(const char* window, const char* name, int index = -1) const;
  const WindowLayout* LayoutOf(WindowId w) const;
  Toolkit& inner_;

 private:
  // Hands a window's events on to the game, the player's through PlayerActs.
  class Tap final : public WindowEvents {
   public:
    Tap(const WindowLayout& windowLayout, WindowEvents& gameWindow,
        std::function<bool(const PlayerInput&)> acts)
        : layout(windowLayout), game(gameWindow), acts_(std::move(acts)) {}

    const WindowLayout& layout;
    WindowEvents& game;
    bool loaded = true;

    void OnKeyDown(int keyCode, int shift) override {
      if (Acts(PlayerInput::Kind::KeyDown, keyCode, shift)) game.OnKeyDown(keyCode, shift);
    }
    void OnKeyUp(int keyCode, int shift) override {
      if (Acts(PlayerInput::Kind::KeyUp, keyCode, shift)) game.OnKeyUp(keyCode, shift);
    }
    void OnMouseDown(int button, int shift, int x, int y) override {
      if (Acts(PlayerInput::Kind::MouseDown, button, shift)) game.OnMouseDown(button, shift, x, y);
    }
    void OnClick(int control) override {
      if (Acts(PlayerInput::Kind::Click, control, 0)) game.OnClick(control);
    }
    void OnCloseRequest() override {
      if (Acts(PlayerInput::Kind::CloseRequest, 0, 0)) game.OnCloseRequest();
    }
    // Timers, the focus and the frames are the toolkit's, not the player's.
    void OnTimer(int control) override { game.OnTimer(control); }
    void OnGotFocus() override { game.OnGotFocus(); }
    void OnLostFocus() override { game.OnLostFocus(); }
    void OnMoved() override { game.OnMoved(); }
    void OnFramed() override { game.OnFramed(); }

   private:
    bool Acts(PlayerInput::Kind kind, int code, int shift) {
      return acts_({.kind = kind, .window = &layout, .code = code, .shift = shift});
    }
    std::function<bool(const PlayerInput&)> acts_;
  };

  // Kept until the relay goes: a window may be destroyed from inside its own handler.
  std::map<WindowId, std::unique_ptr<Tap>> taps_;
};

}  // namespace quorvan

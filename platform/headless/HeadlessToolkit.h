// A toolkit without a display, on a virtual clock.
//
// Timers tick at their virtual times; a pump that would block moves the clock
// on to the next due timer or scheduled input, so a whole game runs in
// milliseconds and always the same way. What the game shows is reported to a
// listener (the simulator writes it to its trace).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "screens/Toolkit.h"

namespace quorvan {

class HeadlessToolkit final : public Toolkit {
 public:
  static constexpr int ScreenWidthTwips = 1024 * TwipsPerPixel;
  static constexpr int ScreenHeightTwips = 768 * TwipsPerPixel;

  class Listener {
   public:
    virtual void WindowChanged(const std::string& /*name*/, const char* /*action*/) {}
    virtual void ControlShown(const std::string& /*window*/, const ControlLayout& /*control*/) {}
    virtual void Printed(int /*x*/, int /*y*/, const std::string& /*text*/) {}
    // The text the player types into a modal entry; "" cancels.
    virtual std::string Answer(const std::string& /*prompt*/, const std::string& /*title*/,
                               const std::string& /*defaultText*/) {
      return {};
    }
    virtual void BeforePump() {}
    virtual void StepShown() {}  // ProcessPendingEvents was called

   protected:
    ~Listener() = default;
  };

  explicit HeadlessToolkit(std::uint64_t seed = 1) : seed_(seed) {}
  void SetListener(Listener* listener) { listener_ = listener; }

  std::int64_t Now() const { return now_; }
  // Runs `action` inside the first pump at or after virtual time `time`.
  void At(std::int64_t time, std::function<void()> action);

  // Input, delivered at once to the active window or the named one.
  void KeyDown(int keyCode, int shift);
  void KeyUp(int keyCode, int shift);
  void MouseDown(const std::string& window, int button, int shift);
  void Click(const std::string& window, const char* control, int index = -1);
  void CloseRequest(const std::string& window);
  void SelectOption(const std::string& window, const char* control);

  WindowId Find(const std::string& name) const;  // 0 when not loaded
  bool IsVisible(WindowId w) const;
  WindowId Active() const { return active_; }
  Rgb BackColor(WindowId w) const;
  int LinesDrawn() const { return linesDrawn_; }

  WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) override;
  void DestroyWindow(WindowId w) override;
  void ShowWindow(WindowId w) override;
  void HideWindow(WindowId w) override;
  WindowRect GetWindowRect(WindowId w) override;
  void MoveWindow(WindowId w, const WindowRect& rect) override;
  void SetWindowCaption(WindowId w, const std::string& caption) override;
  void SetBackColor(WindowId w, Rgb colour) override;
  void SetFocus(WindowId w) override;
  void SetControlRect(WindowId, int, int, int, int, int) override {}
  void SetControlVisible(WindowId w, int control, bool visible) override;
  void SetControlText(WindowId, int, const std::string&) override {}
  void SetControlPicture(WindowId, int, const Picture*) override {}
  bool IsOptionSelected(WindowId w, int control) override;
  void SetTimer(WindowId w, int control, int intervalMs, bool enabled) override;
  void ClearSurface(WindowId) override {}
  void PrintText(WindowId w, int x, int y, const std::string& text) override;
  int TextHeight(WindowId w, const std::string& text) override;
  void DrawLine(WindowId, int, int, int, int, Rgb) override { ++linesDrawn_; }
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
  void PumpEvents() override;
  void ProcessPendingEvents() override;
  std::uint64_t ClockSeed() override { return seed_; }
  int ScreenWidth() override { return ScreenWidthTwips; }
  int ScreenHeight() override { return ScreenHeightTwips; }
  void EndProgram(int code) override;

 private:
  struct TimerState {
    WindowId window = 0;
    int control = 0;
    int interval = 0;
    std::int64_t due = 0;
    std::uint64_t order = 0;  // ties at one time go in arming order
  };
  struct WindowState {
    const WindowLayout* layout = nullptr;
    WindowEvents* events = nullptr;
    bool visible = false;
    WindowRect rect;
    Rgb back;
    int selectedOption = -1;
  };

  WindowState* Get(WindowId w);
  const WindowState* Get(WindowId w) const;
  void Activate(WindowId w);
  void FocusPrevious();
  bool RunOneDue();
  std::int64_t NextDue() const;
  void ThrowIfEnded() const;

  std::uint64_t seed_;
  Listener* listener_ = nullptr;
  std::int64_t now_ = 0;
  std::uint64_t order_ = 0;
  WindowId nextId_ = 1;
  WindowId active_ = 0;
  std::vector<WindowId> focusHistory_;
  std::map<WindowId, WindowState> windows_;
  std::vector<TimerState> timers_;  // armed timers only
  std::multimap<std::pair<std::int64_t, std::uint64_t>, std::function<void()>> scheduled_;
  bool ended_ = false;
  int exitCode_ = 0;
  int linesDrawn_ = 0;
};

}  // namespace quorvan

// The toolkit of the page: each window a framed box drawn in the page, its
// controls elements of it, its surface a canvas. The page's script (page.js)
// keeps the elements and queues what the player does; every wait of the
// game sleeps until the queue has something, giving the browser the thread.
#pragma once

#include <map>
#include <string>

#include "screens/Toolkit.h"

namespace quorvan {

class WebToolkit : public Toolkit {
 public:
  WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) override;
  void DestroyWindow(WindowId w) override;
  void ShowWindow(WindowId w) override;
  void HideWindow(WindowId w) override;
  WindowRect GetWindowRect(WindowId w) override;
  void MoveWindow(WindowId w, const WindowRect& rect) override;
  void SetWindowCaption(WindowId w, const std::string& caption) override;
  void SetBackColor(WindowId w, Rgb colour) override;
  void SetFocus(WindowId w) override;

  void SetControlRect(WindowId w, int control, int left, int top, int width, int height) override;
  void SetControlVisible(WindowId w, int control, bool visible) override;
  void SetControlText(WindowId w, int control, const std::string& text) override;
  void SetControlPicture(WindowId w, int control, const Picture* picture) override;
  bool IsOptionSelected(WindowId w, int control) override;
  void SetTimer(WindowId w, int control, int intervalMs, bool enabled) override;

  void ClearSurface(WindowId w) override;
  void PrintText(WindowId w, int x, int y, const std::string& text) override;
  int TextHeight(WindowId w, const std::string& text) override;
  void DrawLine(WindowId w, int x1, int y1, int x2, int y2, Rgb colour) override;

  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;

  void PumpEvents() override;
  void ProcessPendingEvents() override;
  std::uint64_t ClockSeed() override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  void EndProgram(int code) override;

 private:
  struct Frame {
    int left = 0, top = 0, right = 0, bottom = 0;  // pixels around the client area
  };
  struct Window {
    WindowEvents* events = nullptr;
    Frame frame;
    int left = 0, top = 0;  // outer, pixels
    int clientWidth = 0, clientHeight = 0;
    bool framedOnce = false;
  };

  Window* Find(WindowId w);
  // Hands every queued event to its window; false when there was none.
  bool DeliverQueued();
  void Deliver(int kind, WindowId w, int a, int b, int c, int d, const char* text);
  void ThrowIfEnding() const;

  std::map<WindowId, Window> windows_;
  WindowId nextId_ = 1;
  bool ending_ = false;
  int endCode_ = 0;
  double lastYield_ = 0;
};

// Twips of the game to the page's pixels and back.
int WebPixels(int twips);

}  // namespace quorvan

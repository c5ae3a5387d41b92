// The one contract between the game and a windowing toolkit.
//
// Everything the game needs of windows passes through here: windows made
// from a layout table, their controls addressed by position in that table,
// timers, text printed on a surface, a modal text entry and the event pump.
// Positions and sizes are twips (15 to a pixel), colours RGB.
//
// Two implementations exist: the Qt one that the player sees, and a headless
// one on a virtual clock that the simulator and the tests drive.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

inline constexpr int TwipsPerPixel = 15;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture of the game's artwork: the file it is drawn from and the size in
// pixels that a sprite showing it takes. Icons are transparent around their
// figure; bitmaps cover their whole rectangle.
struct Picture {
  const char* file;  // under the assets' pictures folder
  int width;         // pixels
  int height;        // pixels
  bool icon;
};

enum class Border { None, FixedSingle, FixedToolWindow, Sizable };
enum class ControlKind { Image, Label, Line, Shape, Button, Option, Timer };
enum class Align { Left, Right, Centre };

struct Font {
  const char* face = "";  // the font name as the game knows it
  double points = 0;      // 0: the toolkit's default font
  bool bold = false;
};

// Design values of one control. For a line, left/top and width/height hold the
// two end points (x1, y1) and (x2, y2).
struct ControlLayout {
  const char* name;
  int index = -1;  // element of a control array, -1 for a single control
  ControlKind kind = ControlKind::Image;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  const char* caption = "";
  Rgb fore{};
  Rgb back{};                // labels paint it behind their text
  bool transparent = false;  // labels: the window shows through instead
  Align align = Align::Left;
  Font font{};
  int borderPixels = 1;      // shapes and lines
  bool crossCursor = false;  // images: the mouse pointer over them
  const Picture* picture = nullptr;
  int interval = 0;       // timers, ms
  bool enabled = false;   // timers
  bool selected = false;  // option buttons
};

struct WindowLayout {
  const char* name;     // Form1, Form3, ...
  const char* caption;  // shown by the title bar or the task bar
  Border border = Border::FixedSingle;
  Rgb back{};
  Rgb fore{};           // text printed on the surface
  Font font{};          // font of printed text
  int clientWidth = 0;  // design size of the client area
  int clientHeight = 0;
  const Picture* icon = nullptr;
  bool keyPreview = false;  // the window receives key events
  std::vector<ControlLayout> controls;
};

// The position in `layout.controls` of control `name` (element `index` of a
// control array, -1 for a lone control), or -1 when there is none.
int FindControl(const WindowLayout& layout, std::string_view name, int index = -1);

// What a window reports. Implemented by the game's windows; every handler is
// short and only writes game state or window properties.
class WindowEvents {
 public:
  virtual void OnKeyDown(int /*keyCode*/, int /*shift*/) {}
  virtual void OnKeyUp(int /*keyCode*/, int /*shift*/) {}
  virtual void OnMouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void OnClick(int /*control*/) {}
  virtual void OnTimer(int /*control*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  // The window has moved, by the program or by the player dragging it.
  virtual void OnMoved() {}
  // The window manager has framed the window: its outer size is known now,
  // and a window placed by it may be placed again.
  virtual void OnFramed() {}
  // A close request from outside the program (close box, window manager).
  // The window stays until the handler unloads it or ends the program.
  virtual void OnCloseRequest() {}

 protected:
  ~WindowEvents() = default;
};

using WindowId = int;  // 0 is no window

struct WindowRect {
  int left = 0, top = 0, width = 0, height = 0;  // outer, twips
};

// Thrown by PumpEvents and AskText once EndProgram has been called, so the
// game cycle unwinds from wherever it waits; main() catches it.
struct ProgramEnd {
  int code = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Creates the window hidden, with its controls in their design state.
  virtual WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) = 0;
  virtual void DestroyWindow(WindowId w) = 0;
  virtual void ShowWindow(WindowId w) = 0;
  virtual void HideWindow(WindowId w) = 0;
  virtual WindowRect GetWindowRect(WindowId w) = 0;
  virtual void MoveWindow(WindowId w, const WindowRect& rect) = 0;
  virtual void SetWindowCaption(WindowId w, const std::string& caption) = 0;
  virtual void SetBackColor(WindowId w, Rgb colour) = 0;
  virtual void SetFocus(WindowId w) = 0;

  // Controls, by their position in the window's layout table.
  virtual void SetControlRect(WindowId w, int control, int left, int top, int width,
                              int height) = 0;
  virtual void SetControlVisible(WindowId w, int control, bool visible) = 0;
  virtual void SetControlText(WindowId w, int control, const std::string& text) = 0;
  virtual void SetControlPicture(WindowId w, int control, const Picture* picture) = 0;
  virtual bool IsOptionSelected(WindowId w, int control) = 0;
  // Setting a timer restarts its count; interval 0 or disabled: no ticks.
  virtual void SetTimer(WindowId w, int control, int intervalMs, bool enabled) = 0;

  // The window's surface, beneath its controls.
  virtual void ClearSurface(WindowId w) = 0;
  virtual void PrintText(WindowId w, int x, int y, const std::string& text) = 0;
  virtual int TextHeight(WindowId w, const std::string& text) = 0;
  virtual void DrawLine(WindowId w, int x1, int y1, int x2, int y2, Rgb colour) = 0;

  // Modal text entry; an empty text when cancelled. Timers go on ticking.
  virtual std::string AskText(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) = 0;

  // Handles pending window events, blocking until at least one has arrived.
  // Every wait of the game loops on it until its flag falls.
  virtual void PumpEvents() = 0;
  // Handles the events already pending and returns at once (animations).
  virtual void ProcessPendingEvents() = 0;

  // A seed for the game's random numbers: the clock for a player, a fixed
  // number for a simulation.
  virtual std::uint64_t ClockSeed() = 0;

  virtual int ScreenWidth() = 0;   // twips
  virtual int ScreenHeight() = 0;  // twips

  // Ends the program: the current or next PumpEvents, ProcessPendingEvents or
  // AskText throws ProgramEnd, so the game cycle unwinds to main().
  virtual void EndProgram(int code) = 0;
};

// The toolkit the game runs on, installed once by main() or a test.
Toolkit& Tk();
void InstallToolkit(Toolkit* toolkit);

}  // namespace quorvan

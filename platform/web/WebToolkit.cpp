#include "platform/web/WebToolkit.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/web/WebKeys.h"
#include "screens/Pictures.h"

// The page's side of each call: page.js defines the QV object.
// clang-format off
EM_JS(void, qv_create_window, (int id, const char* caption, int border, int back, int fore,
                               const char* face, int fontPx, int bold, int width, int height,
                               const char* icon, int titleHeight), {
  QV.createWindow(id, UTF8ToString(caption), border, back, fore, UTF8ToString(face), fontPx, bold,
                  width, height, UTF8ToString(icon), titleHeight);
});
EM_JS(void, qv_add_control, (int id, int index, int kind, int left, int top, int width, int height,
                             int visible, const char* caption, int fore, int back, int transparent,
                             int align, const char* face, int fontPx, int bold, int pen, int cross,
                             const char* picture, int interval, int enabled, int selected), {
  QV.addControl(id, index, kind, left, top, width, height, visible, UTF8ToString(caption), fore,
                back, transparent, align, UTF8ToString(face), fontPx, bold, pen, cross,
                UTF8ToString(picture), interval, enabled, selected);
});
EM_JS(void, qv_destroy_window, (int id), { QV.destroyWindow(id); });
EM_JS(void, qv_show_window, (int id, int shown, int tellFramed), {
  QV.showWindow(id, shown, tellFramed);
});
EM_JS(void, qv_place_window, (int id, int left, int top, int width, int height), {
  QV.placeWindow(id, left, top, width, height);
});
EM_JS(void, qv_set_caption, (int id, const char* caption), { QV.setCaption(id, UTF8ToString(caption)); });
EM_JS(void, qv_set_back, (int id, int colour), { QV.setBack(id, colour); });
EM_JS(void, qv_activate, (int id), { QV.activate(id); });
EM_JS(void, qv_control_rect, (int id, int control, int left, int top, int width, int height), {
  QV.controlRect(id, control, left, top, width, height);
});
EM_JS(void, qv_control_visible, (int id, int control, int visible), {
  QV.controlVisible(id, control, visible);
});
EM_JS(void, qv_control_text, (int id, int control, const char* text), {
  QV.controlText(id, control, UTF8ToString(text));
});
EM_JS(void, qv_control_picture, (int id, int control, const char* file, int width, int height), {
  QV.controlPicture(id, control, UTF8ToString(file), width, height);
});
EM_JS(int, qv_option_selected, (int id, int control), { return QV.optionSelected(id, control); });
EM_JS(void, qv_set_timer, (int id, int control, int interval, int enabled), {
  QV.setTimer(id, control, interval, enabled);
});
EM_JS(void, qv_clear_surface, (int id), { QV.clearSurface(id); });
EM_JS(void, qv_print_text, (int id, int x, int y, const char* text, int lineHeight), {
  QV.printText(id, x, y, UTF8ToString(text), lineHeight);
});
EM_JS(void, qv_draw_line, (int id, int x1, int y1, int x2, int y2, int colour), {
  QV.drawLine(id, x1, y1, x2, y2, colour);
});
EM_JS(void, qv_open_dialog, (const char* prompt, const char* title, const char* text, const char* icon), {
  QV.openDialog(UTF8ToString(prompt), UTF8ToString(title), UTF8ToString(text), UTF8ToString(icon));
});
EM_JS(int, qv_dialog_result, (char* text, int size), {
  return QV.dialogResult(text, size);
});
EM_JS(void, qv_close_dialog, (), { QV.closeDialog(); });
EM_JS(int, qv_next_event, (int* out, char* text, int size), { return QV.nextEvent(out, text, size); });
EM_JS(int, qv_screen_width, (), { return QV.screenWidth(); });
EM_JS(int, qv_screen_height, (), { return QV.screenHeight(); });
EM_JS(double, qv_now, (), { return performance.now(); });
EM_JS(double, qv_seed, (), { return Date.now() * 1000 + Math.floor(performance.now() * 1000) % 1000; });
EM_JS(void, qv_wake, (), { QV.wake(); });
// Sleeps until the queue has an event: the browser runs meanwhile, and the
// page burns nothing while no timer is due.
EM_ASYNC_JS(void, qv_wait_for_event, (), { await QV.waitForEvent(); });
// Gives the browser a moment to show what has been drawn.
EM_ASYNC_JS(void, qv_yield, (), { await QV.yieldToBrowser(); });
// clang-format on

namespace quorvan {
namespace {

enum EventKind {
  KeyDown = 1,
  KeyUp = 2,
  MouseDown = 3,
  Click = 4,
  Tick = 5,
  GotFocus = 6,
  LostFocus = 7,
  Moved = 8,
  CloseRequest = 9,
  Framed = 10,
  Wake = 11,
};

constexpr int TitleBarPixels = 20;
constexpr int ToolTitleBarPixels = 17;
constexpr int EdgePixels = 1;
// Printed rows are as high as the desktop's font prints them.
constexpr int PrintRowTwips = 240;
// A drawing shown step by step gives the browser the thread once a frame.
constexpr double YieldEveryMs = 16;
constexpr double DesignDpi = 96.0;
constexpr double PointsPerInch = 72.0;

int ColourOf(Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; }

int FontPixels(const Font& font) {
  return font.points > 0 ? static_cast<int>(std::lround(font.points * DesignDpi / PointsPerInch))
                         : 0;
}

const char* FileOf(const Picture* picture) { return picture && picture->file ? picture->file : ""; }

}  // namespace

int WebPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

WebToolkit::Window* WebToolkit::Find(WindowId w) {
  const auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowId WebToolkit::CreateWindow(const WindowLayout& layout, WindowEvents& events) {
  const WindowId id = nextId_++;
  Window window;
  window.events = &events;
  int title = 0;
  if (layout.border == Border::FixedSingle || layout.border == Border::Sizable)
    title = TitleBarPixels;
  if (layout.border == Border::FixedToolWindow) title = ToolTitleBarPixels;
  if (layout.border != Border::None) {
    window.frame = {EdgePixels, EdgePixels + title, EdgePixels, EdgePixels};
  }
  window.clientWidth = std::max(WebPixels(layout.clientWidth), 1);
  window.clientHeight = std::max(WebPixels(layout.clientHeight), 1);
  windows_.emplace(id, window);
  qv_create_window(id, layout.caption ? layout.caption : "", static_cast<int>(layout.border),
                   ColourOf(layout.back), ColourOf(layout.fore), layout.font.face,
                   FontPixels(layout.font), layout.font.bold, window.clientWidth,
                   window.clientHeight, FileOf(layout.icon), title);
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlLayout& c = layout.controls[i];
    const bool line = c.kind == ControlKind::Line;
    qv_add_control(id, static_cast<int>(i), static_cast<int>(c.kind), WebPixels(c.left),
                   WebPixels(c.top), line ? WebPixels(c.width) : std::max(WebPixels(c.width), 0),
                   line ? WebPixels(c.height) : std::max(WebPixels(c.height), 0), c.visible,
                   c.caption ? c.caption : "", ColourOf(c.fore), ColourOf(c.back), c.transparent,
                   static_cast<int>(c.align), c.font.face, FontPixels(c.font), c.font.bold,
                   std::max(c.borderPixels, 1), c.crossCursor, FileOf(c.picture), c.interval,
                   c.enabled, c.selected);
    if (c.kind == ControlKind::Image && c.picture)
      qv_control_picture(id, static_cast<int>(i), FileOf(c.picture), c.picture->width,
                         c.picture->height);
  }
  return id;
}

void WebToolkit::DestroyWindow(WindowId w) {
  if (windows_.erase(w)) qv_destroy_window(w);
}

void WebToolkit::ShowWindow(WindowId w) {
  Window* window = Find(w);
  if (!window) return;
  // The frame is known from the start; the game still hears that it is there.
  const bool tellFramed = !window->framedOnce && window->frame.top > 0;
  window->framedOnce = true;
  qv_show_window(w, 1, tellFramed);
  qv_activate(w);
}

void WebToolkit::HideWindow(WindowId w) {
  if (Find(w)) qv_show_window(w, 0, 0);
}

WindowRect WebToolkit::GetWindowRect(WindowId w) {
  const Window* window = Find(w);
  if (!window) return {};
  const Frame& f = window->frame;
  return {window->left * TwipsPerPixel, window->top * TwipsPerPixel,
          (window->clientWidth + f.left + f.right) * TwipsPerPixel,
          (window->clientHeight + f.top + f.bottom) * TwipsPerPixel};
}

void WebToolkit::MoveWindow(WindowId w, const WindowRect& rect) {
  Window* window = Find(w);
  if (!window) return;
  const Frame& f = window->frame;
  window->left = WebPixels(rect.left);
  window->top = WebPixels(rect.top);
  window->clientWidth = std::max(WebPixels(rect.width) - f.left - f.right, 1);
  window->clientHeight = std::max(WebPixels(rect.height) - f.top - f.bottom, 1);
  // The page tells the move as a window manager would, once the game waits.
  qv_place_window(w, window->left, window->top, window->clientWidth, window->clientHeight);
}

void WebToolkit::SetWindowCaption(WindowId w, const std::string& caption) {
  if (Find(w)) qv_set_caption(w, caption.c_str());
}

void WebToolkit::SetBackColor(WindowId w, Rgb colour) {
  if (Find(w)) qv_set_back(w, ColourOf(colour));
}

void WebToolkit::SetFocus(WindowId w) {
  if (Find(w)) qv_activate(w);
}

void WebToolkit::SetControlRect(WindowId w, int control, int left, int top, int width, int height) {
  if (Find(w))
    qv_control_rect(w, control, WebPixels(left), WebPixels(top), WebPixels(width),
                    WebPixels(height));
}

void WebToolkit::SetControlVisible(WindowId w, int control, bool visible) {
  if (Find(w)) qv_control_visible(w, control, visible);
}

void WebToolkit::SetControlText(WindowId w, int control, const std::string& text) {
  if (Find(w)) qv_control_text(w, control, text.c_str());
}

void WebToolkit::SetControlPicture(WindowId w, int control, const Picture* picture) {
  if (Find(w))
    qv_control_picture(w, control, FileOf(picture), picture ? picture->width : 0,
                       picture ? picture->height : 0);
}

bool WebToolkit::IsOptionSelected(WindowId w, int control) {
  return Find(w) && qv_option_selected(w, control) != 0;
}

void WebToolkit::SetTimer(WindowId w, int control, int intervalMs, bool enabled) {
  if (Find(w)) qv_set_timer(w, control, intervalMs, enabled && intervalMs > 0);
}

void WebToolkit::ClearSurface(WindowId w) {
  if (Find(w)) qv_clear_surface(w);
}

void WebToolkit::PrintText(WindowId w, int x, int y, const std::string& text) {
  if (Find(w)) qv_print_text(w, WebPixels(x), WebPixels(y), text.c_str(), WebPixels(PrintRowTwips));
}

int WebToolkit::TextHeight(WindowId w, const std::string& text) {
  if (!Find(w)) return 0;
  return PrintRowTwips * static_cast<int>(1 + std::count(text.begin(), text.end(), '\n'));
}

void WebToolkit::DrawLine(WindowId w, int x1, int y1, int x2, int y2, Rgb colour) {
  if (Find(w))
    qv_draw_line(w, WebPixels(x1), WebPixels(y1), WebPixels(x2), WebPixels(y2), ColourOf(colour));
}

std::string WebToolkit::AskText(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
  ThrowIfEnding();
  qv_open_dialog(prompt.c_str(), title.c_str(), defaultText.c_str(), pictures::GameIcon.file);
  // The windows' timers tick on meanwhile; the page holds their input back.
  std::string text(4096, '\0');
  int result = 0;
  while ((result = qv_dialog_result(text.data(), static_cast<int>(text.size()))) < 0) {
    try {
      PumpEvents();
    } catch (...) {
      qv_close_dialog();
      throw;
    }
  }
  text.resize(text.find('\0'));
  return result == 1 ? text : std::string();
}

void WebToolkit::ThrowIfEnding() const {
  if (ending_) throw ProgramEnd{endCode_};
}

void WebToolkit::Deliver(int kind, WindowId w, int a, int b, int c, int d, const char* text) {
  Window* window = Find(w);
  if (!window) return;
  WindowEvents& e = *window->events;
  switch (kind) {
    case KeyDown:
      if (const int code = VirtualKeyOfDomCode(text)) e.OnKeyDown(code, a);
      break;
    case KeyUp:
      if (const int code = VirtualKeyOfDomCode(text)) e.OnKeyUp(code, a);
      break;
    case MouseDown:
      e.OnMouseDown(a, b, c * TwipsPerPixel, d * TwipsPerPixel);
      break;
    case Click:
      e.OnClick(a);
      break;
    case Tick:
      e.OnTimer(a);
      break;
    case GotFocus:
      e.OnGotFocus();
      break;
    case LostFocus:
      e.OnLostFocus();
      break;
    case Moved:
      window->left = a;
      window->top = b;
      e.OnMoved();
      break;
    case CloseRequest:
      e.OnCloseRequest();
      break;
    case Framed:
      e.OnFramed();
      break;
    default:
      break;
  }
}

bool WebToolkit::DeliverQueued() {
  bool any = false;
  int event[6];
  char text[64];
  while (qv_next_event(event, text, sizeof text)) {
    any = true;
    Deliver(event[0], event[1], event[2], event[3], event[4], event[5], text);
    ThrowIfEnding();
  }
  return any;
}

void WebToolkit::PumpEvents() {
  ThrowIfEnding();
  while (!DeliverQueued()) {
    qv_wait_for_event();
    ThrowIfEnding();
  }
  lastYield_ = qv_now();
}

void WebToolkit::ProcessPendingEvents() {
  ThrowIfEnding();
  if (qv_now() - lastYield_ >= YieldEveryMs) {
    qv_yield();
    lastYield_ = qv_now();
  }
  DeliverQueued();
}

std::uint64_t WebToolkit::ClockSeed() { return static_cast<std::uint64_t>(qv_seed()); }

int WebToolkit::ScreenWidth() { return qv_screen_width() * TwipsPerPixel; }

int WebToolkit::ScreenHeight() { return qv_screen_height() * TwipsPerPixel; }

void WebToolkit::EndProgram(int code) {
  endCode_ = code;
  ending_ = true;
  qv_close_dialog();
  qv_wake();
}

}  // namespace quorvan

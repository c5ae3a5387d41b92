#include "platform/qt/X11Screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <memory>

namespace quorvan {
namespace {

struct Rect {
  long x, y, width, height;
};

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};

// The primary monitor, or the first where none is marked; the whole root
// window where the server knows no monitors.
Rect PrimaryMonitor(Display* display, Window root) {
  Rect whole{0, 0, DisplayWidth(display, DefaultScreen(display)),
             DisplayHeight(display, DefaultScreen(display))};
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XRRQueryExtension(display, &event, &error) || !XRRQueryVersion(display, &major, &minor) ||
      major * 100 + minor < 105)
    return whole;
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
  if (monitors == nullptr) return whole;
  if (count > 0) {
    const XRRMonitorInfo* chosen = &monitors[0];
    for (int i = 0; i < count; ++i)
      if (monitors[i].primary) chosen = &monitors[i];
    whole = {chosen->x, chosen->y, chosen->width, chosen->height};
  }
  XRRFreeMonitors(monitors);
  return whole;
}

// The first desktop's work area where the window manager publishes one.
std::optional<Rect> WorkArea(Display* display, Window root) {
  const Atom name = XInternAtom(display, "_NET_WORKAREA", True);
  if (name == None) return std::nullopt;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, root, name, 0, 4, False, XA_CARDINAL, &type, &format, &items,
                         &after, &data) != Success)
    return std::nullopt;
  std::optional<Rect> area;
  if (type == XA_CARDINAL && format == 32 && items == 4 && data != nullptr) {
    const auto* v = reinterpret_cast<const long*>(data);  // Xlib hands 32-bit items as longs
    area = Rect{v[0], v[1], v[2], v[3]};
  }
  if (data != nullptr) XFree(data);
  return area;
}

}  // namespace

std::optional<ScreenArea> PrimaryWorkArea() {
  const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
  if (!display) return std::nullopt;
  const Window root = DefaultRootWindow(display.get());
  Rect area = PrimaryMonitor(display.get(), root);
  if (const std::optional<Rect> work = WorkArea(display.get(), root)) {
    const long left = std::max(area.x, work->x);
    const long top = std::max(area.y, work->y);
    const long right = std::min(area.x + area.width, work->x + work->width);
    const long bottom = std::min(area.y + area.height, work->y + work->height);
    if (right > left && bottom > top) area = {left, top, right - left, bottom - top};
  }
  return ScreenArea{static_cast<int>(area.width), static_cast<int>(area.height)};
}

}  // namespace quorvan

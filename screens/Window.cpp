#include "screens/Window.h"

#include <stdexcept>

namespace quorvan {
namespace {

std::vector<Window*>& AllWindows() {
  static std::vector<Window*> all;
  return all;
}

}  // namespace

Window::Window(const WindowLayout& layout) : layout_(layout) { AllWindows().push_back(this); }

void Window::ForgetAll() {
  for (Window* w : AllWindows()) {
    w->id_ = 0;
    w->visible_ = false;
  }
}

int Window::ControlIndex(const char* name, int index) const {
  const int found = FindControl(layout_, name, index);
  if (found < 0) throw std::logic_error(std::string("no control ") + name + " on " + layout_.name);
  return found;
}

void Window::Load() {
  if (id_ != 0) return;
  controls_.clear();
  for (const auto& c : layout_.controls) {
    ControlState s;
    s.left = c.left;
    s.top = c.top;
    s.width = c.width;
    s.height = c.height;
    s.visible = c.visible;
    s.caption = c.caption;
    s.picture = c.picture;
    s.interval = c.interval;
    s.enabled = c.enabled;
    if (c.kind == ControlKind::Image && c.picture) {
      s.width = c.picture->width * TwipsPerPixel;
      s.height = c.picture->height * TwipsPerPixel;
    }
    controls_.push_back(std::move(s));
  }
  visible_ = false;
  id_ = Tk().CreateWindow(layout_, *this);
  OnLoad();
}

void Window::Unload() {
  if (id_ == 0) return;
  const WindowId id = std::exchange(id_, 0);
  visible_ = false;
  Tk().DestroyWindow(id);
}

void Window::Show() {
  Load();
  OnShow();
  visible_ = true;
  Tk().ShowWindow(id_);
}

void Window::Hide() {
  if (id_ == 0) return;
  visible_ = false;
  Tk().HideWindow(id_);
}

WindowRect Window::Rect() { return Tk().GetWindowRect(Id()); }
void Window::Move(const WindowRect& rect) { Tk().MoveWindow(Id(), rect); }
void Window::SetCaption(const std::string& caption) { Tk().SetWindowCaption(Id(), caption); }
void Window::SetBackColor(Rgb colour) { Tk().SetBackColor(Id(), colour); }
void Window::SetFocus() { Tk().SetFocus(Id()); }
void Window::ClearSurface() { Tk().ClearSurface(Id()); }
void Window::Print(int x, int y, const std::string& text) { Tk().PrintText(Id(), x, y, text); }
int Window::TextHeight(const std::string& text) { return Tk().TextHeight(Id(), text); }
void Window::DrawLine(int x1, int y1, int x2, int y2, Rgb colour) {
  Tk().DrawLine(Id(), x1, y1, x2, y2, colour);
}

WindowId Window::Id() {
  Load();
  return id_;
}

ControlState& Window::State(int control) {
  Load();
  return controls_.at(static_cast<std::size_t>(control));
}

namespace {

void PushRect(WindowId id, int control, const ControlState& s) {
  Tk().SetControlRect(id, control, s.left, s.top, s.width, s.height);
}

}  // namespace

void Sprite::SetLeft(int left) {
  State().left = left;
  PushRect(Id(), index_, State());
}

void Sprite::SetTop(int top) {
  State().top = top;
  PushRect(Id(), index_, State());
}

void Sprite::SetHeight(int height) {
  State().height = height;
  PushRect(Id(), index_, State());
}

void Sprite::MoveTo(int left, int top) {
  auto& s = State();
  s.left = left;
  s.top = top;
  PushRect(Id(), index_, s);
}

void Sprite::SetRect(int left, int top, int width, int height) {
  auto& s = State();
  s.left = left;
  s.top = top;
  s.width = width;
  s.height = height;
  PushRect(Id(), index_, s);
}

void Sprite::SetVisible(bool visible) {
  State().visible = visible;
  Tk().SetControlVisible(Id(), index_, visible);
}

void Sprite::SetPicture(const Picture* picture) {
  auto& s = State();
  s.picture = picture;
  if (picture) {
    s.width = picture->width * TwipsPerPixel;
    s.height = picture->height * TwipsPerPixel;
  }
  Tk().SetControlPicture(Id(), index_, picture);
}

void Label::SetCaption(const std::string& caption) {
  State().caption = caption;
  Tk().SetControlText(Id(), index_, caption);
}

void Label::SetVisible(bool visible) {
  State().visible = visible;
  Tk().SetControlVisible(Id(), index_, visible);
}

void Button::SetVisible(bool visible) {
  State().visible = visible;
  Tk().SetControlVisible(Id(), index_, visible);
}

bool OptionButton::Value() const { return Tk().IsOptionSelected(window_->Id(), index_); }

void Timer::SetInterval(int ms) {
  auto& s = State();
  s.interval = ms;
  Tk().SetTimer(Id(), index_, s.interval, s.enabled);
}

void Timer::SetEnabled(bool enabled) {
  auto& s = State();
  s.enabled = enabled;
  Tk().SetTimer(Id(), index_, s.interval, s.enabled);
}

}  // namespace quorvan

#include "platform/headless/HeadlessToolkit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace quorvan {
namespace {

constexpr std::int64_t Never = std::numeric_limits<std::int64_t>::max();

}  // namespace

void HeadlessToolkit::At(std::int64_t time, std::function<void()> action) {
  scheduled_.emplace(std::make_pair(std::max(time, now_), ++order_), std::move(action));
}

HeadlessToolkit::WindowState* HeadlessToolkit::Get(WindowId w) {
  auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : &it->second;
}

const HeadlessToolkit::WindowState* HeadlessToolkit::Get(WindowId w) const {
  auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowId HeadlessToolkit::Find(const std::string& name) const {
  for (const auto& [id, state] : windows_)
    if (name == state.layout->name) return id;
  return 0;
}

bool HeadlessToolkit::IsVisible(WindowId w) const {
  const auto* state = Get(w);
  return state && state->visible;
}

Rgb HeadlessToolkit::BackColor(WindowId w) const {
  const auto* state = Get(w);
  return state ? state->back : Rgb{};
}

WindowId HeadlessToolkit::CreateWindow(const WindowLayout& layout, WindowEvents& events) {
  const WindowId id = nextId_++;
  WindowState state{.layout = &layout,
                    .events = &events,
                    .rect = {0, 0, layout.clientWidth, layout.clientHeight},
                    .back = layout.back};
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const auto& c = layout.controls[i];
    if (c.kind == ControlKind::Option && c.selected) state.selectedOption = static_cast<int>(i);
    if (c.kind == ControlKind::Timer) {
      windows_[id] = state;  // SetTimer looks the window up
      SetTimer(id, static_cast<int>(i), c.interval, c.enabled);
    }
  }
  windows_[id] = state;
  if (listener_) listener_->WindowChanged(layout.name, "load");
  return id;
}

void HeadlessToolkit::DestroyWindow(WindowId w) {
  auto* state = Get(w);
  if (!state) return;
  const std::string name = state->layout->name;
  std::erase_if(timers_, [w](const TimerState& t) { return t.window == w; });
  windows_.erase(w);
  if (active_ == w) FocusPrevious();
  if (listener_) listener_->WindowChanged(name, "unload");
}

void HeadlessToolkit::ShowWindow(WindowId w) {
  auto* state = Get(w);
  if (!state) return;
  if (!state->visible) {
    state->visible = true;
    if (listener_) listener_->WindowChanged(state->layout->name, "show");
  }
  // A window that appears takes the focus, as on a desktop.
  At(now_, [this, w] { Activate(w); });
}

void HeadlessToolkit::HideWindow(WindowId w) {
  auto* state = Get(w);
  if (!state || !state->visible) return;
  state->visible = false;
  if (active_ == w) FocusPrevious();
  if (listener_) listener_->WindowChanged(state->layout->name, "hide");
}

WindowRect HeadlessToolkit::GetWindowRect(WindowId w) {
  const auto* state = Get(w);
  return state ? state->rect : WindowRect{};
}

void HeadlessToolkit::MoveWindow(WindowId w, const WindowRect& rect) {
  if (auto* state = Get(w)) state->rect = rect;
}

void HeadlessToolkit::SetWindowCaption(WindowId, const std::string&) {}

void HeadlessToolkit::SetBackColor(WindowId w, Rgb colour) {
  if (auto* state = Get(w)) state->back = colour;
}

void HeadlessToolkit::SetFocus(WindowId w) { Activate(w); }

// When the active window goes, the focus returns to the one active before it.
void HeadlessToolkit::FocusPrevious() {
  active_ = 0;
  for (auto it = focusHistory_.rbegin(); it != focusHistory_.rend(); ++it) {
    if (IsVisible(*it)) {
      const WindowId w = *it;
      At(now_, [this, w] { Activate(w); });
      return;
    }
  }
}

// The window that loses the focus hears of it before the one that gains it.
void HeadlessToolkit::Activate(WindowId w) {
  if (w == active_ || !IsVisible(w)) return;
  std::erase(focusHistory_, w);
  focusHistory_.push_back(w);
  const WindowId old = std::exchange(active_, w);
  if (auto* state = Get(old)) state->events->OnLostFocus();
  if (auto* state = Get(w)) state->events->OnGotFocus();
}

void HeadlessToolkit::SetControlVisible(WindowId w, int control, bool visible) {
  const auto* state = Get(w);
  if (!state || !visible || !listener_) return;
  listener_->ControlShown(state->layout->name,
                          state->layout->controls.at(static_cast<std::size_t>(control)));
}

bool HeadlessToolkit::IsOptionSelected(WindowId w, int control) {
  const auto* state = Get(w);
  return state && state->selectedOption == control;
}

void HeadlessToolkit::SetTimer(WindowId w, int control, int intervalMs, bool enabled) {
  std::erase_if(timers_,
                [&](const TimerState& t) { return t.window == w && t.control == control; });
  if (!enabled || intervalMs <= 0 || !Get(w)) return;
  timers_.push_back({.window = w,
                     .control = control,
                     .interval = intervalMs,
                     .due = now_ + intervalMs,
                     .order = ++order_});
}

void HeadlessToolkit::PrintText(WindowId, int x, int y, const std::string& text) {
  if (listener_) listener_->Printed(x, y, text);
}

// A line of text as tall as the real windows measure it: the game's Gothic
// faces are a sixteenth taller than their pixel size (16 pixels for the
// message window's 15-pixel font), and so is the toolkit's 13-pixel default.
int HeadlessToolkit::TextHeight(WindowId w, const std::string&) {
  const auto* state = Get(w);
  const double points = state ? state->layout->font.points : 0;
  const int pixels = points > 0 ? static_cast<int>(std::lround(points * 96 / 72)) : 13;
  return (pixels + (pixels + 8) / 16) * TwipsPerPixel;
}

std::string HeadlessToolkit::AskText(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) {
  ThrowIfEnded();
  std::string answer = listener_ ? listener_->Answer(prompt, title, defaultText) : std::string();
  ThrowIfEnded();
  return answer;
}

std::int64_t HeadlessToolkit::NextDue() const {
  std::int64_t next = scheduled_.empty() ? Never : scheduled_.begin()->first.first;
  for (const auto& t : timers_) next = std::min(next, t.due);
  return next;
}

// Runs the earliest event that is due now, if any.
bool HeadlessToolkit::RunOneDue() {
  const TimerState* timer = nullptr;
  for (const auto& t : timers_) {
    if (t.due <= now_ &&
        (!timer || std::pair(t.due, t.order) < std::pair(timer->due, timer->order)))
      timer = &t;
  }
  const bool actionDue = !scheduled_.empty() && scheduled_.begin()->first.first <= now_;
  if (actionDue && (!timer || scheduled_.begin()->first < std::pair(timer->due, timer->order))) {
    auto action = std::move(scheduled_.begin()->second);
    scheduled_.erase(scheduled_.begin());
    action();
    return true;
  }
  if (!timer) return false;
  const WindowId w = timer->window;
  const int control = timer->control;
  auto& armed = const_cast<TimerState&>(*timer);
  armed.due = now_ + armed.interval;
  armed.order = ++order_;
  if (auto* state = Get(w)) state->events->OnTimer(control);
  return true;
}

void HeadlessToolkit::PumpEvents() {
  ThrowIfEnded();
  if (listener_) listener_->BeforePump();
  bool handled = false;
  while (!ended_ && RunOneDue()) handled = true;
  if (!handled && !ended_) {
    const std::int64_t next = NextDue();
    if (next == Never) throw std::runtime_error("the game waits for an event that never comes");
    now_ = next;
    while (!ended_ && RunOneDue()) {
    }
  }
  ThrowIfEnded();
}

void HeadlessToolkit::ProcessPendingEvents() {
  ThrowIfEnded();
  if (listener_) listener_->StepShown();
  if (listener_) listener_->BeforePump();
  while (!ended_ && RunOneDue()) {
  }
  ThrowIfEnded();
}

void HeadlessToolkit::EndProgram(int code) {
  if (ended_) return;
  ended_ = true;
  exitCode_ = code;
}

void HeadlessToolkit::ThrowIfEnded() const {
  if (ended_) throw ProgramEnd{exitCode_};
}

void HeadlessToolkit::KeyDown(int keyCode, int shift) {
  if (auto* state = Get(active_)) state->events->OnKeyDown(keyCode, shift);
}

void HeadlessToolkit::KeyUp(int keyCode, int shift) {
  if (auto* state = Get(active_)) state->events->OnKeyUp(keyCode, shift);
}

void HeadlessToolkit::MouseDown(const std::string& window, int button, int shift) {
  if (auto* state = Get(Find(window))) state->events->OnMouseDown(button, shift, 0, 0);
}

void HeadlessToolkit::Click(const std::string& window, const char* control, int index) {
  auto* state = Get(Find(window));
  if (!state) return;
  const int c = FindControl(*state->layout, control, index);
  if (c >= 0) state->events->OnClick(c);
}

void HeadlessToolkit::CloseRequest(const std::string& window) {
  if (auto* state = Get(Find(window))) state->events->OnCloseRequest();
}

void HeadlessToolkit::SelectOption(const std::string& window, const char* control) {
  auto* state = Get(Find(window));
  if (!state) return;
  const int c = FindControl(*state->layout, control, -1);
  if (c >= 0) state->selectedOption = c;
}

}  // namespace quorvan

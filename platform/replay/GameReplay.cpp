#include "platform/replay/GameReplay.h"

#include <algorithm>
#include <chrono>
#include <string_view>
#include <thread>
#include <tuple>
#include <utility>

#include "game/GameState.h"
#include "game/Random.h"

namespace quorvan {
namespace {

// Long enough for a watcher to see which window the replay answers.
constexpr std::int64_t SetupShownMs = 1000;
// How often the replay looks at the clock while something is due on it.
constexpr auto PollInterval = std::chrono::milliseconds(5);

bool Is(const WindowLayout* window, std::string_view name) {
  return window && name == window->name;
}

}  // namespace

GameReplay::GameReplay(Toolkit& inner, const Scenario& recording,
                       std::function<std::int64_t()> nowMs)
    : ToolkitRelay(inner),
      recording_(recording),
      nowMs_(std::move(nowMs)),
      entries_(recording.entries.begin(), recording.entries.end()) {
  for (const auto& input : recording_.inputs) {
    if (!input.atFrame) {
      clockInputs_.push_back(input);
    } else if (input.wait == 0 && input.step == 0) {
      frameInputs_.push_back(input);
    } else {
      momentInputs_.push_back(input);
    }
  }
  const auto byWhen = [](const TimedInput& a, const TimedInput& b) { return a.when < b.when; };
  std::stable_sort(clockInputs_.begin(), clockInputs_.end(), byWhen);
  std::stable_sort(frameInputs_.begin(), frameInputs_.end(), byWhen);
  std::stable_sort(momentInputs_.begin(), momentInputs_.end(),
                   [](const TimedInput& a, const TimedInput& b) {
                     return std::tuple(a.when, a.wait, a.step) < std::tuple(b.when, b.wait, b.step);
                   });
  AddObserver(this);
}

GameReplay::~GameReplay() { RemoveObserver(this); }

bool GameReplay::Over() const {
  const bool setupClosePending =
      recording_.stop == Scenario::Stop::AtSetupWindow && setupWindows_ < recording_.stopCount;
  return frameInputs_.empty() && momentInputs_.empty() && clockInputs_.empty() &&
         entries_.empty() && later_.empty() && !setupClosePending &&
         std::cmp_greater_equal(setupWindows_, recording_.editions.size()) &&
         std::cmp_greater_equal(messages_, recording_.okMs.size());
}

std::uint64_t GameReplay::ClockSeed() {
  startMs_ = nowMs_();
  if (!recording_.rnd.values.empty())
    QueueRandomValues(recording_.rnd.values, recording_.rnd.repeatLast);
  return recording_.seed;
}

void GameReplay::ShowWindow(WindowId w) {
  inner_.ShowWindow(w);
  if (!Is(LayoutOf(w), "Form5")) return;
  ++setupWindows_;
  edition_ = 0;
  if (recording_.stop == Scenario::Stop::AtSetupWindow && setupWindows_ >= recording_.stopCount) {
    RunLater(SetupShownMs, [this] {
      if (WindowEvents* setup = GameWindow("Form5")) setup->OnCloseRequest();
    });
  } else if (std::cmp_less_equal(setupWindows_, recording_.editions.size()) || !Over()) {
    edition_ = recording_.EditionOfGame(setupWindows_);
    RunLater(SetupShownMs, [this] { ClickButton("Form5", "Command1"); });
  }
}

// The game reads the edition from the setup window's options.
bool GameReplay::IsOptionSelected(WindowId w, int control) {
  const WindowLayout* layout = LayoutOf(w);
  if (edition_ == 0 || !Is(layout, "Form5") || control < 0 ||
      std::cmp_greater_equal(control, layout->controls.size()))
    return inner_.IsOptionSelected(w, control);
  const std::string_view name = layout->controls[static_cast<std::size_t>(control)].name;
  return (name == "Option1" && edition_ == 1) || (name == "Option2" && edition_ == 2);
}

void GameReplay::ConfirmWaitStarted() {
  moments_.ConfirmWaitStarted();
  ++messages_;
  if (std::cmp_less_equal(messages_, recording_.okMs.size()) || !Over())
    RunLater(recording_.OkMsOfMessage(messages_), [this] { ClickButton("Form4", "Command1"); });
}

// Without a recorded entry left, the dialog is the player's once the replay
// is over, and cancelled before, as in the simulator.
std::string GameReplay::AskText(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
  if (entries_.empty()) return Over() ? inner_.AskText(prompt, title, defaultText) : "";
  const std::optional<std::string> entry = entries_.front();
  entries_.pop_front();
  return entry.value_or("");
}

bool GameReplay::PlayerActs(const PlayerInput& input) {
  return input.kind == PlayerInput::Kind::CloseRequest || Over();
}

void GameReplay::PumpEvents() {
  // What the replay just did may be what the game waits for: no blocking then.
  if (DeliverDue()) {
    inner_.ProcessPendingEvents();
    return;
  }
  if (later_.empty() && clockInputs_.empty()) {
    inner_.PumpEvents();
    return;
  }
  // Something is due on the clock, which sends no events: look again soon.
  inner_.ProcessPendingEvents();
  std::this_thread::sleep_for(PollInterval);
}

void GameReplay::ProcessPendingEvents() {
  moments_.StepShown();
  DeliverDue();
  inner_.ProcessPendingEvents();
}

// The inputs come where the simulator gives them: "at F" at the first pump
// after frame F - 1 that belongs to a running stage, "at F wait K" and
// "at F step P" at the first pump of that wait or step, "at Tms" once T ms
// have passed since the start.
bool GameReplay::DeliverDue() {
  const std::int64_t now = nowMs_();
  bool delivered = false;
  while (!clockInputs_.empty() && clockInputs_.front().when <= now - startMs_) {
    const ScenarioInput input = clockInputs_.front().input;
    clockInputs_.pop_front();
    Deliver(input);
    delivered = true;
  }
  while (!later_.empty() && later_.front().dueMs <= now) {
    const auto action = later_.front().action;
    later_.pop_front();
    action();
    delivered = true;
  }
  while (!frameInputs_.empty() && frameInputs_.front().when - 1 <= moments_.FramesEnded() &&
         G.StageRunning) {
    const ScenarioInput input = frameInputs_.front().input;
    frameInputs_.pop_front();
    Deliver(input);
    delivered = true;
  }
  for (const ScenarioInput& input : TakeInputsDueAt(momentInputs_, moments_.Now())) {
    Deliver(input);
    delivered = true;
  }
  return delivered;
}

// Straight to the game's handlers, past the keeping-back of the player's inputs.
void GameReplay::Deliver(const ScenarioInput& input) {
  using Kind = ScenarioInput::Kind;
  WindowEvents* demo = GameWindow("Demoform");
  WindowEvents* field = GameWindow("Form1");
  WindowEvents* keys = demo ? demo : field;
  switch (input.kind) {
    case Kind::KeyDown:
      if (keys) keys->OnKeyDown(input.code, input.shift);
      break;
    case Kind::KeyUp:
      if (keys) keys->OnKeyUp(input.code, input.shift);
      break;
    case Kind::Click:
      if (const int enemy = ControlIn("Form1", "Image2", input.code); field && enemy >= 0)
        field->OnClick(enemy);
      break;
    case Kind::Mouse:
      if (field) field->OnMouseDown(input.code, input.shift, 0, 0);
      break;
    case Kind::Close:
      if (WindowEvents* window = GameWindow(input.window.c_str())) window->OnCloseRequest();
      break;
    case Kind::Rnd:
      QueueRandomValues(input.rnd.values, input.rnd.repeatLast);
      break;
  }
}

void GameReplay::ClickButton(const char* window, const char* button) {
  const int control = ControlIn(window, button);
  if (WindowEvents* events = GameWindow(window); events && control >= 0) events->OnClick(control);
}

void GameReplay::RunLater(std::int64_t delayMs, std::function<void()> action) {
  const Later later{.dueMs = nowMs_() + delayMs, .action = std::move(action)};
  const auto at =
      std::upper_bound(later_.begin(), later_.end(), later,
                       [](const Later& a, const Later& b) { return a.dueMs < b.dueMs; });
  later_.insert(at, later);
}

}  // namespace quorvan

#include "platform/replay/GameRecorder.h"

#include <cstdio>
#include <string_view>

#include "game/GameState.h"

namespace quorvan {
namespace {

bool Is(const WindowLayout* window, std::string_view name) {
  return window && name == window->name;
}

// The element index of a control array, or -1.
int ElementOf(const WindowLayout& window, int control, std::string_view name) {
  if (control < 0 || control >= static_cast<int>(window.controls.size())) return -1;
  const auto& c = window.controls[static_cast<std::size_t>(control)];
  return name == c.name ? c.index : -1;
}

bool IsButton(const WindowLayout& window, int control, std::string_view name) {
  if (control < 0 || control >= static_cast<int>(window.controls.size())) return false;
  return name == window.controls[static_cast<std::size_t>(control)].name;
}

// A key, a mouse button or a close as a scenario gives it; a click on a
// control is written by what it clicked.
ScenarioInput InputOf(const PlayerInput& input) {
  using Kind = ScenarioInput::Kind;
  ScenarioInput written;
  written.code = input.code;
  written.shift = input.shift;
  if (input.kind == PlayerInput::Kind::KeyDown) written.kind = Kind::KeyDown;
  if (input.kind == PlayerInput::Kind::KeyUp) written.kind = Kind::KeyUp;
  if (input.kind == PlayerInput::Kind::MouseDown) written.kind = Kind::Mouse;
  if (input.kind == PlayerInput::Kind::CloseRequest) {
    written.kind = Kind::Close;
    written.window = input.window->name;
  }
  return written;
}

}  // namespace

GameRecorder::GameRecorder(Toolkit& inner, std::FILE* out, std::function<std::int64_t()> nowMs)
    : ToolkitRelay(inner), out_(out), nowMs_(std::move(nowMs)) {
  Write("# A game of Quorvan as it was played. Replay it with: quorvan-sim FILE, or");
  Write("# quorvan --replay FILE");
  AddObserver(this);
}

GameRecorder::~GameRecorder() { RemoveObserver(this); }

// The game draws its seed once, as it starts: the recording's clock starts too.
std::uint64_t GameRecorder::ClockSeed() {
  const std::uint64_t seed = inner_.ClockSeed();
  startMs_ = nowMs_();
  Write("seed " + std::to_string(seed));
  return seed;
}

WindowId GameRecorder::CreateWindow(const WindowLayout& layout, WindowEvents& events) {
  if (std::string_view(layout.name) == "Form5") ++setupWindows_;
  return ToolkitRelay::CreateWindow(layout, events);
}

std::string GameRecorder::AtNow(const ScenarioInput& input) const {
  const Moment now = moments_.Now();
  TimedInput timed;
  timed.when = now.frame;
  timed.wait = now.wait;
  timed.step = now.step;
  timed.input = input;
  return TimedInputText(timed);
}

void GameRecorder::ProcessPendingEvents() {
  moments_.StepShown();
  inner_.ProcessPendingEvents();
}

bool GameRecorder::PlayerActs(const PlayerInput& input) {
  using Kind = PlayerInput::Kind;
  const WindowLayout& window = *input.window;
  const bool key = input.kind == Kind::KeyDown || input.kind == Kind::KeyUp;
  if (Is(&window, "Demoform")) {
    // The demo runs on its own timer, before any frame: its inputs go by the clock.
    if (key || input.kind == Kind::CloseRequest) {
      TimedInput timed;
      timed.atFrame = false;
      timed.when = nowMs_() - startMs_;
      timed.input = InputOf(input);
      Write(TimedInputText(timed));
    }
    return true;
  }
  if (Is(&window, "Form5")) {
    if (input.kind == Kind::CloseRequest) Write("stop setup " + std::to_string(setupWindows_));
    return true;  // the edition chosen is written when the game starts
  }
  if (Is(&window, "Form4")) {
    // Closing the message window while it waits counts as its "O K".
    const bool ok = input.kind == Kind::CloseRequest ||
                    (input.kind == Kind::Click && IsButton(window, input.code, "Command1"));
    if (ok && confirmShownMs_ >= 0) {
      Write("ok " + std::to_string(nowMs_() - confirmShownMs_));
      confirmShownMs_ = -1;
    } else if (input.kind == Kind::CloseRequest) {
      Write(AtNow(InputOf(input)));
    }
    return true;
  }
  if (input.kind == Kind::CloseRequest) {
    Write(AtNow(InputOf(input)));
    return true;
  }
  // Only the playfield does anything with keys and the mouse.
  if (!Is(&window, "Form1")) return true;
  if (key || input.kind == Kind::MouseDown) {
    const std::string line = AtNow(InputOf(input));
    // A held key repeats: the same key again in the same wait changes nothing.
    if (input.kind != Kind::KeyDown || line != lastLine_) Write(line);
  } else if (const int enemy = ElementOf(window, input.code, "Image2"); enemy >= 0) {
    ScenarioInput click;
    click.kind = ScenarioInput::Kind::Click;
    click.code = enemy;
    Write(AtNow(click));
  }
  return true;
}

std::string GameRecorder::AskText(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
  const std::string answer = inner_.AskText(prompt, title, defaultText);
  if (answer.find('#') != std::string::npos && !warnedAboutHash_) {
    std::fprintf(stderr, "quorvan: an entry with '#' cannot be recorded; the replay will differ\n");
    warnedAboutHash_ = true;
  }
  // An empty text and a cancel are the same to the game.
  Write(answer.empty() ? "entry" : "entry " + answer.substr(0, answer.find('#')));
  return answer;
}

void GameRecorder::StageStarted() {
  moments_.StageStarted();
  if (G.StageNo != 0) return;
  ++games_;
  Write("edition " + std::to_string(EditionNumber(G.Edition)));
  // Until it is closed, the recording ends with the game it has reached.
  Write("stop games " + std::to_string(games_));
}

void GameRecorder::ConfirmWaitStarted() {
  moments_.ConfirmWaitStarted();
  confirmShownMs_ = nowMs_();
}

// One write a line, so a kill leaves whole lines behind.
void GameRecorder::Write(const std::string& line) {
  const std::string text = line + '\n';
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fflush(out_);
  lastLine_ = line;
}

}  // namespace quorvan

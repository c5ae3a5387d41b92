#include "platform/headless/Simulator.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "cycle/GameCycle.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "record/FrameState.h"
#include "screens/Window.h"
#include "sound/Music.h"

namespace quorvan {
Simulator::Simulator(const Scenario& scenario, std::FILE* trace)
    : scenario_(scenario),
      toolkit_(scenario.seed),
      sound_(
          [this](const std::string& command) {
            auto line = trace_.Event(toolkit_.Now(), "mci");
            line.Str("command", command);
            trace_.Write(line);
            if (watcher_) watcher_->SoundPlayed(command);
          },
          [this](const std::string& file, int flags) {
            auto line = trace_.Event(toolkit_.Now(), "wav");
            line.Str("file", file).Int("flags", flags);
            trace_.Write(line);
            if (watcher_) watcher_->SoundPlayed(file);
          }),
      trace_(trace),
      entries_(scenario.entries.begin(), scenario.entries.end()) {
  for (const auto& input : scenario_.inputs) {
    if (!input.atFrame) continue;
    (input.wait == 0 && input.step == 0 ? frameInputs_ : momentInputs_).push_back(input);
  }
  std::stable_sort(frameInputs_.begin(), frameInputs_.end(),
                   [](const TimedInput& a, const TimedInput& b) { return a.when < b.when; });
  std::stable_sort(momentInputs_.begin(), momentInputs_.end(),
                   [](const TimedInput& a, const TimedInput& b) {
                     return std::tuple(a.when, a.wait, a.step) < std::tuple(b.when, b.wait, b.step);
                   });
}

Simulator::~Simulator() {
  Window::ForgetAll();
  InstallToolkit(nullptr);
  InstallSoundListener(nullptr);
  RemoveObserver(this);
  ClearQueuedRandomValues();
}

int Simulator::Run() {
  G = GameState{};
  Window::ForgetAll();
  ClearQueuedRandomValues();
  InstallToolkit(gameToolkit_);
  InstallSoundListener(&sound_);
  AddObserver(this);
  toolkit_.SetListener(this);
  for (const auto& input : scenario_.inputs) {
    if (input.atFrame) continue;
    ++inputsToCome_;
    toolkit_.At(input.when, [this, input] {
      --inputsToCome_;
      Deliver(input.input);
    });
  }

  if (!scenario_.rnd.values.empty())
    QueueRandomValues(scenario_.rnd.values, scenario_.rnd.repeatLast);

  int code = 0;
  try {
    StartUp();
  } catch (const ProgramEnd& end) {
    code = end.code;
  }
  auto line = trace_.Event(toolkit_.Now(), "exit");
  line.Int("code", code);
  trace_.Write(line);
  return code;
}

void Simulator::Deliver(const ScenarioInput& input) {
  using Kind = ScenarioInput::Kind;
  switch (input.kind) {
    case Kind::KeyDown:
      toolkit_.KeyDown(input.code, input.shift);
      break;
    case Kind::KeyUp:
      toolkit_.KeyUp(input.code, input.shift);
      break;
    case Kind::Click:
      toolkit_.Click("Form1", "Image2", input.code);
      break;
    case Kind::Mouse:
      toolkit_.MouseDown("Form1", input.code, input.shift);
      break;
    case Kind::Close:
      toolkit_.CloseRequest(input.window);
      break;
    case Kind::Rnd:
      QueueRandomValues(input.rnd.values, input.rnd.repeatLast);
      break;
  }
}

// An input for frame F waits for the first pump after frame F - 1 that
// belongs to a running stage: the frame wait before frame F.
void Simulator::BeforePump() {
  while (!frameInputs_.empty() && frameInputs_.front().when - 1 <= frames_ && G.StageRunning) {
    const ScenarioInput input = frameInputs_.front().input;
    frameInputs_.pop_front();
    // Queued behind the events already pending, such as a window taking the focus.
    ++inputsToCome_;
    toolkit_.At(toolkit_.Now(), [this, input] {
      --inputsToCome_;
      Deliver(input);
    });
  }
  // Frames stand still while paused, so inputs for later frames never come.
  if (G.Paused && inputsToCome_ == 0)
    throw std::runtime_error("the game is paused and no input is left to resume it");
}

// Ends the run the way a close of the setup window would.
void Simulator::Stop() {
  StopMusic();
  throw ProgramEnd{0};
}

// An input for a wait or a drawing step comes at its first pump.
void Simulator::DeliverMomentInputs() {
  for (const ScenarioInput& input : TakeInputsDueAt(momentInputs_, moments_.Now()))
    toolkit_.At(toolkit_.Now(), [this, input] { Deliver(input); });
}

void Simulator::StepShown() {
  moments_.StepShown();
  DeliverMomentInputs();
}

void Simulator::StageStarted() {
  moments_.StageStarted();
  auto line = trace_.Event(toolkit_.Now(), "stage_start");
  line.Int("StageNo", G.StageNo).Raw("sprites", SpritesJson());
  trace_.Write(line);
  if (watcher_) watcher_->StageStarted();
}

void Simulator::FrameEnded() {
  moments_.FrameEnded();
  ++frames_;
  WriteFrame();
  if (watcher_) watcher_->FrameEnded();
  if (scenario_.stop == Scenario::Stop::AfterFrames && frames_ >= scenario_.stopCount) Stop();
}

void Simulator::StageEnded() {
  auto line = trace_.Event(toolkit_.Now(), "stage_end");
  line.Int("StageResult", static_cast<int>(G.StageResult));
  trace_.Write(line);
}

void Simulator::GameEnded() {
  ++games_;
  if (scenario_.stop == Scenario::Stop::AfterGames && games_ >= scenario_.stopCount) Stop();
}

void Simulator::WaitStarted(int ms) {
  auto line = trace_.Event(toolkit_.Now(), "wait");
  line.Int("ms", ms);
  trace_.Write(line);
  moments_.WaitStarted(ms);
  DeliverMomentInputs();
}

void Simulator::ConfirmWaitStarted() {
  moments_.ConfirmWaitStarted();
  DeliverMomentInputs();
}

void Simulator::PauseChanged() {
  auto line = trace_.Event(toolkit_.Now(), "pause");
  line.Bool("paused", G.Paused);
  trace_.Write(line);
}

void Simulator::WindowChanged(const std::string& name, const char* action) {
  auto line = trace_.Event(toolkit_.Now(), "window");
  line.Str("name", name).Str("action", action);
  trace_.Write(line);
  // The player picks the edition and confirms at once, or closes the window.
  if (name == "Form5" && std::string_view(action) == "show") {
    ++setupWindows_;
    if (scenario_.stop == Scenario::Stop::AtSetupWindow && setupWindows_ >= scenario_.stopCount) {
      toolkit_.At(toolkit_.Now(), [this] { toolkit_.CloseRequest("Form5"); });
      return;
    }
    const int edition = scenario_.EditionOfGame(setupWindows_);
    toolkit_.At(toolkit_.Now(), [this, edition] {
      toolkit_.SelectOption("Form5", edition == 1 ? "Option1" : "Option2");
      toolkit_.Click("Form5", "Command1");
    });
  }
}

void Simulator::ControlShown(const std::string& window, const ControlLayout& control) {
  if (window == "Form4" && std::string_view(control.name) == "Command1") {
    ++messages_;
    toolkit_.At(toolkit_.Now() + scenario_.OkMsOfMessage(messages_),
                [this] { toolkit_.Click("Form4", "Command1"); });
  }
}

void Simulator::Printed(int x, int y, const std::string& text) {
  auto line = trace_.Event(toolkit_.Now(), "print");
  line.Int("x", x).Int("y", y).Str("text", text);
  trace_.Write(line);
}

std::string Simulator::Answer(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) {
  std::optional<std::string> answer;
  if (!entries_.empty()) {
    answer = entries_.front();
    entries_.pop_front();
  }
  auto line = trace_.Event(toolkit_.Now(), "dialog");
  line.Str("prompt", prompt).Str("title", title).Str("default", defaultText);
  if (answer) {
    line.Str("answer", *answer);
  } else {
    line.Raw("answer", "null");
  }
  trace_.Write(line);
  if (watcher_) watcher_->DialogAnswered(!answer);
  return answer.value_or("");
}

void Simulator::WriteFrame() {
  auto line = trace_.Event(toolkit_.Now(), "frame");
  line.Int("n", frames_);
  AppendFrameState(line);
  trace_.Write(line);
}

}  // namespace quorvan

// Writes the game being played as a scenario of the simulator: the seed drawn
// from the clock, the edition of each game, every input with the moment the
// game received it, the text of every entry and the delay of every "O K".
// Each line is flushed as it is written, so a crash or a kill leaves a
// recording that replays up to that point.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "game/GameObserver.h"
#include "platform/replay/ToolkitRelay.h"
#include "record/GameMoments.h"

namespace quorvan {

class GameRecorder final : public ToolkitRelay, private GameObserver {
 public:
  // `nowMs` is a clock in milliseconds; `out` stays open for as long as the recorder lives.
  GameRecorder(Toolkit& inner, std::FILE* out, std::function<std::int64_t()> nowMs);
  ~GameRecorder() override;
  GameRecorder(const GameRecorder&) = delete;
  GameRecorder& operator=(const GameRecorder&) = delete;

  WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) override;
  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
  std::uint64_t ClockSeed() override;
  void ProcessPendingEvents() override;

 private:
  bool PlayerActs(const PlayerInput& input) override;
  void StageStarted() override;
  void FrameEnded() override { moments_.FrameEnded(); }
  void WaitStarted(int ms) override { moments_.WaitStarted(ms); }
  void ConfirmWaitStarted() override;

  // The line of `input` at the game's moment now: "at F [wait K] [step P] ...".
  std::string AtNow(const ScenarioInput& input) const;
  void Write(const std::string& line);

  std::FILE* out_;
  std::function<std::int64_t()> nowMs_;
  std::int64_t startMs_ = 0;
  MomentTracker moments_;
  std::int64_t games_ = 0;
  std::int64_t setupWindows_ = 0;
  std::int64_t confirmShownMs_ = -1;  // while the message window waits for "O K"
  std::string lastLine_;
  bool warnedAboutHash_ = false;
};

}  // namespace quorvan

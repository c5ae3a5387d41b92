#include "platform/qt/GamepadKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

namespace quorvan {
namespace {

// Pads plugged in are found within a second; the game's thread wakes for
// nothing else while the pads are left alone.
constexpr int PlugLookMs = 1000;
constexpr int PollMs = 10;

// Where the keyboard's keys go: the focused control, else the active window.
QWidget* KeyTarget() {
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  return QApplication::activeWindow();
}

bool HasButton(const QWidget* window) {
  const auto buttons = window->findChildren<QPushButton*>();
  return std::any_of(buttons.begin(), buttons.end(),
                     [](const QPushButton* b) { return b->isVisible() && b->isEnabled(); });
}

// Moving and firing repeat while held, as on a keyboard; a pause or a
// window's button is pressed once.
bool Repeats(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
         key == Qt::Key_Space;
}

QString KeyText(int key) {
  if (key == Qt::Key_Space) return QStringLiteral(" ");
  if (key == Qt::Key_Return) return QStringLiteral("\r");
  if (key == Qt::Key_P) return QStringLiteral("p");
  return {};
}

// The Qt key a pad input stands for, on a window with a button to press or
// on any other; 0 for none. A window's button takes A or Start as Return,
// and the D-pad's up and down as the arrows that choose among its options.
int PadKey(PadInput input, bool buttonWindow) {
  switch (input) {
    case PadInput::Left:
      return Qt::Key_Left;
    case PadInput::Right:
      return Qt::Key_Right;
    case PadInput::Up:
      return buttonWindow ? Qt::Key_Up : 0;
    case PadInput::Down:
      return buttonWindow ? Qt::Key_Down : 0;
    case PadInput::South:
      return buttonWindow ? Qt::Key_Return : Qt::Key_Space;
    case PadInput::West:
      return buttonWindow ? 0 : Qt::Key_Space;
    case PadInput::Start:
      return buttonWindow ? Qt::Key_Return : Qt::Key_P;
  }
  return 0;
}

}  // namespace

GamepadKeys::GamepadKeys(std::unique_ptr<Gamepads> pads) : pads_(std::move(pads)) {
  if (!pads_) return;
  connect(&plugWatch_, &QTimer::timeout, this, &GamepadKeys::Update);
  connect(&repeat_, &QTimer::timeout, this, &GamepadKeys::RepeatKey);
  Update();
}

GamepadKeys::~GamepadKeys() {
  notifiers_.clear();  // before the pads close the files they watch
}

void GamepadKeys::Update() {
  pads_->Update(*this);
  WatchFiles();
  plugWatch_.start(pads_->NeedsPolling() ? PollMs : PlugLookMs);
}

void GamepadKeys::WatchFiles() {
  const std::vector<int> files = pads_->WakeFiles();
  if (files == watched_) return;
  notifiers_.clear();
  for (const int file : files) {
    auto notifier = std::make_unique<QSocketNotifier>(file, QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &GamepadKeys::Update);
    notifiers_.push_back(std::move(notifier));
  }
  watched_ = files;
}

void GamepadKeys::PadPressed(PadInput input) {
  const QWidget* target = KeyTarget();
  const int key = PadKey(input, target && HasButton(target->window()));
  keyOf_[static_cast<std::size_t>(input)] = key;
  if (key == 0) return;
  // A and X are one Space: it goes down once, and up when both are let go.
  if (std::find(heldKeys_.begin(), heldKeys_.end(), key) != heldKeys_.end()) return;
  heldKeys_.push_back(key);
  SendKey(true, key, false);
  // The last key pressed repeats, as on a keyboard; a key that does not
  // repeat stops the repeats of one held before it.
  repeating_ = Repeats(key) ? key : 0;
  if (repeating_ != 0) {
    repeat_.start(RepeatDelayMs);
  } else {
    repeat_.stop();
  }
}

void GamepadKeys::PadReleased(PadInput input) {
  const int key = keyOf_[static_cast<std::size_t>(input)];
  keyOf_[static_cast<std::size_t>(input)] = 0;
  if (key == 0) return;
  if (std::count(keyOf_.begin(), keyOf_.end(), key) > 0) return;  // still held by another
  heldKeys_.erase(std::remove(heldKeys_.begin(), heldKeys_.end(), key), heldKeys_.end());
  if (key == repeating_) {
    repeating_ = 0;
    repeat_.stop();
  }
  SendKey(false, key, false);
}

void GamepadKeys::RepeatKey() {
  if (repeating_ == 0) return;
  repeat_.start(RepeatIntervalMs);
  SendKey(true, repeating_, true);
}

void GamepadKeys::SendKey(bool press, int key, bool repeat) {
  QWidget* target = KeyTarget();
  if (target == nullptr) return;  // the game is not in front: a keyboard would not reach it
  QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, KeyText(key),
                  repeat);
  QCoreApplication::sendEvent(target, &event);
}

}  // namespace quorvan

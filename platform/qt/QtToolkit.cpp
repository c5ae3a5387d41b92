#include "platform/qt/QtToolkit.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QLayout>
#include <QProxyStyle>
#include <QScreen>
#include <chrono>

#include "platform/qt/QtFonts.h"
#include "screens/Pictures.h"

namespace quorvan {
namespace {

// The offscreen platform has no stacking order and says so on every raise.
void Raise(QWidget& window) {
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) window.raise();
}

// While an entry is open the game's windows take no input, as under a modal
// dialog; but a modal dialog would also swallow their close requests, and
// closing the panel or the playfield must end the game from every wait.
class InputHold : public QObject {
 public:
  InputHold() { qApp->installEventFilter(this); }
  ~InputHold() override { qApp->removeEventFilter(this); }
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel: {
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && dynamic_cast<QtWindow*>(widget->window()) != nullptr;
      }
      default:
        return false;
    }
  }
};

}  // namespace

// What the style draws at its own measures (an option's round box, a
// button's margins, the entry's frame) grows with the zoom too.
class QtToolkit::ZoomedStyle : public QProxyStyle {
 public:
  int zoom = 1;

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int natural = QProxyStyle::pixelMetric(metric, option, widget);
    return natural > 0 ? natural * zoom : natural;
  }
};

QtToolkit::QtToolkit() {
  // Windows are hidden and shown, never closed by Qt; the game ends itself.
  QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtToolkit::~QtToolkit() {
  delete backdrop_.data();
  if (style_) style_->zoom = 1;
  for (auto& [id, window] : windows_) delete window.data();
  windows_.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QtWindow* QtToolkit::Window(WindowId w) const {
  const auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : it->second.data();
}

WindowId QtToolkit::CreateWindow(const WindowLayout& layout, WindowEvents& events) {
  const WindowId id = nextId_++;
  auto* window = new QtWindow(layout, events, pictures_, failure_, zoom_);
  window->WhenFramed([this, window] { KeepPairInMiddle(*window); });
  windows_.emplace(id, window);
  return id;
}

void QtToolkit::SetZoom(int zoom) {
  if (zoom < 1) return;
  zoom_ = zoom;
  // The application owns its style; it is put in only where the game zooms.
  if (!style_ && zoom > 1) {
    style_ = new ZoomedStyle;
    QApplication::setStyle(style_);
  }
  if (style_) style_->zoom = zoom;
  for (auto& [id, window] : windows_) {
    if (window) window->SetZoom(zoom);
  }
}

void QtToolkit::DestroyWindow(WindowId w) {
  const auto it = windows_.find(w);
  if (it == windows_.end()) return;
  if (QtWindow* window = it->second.data()) {
    window->Detach();
    // Perhaps we are inside one of its own handlers: it goes once they return.
    window->deleteLater();
  }
  windows_.erase(it);
}

void QtToolkit::ShowWindow(WindowId w) {
  if (QtWindow* window = Window(w)) {
    window->show();
    Raise(*window);
    window->activateWindow();
    KeepPairInMiddle(*window);
  }
}

void QtToolkit::HideWindow(WindowId w) {
  if (QtWindow* window = Window(w)) window->hide();
}

WindowRect QtToolkit::GetWindowRect(WindowId w) {
  const QtWindow* window = Window(w);
  return window ? window->OuterRect() : WindowRect{};
}

void QtToolkit::MoveWindow(WindowId w, const WindowRect& rect) {
  if (QtWindow* window = Window(w)) {
    window->MoveOuter(rect);
    KeepPairInMiddle(*window);
  }
}

void QtToolkit::SetWindowCaption(WindowId w, const std::string& caption) {
  if (QtWindow* window = Window(w)) window->setWindowTitle(QString::fromStdString(caption));
}

void QtToolkit::SetBackColor(WindowId w, Rgb colour) {
  if (QtWindow* window = Window(w)) window->SetBackColor(colour);
}

void QtToolkit::SetFocus(WindowId w) {
  if (QtWindow* window = Window(w)) {
    Raise(*window);
    window->activateWindow();
  }
}

void QtToolkit::SetControlRect(WindowId w, int control, int left, int top, int width, int height) {
  if (QtWindow* window = Window(w)) window->SetControlRect(control, left, top, width, height);
}

void QtToolkit::SetControlVisible(WindowId w, int control, bool visible) {
  if (QtWindow* window = Window(w)) window->SetControlVisible(control, visible);
}

void QtToolkit::SetControlText(WindowId w, int control, const std::string& text) {
  if (QtWindow* window = Window(w)) window->SetControlText(control, QString::fromStdString(text));
}

void QtToolkit::SetControlPicture(WindowId w, int control, const Picture* picture) {
  if (QtWindow* window = Window(w)) window->SetControlPicture(control, picture);
}

bool QtToolkit::IsOptionSelected(WindowId w, int control) {
  const QtWindow* window = Window(w);
  return window && window->IsOptionSelected(control);
}

void QtToolkit::SetTimer(WindowId w, int control, int intervalMs, bool enabled) {
  if (QtWindow* window = Window(w)) window->SetTimer(control, intervalMs, enabled);
}

void QtToolkit::ClearSurface(WindowId w) {
  if (QtWindow* window = Window(w)) window->ClearSurface();
}

void QtToolkit::PrintText(WindowId w, int x, int y, const std::string& text) {
  if (QtWindow* window = Window(w)) window->PrintText(x, y, QString::fromStdString(text));
}

int QtToolkit::TextHeight(WindowId w, const std::string& text) {
  const QtWindow* window = Window(w);
  return window ? window->TextHeight(QString::fromStdString(text)) : 0;
}

void QtToolkit::DrawLine(WindowId w, int x1, int y1, int x2, int y2, Rgb colour) {
  if (QtWindow* window = Window(w)) window->DrawLine(x1, y1, x2, y2, colour);
}

std::string QtToolkit::AskText(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) {
  if (ending_) throw ProgramEnd{endCode_};
  // A title bar with the caption and a close box, at a size of its own.
  QInputDialog dialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setWindowIcon(QIcon(pictures_.Get(pictures::GameIcon)));
  dialog.setFont(GameFont({}, zoom_));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(defaultText));
  dialog.setSizeGripEnabled(false);
  dialog_ = &dialog;
  // Asking its size makes its layout, which keeps it at the size it needs
  // from the start: a window manager that saw it resizable as it was mapped
  // would go on drawing a resize handle under it.
  dialog.sizeHint();
  if (QLayout* layout = dialog.layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
  // The dialog's own loop keeps the game's timers ticking.
  const InputHold hold;
  QEventLoop loop;
  QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.show();
  // It takes the keys even where no window manager hands them over: the
  // game's own windows refuse them while it is open.
  dialog.raise();
  dialog.activateWindow();
  loop.exec();
  const bool accepted = dialog.result() == QDialog::Accepted;
  dialog_ = nullptr;
  // Windows the game destroyed meanwhile go at the next pump: a handler of
  // one of them may be what asked.
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  if (ending_) throw ProgramEnd{endCode_};
  return accepted ? dialog.textValue().toStdString() : std::string();
}

void QtToolkit::Settle() {
  // deleteLater is never carried out by processEvents outside an event loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  if (ending_) throw ProgramEnd{endCode_};
}

void QtToolkit::PumpEvents() {
  Settle();
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  Settle();
}

void QtToolkit::ProcessPendingEvents() {
  Settle();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  Settle();
}

std::uint64_t QtToolkit::ClockSeed() {
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto system = std::chrono::system_clock::now().time_since_epoch().count();
  return static_cast<std::uint64_t>(steady) ^ (static_cast<std::uint64_t>(system) << 1);
}

int QtToolkit::ScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? ToTwips(screen->geometry().width(), zoom_) : 0;
}

int QtToolkit::ScreenHeight() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? ToTwips(screen->geometry().height(), zoom_) : 0;
}

void QtToolkit::EndProgram(int code) {
  endCode_ = code;
  ending_ = true;
  if (dialog_) dialog_->reject();
  // A pump blocked in its wait must return to throw.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

}  // namespace quorvan

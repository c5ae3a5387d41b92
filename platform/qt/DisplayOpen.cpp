#include "platform/qt/DisplayOpen.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>
// After Qt: X11's headers define macros that Qt's own names collide with.
#include <X11/XKBlib.h>

namespace quorvan {
namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QtMessageHandler previous = nullptr;
std::vector<HeldMessage> held;

bool Set(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

// Says which display could not be opened, and how to get one.
void RefuseToStart() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty()) {
    std::fprintf(stderr,
                 "quorvan: cannot open the display on the Qt platform \"%s\" "
                 "(unset QT_QPA_PLATFORM, or set it to xcb, wayland or offscreen)\n",
                 platform.constData());
  } else {
    std::fprintf(
        stderr,
        "quorvan: cannot open the display \"%s\" (is an X server or Wayland "
        "compositor running there?)\n",
        Set("DISPLAY") ? qgetenv("DISPLAY").constData() : qgetenv("WAYLAND_DISPLAY").constData());
  }
  std::fflush(stderr);
  // Qt would abort after a fatal message; nothing of ours needs tidying yet.
  std::_Exit(1);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) RefuseToStart();
  held.push_back({type, QByteArray(context.category ? context.category : ""), text});
}

}  // namespace

void PreferX11UnderWayland() {
  if (Set("QT_QPA_PLATFORM") || !Set("WAYLAND_DISPLAY") || !Set("DISPLAY")) return;
  qputenv("QT_QPA_PLATFORM", "xcb");
}

void WatchDisplayOpening() {
  held.clear();
  previous = qInstallMessageHandler(HoldMessage);
}

void DisplayOpened() {
  qInstallMessageHandler(previous);
  for (const HeldMessage& m : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
    qt_message_output(m.type, context, m.text);
  }
  held.clear();
}

void AskForPressOnlyRepeats() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->display() == nullptr) return;
  int supported = 0;
  XkbSetDetectableAutoRepeat(x11->display(), 1, &supported);
}

}  // namespace quorvan

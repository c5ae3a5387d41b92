// Time from starting a program to the first window it maps, as an X client
// sees it: the watch on the root window is in place before the program is
// started, and the clock stops at the first MapNotify that follows.
//   quorvan-first-window PROGRAM [ARGS...]
// Prints the milliseconds on stdout, then ends the program. Exits 1 when no
// window appears within 20 s or the program ends first.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(20);
constexpr int kPollMs = 50;

void End(pid_t child) {
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorvan-first-window PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "quorvan-first-window: no X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  pollfd connection{.fd = ConnectionNumber(display), .events = POLLIN, .revents = 0};
  while (Clock::now() - start < kPatience) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != MapNotify) continue;
      const std::chrono::duration<double, std::milli> taken = Clock::now() - start;
      std::printf("%.1f\n", taken.count());
      End(child);
      return 0;
    }
    if (waitpid(child, nullptr, WNOHANG) == child) break;
    poll(&connection, 1, kPollMs);
  }
  std::fprintf(stderr, "quorvan-first-window: no window was mapped\n");
  End(child);
  return 1;
}

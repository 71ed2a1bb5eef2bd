#include "platform/sdl_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace {
const int kSignals[] = {SIGTERM, SIGINT};
struct sigaction g_sdl[2];
bool g_installed = false;
volatile sig_atomic_t g_came = 0;
pid_t g_main = 0;
// "/proc/<pid>/task/<pid>/children": what the main thread started, a message box's helper among them.
char g_children[64];

void KillChildren() {
  const int fd = open(g_children, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  char buf[256];
  const ssize_t n = read(fd, buf, sizeof buf);
  close(fd);
  pid_t pid = 0;
  for (ssize_t i = 0; i <= n; ++i) {
    if (i < n && buf[i] >= '0' && buf[i] <= '9') {
      pid = pid * 10 + (buf[i] - '0');
    } else if (pid > 0) {
      kill(pid, SIGKILL);
      pid = 0;
    }
  }
}

// Only calls that are safe in a signal handler. A box's helper is forked with this handler in
// place and would run it too: it is killed outright.
void OnSignal(int sig) {
  g_came = 1;
  if (getpid() == g_main) KillChildren();
  g_sdl[sig == SIGTERM ? 0 : 1].sa_handler(sig);
}

// SDL's own handler: an ignored signal (a background job's SIGINT) stays ignored.
bool SdlHandles(const struct sigaction& sa) {
  return !(sa.sa_flags & SA_SIGINFO) && sa.sa_handler != SIG_DFL && sa.sa_handler != SIG_IGN;
}
}  // namespace

void PLAT_SdlSignalsInstall() {
  if (g_installed) return;
  g_main = getpid();
  std::snprintf(g_children, sizeof g_children, "/proc/%ld/task/%ld/children", (long)g_main, (long)g_main);
  g_came = 0;
  struct sigaction sa = {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  for (int i = 0; i < 2; ++i) {
    sigaction(kSignals[i], nullptr, &g_sdl[i]);
    if (SdlHandles(g_sdl[i])) sigaction(kSignals[i], &sa, nullptr);
  }
  g_installed = true;
}

void PLAT_SdlSignalsRemove() {
  if (!g_installed) return;
  for (int i = 0; i < 2; ++i)
    if (SdlHandles(g_sdl[i])) sigaction(kSignals[i], &g_sdl[i], nullptr);
  g_installed = false;
}

bool PLAT_SdlQuitSignalled() { return g_came != 0; }

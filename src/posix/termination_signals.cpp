#include "posix/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace lumivel {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The write end of the pipe, for the signal handler (which may use nothing else).
volatile sig_atomic_t gWriteFd = -1;

void NoteSignal(int /*signal*/) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already says that a signal came.
  [[maybe_unused]] const ssize_t written = write(gWriteFd, &byte, 1);
  errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals() {
  int fds[2];
  if (pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) throw std::runtime_error("pipe2");
  read_ = fds[0];
  write_ = fds[1];
  gWriteFd = write_;
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  // The program's own reads and writes go on as if nothing happened.
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
  gWriteFd = -1;
  close(read_);
  close(write_);
}

bool TerminationSignals::Take() {
  char bytes[64];
  bool arrived = false;
  while (read(read_, bytes, sizeof bytes) > 0) arrived = true;
  return arrived;
}

}  // namespace lumivel

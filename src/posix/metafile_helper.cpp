#include "posix/metafile_helper.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <new>
#include <vector>

#include "posix/own_files.h"
#include "posix/picture_memory.h"

extern char** environ;

namespace lumivel {

namespace {

using SteadyClock = std::chrono::steady_clock;

// The running helper: killed and collected when the load ends in any way but its own exit.
class Helper {
 public:
  Helper(const std::string& program, std::vector<std::string> arguments) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return;
    out_ = fds[0];

    // Standard output into the pipe; nothing to read, nowhere to talk, no other file of ours.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    // Every signal at its default and none blocked, whatever this thread does with them, so that
    // the helper's processor limit and a broken pipe end it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);  // the helper's alone now: its end is the end of the output
    if (error == 0) pid_ = pid;
  }

  Helper(const Helper&) = delete;
  Helper& operator=(const Helper&) = delete;

  ~Helper() {
    if (out_ >= 0) ::close(out_);
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }

  bool Started() const { return pid_ > 0; }

  // Fills `size` bytes from the helper's output before the deadline; false at an early end.
  bool Read(void* into, size_t size, SteadyClock::time_point deadline) {
    auto* bytes = static_cast<char*>(into);
    while (size > 0) {
      const ssize_t n = ReadSome(bytes, size, deadline);
      if (n <= 0) return false;
      bytes += n;
      size -= size_t(n);
    }
    return true;
  }

  // Whether the output ends here, before the deadline.
  bool AtEnd(SteadyClock::time_point deadline) {
    char extra;
    return ReadSome(&extra, 1, deadline) == 0;
  }

  // Whether the helper exits with status 0 before the deadline (once its output has ended, it is
  // ending too: this waits for no more than that).
  bool Succeeds(SteadyClock::time_point deadline) {
    for (;;) {
      int status = 0;
      const pid_t done = ::waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        pid_ = 0;
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
      }
      if (done < 0 && errno != EINTR) return false;
      if (SteadyClock::now() >= deadline) return false;
      ::poll(nullptr, 0, 1);
    }
  }

 private:
  // Bytes read (0 at the end of the output); -1 on an error or at the deadline.
  ssize_t ReadSome(char* into, size_t size, SteadyClock::time_point deadline) {
    for (;;) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
      if (left <= 0) return -1;
      pollfd ready{out_, POLLIN, 0};
      const int polled = ::poll(&ready, 1, int(left));
      if (polled < 0 && errno == EINTR) continue;
      if (polled <= 0) return -1;
      const ssize_t n = ::read(out_, into, size);
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      return n;
    }
  }

  pid_t pid_ = 0;
  int out_ = -1;
};

bool Plausible(const MetafileRasterHeader& header) {
  return header.magic == kMetafileRasterMagic && header.width > 0 && header.height > 0 &&
         header.pixelWidth > 0 && header.pixelHeight > 0 &&
         PixelBufferFits(uint64_t(header.pixelWidth), uint64_t(header.pixelHeight));
}

}  // namespace

std::optional<Picture> DrawMetafileInHelper(const std::string& hostPath, int coverWidth, int coverHeight) {
  const auto program = FindOwnHelper(kMetafileHelperName);
  if (!program) return std::nullopt;
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(kMetafileHelperDeadlineMs);
  Helper helper(*program, {*program, hostPath, std::to_string(coverWidth), std::to_string(coverHeight)});
  if (!helper.Started()) return std::nullopt;

  MetafileRasterHeader header;
  if (!helper.Read(&header, sizeof header, deadline) || !Plausible(header)) return std::nullopt;
  Picture picture;
  picture.width = header.width;
  picture.height = header.height;
  picture.pixelWidth = header.pixelWidth;
  picture.pixelHeight = header.pixelHeight;
  const size_t count = size_t(header.pixelWidth) * size_t(header.pixelHeight);
  try {
    picture.pixels = NewPixelBuffer(count);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  if (!helper.Read(picture.pixels.data(), count * sizeof(uint32_t), deadline) || !helper.AtEnd(deadline) ||
      !helper.Succeeds(deadline))
    return std::nullopt;
  return picture;
}

}  // namespace lumivel

#include "screen/screen_probe.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace lumivel::bench {

bool Colour::Near(const Colour& other, int tolerance) const {
  return std::abs(r - other.r) <= tolerance && std::abs(g - other.g) <= tolerance &&
         std::abs(b - other.b) <= tolerance;
}

double NowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::optional<ScreenProbe> ScreenProbe::Open() {
  ::Display* display = XOpenDisplay(nullptr);
  if (!display) return std::nullopt;
  return ScreenProbe(display);
}

ScreenProbe::ScreenProbe(ScreenProbe&& other) noexcept : display_(other.display_) { other.display_ = nullptr; }

ScreenProbe::~ScreenProbe() {
  if (display_) XCloseDisplay(display_);
}

int ScreenProbe::Width() const { return DisplayWidth(display_, DefaultScreen(display_)); }

int ScreenProbe::Height() const { return DisplayHeight(display_, DefaultScreen(display_)); }

Colour ScreenProbe::PixelAt(int x, int y) const {
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return {};
  const unsigned long pixel = XGetPixel(image, 0, 0);
  const auto channel = [pixel](unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
      mask >>= 1;
      ++shift;
    }
    return static_cast<int>((pixel >> shift) & mask);
  };
  Colour colour{channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask)};
  XDestroyImage(image);
  return colour;
}

void ScreenProbe::Tap(unsigned long keysym) const {
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  XFlush(display_);
}

std::optional<unsigned long> ScreenProbe::WindowOf(pid_t pid, double timeoutMs) const {
  const Atom pidAtom = XInternAtom(display_, "_NET_WM_PID", False);
  const double end = NowMs() + timeoutMs;
  while (NowMs() < end) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
      for (unsigned int i = count; i-- > 0;) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        XWindowAttributes attributes;
        const bool owned =
            XGetWindowProperty(display_, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &items, &after, &data) == Success &&
            data && items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
        if (data) XFree(data);
        if (owned && XGetWindowAttributes(display_, children[i], &attributes) &&
            attributes.map_state == IsViewable) {
          const Window found = children[i];
          XFree(children);
          return found;
        }
      }
      if (children) XFree(children);
    }
    usleep(2000);
  }
  return std::nullopt;
}

FrameWatch::FrameWatch(const ScreenProbe& probe, unsigned long window) : display_(probe.Handle()) {
  int errorBase = 0;
  if (!XDamageQueryExtension(display_, &eventBase_, &errorBase)) {
    std::fprintf(stderr, "the display has no DAMAGE extension\n");
    std::exit(2);
  }
  damage_ = XDamageCreate(display_, window, XDamageReportNonEmpty);
  XFlush(display_);
}

FrameWatch::~FrameWatch() {
  XDamageDestroy(display_, damage_);
  XFlush(display_);
}

std::optional<double> FrameWatch::Next(double timeoutMs) {
  const double end = NowMs() + timeoutMs;
  for (;;) {
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type == eventBase_ + XDamageNotify) {
        const double at = NowMs();
        // Taking the damage away makes the next drawing report again: one report a frame.
        XDamageSubtract(display_, damage_, None, None);
        XFlush(display_);
        return at;
      }
    }
    const double left = end - NowMs();
    if (left <= 0) return std::nullopt;
    pollfd fd{ConnectionNumber(display_), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(std::max(1.0, left)));
  }
}

std::vector<double> FrameWatch::Collect(double quietMs, double untilMs) {
  std::vector<double> frames;
  while (NowMs() < untilMs) {
    const auto frame = Next(quietMs);
    if (!frame) break;
    frames.push_back(*frame);
  }
  return frames;
}

Process::Process(const std::vector<std::string>& argv, const std::vector<std::string>& environment) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  for (const auto& added : environment) {
    const std::string name = added.substr(0, added.find('=') + 1);
    env.erase(std::remove_if(env.begin(), env.end(), [&](const std::string& e) { return e.rfind(name, 0) == 0; }),
              env.end());
    env.push_back(added);
  }
  std::vector<char*> args, envp;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The measured programs' own chatter would mix with the measures.
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  startedMs_ = NowMs();
  if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data()) != 0) {
    std::fprintf(stderr, "cannot start %s\n", args[0]);
    std::exit(2);
  }
  posix_spawn_file_actions_destroy(&actions);
}

Process::~Process() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

bool Process::Running() const { return waitpid(pid_, nullptr, WNOHANG) == 0; }

double Process::CpuMs() const {
  std::ifstream in("/proc/" + std::to_string(pid_) + "/stat");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Fields after the command name, which may hold blanks, start after its closing parenthesis.
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double user = 0, system = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) user = std::stod(field);
    if (i == 15) system = std::stod(field);
  }
  return (user + system) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string OwnFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path().string(); }

}  // namespace lumivel::bench

#include "posix/x11_screen_saver.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

// After gtest: Xlib's None macro would otherwise rename one of gtest's types.
#include <X11/Xlib.h>

extern char** environ;

namespace lumivel {
namespace {

TEST(X11ScreenSaver, WithoutADisplayReadsNothingAndWritesNothing) {
  X11ScreenSaver saver(":9973");
  bool active = false;
  int32_t seconds = 0;
  saver.ReadActive(active);
  saver.ReadTimeout(seconds);
  EXPECT_FALSE(active);
  EXPECT_EQ(seconds, 0);
  saver.SetTimeout(120);
}

// A private X server for the test, when the machine has Xvfb.
class PrivateXServer {
 public:
  PrivateXServer() : display_(":" + std::to_string(40 + getpid() % 500)) {
    const std::string xvfb = "/usr/bin/Xvfb";
    if (!std::filesystem::exists(xvfb)) return;
    // -noreset: a server that resets when its last client leaves would forget every setting.
    std::vector<std::string> args = {xvfb,  display_, "-noreset", "-nolisten",
                                     "tcp", "-screen", "0",        "320x240x24"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, xvfb.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (pid_ && std::chrono::steady_clock::now() < deadline) {
      if (::Display* d = XOpenDisplay(display_.c_str())) {
        XCloseDisplay(d);
        ready_ = true;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  ~PrivateXServer() {
    if (!pid_) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  bool Ready() const { return ready_; }
  const std::string& Name() const { return display_; }

 private:
  std::string display_;
  pid_t pid_ = 0;
  bool ready_ = false;
};

TEST(X11ScreenSaver, ReadsAndSetsTheServersDelay) {
  PrivateXServer server;
  if (!server.Ready()) GTEST_SKIP() << "no Xvfb to run a server";
  X11ScreenSaver saver(server.Name());
  const struct {
    const char* what;
    int32_t set;
    bool active;
    int32_t seconds;
  } rows[] = {
      {"two minutes", 120, true, 120},
      {"zero switches it off", 0, false, 0},
      {"past the protocol's 16 bits", 40000, true, 32767},
      {"a negative delay is none", -5, false, 0},
  };
  for (const auto& row : rows) {
    saver.SetTimeout(row.set);
    bool active = !row.active;
    int32_t seconds = -1;
    saver.ReadActive(active);
    saver.ReadTimeout(seconds);
    EXPECT_EQ(active, row.active) << row.what;
    EXPECT_EQ(seconds, row.seconds) << row.what;
  }
}

}  // namespace
}  // namespace lumivel

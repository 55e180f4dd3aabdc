#include "headless/virtual_clock.h"

namespace lumivel {
namespace {
constexpr double kMsPerDay = 86400000.0;
constexpr double kStartDay = 46364;  // 2026-12-08 counted from 1899-12-30
}  // namespace

VirtualClock::VirtualClock() : startMsOfDay_(10LL * 3600 * 1000), startDays_(kStartDay) {}

double VirtualClock::NowDays() {
  return startDays_ + static_cast<double>(startMsOfDay_ + elapsedMs_) / kMsPerDay;
}

LocalDateTime VirtualClock::NowLocal() {
  int64_t total = startMsOfDay_ + elapsedMs_;
  int64_t days = total / 86400000;
  int64_t ms = total % 86400000;
  // Scripted runs last hours at most; days past the start are counted within December.
  LocalDateTime t{2026, 12, 8 + static_cast<int>(days), static_cast<int>(ms / 3600000),
                  static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60),
                  static_cast<int>(ms % 1000)};
  return t;
}

int64_t VirtualClock::MillisecondsSinceMidnight() { return (startMsOfDay_ + elapsedMs_) % 86400000; }

void VirtualClock::Sleep(int milliseconds) {
  if (milliseconds > 0) elapsedMs_ += milliseconds;
}

void VirtualClock::Advance(int64_t milliseconds) { elapsedMs_ += milliseconds; }

void VirtualClock::AdvanceTo(int64_t elapsedMs) {
  if (elapsedMs > elapsedMs_) elapsedMs_ = elapsedMs;
}

}  // namespace lumivel

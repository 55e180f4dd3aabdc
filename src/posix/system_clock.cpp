#include "posix/system_clock.h"

#include <sched.h>

#include <cerrno>
#include <ctime>

namespace lumivel {

namespace {

constexpr int64_t kMsPerDay = 86400000;

// Days from 1970-01-01 of a date of the proleptic Gregorian calendar (Howard Hinnant's method).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int64_t MsOfDay(const LocalDateTime& t) {
  return ((int64_t{t.hour} * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

}  // namespace

double DaysSince18991230(const LocalDateTime& t) {
  const int64_t days = DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1899, 12, 30);
  return static_cast<double>(days) + static_cast<double>(MsOfDay(t)) / static_cast<double>(kMsPerDay);
}

LocalDateTime SystemClock::NowLocal() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const time_t seconds = now.tv_sec;
  tm local{};
  localtime_r(&seconds, &local);
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                       local.tm_min,         local.tm_sec > 59 ? 59 : local.tm_sec,
                       static_cast<int>(now.tv_nsec / 1000000)};
}

double SystemClock::NowDays() { return DaysSince18991230(NowLocal()); }

int64_t SystemClock::MillisecondsSinceMidnight() { return MsOfDay(NowLocal()); }

void SystemClock::Sleep(int milliseconds) {
  if (milliseconds <= 0) {
    sched_yield();
    return;
  }
  timespec left{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

}  // namespace lumivel

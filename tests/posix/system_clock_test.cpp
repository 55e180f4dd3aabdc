#include "posix/system_clock.h"

#include <gtest/gtest.h>

namespace lumivel {
namespace {

TEST(DaysSince18991230, CountsDaysAndTheTimeOfDayAsItsFraction) {
  const struct {
    const char* what;
    LocalDateTime t;
    double days;
  } rows[] = {
      {"the first day", {1899, 12, 30, 0, 0, 0, 0}, 0.0},
      {"noon of the first day", {1899, 12, 30, 12, 0, 0, 0}, 0.5},
      {"1900 is no leap year", {1900, 3, 1, 0, 0, 0, 0}, 61.0},
      {"2000 is one", {2000, 3, 1, 0, 0, 0, 0}, 36586.0},
      {"the scripted runs' start", {2026, 12, 8, 10, 0, 0, 0}, 46364.0 + 10.0 / 24},
      {"one millisecond before midnight", {2024, 2, 29, 23, 59, 59, 999}, 45351.0 + 86399999.0 / 86400000},
  };
  for (const auto& row : rows) EXPECT_DOUBLE_EQ(DaysSince18991230(row.t), row.days) << row.what;
}

TEST(SystemClock, ReadsTheLocalTimeInStepWithItself) {
  SystemClock clock;
  const LocalDateTime local = clock.NowLocal();
  const double days = clock.NowDays();
  // Read a moment apart, so within a second unless midnight passed in between.
  EXPECT_NEAR(days, DaysSince18991230(local), 1.0 / 86400);
  EXPECT_GT(days, DaysSince18991230({2020, 1, 1, 0, 0, 0, 0}));
  const int64_t ms = clock.MillisecondsSinceMidnight();
  EXPECT_GE(ms, 0);
  EXPECT_LT(ms, 86400000);
}

}  // namespace
}  // namespace lumivel

#pragma once
// The real clock: local time as the program counts it, in days since 30 December 1899 with the
// time of day as the fraction.
#include "services/services.h"

namespace lumivel {

// Days since 30 December 1899 of a local date-time; the time of day, to the millisecond, is the
// fraction. Dates before that day are not used by the program.
double DaysSince18991230(const LocalDateTime& t);

class SystemClock : public Clock {
 public:
  double NowDays() override;
  LocalDateTime NowLocal() override;
  int64_t MillisecondsSinceMidnight() override;
  // 0 ms yields the processor; the sleep resumes after a signal.
  void Sleep(int milliseconds) override;
};

}  // namespace lumivel

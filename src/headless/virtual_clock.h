#pragma once
// Time for scripted runs: it moves only when the program sleeps, waits or pumps messages, so an
// hour of show runs in milliseconds and every run is the same.
#include "services/services.h"

namespace lumivel {

class VirtualClock : public Clock {
 public:
  // Starts on 8 December 2026 at 10:00, local time.
  VirtualClock();
  double NowDays() override;
  LocalDateTime NowLocal() override;
  int64_t MillisecondsSinceMidnight() override;
  void Sleep(int milliseconds) override;

  int64_t ElapsedMs() const { return elapsedMs_; }
  void Advance(int64_t milliseconds);
  void AdvanceTo(int64_t elapsedMs);

 private:
  int64_t startMsOfDay_;
  double startDays_;
  int64_t elapsedMs_ = 0;
};

}  // namespace lumivel

#pragma once
// The signals by which the system asks a program to end: SIGTERM (a session that logs out, a
// screen-saver manager), SIGHUP (its terminal closed) and SIGINT (Ctrl+C). They are not handled
// where they interrupt the program but turned into input on a file descriptor, which the event
// loop takes up between two handlers, so that a save under way finishes first.
namespace lumivel {

class TerminationSignals {
 public:
  // Catches the three signals until this goes; one object at a time.
  TerminationSignals();
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // Readable once a signal has arrived.
  int Fd() const { return read_; }
  // Takes what arrived; true when a signal did since the last call.
  bool Take();

 private:
  int read_ = -1;
  int write_ = -1;
};

}  // namespace lumivel

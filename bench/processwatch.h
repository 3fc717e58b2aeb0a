#pragma once
// Watching a running program from the outside: the processor time it has used (all its
// threads, in nanoseconds, from the scheduler's own accounting) and the moment it falls quiet.
#include <QList>

namespace kwil::bench {

// The processor time used so far by every thread of process pid; -1 once it has gone.
qint64 processorNs(qint64 pid);

// True while the main thread of process pid waits in poll(), as an event loop with nothing to
// do does (a sleep, a lock or a blocking read is not idle, however little it costs).
bool waitsForEvents(qint64 pid);

// When a started program has become idle: the first moment after which it used less than
// kIdleShare of a core for kQuietMs. Fed with samples as they are taken.
class QuietDetector {
 public:
  static constexpr qint64 kQuietMs = 150;
  static constexpr double kIdleShare = 0.03;

  // A sample: ms since the start, the processor time used so far. True once quiet is known.
  bool add(qint64 ms, qint64 cpuNs);
  // The moment the quiet began (ms since the start); valid once add() returned true.
  qint64 quietSinceMs() const { return quietSince_; }
  // Forgets every sample: a quiet stretch found so far did not count.
  void reset() { *this = QuietDetector(); }

 private:
  struct Sample {
    qint64 ms;
    qint64 cpuNs;
  };
  QList<Sample> samples_;
  qsizetype first_ = 0;  // the oldest sample that may still begin a quiet stretch
  qint64 quietSince_ = -1;
};

}  // namespace kwil::bench

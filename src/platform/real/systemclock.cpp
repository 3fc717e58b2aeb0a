#include "platform/real/systemclock.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTime>

namespace kwil {

void SystemClock::sleepMs(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

double SystemClock::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double SystemClock::monotonicSeconds() {
  static QElapsedTimer timer;
  if (!timer.isValid()) timer.start();
  return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

}  // namespace kwil

#include "processwatch.h"

#include <QDir>
#include <QFile>

namespace kwil::bench {

qint64 processorNs(qint64 pid) {
  const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
  const QStringList threads = QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  if (threads.isEmpty()) return -1;
  qint64 total = 0;
  for (const QString& thread : threads) {
    QFile stat(tasks + QLatin1Char('/') + thread + QStringLiteral("/schedstat"));
    // A thread that ended between the listing and the read took its time with it; the
    // process's own total keeps it, but a few microseconds do not change the figures.
    if (stat.open(QIODevice::ReadOnly)) total += stat.readAll().split(' ').value(0).toLongLong();
  }
  return total;
}

bool waitsForEvents(qint64 pid) {
  QFile syscall(QStringLiteral("/proc/%1/syscall").arg(pid));
  if (!syscall.open(QIODevice::ReadOnly)) return false;
  const QByteArray number = syscall.readAll().split(' ').value(0).trimmed();
  return number == "7" || number == "271";  // poll, ppoll (x86-64)
}

bool QuietDetector::add(qint64 ms, qint64 cpuNs) {
  if (quietSince_ >= 0) return true;
  samples_.append({ms, cpuNs});
  const Sample& last = samples_.last();
  while (first_ < samples_.size() && last.ms - samples_[first_].ms >= kQuietMs) {
    const Sample& from = samples_[first_];
    // The share of a core over the stretch from this sample to the newest one.
    if (double(last.cpuNs - from.cpuNs) < kIdleShare * double(last.ms - from.ms) * 1e6) {
      quietSince_ = from.ms;
      return true;
    }
    ++first_;
  }
  return false;
}

}  // namespace kwil::bench

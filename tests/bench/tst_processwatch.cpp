// How the benchmark tells that a program it started has become idle.
#include <QProcess>
#include <QTest>

#include "processwatch.h"

using namespace kwil::bench;

namespace {

using Samples = QList<QPair<qint64, qint64>>;  // (ms since the start, processor ns used so far)

// Samples every 10 ms; `load` gives the share of a core (0 to 1) used in the 10 ms before `ms`.
Samples samples(qint64 untilMs, const std::function<double(qint64)>& load) {
  Samples out;
  qint64 cpuNs = 0;
  for (qint64 ms = 0; ms <= untilMs; ms += 10) {
    if (ms > 0) cpuNs += qint64(load(ms) * 10e6);
    out.append({ms, cpuNs});
  }
  return out;
}

}  // namespace

class TestProcessWatch : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void quietBeginsWhereTheLoadStops_data() {
    QTest::addColumn<Samples>("feed");
    QTest::addColumn<qint64>("quietSince");  // -1: never quiet
    QTest::newRow("busy throughout") << samples(1000, [](qint64) { return 1.0; }) << qint64(-1);
    QTest::newRow("idle from the start") << samples(1000, [](qint64) { return 0.0; }) << qint64(0);
    QTest::newRow("busy, then idle") << samples(1000, [](qint64 ms) { return ms <= 300 ? 1.0 : 0.0; })
                                     << qint64(300);
    QTest::newRow("a pause shorter than the quiet stretch is no idle")
        << samples(1000, [](qint64 ms) { return ms <= 100 || (ms > 200 && ms <= 300) ? 1.0 : 0.0; }) << qint64(300);
    QTest::newRow("a timer's trickle under the limit") << samples(1000, [](qint64) { return 0.02; }) << qint64(0);
    QTest::newRow("a load over the limit") << samples(1000, [](qint64) { return 0.05; }) << qint64(-1);
    QTest::newRow("ends before the quiet stretch is long enough")
        << samples(400, [](qint64 ms) { return ms <= 300 ? 1.0 : 0.0; }) << qint64(-1);
  }
  void quietBeginsWhereTheLoadStops() {
    QFETCH(Samples, feed);
    QFETCH(qint64, quietSince);
    QuietDetector quiet;
    bool found = false;
    for (const auto& [ms, cpuNs] : feed) found = quiet.add(ms, cpuNs);
    QCOMPARE(found, quietSince >= 0);
    if (found) QCOMPARE(quiet.quietSinceMs(), quietSince);
    quiet.reset();
    QVERIFY(!quiet.add(0, 0));
  }

  // An event loop with nothing to do waits in poll(); a sleep is not that, and a process that
  // is gone has used no time at all.
  void watchesAnotherProcess_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("waitsForEvents");
    QTest::newRow("an idle Qt program") << QStringLiteral(KWIL_BENCH_MINIMAL) << QStringList{} << true;
    QTest::newRow("a sleeping program") << QStringLiteral("sleep") << QStringList{"30"} << false;
  }
  void watchesAnotherProcess() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, waitsForEvents);
    QProcess process;
    process.start(program, arguments);
    QVERIFY(process.waitForStarted());
    const qint64 pid = process.processId();
    QuietDetector quiet;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(QTest::qWaitFor([&] { return quiet.add(clock.elapsed(), processorNs(pid)); }, 20000));
    QVERIFY(processorNs(pid) > 0);
    QCOMPARE(kwil::bench::waitsForEvents(pid), waitsForEvents);
    process.kill();
    process.waitForFinished();
    QCOMPARE(processorNs(pid), qint64(-1));
  }
};

QTEST_GUILESS_MAIN(TestProcessWatch)
#include "tst_processwatch.moc"

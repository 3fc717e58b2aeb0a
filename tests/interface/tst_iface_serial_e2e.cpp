// The serial drivers end to end: the real termios port against simulated boards on
// pseudo-terminals. COM 1 and COM 3 are pseudo-terminals nobody answers on; the board is COM 2.
#include <unistd.h>

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <memory>

#include "driver_fixture.h"
#include "platform/real/systemclock.h"
#include "platform/real/termiosserial.h"
#include "support/arduino_sim.h"
#include "support/icp12_sim.h"

using namespace kwil;

namespace {

class SilentLine : public sim::PtyBoard {
 protected:
  QByteArray answer() override {
    buffer().clear();
    return {};
  }
};

// Waits (really) until something the board wrote can be read on the program's side.
bool waitForArrival(int timeoutMs = 1000) {
  QElapsedTimer t;
  t.start();
  while (serialPort().InBufferCount() == 0) {
    if (t.elapsed() > timeoutMs) return false;
    ::usleep(200);
  }
  return true;
}

// A clock whose sleeps let the board run instead of passing time.
class BoardClock : public Clock {
 public:
  void sleepMs(int ms) override {
    sleeps << ms;
    if (onSleep) onSleep();
    ::usleep(200);
  }
  double secondsSinceMidnight() override { return 0; }
  double monotonicSeconds() override { return 0; }
  QList<int> sleeps;
  std::function<void()> onSleep;
};

}  // namespace

class TestSerialEndToEnd : public QObject {
  Q_OBJECT
  test::DriverFixture fx;
  std::unique_ptr<SilentLine> com1, com3;
  std::unique_ptr<sim::ArduinoSim> arduino;
  std::unique_ptr<sim::Icp12Sim> icp12;
  BoardClock* clock = nullptr;

  // Puts the board on COM 2 and lets it run whenever the program sleeps or lets events run.
  // A sleep stands for time passing, in which what the program sent reaches every line. The
  // silent lines must take it in then: the program throws away output still underway when it
  // closes a port, and on a pseudo-terminal that is output the other side has not read yet.
  void attach(sim::PtyBoard& board) {
    qputenv("KWILMORA_COM_PORTS",
            (com1->slavePath() + u':' + board.slavePath() + u':' + com3->slavePath()).toLocal8Bit());
    platform().serialPorts = std::make_unique<TermiosSerialPorts>();
    auto run = [this, &board] {
      com1->pump();
      com3->pump();
      if (board.pump()) waitForArrival();
    };
    clock->onSleep = run;
    fx.fakes.events->onPump = run;
  }

  void findArduino() {
    attach(*arduino);
    ZoekArduino();
    QCOMPARE(int(state().ComPoort), 2);
  }

  void findICP12() {
    attach(*icp12);
    ZoekICP12();
    QCOMPARE(int(state().ComPoort), 2);
  }

 private Q_SLOTS:
  void init() {
    fx.reset();
    auto c = std::make_unique<BoardClock>();
    clock = c.get();
    platform().clock = std::move(c);
    com1 = std::make_unique<SilentLine>();
    com3 = std::make_unique<SilentLine>();
    arduino = std::make_unique<sim::ArduinoSim>();
    icp12 = std::make_unique<sim::Icp12Sim>();
  }
  void cleanup() {
    serialPort().setPortOpen(false);
    qunsetenv("KWILMORA_COM_PORTS");
  }

  void arduinoIsFoundAndDriven() {
    findArduino();
    QCOMPARE(state().InterfaceSoort, SoortArduino);
    QCOMPARE(fx.captions, QStringList{"Arduino op com 2"});
    QCOMPARE(clock->sleeps, (QList<int>{2000, 1000, 2000, 1000}));
    QCOMPARE(com1->received(), QByteArray("90/"));
    QVERIFY(com3->received().isEmpty());

    SchrijfUitgangen(5);
    arduino->pump();
    QCOMPARE(arduino->outputs(), 5);
    state().UitgangenInverteren = true;
    SchrijfUitgangen(1);
    arduino->pump();
    QCOMPARE(arduino->outputs(), 128);

    // The value read is the reply to the previous poll.
    fx.fakes.events->onPump = nullptr;
    arduino->setButtons(17);
    LeesIngangen();
    QCOMPARE(state().Ingangen, 0);
    arduino->pump();
    QVERIFY(waitForArrival());
    LeesIngangen();
    QCOMPARE(state().Ingangen, 17);
  }

  void icp12IsFoundAndDriven() {
    findICP12();
    QCOMPARE(state().InterfaceSoort, SoortICP12);
    QCOMPARE(fx.captions, QStringList{"iCP12 op com 2"});
    icp12->pump();
    QCOMPARE(icp12->outputPins(),
             (std::set<QString>{"RA0", "RA1", "RA2", "RA3", "RA5", "RB0", "RB1", "RB2"}));

    SchrijfUitgangen(0xA5);
    icp12->pump();
    QCOMPARE(icp12->outputs(), 0xA5);
    state().UitgangenInverteren = true;
    SchrijfUitgangen(0x0F);
    icp12->pump();
    QCOMPARE(icp12->outputs(), 0xF0);

    icp12->setButtons(4 | 16);
    LeesIngangen();  // its reply arrives while events run at the end
    QCOMPARE(state().Ingangen, 0);
    LeesIngangen();
    QCOMPARE(state().Ingangen, 20);
  }

  // "DI" in one chunk, "17\r\n" in the next: one poll gathers both.
  void arduinoReplySplitAcrossReads() {
    findArduino();
    arduino->splitRepliesAt = 2;
    arduino->setButtons(17);
    LeesIngangen();
    QCOMPARE(state().Ingangen, 0);
    LeesIngangen();
    QCOMPARE(state().Ingangen, 17);
  }

  // The Arduino on its own thread, its replies split in two as USB serial adapters do, polled
  // every 5 ms as the windows' timers poll: with s1 and s5 held, no poll may read other buttons.
  // Each row splits "DI17\r\n" at one position (-1: a random position for every reply) and
  // holds the rest back for gap ms (-1: a random 1 to 8 ms).
  void arduinoSplitRepliesNeverReadOtherButtons_data() {
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("polls");
    for (int at = 1; at <= 5; ++at) {
      QTest::addRow("after %d, next pump", at) << at << 0 << 100;
      QTest::addRow("after %d, 3 ms", at) << at << 3 << 100;
    }
    QTest::newRow("random positions and gaps") << -1 << -1 << 1000;
  }
  void arduinoSplitRepliesNeverReadOtherButtons() {
    QFETCH(int, at);
    QFETCH(int, gap);
    QFETCH(int, polls);
    findArduino();
    fx.fakes.events->onPump = nullptr;
    QRandomGenerator random(15);
    arduino->splitReplies = [&](qsizetype size) {
      const int splitAt = at > 0 ? at : random.bounded(1, int(size));
      return std::pair<int, int>{splitAt, gap >= 0 ? gap : random.bounded(1, 9)};
    };
    arduino->setButtons(17);
    arduino->startThread();
    int wrong = 0, read = 0;
    for (int i = 0; i < polls; ++i) {
      state().Ingangen = -1;
      LeesIngangen();
      if (state().Ingangen == 17)
        ++read;
      else if (state().Ingangen != -1)
        ++wrong;
      ::usleep(5000);
    }
    arduino->stopThread();
    qInfo("%d polls: %d read s1 and s5, %d read other buttons", polls, read, wrong);
    QCOMPARE(wrong, 0);
    // Every split reply is complete a poll later at most, so most polls find one.
    QVERIFY2(read > polls / 2, qPrintable(QString::number(read)));
  }

  void garbageOnTheLine() {
    findArduino();
    // Noise towards the board does not stop it understanding what follows.
    serialPort().Output(QStringLiteral("zz\x01(/"));
    SchrijfUitgangen(9);
    arduino->pump();
    QCOMPARE(arduino->outputs(), 9);

    // Noise before a reply spoils that poll only.
    fx.fakes.events->onPump = nullptr;
    state().Ingangen = 1;
    arduino->setButtons(3);
    arduino->sendRaw(QByteArray("\xff\x00#!", 4));
    QVERIFY(waitForArrival());
    LeesIngangen();
    QCOMPARE(state().Ingangen, 1);
    arduino->pump();
    QVERIFY(waitForArrival());
    LeesIngangen();
    QCOMPARE(state().Ingangen, 3);
  }

  void boardVanishesMidRun_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("Arduino") << int(SoortArduino);
    QTest::newRow("iCP12") << int(SoortICP12);
  }
  void boardVanishesMidRun() {
    QFETCH(int, kind);
    kind == SoortArduino ? findArduino() : findICP12();
    sim::PtyBoard& board = kind == SoortArduino ? static_cast<sim::PtyBoard&>(*arduino) : *icp12;
    state().Ingangen = 6;
    board.vanish();

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 20; ++i) {
      SchrijfUitgangen(i);
      LeesIngangen();
    }
    QVERIFY2(t.elapsed() < 500, "writes and polls on a vanished board must not wait");
    QVERIFY(!serialPort().PortOpen());
    QCOMPARE(state().Ingangen, 6);
    QCOMPARE(state().Uitgangen, 19);

    // The next search runs as normal over what is left.
    ZoekArduino();
    QCOMPARE(int(state().ComPoort), 0);
    QVERIFY(!serialPort().PortOpen());
  }

  void comPortList_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("path");
    QTest::newRow("first") << "/dev/a:/dev/b::/dev/c" << 1 << "/dev/a";
    QTest::newRow("empty items skipped") << "/dev/a:/dev/b::/dev/c" << 3 << "/dev/c";
    QTest::newRow("beyond the list") << "/dev/a:/dev/b::/dev/c" << 4 << "";
    QTest::newRow("COM 0") << "/dev/a" << 0 << "";
  }
  void comPortList() {
    QFETCH(QString, list);
    QFETCH(int, com);
    QFETCH(QString, path);
    qputenv("KWILMORA_COM_PORTS", list.toLocal8Bit());
    TermiosSerialPorts ports;
    QCOMPARE(ports.pathOf(com), path);
  }

  // Something that is not a serial device does not count as a port.
  void nonTerminalIsNoPort() {
    qputenv("KWILMORA_COM_PORTS", "/dev/null:/nonexistent/tty");
    platform().serialPorts = std::make_unique<TermiosSerialPorts>();
    QVERIFY(!ComPoortBestaat(1));
    QVERIFY(!ArduinoPoortBestaat(2));
  }

  // With the real clock the search waits 3 s on every port it tries: 6 s for COM 1 and 2.
  void arduinoSearchWithTheRealClock() {
    attach(*arduino);
    platform().clock = std::make_unique<SystemClock>();
    arduino->startThread();
    QElapsedTimer t;
    t.start();
    ZoekArduino();
    const qint64 elapsed = t.elapsed();
    arduino->stopThread();
    QCOMPARE(int(state().ComPoort), 2);
    QVERIFY2(elapsed >= 6000 && elapsed < 8000, qPrintable(QString::number(elapsed)));
  }

  // One read takes everything that has arrived, however it falls in the driver's buffer, and a
  // line that hangs up after a read is seen at the next read.
  void readTakesEverythingThatArrived_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("hangsUp");
    QTest::newRow("one reply") << 6 << false;
    QTest::newRow("exactly a buffer") << 512 << false;
    QTest::newRow("two buffers and a bit") << 1100 << false;
    QTest::newRow("hangs up after the read") << 6 << true;
  }
  void readTakesEverythingThatArrived() {
    QFETCH(int, size);
    QFETCH(bool, hangsUp);
    SilentLine line;
    auto device = TermiosSerialPorts().open(line.slavePath());
    QVERIFY(device);
    QByteArray sent;
    for (int i = 0; i < size; ++i) sent.append(char('A' + i % 26));
    line.sendRaw(sent);
    QVERIFY(QTest::qWaitFor([&] { return device->bytesAvailable() == size; }, 2000));
    QCOMPARE(device->readAll(), sent);
    QVERIFY(device->healthy());
    QCOMPARE(device->readAll(), QByteArray());
    QVERIFY(device->healthy());
    if (!hangsUp) return;
    line.vanish();
    QCOMPARE(device->readAll(), QByteArray());
    QVERIFY(!device->healthy());
  }

  // The cost of one poll and one write over the Arduino, as a 5 ms timer pays it.
  void costOfPollAndWrite() {
    findArduino();
    fx.fakes.events->onPump = nullptr;
    arduino->setButtons(9);
    constexpr int kRounds = 1000;
    qint64 nanoseconds = 0;
    QElapsedTimer t;
    for (int i = 0; i < kRounds; ++i) {
      t.start();
      LeesIngangen();
      SchrijfUitgangen(i & 0xFF);
      nanoseconds += t.nsecsElapsed();
      arduino->pump();
    }
    const double perPair = nanoseconds / 1000.0 / kRounds;
    qInfo("LeesIngangen + SchrijfUitgangen over the Arduino: %.1f microseconds per pair", perPair);
    QCOMPARE(arduino->outputs(), (kRounds - 1) & 0xFF);
    QCOMPARE(state().Ingangen, 9);
    QVERIFY2(perPair < 2000, "a poll and a write must fit easily in a 5 ms tick");
  }
};

QTEST_GUILESS_MAIN(TestSerialEndToEnd)
#include "tst_iface_serial_e2e.moc"

// Finding the interface: the K8055 message, the captions, and the iCP12 and Arduino searches
// over fake COM ports (which ports are tried, what is sent, how long is waited).
#include <QTest>

#include "driver_fixture.h"

using namespace kwil;

namespace {

const QString kNone = QStringLiteral("<none>");

}  // namespace

class TestDetection : public QObject {
  Q_OBJECT
  test::DriverFixture fx;

  // COM 1..ports exist; the board sits on `board` (0 = none) and answers the probe `probe`
  // with `reply`, either at once (delayMs 0) or once the clock has slept delayMs after it.
  void placeBoard(int ports, int board, const QByteArray& probe, const QByteArray& reply, int delayMs) {
    for (int com = 1; com <= ports; ++com) fx.hw->serial->port(com);
    if (board == 0) return;
    auto line = fx.hw->serial->lines[board - 1];
    auto sleptSinceProbe = std::make_shared<int>(-1);
    line->reply = [=](const QByteArray& sent) {
      if (sent != probe) return QByteArray();
      if (delayMs == 0) return reply;
      *sleptSinceProbe = 0;
      return QByteArray();
    };
    fx.fakes.clock->onSleep = [=, log = &fx.hw->log](int ms) {
      log->append(QStringLiteral("sleep %1").arg(ms));
      if (*sleptSinceProbe < 0) return;
      *sleptSinceProbe += ms;
      if (*sleptSinceProbe >= delayMs) {
        line->pending += reply;
        *sleptSinceProbe = -1;
      }
    };
  }

 private Q_SLOTS:
  void init() { fx.reset(); }

  void vellemanSearch_data() {
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << 0 << kNone;
    QTest::newRow("error result") << -1 << kNone;
    QTest::newRow("cards 0 and 2")
        << 5
        << "De onderstaande WelkeInterface kaarten zijn gevonden.\r\rKaart 0 = aanwezig.\rKaart 2 = "
           "aanwezig.\r\rAlle gevonden kaarten worden aangestuurd.";
    QTest::newRow("card 3") << 8
                            << "De onderstaande WelkeInterface kaarten zijn gevonden.\r\rKaart 3 = "
                               "aanwezig.\r\rAlle gevonden kaarten "
                               "worden aangestuurd.";
    QTest::newRow("all four")
        << 15
        << "De onderstaande WelkeInterface kaarten zijn gevonden.\r\rKaart 0 = aanwezig.\rKaart 1 = "
           "aanwezig.\rKaart 2 = aanwezig.\rKaart 3 = aanwezig.\r\rAlle gevonden kaarten worden aangestuurd.";
  }
  void vellemanSearch() {
    QFETCH(int, found);
    QFETCH(QString, message);
    state().VellemanKaarten = 7;
    fx.hw->k8055->present = static_cast<std::int16_t>(found);
    int pumpsBeforeMessage = -1;
    fx.fakes.dialogs->onMessage = [&](const fake::FakeDialogs::Shown&) {
      pumpsBeforeMessage = fx.fakes.events->calls;
    };
    ZoekVellemanKaarten();
    if (message == kNone) {
      QVERIFY(fx.fakes.dialogs->messages.isEmpty());
      QCOMPARE(state().InterfaceSoort, SoortParallel);
      QCOMPARE(state().VellemanKaarten, 7);
      return;
    }
    QCOMPARE(fx.fakes.dialogs->messages.size(), 1);
    QCOMPARE(fx.fakes.dialogs->messages[0].text, message);
    QCOMPARE(fx.fakes.dialogs->messages[0].buttons, 0);
    QCOMPARE(fx.fakes.dialogs->messages[0].title, QStringLiteral("Kwilmora"));
    QCOMPARE(pumpsBeforeMessage, 1);
    QCOMPARE(state().InterfaceSoort, SoortVelleman);
    QCOMPARE(state().VellemanKaarten, found);
  }

  void toonInterface_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<bool>>("analog");
    QTest::newRow("parallel") << 0 << 0 << "Parallel" << QList<bool>{false};
    QTest::newRow("Velleman") << 1 << 0 << "Velleman" << QList<bool>{true};
    QTest::newRow("iCP12 on 12") << 2 << 12 << "iCP12 op com 12" << QList<bool>{false};
    QTest::newRow("Arduino left alone") << 3 << 4 << kNone << QList<bool>{};
    QTest::newRow("unknown kind") << 7 << 0 << kNone << QList<bool>{};
  }
  void toonInterface() {
    QFETCH(int, kind);
    QFETCH(int, com);
    QFETCH(QString, caption);
    QFETCH(QList<bool>, analog);
    state().InterfaceSoort = static_cast<std::int16_t>(kind);
    state().ComPoort = static_cast<std::int16_t>(com);
    ToonInterface();
    QCOMPARE(fx.captions, caption == kNone ? QStringList{} : QStringList{caption});
    QCOMPARE(fx.analogShown, analog);
  }

  void toonInterfaceWithoutWindowDoesNothing() {
    interfaceDisplay() = InterfaceDisplay{};
    state().InterfaceSoort = SoortVelleman;
    ToonInterface();
    QVERIFY(fx.captions.isEmpty());
  }

  void icp12Search_data() {
    QTest::addColumn<int>("ports");
    QTest::addColumn<int>("board");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("found");
    QTest::newRow("on COM 2 of 3") << 3 << 2 << QByteArray("(ZMD) iCP12\r\n") << 0 << 2;
    QTest::newRow("on COM 12") << 12 << 12 << QByteArray("ZMD") << 0 << 12;
    QTest::newRow("lower case is not the board") << 3 << 2 << QByteArray("zmd") << 0 << 0;
    QTest::newRow("answer after 40 ms") << 3 << 3 << QByteArray("ZMD") << 40 << 3;
    QTest::newRow("answer after 150 ms is missed") << 3 << 3 << QByteArray("ZMD") << 150 << 0;
    QTest::newRow("no ports") << 0 << 0 << QByteArray() << 0 << 0;
  }
  void icp12Search() {
    QFETCH(int, ports);
    QFETCH(int, board);
    QFETCH(QByteArray, reply);
    QFETCH(int, delayMs);
    QFETCH(int, found);
    placeBoard(ports, board, "(ZMD)", reply, delayMs);
    ZoekICP12();
    QCOMPARE(int(state().ComPoort), found);
    QCOMPARE(serialPort().PortOpen(), found != 0);
    QCOMPARE(state().InterfaceSoort, found ? SoortICP12 : SoortParallel);
    QCOMPARE(fx.captions, found ? QStringList{QStringLiteral("iCP12 op com %1").arg(found)} : QStringList{});
    for (int com = 1; com <= (found ? found : ports); ++com) {
      QList<QByteArray> expected{"(ZMD)"};
      if (com == found)
        expected << "(RA0o)"
                 << "(RA1o)"
                 << "(RA2o)"
                 << "(RA3o)"
                 << "(RA5o)"
                 << "(RB0o)"
                 << "(RB1o)"
                 << "(RB2o)";
      QCOMPARE(fx.hw->serial->lines[com - 1]->sends, expected);
    }
    QCOMPARE(state().AanCommando[5], found ? QStringLiteral("(RA51)") : QString());
    QCOMPARE(state().UitCommando[8], found ? QStringLiteral("(RB20)") : QString());
    QCOMPARE(state().AanCommando[1], found ? QStringLiteral("(RA01)") : QString());
    QCOMPARE(state().UitCommando[6], found ? QStringLiteral("(RB00)") : QString());
  }

  void arduinoSearch_data() {
    QTest::addColumn<int>("ports");
    QTest::addColumn<int>("board");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("found");
    QTest::newRow("TM on COM 2 of 3") << 3 << 2 << QByteArray("TM") << 0 << 2;
    QTest::newRow("ET alone") << 3 << 1 << QByteArray("ET\r\n") << 0 << 1;
    QTest::newRow("lower case") << 3 << 2 << QByteArray("tm et") << 0 << 0;
    QTest::newRow("answer within the second") << 2 << 2 << QByteArray("TM") << 1000 << 2;
    QTest::newRow("answer too late") << 2 << 2 << QByteArray("TM") << 1500 << 0;
  }
  void arduinoSearch() {
    QFETCH(int, ports);
    QFETCH(int, board);
    QFETCH(QByteArray, reply);
    QFETCH(int, delayMs);
    QFETCH(int, found);
    placeBoard(ports, board, "90/", reply, delayMs);
    state().InterfaceSoort = SoortVelleman;
    ZoekArduino();
    QCOMPARE(int(state().ComPoort), found);
    QCOMPARE(serialPort().PortOpen(), found != 0);
    QCOMPARE(state().InterfaceSoort, found ? SoortArduino : SoortVelleman);
    QCOMPARE(fx.captions,
             found ? QStringList{QStringLiteral("Arduino op com %1").arg(found)} : QStringList{});
    const int tried = found ? found : ports;
    QList<int> sleeps;
    for (int i = 0; i < tried; ++i) sleeps << 2000 << 1000;
    QCOMPARE(fx.fakes.clock->sleeps, sleeps);
    for (int com = 1; com <= tried; ++com)
      QCOMPARE(fx.hw->serial->lines[com - 1]->sends, QList<QByteArray>{"90/"});
    QCOMPARE(fx.fakes.events->calls, 0);
  }

  // Text the board sends on its own once the port is open counts as its answer.
  void arduinoGreetingCounts() {
    fx.hw->serial->port(1).pending = "ET ready";
    ZoekArduino();
    QCOMPARE(int(state().ComPoort), 1);
  }

  // Ports that cannot be opened are skipped without waiting on them.
  void unopenablePortsAreSkipped() {
    fx.hw->serial->port(1).openable = false;
    placeBoard(2, 2, "90/", "TM", 0);
    ZoekArduino();
    QCOMPARE(int(state().ComPoort), 2);
    QCOMPARE(fx.fakes.clock->sleeps, (QList<int>{2000, 1000}));
    QVERIFY(fx.hw->serial->lines[0]->sends.isEmpty());
  }

  // F12 after an Arduino was found: its port is closed first; with no iCP12 nothing drives it.
  void icp12SearchReleasesTheArduino() {
    fake::FakeSerialLine& arduino = fx.openPort(1);
    state().InterfaceSoort = SoortParallel;
    ZoekICP12();
    QVERIFY(!serialPort().PortOpen());
    QCOMPARE(int(state().ComPoort), 0);
    state().InterfaceSoort = SoortArduino;
    SchrijfUitgangen(3);
    QCOMPARE(arduino.sends, QList<QByteArray>{"(ZMD)"});
  }

  void portExists_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("exists");
    QTest::newRow("COM 1") << 1 << true;
    QTest::newRow("COM 2") << 2 << true;
    QTest::newRow("COM 3 cannot be opened") << 3 << false;
    QTest::newRow("COM 4 has no device") << 4 << false;
    QTest::newRow("COM 0") << 0 << false;
    QTest::newRow("negative") << -3 << false;
  }
  void portExists() {
    QFETCH(int, port);
    QFETCH(bool, exists);
    fx.hw->serial->port(3).openable = false;
    QCOMPARE(ComPoortBestaat(static_cast<std::int16_t>(port)), exists);
    QCOMPARE(ArduinoPoortBestaat(static_cast<std::int16_t>(port)), exists);
  }
};

QTEST_GUILESS_MAIN(TestDetection)
#include "tst_iface_detection.moc"

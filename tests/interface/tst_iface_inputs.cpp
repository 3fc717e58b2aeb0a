// Fetching the raw input value from every kind of interface, and decoding it (including the
// values the F1..F5 keys stand in with) into the flags of s1..s5.
#include <QTest>

#include "driver_fixture.h"
#include "interface/val.h"

using namespace kwil;

namespace {

// "10001": s1 and s5 pressed.
QString flags() {
  QString s;
  for (int i = 3; i <= 7; ++i) s += state().Ingang[i] ? u'1' : u'0';
  return s;
}

QString keys(int mask) {
  QString s;
  for (int k = 0; k < 5; ++k) s += (mask & (1 << k)) ? u'1' : u'0';
  return s;
}

}  // namespace

class TestInputs : public QObject {
  Q_OBJECT
  test::DriverFixture fx;

 private Q_SLOTS:
  void init() { fx.reset(); }

  void zetIngangen_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("expected");  // s1..s5; "01010" is also what the flags held before

    QTest::newRow("parallel 120: none") << 0 << 120 << "00000";
    QTest::newRow("parallel 127: none") << 0 << 127 << "00000";
    QTest::newRow("parallel 112: s1") << 0 << 112 << "10000";
    QTest::newRow("parallel 248: s5") << 0 << 248 << "00001";
    QTest::newRow("parallel 135: all") << 0 << 135 << "11111";
    QTest::newRow("card 17: s1 s5") << 1 << 17 << "10001";
    QTest::newRow("card 32: bit 5 ignored") << 1 << 32 << "00000";
    QTest::newRow("card -16: s5 (F5)") << 1 << -16 << "00001";
    QTest::newRow("iCP12 -15: s1 s5") << 2 << -15 << "10001";
    QTest::newRow("Arduino -1: all") << 3 << -1 << "11111";
    QTest::newRow("Arduino 4: s3") << 3 << 4 << "00100";
    QTest::newRow("Arduino beyond 16 bits keeps the flags") << 3 << 40000 << "01010";
    QTest::newRow("parallel beyond 16 bits keeps the flags") << 0 << -40000 << "01010";
    QTest::newRow("parallel lowest 32-bit value keeps the flags") << 0 << INT32_MIN << "01010";
    QTest::newRow("unknown kind keeps the flags") << 6 << 31 << "01010";
    // Every combination of F1..F5 as the lesson windows encode them.
    for (int held = 0; held < 32; ++held) {
      const int f1 = held & 1, f2 = (held >> 1) & 1, f3 = (held >> 2) & 1, f4 = (held >> 3) & 1,
                f5 = (held >> 4) & 1;
      const int parallel = 255 - (129 + 8 * f1 + 16 * f2 + 32 * f3 + 64 * f4 - 128 * f5);
      const int other = f1 + 2 * f2 + 4 * f3 + 8 * f4 - 16 * f5;
      QTest::addRow("F-keys %s parallel", qPrintable(keys(held))) << 0 << parallel << keys(held);
      QTest::addRow("F-keys %s Arduino", qPrintable(keys(held))) << 3 << other << keys(held);
    }
  }
  void zetIngangen() {
    QFETCH(int, kind);
    QFETCH(int, raw);
    QFETCH(QString, expected);
    state().InterfaceSoort = static_cast<std::int16_t>(kind);
    for (int i = 0; i <= 7; ++i) state().Ingang[i] = i % 2 == 0;  // 0..2 must stay so; 3..7 read "01010"
    state().Ingangen = raw;
    ZetIngangen();
    QCOMPARE(flags(), expected);
    QVERIFY(state().Ingang[0] && !state().Ingang[1] && state().Ingang[2]);
  }

  void leesParallel_data() {
    QTest::addColumn<int>("status");
    QTest::newRow("no button") << 120;
    QTest::newRow("all buttons") << 135;
    QTest::newRow("negative word sign-extends") << -2;
  }
  void leesParallel() {
    QFETCH(int, status);
    fx.hw->parallel->answer = static_cast<std::int16_t>(status);
    LeesIngangen();
    QCOMPARE(state().Ingangen, status);
    QCOMPARE(fx.hw->parallel->reads, QList<int>{0x379});
    QCOMPARE(fx.fakes.events->calls, 1);
  }

  void leesKaarten_data() {
    QTest::addColumn<int>("cards");
    QTest::addColumn<QList<int>>("digital");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("cards 0 and 1: any card counts") << 3 << QList<int>{1, 16, 0, 0} << 17 << QList<int>{1, 0};
    QTest::newRow("all four, highest first") << 15 << QList<int>{1, 2, 4, 8} << 15 << QList<int>{3, 2, 1, 0};
    QTest::newRow("card 2 only") << 4 << QList<int>{31, 31, 6, 31} << 6 << QList<int>{2};
    QTest::newRow("no card reads 0") << 0 << QList<int>{31, 31, 31, 31} << 0 << QList<int>{};
  }
  void leesKaarten() {
    QFETCH(int, cards);
    QFETCH(QList<int>, digital);
    QFETCH(int, expected);
    QFETCH(QList<int>, selected);
    state().InterfaceSoort = SoortVelleman;
    state().VellemanKaarten = cards;
    state().Ingangen = 99;
    fx.hw->k8055->present = static_cast<std::int16_t>(cards);
    for (int k = 0; k < 4; ++k) fx.hw->k8055->digital[static_cast<std::size_t>(k)] = digital[k];
    LeesIngangen();
    QCOMPARE(state().Ingangen, expected);
    QCOMPARE(fx.hw->k8055->selected, selected);
  }

  // What has arrived before the poll is what the poll takes: the previous poll's reply.
  void leesSerieel_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("arrived");
    QTest::addColumn<int>("chunk");  // bytes one read returns, 0 = all
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("pumps");  // pending-event runs, -1 = not checked

    QTest::newRow("iCP12 s3") << 2 << QByteArray("DPC11011011\r\n") << 0 << 4 << 1;
    QTest::newRow("iCP12 none") << 2 << QByteArray("DPC11111111") << 0 << 0 << 1;
    QTest::newRow("iCP12 all, unused positions ignored") << 2 << QByteArray("DPC00011100") << 0 << 31 << 1;
    QTest::newRow("iCP12 s4 s5") << 2 << QByteArray("DPC11100000") << 0 << 24 << 1;
    QTest::newRow("iCP12 noise before") << 2
                                        << QByteArray(
                                               "\x01zz\xff"
                                               "DPC01111111")
                                        << 0 << 1 << 1;
    QTest::newRow("iCP12 an echoed command is the first DPC")
        << 2 << QByteArray("(DPC)DPC11111111") << 0 << 7 << 1;
    QTest::newRow("iCP12 first reply decides") << 2 << QByteArray("DPC11111110DPC00000000") << 0 << 16 << 1;
    QTest::newRow("iCP12 five characters") << 2 << QByteArray("DPC11011") << 0 << 99 << 1;
    QTest::newRow("iCP12 lower case") << 2 << QByteArray("dpc00000000") << 0 << 99 << 1;
    QTest::newRow("iCP12 nothing arrived") << 2 << QByteArray() << 0 << 99 << 1;
    QTest::newRow("Arduino 17") << 3 << QByteArray("DI17\r\n") << 0 << 17 << 2;
    QTest::newRow("Arduino DI alone waits for its value") << 3 << QByteArray("DI") << 0 << 99 << 2;
    QTest::newRow("Arduino value without line end waits") << 3 << QByteArray("DI17") << 0 << 99 << 2;
    QTest::newRow("Arduino DI then CR") << 3 << QByteArray("DI\r\n") << 0 << 0 << 2;
    QTest::newRow("Arduino three characters only") << 3 << QByteArray("DI1234") << 0 << 123 << 2;
    QTest::newRow("Arduino blanks skipped") << 3 << QByteArray("DI 1 7") << 0 << 1 << 2;
    QTest::newRow("Arduino negative") << 3 << QByteArray("DI-5\r\n") << 0 << -5 << 2;
    QTest::newRow("Arduino half rounds to even") << 3 << QByteArray("DI2.5") << 0 << 2 << 2;
    QTest::newRow("Arduino 3.5 rounds up") << 3 << QByteArray("DI3.5") << 0 << 4 << 2;
    QTest::newRow("Arduino hexadecimal") << 3 << QByteArray("DI&HF") << 0 << 15 << 2;
    QTest::newRow("Arduino exponent too big for 16 bits") << 3 << QByteArray("DI9E9") << 0 << 99 << 2;
    QTest::newRow("Arduino noise first") << 3 << QByteArray("xDI17") << 0 << 99 << 2;
    QTest::newRow("Arduino nothing arrived") << 3 << QByteArray() << 0 << 99 << 1;
    QTest::newRow("Arduino two replies, first decides") << 3 << QByteArray("DI4\r\nDI8\r\n") << 0 << 4 << 2;
    QTest::newRow("Arduino reply in chunks") << 3 << QByteArray("DI17\r\n") << 2 << 17 << 4;
    QTest::newRow("Arduino endless talk is cut off") << 3 << QByteArray(5000, 'x') << 100 << 99 << 12;
  }
  void leesSerieel() {
    QFETCH(int, kind);
    QFETCH(QByteArray, arrived);
    QFETCH(int, chunk);
    QFETCH(int, expected);
    QFETCH(int, pumps);
    state().InterfaceSoort = static_cast<std::int16_t>(kind);
    state().Ingangen = 99;
    fake::FakeSerialLine& line = fx.openPort(2);
    line.pending = arrived;
    line.maxChunk = chunk;
    LeesIngangen();
    QCOMPARE(state().Ingangen, expected);
    QCOMPARE(line.sends, QList<QByteArray>{kind == SoortICP12 ? "(DPC)" : "7/"});
    QCOMPARE(fx.fakes.events->calls, pumps);
  }

  // A reply handed over in parts, one part per poll: only a complete reply is decoded, and an
  // unfinished one waits for its rest, so a split never decodes as other buttons.
  void arduinoAntwoordInDelen_data() {
    QTest::addColumn<QList<QByteArray>>("delen");  // what arrives before each poll
    QTest::addColumn<QList<int>>("waarden");       // Ingangen after each poll (99 = unchanged)
    using D = QList<QByteArray>;
    using W = QList<int>;
    QTest::newRow("D | I17") << D{"D", "I17\r\n"} << W{99, 17};
    QTest::newRow("DI | 17") << D{"DI", "17\r\n"} << W{99, 17};
    QTest::newRow("DI1 | 7") << D{"DI1", "7\r\n"} << W{99, 17};
    QTest::newRow("DI17 | line end") << D{"DI17", "\r\n"} << W{99, 17};
    QTest::newRow("DI17 CR | LF, next reply") << D{"DI17\r", "\nDI3\r\n"} << W{17, 3};
    QTest::newRow("a poll with nothing new keeps waiting") << D{"DI", "", "1\r\n"} << W{99, 99, 1};
    QTest::newRow("the value may be split again") << D{"D", "I", "-", "5\r\n"} << W{99, 99, 99, -5};
    QTest::newRow("three characters need no line end") << D{"DI12", "3"} << W{99, 123};
    QTest::newRow("complete reply, then the start of the next") << D{"DI4\r\nDI1", "7\r\n"} << W{4, 17};
    QTest::newRow("complete reply, then a lone D") << D{"DI4\r\nD", "I8\r\n"} << W{4, 8};
    QTest::newRow("noise does not become a reply") << D{"xD", "I9\r\n"} << W{99, 9};
  }
  void arduinoAntwoordInDelen() {
    QFETCH(QList<QByteArray>, delen);
    QFETCH(QList<int>, waarden);
    state().InterfaceSoort = SoortArduino;
    state().Ingangen = 99;
    fake::FakeSerialLine& line = fx.openPort(2);
    QList<int> gelezen;
    for (const QByteArray& deel : delen) {
      line.pending += deel;
      LeesIngangen();
      gelezen << state().Ingangen;
    }
    QCOMPARE(gelezen, waarden);
    QCOMPARE(line.sends.size(), delen.size());
  }

  // What a poll keeps belongs to the board of that port: another opening starts afresh.
  void onvolledigAntwoordVervaltBijOpenen() {
    state().InterfaceSoort = SoortArduino;
    state().Ingangen = 99;
    fake::FakeSerialLine& line = fx.openPort(2);
    line.pending = "DI";
    LeesIngangen();
    serialPort().setPortOpen(false);
    serialPort().setPortOpen(true);
    line.pending = "17\r\nDI2\r\n";
    LeesIngangen();
    QCOMPARE(state().Ingangen, 99);
    line.pending = "DI2\r\n";
    LeesIngangen();
    QCOMPARE(state().Ingangen, 2);
  }

  void closedOrVanishedPortSendsNothing_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("vanished");
    QTest::newRow("iCP12 closed") << 2 << false;
    QTest::newRow("Arduino closed") << 3 << false;
    QTest::newRow("iCP12 unplugged") << 2 << true;
    QTest::newRow("Arduino unplugged") << 3 << true;
  }
  void closedOrVanishedPortSendsNothing() {
    QFETCH(int, kind);
    QFETCH(bool, vanished);
    state().InterfaceSoort = static_cast<std::int16_t>(kind);
    state().Ingangen = 12;
    fake::FakeSerialLine& line = fx.openPort(1);
    line.pending = "DI3DPC00000000";
    if (vanished)
      line.vanished = true;
    else
      serialPort().setPortOpen(false);
    LeesIngangen();
    QCOMPARE(state().Ingangen, 12);
    QVERIFY(line.sends.isEmpty());
    QCOMPARE(fx.fakes.events->calls, 1);
  }

  // A serial driver that counts characters it then does not hand over: neither the poll
  // nor the Arduino search may wait for them forever.
  void driverThatHandsNothingOverDoesNotHang() {
    struct Stuck : SerialDevice {
      bool write(const QByteArray&) override { return true; }
      QByteArray readAll() override { return {}; }
      int bytesAvailable() override { return 3; }
      bool healthy() const override { return true; }
    };
    struct StuckPorts : SerialPorts {
      QString pathOf(int com) override { return com == 1 ? QStringLiteral("/dev/stuck") : QString(); }
      int count() override { return 1; }
      std::unique_ptr<SerialDevice> open(const QString&) override { return std::make_unique<Stuck>(); }
    };
    platform().serialPorts = std::make_unique<StuckPorts>();
    state().InterfaceSoort = SoortArduino;
    state().Ingangen = 12;
    serialPort().CommPort = 1;
    serialPort().setPortOpen(true);
    LeesIngangen();
    QCOMPARE(state().Ingangen, 12);
    ZoekArduino();
    QCOMPARE(int(state().ComPoort), 0);
  }

  void val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "17" << 17.0;
    QTest::newRow("stops at CR") << "1\r7" << 1.0;
    QTest::newRow("blanks tabs line feeds inside") << " 1\t\n7" << 17.0;
    QTest::newRow("sign") << "+4" << 4.0;
    QTest::newRow("minus") << "-12x" << -12.0;
    QTest::newRow("fraction") << ".5" << 0.5;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("D exponent") << "2D1" << 20.0;
    QTest::newRow("dangling exponent") << "3e" << 3.0;
    QTest::newRow("hex") << "&H1f" << 31.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("sign alone") << "-x" << 0.0;
    QTest::newRow("fifteen digits") << "123456789012345" << 123456789012345.0;
    QTest::newRow("sixteen digits") << "-1234567890123456789" << -1234567890123456789.0;
    QTest::newRow("a board's reply") << "23\r\n" << 23.0;
  }
  void val() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Val(text), value);
  }
};

QTEST_GUILESS_MAIN(TestInputs)
#include "tst_iface_inputs.moc"

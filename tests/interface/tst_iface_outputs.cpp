// The exact effects of writing the outputs and of the running lights on every kind of
// interface, straight and inverted, with the 50 ms steps taken from the clock.
#include <QTest>

#include "driver_fixture.h"

using namespace kwil;

namespace {

enum Light { Up, Down };

// One running light: for each step the lines of `perStep` (separated by "|", %1 = the step's
// value) followed by the 50 ms pause, then the restore lines.
QStringList light(const QList<int>& values, const QString& perStep, const QStringList& restore = {}) {
  QStringList lines;
  for (int v : values) {
    if (!perStep.isEmpty()) lines += perStep.arg(v).split(u'|');
    lines << QStringLiteral("sleep 50");
  }
  return lines + restore;
}

QStringList sends(const QString& commands) {
  QStringList lines;
  for (const QString& c : commands.split(u' ')) lines << QStringLiteral("send ") + c;
  return lines;
}

const QList<int> kUp{1, 2, 4, 8, 16, 32, 64, 128};
const QList<int> kDown{128, 64, 32, 16, 8, 4, 2, 1};

}  // namespace

class TestOutputs : public QObject {
  Q_OBJECT
  test::DriverFixture fx;

  void prepare(int kind, bool inverted, int cards, bool portOpen) {
    fx.reset();
    state().InterfaceSoort = static_cast<std::int16_t>(kind);
    state().UitgangenInverteren = inverted;
    state().VellemanKaarten = cards;
    fx.fillICP12Commands();
    if (portOpen) fx.openPort(1);
    fx.hw->log.clear();
  }

 private Q_SLOTS:
  void schrijfUitgangen_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<int>("cards");
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("parallel 5") << 0 << false << 0 << false << 5 << QStringList{"Out32 888 5"};
    QTest::newRow("parallel 0 inverted") << 0 << true << 0 << false << 0 << QStringList{"Out32 888 255"};
    QTest::newRow("parallel 5 inverted") << 0 << true << 0 << false << 5 << QStringList{"Out32 888 250"};
    QTest::newRow("two cards, card 0 first")
        << 1 << false << 5 << false << 5
        << QStringList{"SetCurrentDevice 0", "WriteAllDigital 5", "SetCurrentDevice 2", "WriteAllDigital 5"};
    QTest::newRow("card 1 inverted reverses bits")
        << 1 << true << 1 << false << 1 << QStringList{"SetCurrentDevice 0", "WriteAllDigital 128"};
    QTest::newRow("card 3 inverted 6")
        << 1 << true << 8 << false << 6 << QStringList{"SetCurrentDevice 3", "WriteAllDigital 96"};
    QTest::newRow("four cards 0 inverted")
        << 1 << true << 15 << false << 0
        << QStringList{"SetCurrentDevice 0", "WriteAllDigital 0", "SetCurrentDevice 1", "WriteAllDigital 0",
                       "SetCurrentDevice 2", "WriteAllDigital 0", "SetCurrentDevice 3", "WriteAllDigital 0"};
    QTest::newRow("no card") << 1 << false << 0 << true << 7 << QStringList{};
    QTest::newRow("iCP12 5") << 2 << false << 0 << true << 5
                             << sends("(RA01) (RA10) (RA21) (RA30) (RA50) (RB00) (RB10) (RB20)");
    QTest::newRow("iCP12 5 inverted")
        << 2 << true << 0 << true << 5 << sends("(RA00) (RA11) (RA20) (RA31) (RA51) (RB01) (RB11) (RB21)");
    QTest::newRow("iCP12 0 inverted")
        << 2 << true << 0 << true << 0 << sends("(RA01) (RA11) (RA21) (RA31) (RA51) (RB01) (RB11) (RB21)");
    QTest::newRow("iCP12 160") << 2 << false << 0 << true << 160
                               << sends("(RA00) (RA10) (RA20) (RA30) (RA50) (RB01) (RB10) (RB21)");
    QTest::newRow("iCP12 port closed") << 2 << false << 0 << false << 5 << QStringList{};
    QTest::newRow("Arduino 1") << 3 << false << 0 << true << 1 << sends("1/1/");
    QTest::newRow("Arduino 1 inverted") << 3 << true << 0 << true << 1 << sends("1/128/");
    QTest::newRow("Arduino 0 inverted") << 3 << true << 0 << true << 0 << sends("1/0/");
    QTest::newRow("Arduino 15 inverted") << 3 << true << 0 << true << 15 << sends("1/240/");
    QTest::newRow("Arduino 200") << 3 << false << 0 << true << 200 << sends("1/200/");
    QTest::newRow("Arduino port closed") << 3 << false << 0 << false << 1 << QStringList{};
    QTest::newRow("Velleman sends nothing to an open port")
        << 1 << false << 1 << true << 3 << QStringList{"SetCurrentDevice 0", "WriteAllDigital 3"};
    QTest::newRow("unknown kind") << 4 << false << 15 << true << 3 << QStringList{};
  }
  void schrijfUitgangen() {
    QFETCH(int, kind);
    QFETCH(bool, inverted);
    QFETCH(int, cards);
    QFETCH(bool, portOpen);
    QFETCH(int, value);
    QFETCH(QStringList, expected);
    prepare(kind, inverted, cards, portOpen);
    SchrijfUitgangen(value);
    QCOMPARE(fx.hw->log, expected);
    QCOMPARE(state().Uitgangen, value);
  }

  void looplicht_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<int>("cards");
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("uitgangen");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("parallel up") << 0 << false << 0 << false << int(Up) << 129
                                 << light(kUp, "Out32 888 %1", {"Out32 888 129"});
    QTest::newRow("parallel up inverted")
        << 0 << true << 0 << false << int(Up) << 3
        << light({254, 253, 251, 247, 239, 223, 191, 127}, "Out32 888 %1", {"Out32 888 252"});
    QTest::newRow("parallel down") << 0 << false << 0 << false << int(Down) << 0
                                   << light(kDown, "Out32 888 %1", {"Out32 888 0"});
    QTest::newRow("cards up, Arduino port still open")
        << 1 << false << 5 << true << int(Up) << 1
        << light(kUp,
                 "SetCurrentDevice 0|WriteAllDigital %1|SetCurrentDevice 2|WriteAllDigital %1|send 1/%1/",
                 {"SetCurrentDevice 0", "WriteAllDigital 1", "SetCurrentDevice 2", "WriteAllDigital 1"});
    QTest::newRow("cards up inverted complements, restore reverses")
        << 1 << true << 1 << true << int(Up) << 1
        << light({254, 253, 251, 247, 239, 223, 191, 127}, "SetCurrentDevice 0|WriteAllDigital %1|send 1/%1/",
                 {"SetCurrentDevice 0", "WriteAllDigital 128"});
    QTest::newRow("cards down leaves the serial port alone")
        << 1 << false << 2 << true << int(Down) << 0
        << light(kDown, "SetCurrentDevice 1|WriteAllDigital %1", {"SetCurrentDevice 1", "WriteAllDigital 0"});
    QTest::newRow("no card still takes its time")
        << 1 << false << 0 << false << int(Up) << 0 << light(kUp, "");
    QTest::newRow("iCP12 up fills") << 2 << false << 0 << true << int(Up) << 1
                                    << sends("(RA01)") + QStringList{"sleep 50"} + sends("(RA11)") +
                                           QStringList{"sleep 50"} + sends("(RA21)") +
                                           QStringList{"sleep 50"} + sends("(RA31)") +
                                           QStringList{"sleep 50"} + sends("(RA51)") +
                                           QStringList{"sleep 50"} + sends("(RB01)") +
                                           QStringList{"sleep 50"} + sends("(RB11)") +
                                           QStringList{"sleep 50"} + sends("(RB21)") +
                                           QStringList{"sleep 50"} +
                                           sends("(RA01) (RA10) (RA20) (RA30) (RA50) (RB00) (RB10) (RB20)");
    QTest::newRow("iCP12 down inverted clears")
        << 2 << true << 0 << true << int(Down) << 255
        << sends("(RB20)") + QStringList{"sleep 50"} + sends("(RB10)") + QStringList{"sleep 50"} +
               sends("(RB00)") + QStringList{"sleep 50"} + sends("(RA50)") + QStringList{"sleep 50"} +
               sends("(RA30)") + QStringList{"sleep 50"} + sends("(RA20)") + QStringList{"sleep 50"} +
               sends("(RA10)") + QStringList{"sleep 50"} + sends("(RA00)") + QStringList{"sleep 50"} +
               sends("(RA00) (RA10) (RA20) (RA30) (RA50) (RB00) (RB10) (RB20)");
    QTest::newRow("iCP12 closed: no restore either")
        << 2 << false << 0 << false << int(Up) << 5 << light(kUp, "");
    QTest::newRow("Arduino up") << 3 << false << 0 << true << int(Up) << 6
                                << light(kUp, "send 1/%1/", {"send 1/6/"});
    QTest::newRow("Arduino down inverted mirrors")
        << 3 << true << 0 << true << int(Down) << 6 << light(kUp, "send 1/%1/", {"send 1/96/"});
    QTest::newRow("Arduino up inverted")
        << 3 << true << 0 << true << int(Up) << 0 << light(kDown, "send 1/%1/", {"send 1/0/"});
    QTest::newRow("Arduino closed") << 3 << false << 0 << false << int(Down) << 6 << light(kDown, "");
    QTest::newRow("unknown kind") << 9 << false << 15 << true << int(Up) << 6 << light(kUp, "");
  }
  void looplicht() {
    QFETCH(int, kind);
    QFETCH(bool, inverted);
    QFETCH(int, cards);
    QFETCH(bool, portOpen);
    QFETCH(int, direction);
    QFETCH(int, uitgangen);
    QFETCH(QStringList, expected);
    prepare(kind, inverted, cards, portOpen);
    state().Uitgangen = uitgangen;
    direction == Up ? LooplichtOp() : LooplichtNeer();
    QCOMPARE(fx.hw->log, expected);
    QCOMPARE(state().Uitgangen, uitgangen);
    QCOMPARE(fx.fakes.clock->sleeps, QList<int>(8, 50));
  }

  // An unplugged board: writes stop at once, quietly, and the port reads as closed.
  void vanishedBoardIsTreatedAsClosed() {
    prepare(SoortArduino, false, 0, true);
    fake::FakeSerialLine& line = *fx.hw->serial->lines[0];
    SchrijfUitgangen(1);
    line.vanished = true;
    SchrijfUitgangen(2);
    LooplichtOp();
    QCOMPARE(line.sends, QList<QByteArray>{"1/1/"});
    QVERIFY(!serialPort().PortOpen());
    QCOMPARE(state().Uitgangen, 2);
  }
};

QTEST_GUILESS_MAIN(TestOutputs)
#include "tst_iface_outputs.moc"

// The K8055 packets: what goes out to set the outputs and how the inputs come back.
#include <QTest>

#include "platform/real/libusbk8055.h"
#include "platform/real/ppdevparallel.h"

using namespace kwil;

class TestK8055Packets : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void outputPacket_data() {
    QTest::addColumn<int>("digital");
    QTest::addColumn<QByteArray>("packet");
    QTest::newRow("all off") << 0 << QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00", 8);
    QTest::newRow("E1 and E8") << 0x81 << QByteArray("\x05\x81\x00\x00\x00\x00\x00\x00", 8);
    QTest::newRow("only the low byte counts") << 0x1FF << QByteArray("\x05\xff\x00\x00\x00\x00\x00\x00", 8);
  }
  void outputPacket() {
    QFETCH(int, digital);
    QFETCH(QByteArray, packet);
    const K8055Packet p = k8055OutputPacket(digital);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(p.data()), 8), packet);
  }

  void inputPacket_data() {
    QTest::addColumn<int>("byte0");
    QTest::addColumn<int>("inputs");
    QTest::newRow("nothing") << 0x00 << 0;
    QTest::newRow("I1 is bit 4") << 0x10 << 1;
    QTest::newRow("I2 is bit 5") << 0x20 << 2;
    QTest::newRow("I3 is bit 0") << 0x01 << 4;
    QTest::newRow("I4 is bit 6") << 0x40 << 8;
    QTest::newRow("I5 is bit 7") << 0x80 << 16;
    QTest::newRow("all five") << 0xF1 << 31;
    QTest::newRow("other bits ignored") << 0x0E << 0;
  }
  void inputPacket() {
    QFETCH(int, byte0);
    QFETCH(int, inputs);
    K8055Packet p{};
    p[0] = static_cast<std::uint8_t>(byte0);
    p[1] = 0xFF;
    p[2] = 12;
    p[3] = 250;
    QCOMPARE(k8055DigitalInputs(p), inputs);
    QCOMPARE(k8055Analog1(p), 12);
    QCOMPARE(k8055Analog2(p), 250);
  }

  // Without the hardware nothing looks pressed and nothing fails.
  void absentHardwareIsQuiet() {
    PpdevParallelPort parallel("/nonexistent/parport");
    parallel.out32(0x378, 5);
    QCOMPARE(parallel.inp32(0x379), std::int16_t(120));
  }
};

QTEST_GUILESS_MAIN(TestK8055Packets)
#include "tst_iface_k8055.moc"

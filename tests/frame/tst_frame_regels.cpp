// The frame's rules that need no window: the F-key input values, the slide offsets, the
// lists of steps and the page layouts.
#include <QTest>

#include "interface/inputs.h"
#include "lessons/frame/invoer.h"
#include "lessons/frame/lessonconfig.h"
#include "lessons/frame/paginatekst.h"
#include "shared/kwilstate.h"

using namespace kwil;

class FrameRegels : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void fToetsWaarde_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<int>("toetsen");  // bit k-1 = Fk held
    QTest::addColumn<int>("waarde");
    QTest::newRow("parallel, none") << 0 << 0 << 126;
    QTest::newRow("parallel, F1") << 0 << 0b00001 << 118;
    QTest::newRow("parallel, F5") << 0 << 0b10000 << 254;
    QTest::newRow("parallel, F1 F5") << 0 << 0b10001 << 246;
    QTest::newRow("parallel, F1-F4") << 0 << 0b01111 << 6;
    QTest::newRow("K8055, none") << 1 << 0 << 0;
    QTest::newRow("K8055, F5") << 1 << 0b10000 << -16;
    QTest::newRow("iCP12, F1 F5") << 2 << 0b10001 << -15;
    QTest::newRow("Arduino, F1-F4") << 3 << 0b01111 << 15;
    QTest::newRow("Arduino, F2 F3") << 3 << 0b00110 << 6;
  }
  void fToetsWaarde() {
    QFETCH(int, soort);
    QFETCH(int, toetsen);
    QFETCH(int, waarde);
    std::array<bool, 5> held{};
    for (int k = 0; k < 5; ++k) held[k] = toetsen & (1 << k);
    QCOMPARE(ingangenVanFToetsen(soort, held), waarde);
  }

  // Whatever the interface kind, the built value decodes to exactly the keys held.
  void fToetsenDecoderenTerug() {
    for (int soort = 0; soort <= 3; ++soort) {
      for (int toetsen = 0; toetsen < 32; ++toetsen) {
        resetState();
        std::array<bool, 5> held{};
        for (int k = 0; k < 5; ++k) held[k] = toetsen & (1 << k);
        state().InterfaceSoort = static_cast<std::int16_t>(soort);
        state().Ingangen = ingangenVanFToetsen(soort, held);
        ZetIngangen();
        for (int k = 0; k < 5; ++k)
          QVERIFY2(state().Ingang[3 + k] == held[k], qPrintable(QStringLiteral("kind %1 keys %2").arg(soort).arg(toetsen)));
      }
    }
  }

  void schuiven_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<float>("schaalY");
    QTest::addColumn<int>("passen");
    QTest::addColumn<int>("eerste");
    QTest::addColumn<int>("laatste");
    QTest::newRow("out up, 1.25") << int(Schuif::UitOmhoog) << 1.25f << 168 << 0 << 167;
    QTest::newRow("in from below, 1.25") << int(Schuif::InVanOnder) << 1.25f << 168 << -168 << 0;
    QTest::newRow("in from above, 1.25") << int(Schuif::InVanBoven) << 1.25f << 168 << 168 << 0;
    QTest::newRow("out down, 1.25") << int(Schuif::UitOmlaag) << 1.25f << 168 << 0 << -167;
    QTest::newRow("out up, 1.6") << int(Schuif::UitOmhoog) << 1.6f << 215 << 0 << 214;
    QTest::newRow("in from below, 1.6") << int(Schuif::InVanOnder) << 1.6f << 215 << -214 << 0;
    QTest::newRow("in from above, 1.6") << int(Schuif::InVanBoven) << 1.6f << 215 << 214 << 0;
    QTest::newRow("out down, 1.6") << int(Schuif::UitOmlaag) << 1.6f << 215 << 0 << -214;
    QTest::newRow("out up, 1.0") << int(Schuif::UitOmhoog) << 1.0f << 135 << 0 << 134;
  }
  void schuiven() {
    QFETCH(int, soort);
    QFETCH(float, schaalY);
    QFETCH(int, passen);
    QFETCH(int, eerste);
    QFETCH(int, laatste);
    const QList<int> offsets = schuifOffsets(static_cast<Schuif>(soort), schaalY);
    QCOMPARE(offsets.size(), passen);
    QCOMPARE(offsets.front(), eerste);
    QCOMPARE(offsets.back(), laatste);
    // Halves round to the even row, so steps of 0 and 2 alternate, but never against the slide.
    const int richting = eerste < laatste ? 1 : -1;
    for (int i = 1; i < offsets.size(); ++i) QVERIFY((offsets[i] - offsets[i - 1]) * richting >= 0);
  }

  void rondAfNaarEven_data() {
    QTest::addColumn<double>("waarde");
    QTest::addColumn<int>("uit");
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-167.5") << -167.5 << -168;
    QTest::newRow("166.5") << 166.5 << 166;
    QTest::newRow("758.4") << 758.4 << 758;
    QTest::newRow("214.6") << 214.6 << 215;
  }
  void rondAfNaarEven() {
    QFETCH(double, waarde);
    QFETCH(int, uit);
    QCOMPARE(rondAf(waarde), uit);
  }

  void stappenLijst_data() {
    QTest::addColumn<QString>("lijst");
    QTest::addColumn<QList<int>>("stappen");
    QTest::newRow("ranges") << "5, 6, 10-12" << QList<int>{5, 6, 10, 11, 12};
    QTest::newRow("single range") << "2-4" << QList<int>{2, 3, 4};
    QTest::newRow("empty") << "" << QList<int>{};
  }
  void stappenLijst() {
    QFETCH(QString, lijst);
    QFETCH(QList<int>, stappen);
    const std::set<int> uit = kwil::stappen(lijst);
    QCOMPARE(QList<int>(uit.begin(), uit.end()), stappen);
  }
  void stappenLijstFout() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, kwil::stappen(QStringLiteral("5, x")));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, kwil::stappen(QStringLiteral("9-4")));
  }

  void opmaak() {
    using S = Afdruk::Soort;
    const QList<Afdruk> a = leesOpmaak(QStringLiteral("1 +5 T10.2 / 3.T25.4 5;"));
    QCOMPARE(a.size(), 6);
    QCOMPARE(a[0], (Afdruk{S::Regel, 1, 0, 0, 0}));
    QCOMPARE(a[1], (Afdruk{S::Omlaag, 0, 0, 0, 5}));
    QCOMPARE(a[2], (Afdruk{S::Tab, 2, 0, 10, 0}));
    QCOMPARE(a[3], (Afdruk{S::LegeRegel, 0, 0, 0, 0}));
    QCOMPARE(a[4], (Afdruk{S::Paar, 3, 4, 25, 0}));
    QCOMPARE(a[5], (Afdruk{S::ZonderEinde, 5, 0, 0, 0}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, leesOpmaak(QStringLiteral("1 T.2")));
  }
};

QTEST_MAIN(FrameRegels)
#include "tst_frame_regels.moc"

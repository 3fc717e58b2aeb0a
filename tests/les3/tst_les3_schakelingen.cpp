// Every circuit of lesson 3 against its truth table, worked through the interface's push
// buttons and through F1 to F5, with E1 written to the interface; the levels of the wires and
// gates of the drawn circuits; the circuit layer on its own.
#include <QTest>

#include "les3/les3_omgeving.h"

using namespace kwil;


class Les3Schakelingen : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap({}); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  // Every page with a circuit is in the table above, and only those.
  void elkeSchakelingGeteld() {
    for (int stap = 0; stap <= 32; ++stap) QCOMPARE(les3Schakeling(stap) != nullptr, lestest::waarheidstabellen().contains(stap));
  }

  void waarheidstabel_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("metFToetsen");
    for (auto it = lestest::waarheidstabellen().begin(); it != lestest::waarheidstabellen().end(); ++it) {
      QTest::addRow("step %d, interface", it.key()) << it.key() << false;
      QTest::addRow("step %d, F keys", it.key()) << it.key() << true;
    }
  }
  void waarheidstabel() {
    QFETCH(int, stap);
    QFETCH(bool, metFToetsen);
    const QString tabel = lestest::waarheidstabellen().value(stap);
    LogSchak& les = lestest::toonLes3(stap);
    les.SetResetTimer();
    QVERIFY(les.timer().Enabled());
    QCOMPARE(omgeving.uitgangen().value(0), tabel.at(0) == QLatin1Char('1') ? 1 : 0);  // at rest, on arrival
    for (int stand = 1; stand < tabel.size(); ++stand) {
      if (metFToetsen) {
        lestest::drukFToetsen(les, stand);
      } else {
        lestest::houdOpInterface(omgeving, les, stand);
      }
      const int e1 = tabel.at(stand) == QLatin1Char('1') ? 1 : 0;
      const QString waar = QStringLiteral("combination %1").arg(stand);
      const QList<int> geschreven = omgeving.uitgangen();  // the keys go down one by one
      QVERIFY2(!geschreven.isEmpty() && geschreven.last() == e1, qPrintable(waar));
      QVERIFY2(les.schema().ledAan == bool(e1), qPrintable(waar));
      QVERIFY2(state().Uitgangen == e1, qPrintable(waar));
      if (metFToetsen) lestest::laatFToetsenLos(les, stand);
      else lestest::houdOpInterface(omgeving, les, 0);
    }
    QVERIFY(les.allesGeprobeerd(stap));
  }

  // (s1 EN s2) OF s3: each wire carries the level of what drives it.
  void dradenVanEenSchakeling_data() {
    QTest::addColumn<int>("stand");
    QTest::addColumn<QList<bool>>("niveaus");  // s1>EN1 s2>EN1 EN1>OF1 s3>OF1 OF1>E1
    using L = QList<bool>;
    QTest::newRow("none") << 0 << L{false, false, false, false, false};
    QTest::newRow("s1") << 1 << L{true, false, false, false, false};
    QTest::newRow("s1 s2") << 3 << L{true, true, true, false, true};
    QTest::newRow("s3") << 4 << L{false, false, false, true, true};
    QTest::newRow("s2 s3") << 6 << L{false, true, false, true, true};
    QTest::newRow("all") << 7 << L{true, true, true, true, true};
  }
  void dradenVanEenSchakeling() {
    QFETCH(int, stand);
    QFETCH(QList<bool>, niveaus);
    LogSchak& les = lestest::toonLes3(14);
    lestest::drukFToetsen(les, stand);
    const PoortSchema& s = les.schema();
    const QList<bool> gezien = {s.niveau("s1", "EN1"), s.niveau("s2", "EN1"), s.niveau("EN1", "OF1"),
                                s.niveau("s3", "OF1"), s.niveau("OF1", "E1")};
    QCOMPARE(gezien, niveaus);
    QCOMPARE(s.poort("EN1").waarde, niveaus[2]);
    QCOMPARE(s.poort("OF1").waarde, niveaus[4]);
    for (const IngangsRail& r : s.rails) QCOMPARE(r.niveau, bool(stand & (1 << (r.knop - 1))));
    QCOMPARE(s.draden.size(), 5);
  }

  // How an expression becomes gates: a NIET after EN or OF is a circle unless it stands alone.
  void poorten_data() {
    QTest::addColumn<QString>("formule");
    QTest::addColumn<bool>("losseNiet");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QStringList>("draden");  // "van>naar" in reading order
    QTest::newRow("EN") << "s1 EN s2" << false << QStringList{"EN1"} << QStringList{"s1>EN1", "s2>EN1", "EN1>E1"};
    QTest::newRow("NEN") << "NIET (s1 EN s2)" << false << QStringList{"NEN1"}
                         << QStringList{"s1>NEN1", "s2>NEN1", "NEN1>E1"};
    QTest::newRow("EN then NIET") << "NIET (s1 EN s2)" << true << QStringList{"NIET1", "EN1"}
                                  << QStringList{"s1>EN1", "s2>EN1", "EN1>NIET1", "NIET1>E1"};
    QTest::newRow("NOF") << "NIET (s1 OF s2)" << false << QStringList{"NOF1"}
                         << QStringList{"s1>NOF1", "s2>NOF1", "NOF1>E1"};
    QTest::newRow("NIET on an input") << "NIET s1 EN s2" << false << QStringList{"EN1", "NIET1"}
                                      << QStringList{"s1>NIET1", "NIET1>EN1", "s2>EN1", "EN1>E1"};
    QTest::newRow("three inputs") << "s1 OF s2 OF s3" << false << QStringList{"OF1"}
                                  << QStringList{"s1>OF1", "s2>OF1", "s3>OF1", "OF1>E1"};
    QTest::newRow("stairwell") << "(s1 EN NIET s2) OF (NIET s1 EN s2)" << false
                               << QStringList{"OF1", "EN1", "NIET1", "EN2", "NIET2"}
                               << QStringList{"s2>NIET1", "s1>EN1", "NIET1>EN1", "s1>NIET2", "NIET2>EN2", "s2>EN2",
                                              "EN1>OF1", "EN2>OF1", "OF1>E1"};
  }
  void poorten() {
    QFETCH(QString, formule);
    QFETCH(bool, losseNiet);
    QFETCH(QStringList, namen);
    QFETCH(QStringList, draden);
    QString fout;
    const auto e = SchakelExpressie::lees(formule, fout);
    QVERIFY2(e, qPrintable(fout));
    const PoortSchema s = legSchemaUit(*e, {}, {losseNiet, false});
    QStringList gezien;
    for (const PoortVak& p : s.poorten) gezien.append(p.naam);
    QCOMPARE(gezien, namen);
    QStringList verbonden;
    for (const Draad& d : s.draden) verbonden.append(d.van + ">" + d.naar);
    QCOMPARE(verbonden, draden);
    // Every gate lies inside the drawing, clear of the rails, and left of the LED.
    const QRectF vlak(QPointF(0, 0), s.grootte);
    for (const PoortVak& p : s.poorten) {
      QVERIFY(vlak.contains(p.rand));
      // Every wire into the gate arrives level with the input it drives.
      for (const Draad& d : s.draden)
        if (d.naar == p.naam) QVERIFY(d.punten.front().y() == d.punten.back().y() && p.rand.contains(d.punten.back()));
      QVERIFY(p.rand.left() > s.rails.back().x);
      QVERIFY(p.rand.right() < s.led.x());
    }
    QCOMPARE(s.rails.size(), e->hoogsteKnop());
  }

  // The gate with the question mark still works; only its sign is hidden.
  void onbekendePoort() {
    LogSchak& les = lestest::toonLes3(17);
    QVERIFY(les.schema().poort("NOF1").verborgen);
    QVERIFY(les.schema().ledAan);
    lestest::drukFToetsen(les, 2);
    QVERIFY(!les.schema().ledAan);
    QVERIFY(!les.schema().poort("NOF1").waarde);
  }

  // Every circuit of the lesson reads and draws at the sizes the window asks for.
  void allesTekenbaar() {
    for (int stap : lestest::waarheidstabellen().keys()) {
      QString fout;
      const auto e = SchakelExpressie::lees(les3Schakeling(stap)->formule, fout);
      QVERIFY2(e, qPrintable(fout));
      const QImage beeld = tekenSchema(legSchemaUit(*e, {}), 2);
      QVERIFY(!beeld.isNull());
      QVERIFY(beeld.width() <= 1000 && beeld.height() <= 600);
    }
    // The gate table's header cells are the pale yellow of every table header (&HC0FFFF).
    QCOMPARE(tekenPoortenTabel(1).pixelColor(13, 13), QColor(0xFF, 0xFF, 0xC0));
  }
};

QTEST_MAIN(Les3Schakelingen)
#include "tst_les3_schakelingen.moc"

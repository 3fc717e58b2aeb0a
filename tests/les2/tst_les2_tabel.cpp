// The rules of lesson 2's tables without a window: the order of the rows, the outputs of its
// circuits against their formulas, the picture names, and what counts as a full table.
#include <QTest>
#include <algorithm>
#include <functional>

#include "lessons/les2/les2schakelingen.h"
#include "lessons/les2/les2teksten.h"
#include "lessons/les2/waarheidstabel.h"

using namespace kwil;

namespace {
using Formule = std::function<bool(bool, bool, bool)>;
}

Q_DECLARE_METATYPE(Schakeling)
Q_DECLARE_METATYPE(Formule)

class Les2Tabel : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void rijVolgorde_data() {
    QTest::addColumn<int>("schakelaars");
    QTest::addColumn<bool>("s1");
    QTest::addColumn<bool>("s2");
    QTest::addColumn<bool>("s3");
    QTest::addColumn<int>("rij");
    QTest::newRow("one switch at rest") << 1 << false << false << false << 0;
    QTest::newRow("one switch operated") << 1 << true << false << false << 1;
    QTest::newRow("one switch: s2 and s3 ignored") << 1 << false << true << true << 0;
    QTest::newRow("two: 01 is s2") << 2 << false << true << false << 1;
    QTest::newRow("two: 10 is s1") << 2 << true << false << false << 2;
    QTest::newRow("two: 11") << 2 << true << true << false << 3;
    QTest::newRow("two: s3 ignored") << 2 << true << false << true << 2;
    QTest::newRow("three: 001 is s3") << 3 << false << false << true << 1;
    QTest::newRow("three: 100 is s1") << 3 << true << false << false << 4;
    QTest::newRow("three: 110") << 3 << true << true << false << 6;
    QTest::newRow("three: 111") << 3 << true << true << true << 7;
  }
  void rijVolgorde() {
    QFETCH(int, schakelaars);
    QFETCH(bool, s1);
    QFETCH(bool, s2);
    QFETCH(bool, s3);
    QFETCH(int, rij);
    QCOMPARE(rijVan(schakelaars, s1, s2, s3), rij);
    // The switch columns of that row say the same position back.
    const bool gehouden[] = {s1, s2, s3};
    for (int k = 1; k <= schakelaars; ++k) QCOMPARE(bediendInRij(schakelaars, rij, k), gehouden[k - 1]);
  }

  // Each circuit's output column against its formula, over every position of s1 to s3.
  void uitgangVolgtFormule_data() {
    QTest::addColumn<Schakeling>("schakeling");
    QTest::addColumn<Formule>("formule");
    using S = Schakeling;
    QTest::newRow("WEL") << S::Wel << Formule([](bool a, bool, bool) { return a; });
    QTest::newRow("NIET") << S::Niet << Formule([](bool a, bool, bool) { return !a; });
    QTest::newRow("EN") << S::En << Formule([](bool a, bool b, bool) { return a && b; });
    QTest::newRow("OF") << S::Of << Formule([](bool a, bool b, bool) { return a || b; });
    QTest::newRow("EN 3") << S::En3 << Formule([](bool a, bool b, bool c) { return a && b && c; });
    QTest::newRow("OF 3") << S::Of3 << Formule([](bool a, bool b, bool c) { return a || b || c; });
    QTest::newRow("(s1 EN s2) OF s3") << S::EnOf << Formule([](bool a, bool b, bool c) { return (a && b) || c; });
    QTest::newRow("s1 EN NIET s2") << S::EnNiet << Formule([](bool a, bool b, bool) { return a && !b; });
    QTest::newRow("OF, three branches") << S::OfAnders << Formule([](bool a, bool b, bool) { return a || b || (a && b); });
    QTest::newRow("NIET s1 EN NIET s2") << S::NietNiet << Formule([](bool a, bool b, bool) { return !a && !b; });
    QTest::newRow("alarm") << S::Alarm << Formule([](bool a, bool b, bool c) { return a && (b || c); });
    QTest::newRow("press") << S::Pers << Formule([](bool a, bool b, bool c) { return a && b && !c; });
  }
  void uitgangVolgtFormule() {
    QFETCH(Schakeling, schakeling);
    QFETCH(Formule, formule);
    const int n = gegevens(schakeling).schakelaars;
    QCOMPARE(int(qstrlen(gegevens(schakeling).uitgang)), aantalRijen(n));
    for (int stand = 0; stand < 8; ++stand) {
      const bool a = stand & 4, b = stand & 2, c = stand & 1;
      // Switches the circuit does not have must not matter.
      const bool verwacht = formule(a, n >= 2 && b, n >= 3 && c);
      QVERIFY2(uitgangInRij(schakeling, rijVan(n, a, b, c)) == verwacht, qPrintable(QString::number(stand)));
    }
    QVERIFY(!uitgangInRij(schakeling, -1));
    QVERIFY(!uitgangInRij(schakeling, aantalRijen(n)));
  }

  void plaatjesNamen_data() {
    QTest::addColumn<Schakeling>("schakeling");
    QTest::addColumn<int>("rij");
    QTest::addColumn<QString>("naam");
    QTest::newRow("one switch at rest") << Schakeling::Wel << 0 << "ImgTabelWelOnbediend.bmp";
    QTest::newRow("one switch operated") << Schakeling::Niet << 1 << "ImgTabelNietBediend.bmp";
    QTest::newRow("s2") << Schakeling::En << 1 << "ImgTabelEnS2Bediend.bmp";
    QTest::newRow("s1 and s2") << Schakeling::Of << 3 << "ImgTabelOfS1S2Bediend.bmp";
    QTest::newRow("s1 and s3") << Schakeling::Alarm << 5 << "ImgTabelAlarmS1S3Bediend.bmp";
    QTest::newRow("all three") << Schakeling::Pers << 7 << "ImgTabelPersS1S2S3Bediend.bmp";
  }
  void plaatjesNamen() {
    QFETCH(Schakeling, schakeling);
    QFETCH(int, rij);
    QFETCH(QString, naam);
    QCOMPARE(plaatjeInRij(schakeling, rij), naam);
  }

  void voortgang_data() {
    QTest::addColumn<int>("rijen");
    QTest::addColumn<QList<int>>("gezien");
    QTest::addColumn<bool>("vol");
    QTest::newRow("nothing seen") << 4 << QList<int>{} << false;
    QTest::newRow("one row twice") << 2 << QList<int>{1, 1} << false;
    QTest::newRow("both rows") << 2 << QList<int>{1, 0} << true;
    QTest::newRow("three of four, one twice") << 4 << QList<int>{0, 3, 0, 2} << false;
    QTest::newRow("all eight in any order") << 8 << QList<int>{7, 0, 3, 5, 1, 6, 2, 4} << true;
    QTest::newRow("rows outside the table do not count") << 2 << QList<int>{0, 2, 3, -1} << false;
  }
  void voortgang() {
    QFETCH(int, rijen);
    QFETCH(QList<int>, gezien);
    QFETCH(bool, vol);
    TabelVoortgang t(rijen);
    for (int rij : gezien) t.zie(rij);
    QCOMPARE(t.vol(), vol);
    for (int rij = 0; rij < rijen; ++rij) QCOMPARE(t.gezien(rij), gezien.contains(rij));
    QVERIFY(!t.gezien(rijen));
  }

  void voorspellen() {
    TabelVoortgang t(4);
    QCOMPARE(t.voorspelling(0), -1);
    QVERIFY(!t.allesVoorspeld());
    const QList<int> na = {0, 1, 0, 1};  // a cell goes empty, 0, 1, 0, 1 ...
    for (int klik = 0; klik < na.size(); ++klik) {
      t.voorspel(2);
      QCOMPARE(t.voorspelling(2), na[klik]);
    }
    t.voorspel(4);  // outside the table: ignored
    t.voorspel(-1);
    QCOMPARE(t.voorspelling(4), -1);
    for (int rij : {0, 1}) t.voorspel(rij);
    QVERIFY(!t.allesVoorspeld());
    t.voorspel(3);
    QVERIFY(t.allesVoorspeld());
  }

  // Each page prints every line it stores, once, and no line it does not have; the help and
  // the narration see the same lines.
  void paginaTekstenKloppen_data() {
    QTest::addColumn<int>("stap");
    for (int stap = 1; stap <= kLes2Paginas; ++stap) QTest::addRow("step %d", stap) << stap;
  }
  void paginaTekstenKloppen() {
    QFETCH(int, stap);
    const PaginaTekst p = les2Pagina(stap);
    QList<int> gedrukt;
    for (const Afdruk& a : p.afdruk) {
      if (a.soort == Afdruk::Soort::LegeRegel || a.soort == Afdruk::Soort::Omlaag) continue;
      gedrukt.append(a.zin);
      if (a.soort == Afdruk::Soort::Paar) gedrukt.append(a.tweede);
    }
    std::sort(gedrukt.begin(), gedrukt.end());
    QList<int> alle;
    for (int i = 1; i <= p.zinnen.size(); ++i) alle.append(i);
    QCOMPARE(gedrukt, alle);
    QVERIFY(p.zinnen.size() <= 15);  // the page builder empties lines 1 to 15 only
    for (const QString& zin : p.zinnen) QVERIFY2(!zin.trimmed().isEmpty(), qPrintable(QString::number(stap)));
    QVERIFY(!les2HelpTekst(stap).isEmpty());
  }

  // The pages where the switches fill a table are exactly the steps with polling and F-keys.
  void tabelPaginasZijnDeTimerStappen() {
    const LessonConfig c = waarheidstabelConfig();
    std::set<int> interactief;
    for (int stap = 0; stap <= kLes2Paginas + 1; ++stap) {
      const Weergave w = tabelOpPagina(stap).weergave;
      if (w == Weergave::Invullen || w == Weergave::Raden || w == Weergave::Voorspellen) interactief.insert(stap);
    }
    QCOMPARE(interactief, c.timerStappen);
    QCOMPARE(c.fToetsStappen, c.timerStappen);
    QCOMPARE(c.timerStappen, (std::set<int>{7, 8, 9, 10, 11, 12, 14, 15, 17, 18, 20, 21, 23, 25}));
    QCOMPARE(c.aantalPaginas, 29);
    QCOMPARE(c.overdrachtStap, 30);
    QCOMPARE(c.lesNummer, 2);
    QCOMPARE(c.leesVoorKnop, 13);
    QCOMPARE(c.paginaVak, 3);
    QCOMPARE(c.voettekstPaneel, 130);
    QCOMPARE(c.statusPaneel, 129);
    QCOMPARE(c.formGeschaald, 4);
    QVERIFY(c.weigert640);
    QCOMPARE(c.randFactor, BorderBySchaalY);
    QVERIFY(c.kopieerBijIndrukken);
    QVERIFY(!c.alleZinnenLeeg);
    // A circuit to name must have a name among the buttons.
    for (int stap : interactief)
      if (tabelOpPagina(stap).weergave == Weergave::Raden)
        QVERIFY(QStringList({"WEL", "NIET", "EN", "OF"}).contains(gegevens(tabelOpPagina(stap).schakeling).naam));
  }
};

QTEST_MAIN(Les2Tabel)
#include "tst_les2_tabel.moc"

// Every page of lesson 2 built on arrival from the page before and from the page after: the
// grid with its header and output column, the circuit or the unknown circuit's question, the
// output E1, the stored lines and the footer.
#include <QTest>

#include "les2/les2_omgeving.h"

using namespace kwil;

class Les2Paginas : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  static QString koppen(Waarheidstabel& les) {
    QStringList kop;
    for (int kolom = 1; kolom <= 4; ++kolom)
      if (les.cel(0, kolom).Visible()) kop.append(les.cel(0, kolom).Caption());
    return kop.join(' ');
  }
  static int zichtbareRijen(Waarheidstabel& les) {
    int n = 0;
    for (int rij = 1; rij <= 8; ++rij) n += les.cel(rij, 1).Visible() ? 1 : 0;
    return n;
  }
  static int gevuldeZinnen() {
    int n = 0;
    for (int i = 1; i <= 25; ++i) n += state().Zin[i].isEmpty() ? 0 : 1;
    return n;
  }

 private Q_SLOTS:
  void initTestCase() { lestest::maakLes2Map(omgeving); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void aankomst_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("vanaf");  // the neighbour the page is entered from
    QTest::addColumn<QString>("kop");      // "" = no grid
    QTest::addColumn<QString>("kolom");    // the output column as it is entered
    QTest::addColumn<QString>("plaatje");  // "" = no circuit shown
    QTest::addColumn<bool>("raadsel");     // the unknown circuit's question shown
    QTest::addColumn<int>("uit");
    QTest::addColumn<int>("zinnen");
    QTest::addColumn<QString>("eerste");
    struct Rij {
      int stap;
      const char *kop, *kolom, *plaatje;
      bool raadsel;
      int uit, zinnen;
      const char* eerste;
    };
    const Rij rijen[] = {
        {1, "", "", "", false, 0, 5, "In deze les wordt het volgende besproken..."},
        {2, "s1 E1", "01", "ImgTabelWelOnbediend.bmp", false, 0, 4,
         "Hierboven zie je de WEL schakeling uit les 1 met haar waarheidstabel."},
        {3, "s1 E1", "01", "ImgTabelWelOnbediend.bmp", false, 0, 7, "In een waarheidstabel schrijven we alleen nullen en enen."},
        {4, "s1 s2 s3 E1", "--------", "", false, 0, 6, "Elke schakelaar heeft 2 standen: 0 en 1."},
        {5, "s1 s2 s3 E1", "--------", "", false, 0, 5, "De regels staan altijd in dezelfde volgorde: je telt."},
        {6, "s1 s2 E1", "----", "", false, 0, 4, "Teken nu in je werkboek een lege waarheidstabel"},
        {7, "s1 E1", "0-", "ImgTabelWelOnbediend.bmp", false, 0, 4, "Hierboven staat de WEL schakeling met s1 en Led E1."},
        {8, "s1 E1", "1-", "ImgTabelNietOnbediend.bmp", false, 1, 3, "Dit is de NIET schakeling: s1 is een verbreekcontact."},
        {9, "s1 s2 E1", "0---", "ImgTabelEnOnbediend.bmp", false, 0, 3, "Nu de EN schakeling: s1 en s2 staan in serie."},
        {10, "s1 s2 E1", "0---", "ImgTabelOfOnbediend.bmp", false, 0, 3, "De OF schakeling: s1 en s2 staan parallel."},
        {11, "s1 s2 s3 E1", "0-------", "ImgTabelEn3Onbediend.bmp", false, 0, 4, "Een EN schakeling kan ook 3 schakelaars hebben."},
        {12, "s1 s2 s3 E1", "0-------", "ImgTabelOf3Onbediend.bmp", false, 0, 3, "Zo ziet een OF schakeling met 3 schakelaars eruit."},
        {13, "s1 s2 E1", "0001", "ImgTabelEnOnbediend.bmp", false, 0, 5, "Een tabel lezen: wanneer is de uitgang 1?"},
        {14, "s1 s2 s3 E1", "0-------", "ImgTabelEnOfOnbediend.bmp", false, 0, 4, "Schakelingen kun je ook combineren."},
        {15, "s1 s2 E1", "0---", "ImgTabelEnNietOnbediend.bmp", false, 0, 4, "Nog een combinatie: s1 EN NIET s2."},
        {16, "s1 s2 E1", "0010", "ImgTabelEnNietOnbediend.bmp", false, 0, 4, "Bij s1 EN NIET s2 is E1 maar in 1 regel 1:"},
        {17, "s1 s2 E1", "0---", "", true, 0, 4, "Op de interface zit nu een onbekende schakeling."},
        {18, "s1 s2 E1", "0---", "ImgTabelOfAndersOnbediend.bmp", false, 0, 4, "Deze schakeling heeft 3 takken naast elkaar:"},
        {19, "s1 s2 E1", "0111", "ImgTabelOfAndersOnbediend.bmp", false, 0, 4,
         "De tabel is precies gelijk aan die van de OF schakeling."},
        {20, "s1 s2 Jij E1", "----", "ImgTabelNietNietStroomloos.bmp", false, 0, 4,
         "Hier staan twee verbreekcontacten in serie."},
        {21, "s1 s2 s3 E1", "0-------", "ImgTabelAlarmOnbediend.bmp", false, 0, 5, "Een alarm in een huis: E1 is de sirene."},
        {22, "s1 s2 s3 E1", "00000111", "ImgTabelAlarmOnbediend.bmp", false, 0, 4, "Wanneer gaat het alarm af?"},
        {23, "s1 s2 s3 E1", "0-------", "ImgTabelPersOnbediend.bmp", false, 0, 5, "Een pers in een fabriek mag alleen werken"},
        {24, "s1 s2 s3 E1", "00000010", "ImgTabelPersOnbediend.bmp", false, 0, 4,
         "Schrijf de waarheidstabel van de pers in je werkboek."},
        {25, "s1 s2 E1", "0---", "", true, 0, 3, "Nog een onbekende schakeling op de interface."},
        {26, "", "", "", false, 0, 5, "Overzicht... (1 van 2.)"},
        {27, "", "", "", false, 0, 5, "Overzicht... (2 van 2.)"},
        {28, "", "", "", false, 0, 3, "Vul in je werkboek de waarheidstabellen in"},
        {29, "", "", "", false, 0, 5, "Les 2 is nu klaar."},
    };
    for (const Rij& r : rijen) {
      for (int vanaf : {r.stap - 1, r.stap + 1}) {
        if (vanaf < 1 || vanaf > kLes2Paginas) continue;
        QTest::addRow("step %d from %d", r.stap, vanaf)
            << r.stap << vanaf << QString::fromUtf8(r.kop) << QString::fromUtf8(r.kolom) << QString::fromUtf8(r.plaatje)
            << r.raadsel << r.uit << r.zinnen << QString::fromUtf8(r.eerste);
      }
    }
  }
  void aankomst() {
    QFETCH(int, stap);
    QFETCH(int, vanaf);
    QFETCH(QString, kop);
    QFETCH(QString, kolom);
    QFETCH(QString, plaatje);
    QFETCH(bool, raadsel);
    QFETCH(int, uit);
    QFETCH(int, zinnen);
    QFETCH(QString, eerste);
    // The pupil walks there from the first or the last page, as Verder and Terug build.
    Waarheidstabel& les = lestest::toonLes2(vanaf < stap ? 1 : kLes2Paginas);
    const int richting = vanaf < stap ? 1 : -1;
    for (int s = state().Stap; s != stap;) {
      s += richting;
      state().Stap = static_cast<std::int16_t>(s);
      les.Plaatstekst();
    }
    QCOMPARE(state().VorigeStap, stap);
    const bool tabel = !kop.isEmpty();
    QCOMPARE(les.panelen()(Waarheidstabel::kTabelPaneel).Visible(), tabel);
    if (tabel) {
      QCOMPARE(koppen(les), kop);
      QCOMPARE(zichtbareRijen(les), kolom.size());
      QCOMPARE(lestest::uitgangKolom(les), kolom);
    }
    QCOMPARE(les.panelen()(Waarheidstabel::kPlaatjePaneel).Visible(), !plaatje.isEmpty());
    if (!plaatje.isEmpty()) QCOMPARE(les.plaatjeIn(2), plaatje);
    QCOMPARE(les.panelen()(Waarheidstabel::kRaadPaneel).Visible(), raadsel);
    QCOMPARE(int(state().Uitgangen), uit);
    QCOMPARE(gevuldeZinnen(), zinnen);
    QCOMPARE(state().Zin[1], eerste);
    QCOMPARE(les.panelen()(130).Caption(), QStringLiteral("Les 2 stap %1 van 29").arg(stap));
  }

  // A table page keeps what was tried when the pupil comes back to it from either side.
  void terugNaarEenHalfVolleTabel() {
    Waarheidstabel& les = lestest::toonLes2(10);
    state().ToetsEmulatie = true;
    state().Ingangen = static_cast<std::int16_t>(ingangenVanFToetsen(state().InterfaceSoort, {false, true, false, false, false}));
    les.TijdInterval_Timer();
    state().ToetsEmulatie = false;
    state().Ingangen = 0;
    les.TijdInterval_Timer();
    for (int buur : {9, 11}) {
      state().Stap = static_cast<std::int16_t>(buur);
      les.Plaatstekst();
      state().Stap = 10;
      les.Plaatstekst();
      QCOMPARE(lestest::uitgangKolom(les), QStringLiteral("01--"));
    }
  }
};

QTEST_MAIN(Les2Paginas)
#include "tst_les2_paginas.moc"

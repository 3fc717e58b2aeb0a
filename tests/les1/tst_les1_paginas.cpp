// Every page of lesson 1 built on arrival from the page before and from the page after:
// frames shown, pictures loaded, lines stored, outputs written, the workbook clock, the footer.
#include <QTest>

#include "les1/les1_omgeving.h"
#include "lessons/les1/les1teksten.h"

using namespace kwil;

class Les1Paginas : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  // Walks page by page from `van` to `naar` (builds only, as Verder and Terug build).
  NietEnOf& loop(int van, int naar) {
    NietEnOf& les = lestest::toonLes1(van);
    lestest::bouwPaginas(les, van, naar, [this] { omgeving.uitgangen(); });
    return les;
  }
  static int gevuldeZinnen() {
    int n = 0;
    for (int i = 1; i <= 25; ++i) n += state().Zin[i].isEmpty() ? 0 : 1;
    return n;
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les1Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void vooruit_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QList<int>>("lijsten");
    QTest::addColumn<QString>("plaatje2");  // "" = not checked
    QTest::addColumn<QString>("plaatje6");
    QTest::addColumn<QList<int>>("uit");
    QTest::addColumn<int>("zinnen");
    QTest::addColumn<QString>("eerste");
    using L = QList<int>;
    auto rij = [](int stap, L lijsten, const char* p2, const char* p6, L uit, int zinnen, const char* eerste) {
      QTest::addRow("step %d", stap) << stap << lijsten << QString::fromUtf8(p2) << QString::fromUtf8(p6) << uit << zinnen
                                     << QString::fromUtf8(eerste);
    };
    rij(2, {}, "", "", {}, 5, "Een schakeling bestaat uit een aantal onderdelen die met draden");
    rij(3, {14}, "ImgRatelbel.jpg", "", {}, 4, "Hierboven staat een foto van een zogenaamde ratelbel.");
    rij(4, {14, 20}, "ImgRatelbel.jpg", "ImgSymboolBel.bmp", {}, 4, "Hierboven is nu ook het symbool van een bel getekend.");
    rij(5, {4}, "", "", {}, 4, "Bij de voordeur zit meestal een drukknopje waarmee je belt.");
    rij(6, {4, 16}, "", "", {}, 4, "Een drukknop in een schema wordt ook met een symbool getekend.");
    rij(7, {14}, "ImgBeltrafo.jpg", "", {}, 4, "De transformator zorgt voor een veilige spanning.");
    rij(8, {14}, "ImgBeltrafo.jpg", "", {}, 4, "De transformator moet aan de volgende eisen voldoen.");
    rij(9, {14, 20}, "ImgBeltrafo.jpg", "ImgSymboolTrafo.bmp", {}, 5, "Het symbool van de transformator is er naast getekend.");
    rij(10, {14, 23}, "ImgSchemaBelOnbediend.bmp", "", {}, 6, "De symbolen van de:");
    rij(11, {14, 23}, "ImgSchemaBelOnbediend.bmp", "", {}, 5, "Deze schakelaar noemen we een maakcontact.");
    rij(12, {14, 23}, "ImgSymboolNietEnkpOnbediend.bmp", "", {}, 4, "Deze schakelaar noemen we een verbreekcontact.");
    rij(13, {14, 23}, "ImgSchemaBelNietOnbediend.bmp", "", {}, 6, "Ik denk van niet. ");
    rij(14, {14, 23}, "ImgSchemaBelNietOnbediend.bmp", "", {}, 5, "We hebben een enkelpolige schakelaar besproken.");
    rij(15, {14}, "ImgInterfaceGroot.jpg", "", {0}, 3, "Het bovenstaande kastje moet bij jou op de tafel staan.");
    rij(16, {14}, "ImgInterfaceGroot.jpg", "", {}, 5, "Deze interface heeft 8 uitgangen en 5 tot 8 ingangen.");
    rij(17, {14}, "ImgInterfaceGroot.jpg", "", {}, 3, "Dit jaar mag je misschien zelf een interface maken.");
    rij(18, {14, 23, 26}, "ImgSchemaBelOfOnbediend.bmp", "", {}, 6, "Vaak worden 2 of meer schakelaars gebruikt.");
    rij(19, {14, 23, 26}, "ImgSchemaBelOfOnbediend.bmp", "", {}, 4, "Deze schakeling wordt 'OF' genoemd.");
    rij(20, {14, 23, 26}, "ImgSchemaBelEnOnbediend.bmp", "", {}, 3, "De twee schakelaars zijn nu anders aangesloten.");
    rij(21, {14, 23, 26}, "ImgSchemaBelEnOnbediend.bmp", "", {}, 3, "Deze schakeling wordt 'EN' genoemd.");
    rij(22, {20}, "", "ImgLedRood.jpg", {}, 4, "De interface heeft 8 bijzondere dioden.");
    rij(23, {20}, "", "ImgLedRood.jpg", {}, 4, "Het grote voordeel van een Led is dat er weinig stroom nodig is.");
    rij(24, {14, 20}, "ImgLedAnodeKathode.jpg", "ImgLedRood.jpg", {}, 4, "In de tekening zie je dat er 1 langere aansluiting is.");
    rij(25, {14, 20}, "ImgLedAnodeKathode.jpg", "ImgSchemaLedOnbediend.bmp", {0}, 4, "In het schema is een Led aangesloten.");
    rij(26, {20}, "", "ImgSchemaLedsE1E2E3s1s2Onbediend.bmp", {4}, 4, "Bij led's gaan we meestal uit van de stroom. (10 - 20 mA)");
    rij(27, {20}, "", "ImgSchemaLedsE1E2E3s1s2Onbediend.bmp", {}, 3, "Bij Led E2 zijn de anode en kathode omgedraaid.");
    rij(28, {}, "", "", {0}, 6, "Overzicht... (1 van 5.)");
    rij(29, {}, "", "", {}, 4, "Overzicht... (2 van 5.)");
    rij(30, {}, "", "", {}, 3, "Overzicht... (3 van 5.)");
    rij(31, {}, "", "", {}, 3, "Overzicht... (4 van 5.)");
    rij(32, {}, "", "", {}, 8, "Overzicht... (5 van 5.)");
    rij(33, {}, "", "", {0}, 5, "Les 1 is nu klaar.");
  }
  void vooruit() {
    QFETCH(int, stap);
    QFETCH(QList<int>, lijsten);
    QFETCH(QString, plaatje2);
    QFETCH(QString, plaatje6);
    QFETCH(QList<int>, uit);
    QFETCH(int, zinnen);
    QFETCH(QString, eerste);
    state().Voortgang = 0;
    NietEnOf& les = loop(1, stap);
    QCOMPARE(lestest::zichtbareLijsten(les), lijsten);
    if (!plaatje2.isEmpty()) QCOMPARE(les.plaatjeIn(2), plaatje2);
    if (!plaatje6.isEmpty()) QCOMPARE(les.plaatjeIn(6), plaatje6);
    QCOMPARE(omgeving.uitgangen(), uit);
    QCOMPARE(gevuldeZinnen(), zinnen);
    const int eersteZin = state().Zin[1].isEmpty() ? 2 : 1;
    QCOMPARE(state().Zin[eersteZin], eerste);
    QCOMPARE(les.panelen()(28).Caption(), QStringLiteral("Les 1 stap %1 van 33").arg(stap));
    QCOMPARE(state().VorigeStap, stap);
  }

  void achteruit_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QList<int>>("lijsten");
    QTest::addColumn<QString>("plaatje2");
    QTest::addColumn<QString>("plaatje6");
    QTest::addColumn<QList<int>>("uit");
    using L = QList<int>;
    auto rij = [](int stap, L lijsten, const char* p2, const char* p6, L uit) {
      QTest::addRow("step %d", stap) << stap << lijsten << QString::fromUtf8(p2) << QString::fromUtf8(p6) << uit;
    };
    rij(28, {}, "", "", {});
    rij(27, {20}, "", "ImgSchemaLedsE1E2E3s1s2Onbediend.bmp", {4});
    rij(26, {20}, "", "", {4});
    rij(25, {14, 20}, "", "ImgSchemaLedOnbediend.bmp", {0});
    rij(24, {14, 20}, "", "ImgLedRood.jpg", {});
    rij(23, {20}, "", "", {});
    rij(21, {14, 23, 26}, "ImgSchemaBelEnOnbediend.bmp", "", {});
    rij(19, {14, 23, 26}, "ImgSchemaBelOfOnbediend.bmp", "", {});
    rij(17, {14}, "ImgInterfaceGroot.jpg", "", {});
    rij(15, {14}, "ImgInterfaceGroot.jpg", "", {0});
    rij(14, {14, 23}, "ImgSchemaBelNietOnbediend.bmp", "", {});
    rij(12, {14, 23}, "ImgSymboolNietEnkpOnbediend.bmp", "", {});
    rij(11, {14, 23}, "ImgSchemaBelOnbediend.bmp", "", {});
    rij(9, {14, 20}, "ImgBeltrafo.jpg", "ImgSymboolTrafo.bmp", {});
    rij(8, {14}, "", "", {});
    rij(6, {4, 16}, "", "", {});
    rij(5, {4}, "", "", {});
    rij(4, {14, 20}, "ImgRatelbel.jpg", "ImgSymboolBel.bmp", {});
    rij(3, {14}, "", "", {});
    rij(2, {}, "", "", {});
  }
  void achteruit() {
    QFETCH(int, stap);
    QFETCH(QList<int>, lijsten);
    QFETCH(QString, plaatje2);
    QFETCH(QString, plaatje6);
    QFETCH(QList<int>, uit);
    NietEnOf& les = loop(33, stap);
    QCOMPARE(lestest::zichtbareLijsten(les), lijsten);
    if (!plaatje2.isEmpty()) QCOMPARE(les.plaatjeIn(2), plaatje2);
    if (!plaatje6.isEmpty()) QCOMPARE(les.plaatjeIn(6), plaatje6);
    QCOMPARE(omgeving.uitgangen(), uit);
    if (stap == 14) QCOMPARE(les.panelen()(21).Caption(), QStringLiteral("P.Tingel."));
  }

  // The course's own words that a page must carry as they stand, whatever else it says.
  void kernwoorden_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("woord");
    const QList<QPair<int, const char*>> rijen = {
        {1, "Stroomkringschema's"}, {2, "Bel; Drukknop; Transformator of Batterijen en Draden."},
        {2, "schakeling"}, {3, "ratelbel"}, {3, "gelijk- of op wisselspanning"}, {4, "werkboek"},
        {6, "stroom doorlaten"}, {7, "wisselspanning"}, {8, "Kortsluitvast"}, {10, "stroomkringschema"},
        {11, "maakcontact"}, {11, "Bediend en Onbediend"}, {12, "verbreekcontact"},
        {12, "Zou Dhr. Tingel blij zijn met zo'n verbreekcontact?"}, {13, "'NIET'"},
        {14, "enkelpolige schakelaar"}, {14, "ingedrukt"}, {16, "uitgangen"}, {16, "ingangen"},
        {19, "PARALLEL"}, {20, "'s1 EN s2'"}, {21, "SERIE"}, {22, "Light Emitting Diode"},
        {24, "Anode. (Plus)"}, {24, "Kathode. (Min)"}, {26, "weerstand"}, {27, "spert"},
        {33, "Verder"}, {33, "Veel succes met het maken van de toets."}};
    for (const auto& [stap, woord] : rijen) QTest::addRow("%d %s", stap, woord) << stap << QString::fromUtf8(woord);
  }
  void kernwoorden() {
    QFETCH(int, stap);
    QFETCH(QString, woord);
    QVERIFY2(les1Zinnen(stap, {}).join(QLatin1Char(' ')).contains(woord), qPrintable(woord));
  }

  void stap13VanuitStap14() {
    loop(14, 13);
    QVERIFY(state().Zin[1].isEmpty());
    QCOMPARE(state().Zin[2], QStringLiteral("De bel is aan zolang er niemand belt."));
  }

  void stap5SlotregelNaBellen() {
    NietEnOf& les = lestest::toonLes1(5);
    QCOMPARE(state().Zin[4], QStringLiteral("Bedien de bel van Dhr. Vonkel!"));
    state().Voortgang = 1;
    les.Plaatstekst();
    QVERIFY(state().Zin[4].isEmpty());
    QVERIFY(!state().Zin[3].isEmpty());
  }

  void stap15PerInterface_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<bool>("gebruikt");
    QTest::addColumn<QString>("zin1");
    QTest::addColumn<QString>("zin2");
    QTest::addColumn<QString>("foto15");
    QTest::addColumn<QString>("foto17");
    QTest::newRow("parallel, used") << 0 << true << "Je hebt het bovenstaande kastje al gebruikt." << ""
                                    << "ImgInterfaceGroot.jpg" << "ImgInterfaceGroot.jpg";
    QTest::newRow("K8055, not used") << 1 << false << "" << "De bovenstaande print moet bij jou op de tafel liggen."
                                     << "ImgUSBInterfaceGroot.jpg" << "ImgUSBInterfaceGroot.jpg";
    QTest::newRow("iCP12, used") << 2 << true << "Je hebt de USB interface met iCP12 al gebruikt." << ""
                                 << "ImgUSBIcp12Groot.jpg" << "ImgUSBIcp12Groot.jpg";
    QTest::newRow("Arduino, used") << 3 << true << "Je hebt de USB Interface met Arduino al gebruikt." << ""
                                   << "ImgUSBTM1638Groot.jpg" << "ImgUSBArduinoAdaGroot.jpg";
  }
  void stap15PerInterface() {
    QFETCH(int, soort);
    QFETCH(bool, gebruikt);
    QFETCH(QString, zin1);
    QFETCH(QString, zin2);
    QFETCH(QString, foto15);
    QFETCH(QString, foto17);
    state().InterfaceSoort = static_cast<std::int16_t>(soort);
    state().InterfaceGebruikt = gebruikt;
    NietEnOf& les = loop(14, 15);
    QCOMPARE(state().Zin[1], zin1);
    QCOMPARE(state().Zin[2], zin2);
    QCOMPARE(state().Zin[3], QStringLiteral("We noemen dit een interface."));
    QCOMPARE(les.plaatjeIn(2), foto15);
    state().Stap = 16;
    les.Plaatstekst();
    state().Stap = 17;
    les.Plaatstekst();
    QCOMPARE(les.plaatjeIn(2), foto17);
    // A photo that is not in the folder still leaves its frame shown, with an empty picture.
    QVERIFY(les.panelen()(14).Visible());
    QVERIFY(les.plaatjes()(2).Width() > 0);
  }

  void kleinScherm() {
    omgeving.basis.screen->size = QSize(800, 600);  // Panel(2) at 400: the small photo
    NietEnOf& les = loop(14, 15);
    QCOMPARE(les.plaatjeIn(2), QStringLiteral("ImgInterfaceKlein.jpg"));
  }

  // A rebuild in place (after a refusal) keeps frames and pictures and restarts the clock.
  void herbouwTerPlaatse() {
    NietEnOf& les = loop(3, 4);
    const float eerst = state().StapStartTijd;
    les.panelen()(20).setVisible(false);
    omgeving.basis.clock->advance(5);
    les.Plaatstekst();
    QVERIFY(!les.panelen()(20).Visible());
    QCOMPARE(state().StapStartTijd, eerst + 5);
  }

  void buitenDeLes_data() {
    QTest::addColumn<int>("stap");
    QTest::newRow("0") << 0;
    QTest::newRow("35") << 35;
  }
  void buitenDeLes() {
    QFETCH(int, stap);
    NietEnOf& les = lestest::toonLes1(stap);
    QCOMPARE(gevuldeZinnen(), 0);
    QCOMPARE(les.panelen()(28).Caption(), QStringLiteral("Les 1 stap %1 van 33").arg(stap));
    QVERIFY(les.isVisible());
  }

  void paginaKopieStap13() {
    NietEnOf& les = loop(12, 13);
    les.plaatjes().events().Click(7);
    QVERIFY(omgeving.basis.clipboard->text.startsWith(QStringLiteral("Ik denk van niet. \rDe bel is aan zolang er niemand belt.\r")));
  }
};

QTEST_MAIN(Les1Paginas)
#include "tst_les1_paginas.moc"

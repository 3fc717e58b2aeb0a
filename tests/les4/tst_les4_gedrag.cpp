// Lesson 4's gates with their exact messages, the workbook question before page 15, the help
// of every page, Terug on the first page, Stop, a new start, closing the window, the hover
// colours, the hand-over to the test, a missing picture, and the progress level that can go
// down again.
#include <QTest>

#include "les4/les4_omgeving.h"

using namespace kwil;

namespace {
const QString kVerder = QStringLiteral("SndVerder.wav");
const QString kTerug = QStringLiteral("SndTerug.wav");
const QString kS1s2 = QStringLiteral("Test de schakeling met de knoppen s1 en s2 op de interface.");
const QString kS1s2s3 = QStringLiteral("Test de schakeling met de knoppen s1, s2 en s3 op de interface.");
}  // namespace

class Les4Gedrag : public QObject {
  Q_OBJECT
  lestest::Les4Omgeving omgeving;

  // The parallel port's status register with these of s1..s3 held.
  void houd(Formule& les, bool a, bool b, bool c) {
    omgeving.hw->parallel->answer =
        static_cast<std::int16_t>(126 - (a ? 8 : 0) - (b ? 16 : 0) - (c ? 32 : 0));
    les.timer().fire();
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakLes4Map(); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void poorten_data() {
    QTest::addColumn<int>("stap");  // the page left
    QTest::addColumn<int>("voortgang");
    QTest::addColumn<QString>("weigering");  // "" = passes
    const QString stap3 =
        kS1s2 + QStringLiteral(
                    "\r\rWanneer geen interface aangesloten is, kun je beter niet verder gaan!"
                    "\r\rWil je toch verder dan kun je F1 en F2 gebruiken!\r\rNiet aanbevolen!");
    const struct {
      int stap, niveau;
      QString tekst;
    } poorten[] = {
        {2, 1, stap3},
        {5, 2, QStringLiteral("Test de schakeling met de knoppen s1; s2 en s3 op de interface.")},
        {7, 3, kS1s2},
        {10, 4, QStringLiteral("Test de schakeling met de knop s1 op de interface.")},
        {12, 5, kS1s2},
        {16, 6, kS1s2s3},
        {17, 7, kS1s2s3},
    };
    for (const auto& p : poorten) {
      QTest::addRow("%d with nothing", p.stap) << p.stap << 0 << p.tekst;
      QTest::addRow("%d just below", p.stap) << p.stap << p.niveau - 1 << p.tekst;
      QTest::addRow("%d at its level", p.stap) << p.stap << p.niveau << "";
      QTest::addRow("%d above it", p.stap) << p.stap << 7 << "";
    }
    for (int stap : {1, 3, 4, 6, 8, 9, 11, 13, 15, 18, 19, 20, 21})
      QTest::addRow("%d ungated", stap) << stap << 0 << "";
  }
  void poorten() {
    QFETCH(int, stap);
    QFETCH(int, voortgang);
    QFETCH(QString, weigering);
    Formule& les = lestest::toonLes4(stap);
    state().Voortgang = static_cast<std::int16_t>(voortgang);
    omgeving.klikVerderMetMuisErop(les);
    const auto& berichten = omgeving.basis.dialogs->messages;
    if (weigering.isEmpty()) {
      QCOMPARE(state().Stap, stap + 1);
      QVERIFY(berichten.isEmpty());
      QCOMPARE(omgeving.geluiden(), QStringList{kVerder});
    } else {
      QCOMPARE(state().Stap, stap);
      QCOMPARE(state().VorigeStap, stap);
      QCOMPARE(berichten.size(), 1);
      QCOMPARE(berichten[0].text, weigering);
      QCOMPARE(berichten[0].buttons, 0);
      QCOMPARE(berichten[0].title, QStringLiteral("Kwilmora"));
      QCOMPARE(omgeving.geluiden(), (QStringList{kVerder, kTerug}));
      QVERIFY(state().StapToegestaan);
      QCOMPARE(les.laatsteSchuif().front(),
               qRound(134 * state().SchaalY));  // the old page comes back from above
    }
    QCOMPARE(int(state().Voortgang), voortgang);
    QCOMPARE(state().KnopOnderMuis, 0);
    QCOMPARE(les.knoppen()(1).BackColor(), KleurKnopNormaal);
  }

  // Verder from the workbook page: a question when it comes within ten seconds.
  void werkboekvraag_data() {
    QTest::addColumn<double>("wachten");
    QTest::addColumn<int>("antwoord");  // 0: no question expected
    QTest::addColumn<int>("naar");
    QTest::newRow("3 s, Yes") << 3.0 << 6 << 15;
    QTest::newRow("3 s, No") << 3.0 << 7 << 14;
    QTest::newRow("9.5 s, No") << 9.5 << 7 << 14;  // the running light adds 0.4 s
    QTest::newRow("10 s") << 10.0 << 0 << 15;
    QTest::newRow("12 s") << 12.0 << 0 << 15;
  }
  void werkboekvraag() {
    QFETCH(double, wachten);
    QFETCH(int, antwoord);
    QFETCH(int, naar);
    Formule& les = lestest::bouwVan(13, 14);
    omgeving.basis.clock->advance(wachten);
    omgeving.basis.clock->midnightSeconds = 1;  // the time of day has passed midnight meanwhile
    omgeving.geluiden();
    if (antwoord) omgeving.basis.dialogs->answers.push_back(antwoord);
    const float klok = state().StapStartTijd;
    les.Command_Click(1);
    QCOMPARE(state().Stap, naar);
    const auto& berichten = omgeving.basis.dialogs->messages;
    QCOMPARE(omgeving.geluiden(), QStringList{kVerder});  // no back sound, also after No
    QVERIFY(state().StapToegestaan);
    if (!antwoord) {
      QVERIFY(berichten.isEmpty());
      return;
    }
    QCOMPARE(berichten.size(), 1);
    QCOMPARE(berichten[0].text,
             QStringLiteral("Zo... jij kunt snel werken.\r\rHeb je de vragen in je boek zorvuldig gemaakt?"));
    QCOMPARE(berichten[0].buttons, 4);
    QCOMPARE(berichten[0].title, QStringLiteral("Vraagje"));
    if (naar == 15) return;
    // Page 14 slides in again like a new page, and its ten seconds start again.
    QCOMPARE(les.laatsteSchuif().front(), -qRound(134 * state().SchaalY));
    QVERIFY(state().StapStartTijd != klok);
    omgeving.basis.clock->advance(9);
    omgeving.basis.dialogs->answers.push_back(6);
    les.Command_Click(1);
    QCOMPARE(berichten.size(), 2);
    QCOMPARE(state().Stap, 15);
  }

  void hulp_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("tekst");
    auto rij = [](int stap, const QString& tekst) { QTest::addRow("%d", stap) << stap << tekst; };
    rij(0, "Geen hulp beschikbaar.");
    rij(1,
        "In deze les maak je ook opdrachten in je werkboek.\r\rTijdens de toets mag je dat werkboek ook "
        "gebruiken.");
    rij(2,
        "Test de schakeling(en) door op s1 en s2 te drukken.\r\rs1 bedient schakelaar a in het "
        "stroomkringschema.\r"
        "s2 bedient schakelaar b in het stroomkringschema.\r\rEen spanning op a en of b in het logische "
        "schema wordt "
        "rood getekend.\r\rUitgang E zal alleen rood zijn wanneer s1 EN s2 ingedrukt (bediend) worden.\r\r\r"
        "Zonder interface kun je deze les niet goed volgen.\r\r(Je kunt nu wel de F1 en F2 toets "
        "gebruiken.)");
    rij(3,
        "Een formule bestaat uit invoer, bewerking en resultaat.\r\r- De invoer = s1, s2.\r\r- De bewerking "
        "= EN.\r\r"
        "- Het resultaat = E.\r\rE brandt alleen wanneer s1 EN s1 bediend worden.\r\r" +
            QString(48, QLatin1Char('_')) +
            "\r\rAlgebra is de basis van rekenen.\r\rIn plaats van getallen gebruik je letters.\r\r"
            "Algebra betekent 'LEER VAN DE VERGELIJKINGEN'\r\r");
    rij(4,
        "De formule is   E = a . b\r\rHierin is bijvoorbeeld...\r\rE = een lamp, een motor of een "
        "verwarmingselement.\ra = een drukknop, een lichtsensor of een sleutelschakelaar.\rb = een drukknop, "
        "een "
        "lichtsensor of een sleutelschakelaar.\r\rIn de formule staat niet WAT aangesloten is maar HOE het "
        "aangesloten is.");
    rij(5, "Uitgang E is alleen 1 wanneer\r\ra bediend is\r\rEN\r\rb bediend is\r\rEN\r\rc bediend is.");
    rij(6, "Goed opletten dus.\r\rDe . (punt) is een EN.\r\rDe + (plus) is een OF.");
    rij(7,
        "In het stroomkringschema (linker tekening) is de werking duidelijk na te gaan.\r\rUitgang E is AAN "
        "wanneer "
        "je a OF b bedient.");
    rij(8, "De + = OF\r\rDe . = EN");
    rij(9, "\rE2 = b . c spreek je uit als E2 is b EN c\r\r\rE2 = b + c spreek je uit als E2 is b OF c\r\r");
    rij(10, "Wanneer je NIETs doet brandt de LED.\r\rBedien je de schakelaar, dan gaat de LED juist UIT.");
    rij(11,
        "Wanneer je ergens een streep doorhaalt,\rwil dat zeggen dat je iets NIET doet.\r\rIn de formule "
        "wordt de "
        "streep er boven getekend.\r\rDe streep kan over meerdere delen getekend worden.\rWat onder 1 streep "
        "staat "
        "hoort bij elkaar. (Heeft voorrang)");
    rij(12,
        "Schakelaar a is een maakcontact.\r\rSchakelaar b is een verbreekcontact.\r\rTest de schakeling door "
        "op de "
        "knoppen van de interface te drukken.");
    rij(13, "E is a EN NIET b\r\ris niet gelijk aan\r\rE is a EN b NIET\r\rBlijf dus opletten!");
    rij(14, "Maak de vragen in je werkboek.");
    rij(15,
        "Test de schakeling met behulp van de eerste\rdrie knoppen van de interface.\r\rJe kunt hiervoor het "
        "beste "
        "naar het\rstroomkringschema kijken. (Linker figuur)");
    rij(16,
        "De EN heeft voorrang op de OF.\r\rDaarom zijn a EN b in serie aangesloten.\r\rJe kunt net als bij "
        "rekenen "
        "haakjes\rgebruiken om de voorrang te regelen.\r\rE = a . (b + c) is een heel andere schakeling.");
    rij(17,
        "In een relais zitten schakelaars.\r\rDeze schakelaars worden meestal niet met de hand "
        "bediend.\r\rEen "
        "relais wordt geschakeld door stroom.\r\rStroom is het gevolg van spanning.\r\r" +
            QString(73, QLatin1Char('-')) +
            "\r\rDe getekende schakeling kun je als volgt beschrijven.\r\rE brandt wanneer je alleen c "
            "bedient.\r\r"
            "Zodra a of b bediend worden, kan E niet branden.");
    rij(18,
        "Door de lange streep (NIET) horen a + b bij elkaar.\r\rHierdoor versandert de voorrang en "
        "heeft\r\rde OF "
        "voorrang op de EN.\r\rDeze regels hoef je voor het VMBO examen niet te kennen.");
    for (int stap = 19; stap <= 22; ++stap) rij(stap, "Geen hulp meer aanwezig");
    rij(23, "Geen hulp beschikbaar.");
  }
  void hulp() {
    QFETCH(int, stap);
    QFETCH(QString, tekst);
    Formule& les = lestest::toonLes4(stap == 23 ? 22 : stap);
    state().Stap = stap;
    les.knoppen().events().MouseMove(3, 0, 0, 0, 0);
    QCOMPARE(les.knoppen()(3).BackColor(), KleurKnopOnderMuis);
    les.Command_Click(3);
    QCOMPARE(omgeving.basis.dialogs->messages.size(), 1);
    QCOMPARE(omgeving.basis.dialogs->messages[0].text, tekst);
    QCOMPARE(omgeving.basis.dialogs->messages[0].buttons, 0);
    QCOMPARE(les.knoppen()(3).BackColor(), KleurKnopNormaal);
    QCOMPARE(state().KnopOnderMuis, 0);
  }

  void terugOpPagina1() {
    Formule& les = lestest::toonLes4(1);
    les.knoppen().events().MouseMove(2, 0, 0, 0, 0);
    omgeving.geluiden();
    les.Command_Click(2);
    QCOMPARE(omgeving.basis.dialogs->messages.size(), 1);
    QCOMPARE(omgeving.basis.dialogs->messages[0].text,
             QStringLiteral("Je kunt niet verder terug.\r\rDit is het begin van de les."));
    QCOMPARE(omgeving.basis.dialogs->messages[0].buttons, 16);
    QCOMPARE(omgeving.basis.dialogs->messages[0].title, QStringLiteral("Let op...."));
    QCOMPARE(omgeving.geluiden(), QStringList{});
    QCOMPARE(state().KnopOnderMuis, 0);
    QCOMPARE(les.knoppen()(2).BackColor(), KleurKnopNormaal);
  }

  // Hover colours on all five navigation buttons; the gate resets 1 to 4, not Lees voor.
  void zweefkleuren() {
    Formule& les = lestest::toonLes4(1);
    auto& knop = les.knoppen();
    for (int i = 1; i <= 5; ++i) {
      knop.events().MouseMove(i, 0, 0, 0, 0);
      QCOMPARE(knop(i).BackColor(), KleurKnopOnderMuis);
      QCOMPARE(state().KnopOnderMuis, i);
      if (i > 1) QCOMPARE(knop(i - 1).BackColor(), KleurKnopNormaal);
    }
    les.panelen().events().MouseMove(2, 0, 0, 0, 0);
    QCOMPARE(knop(5).BackColor(), KleurKnopNormaal);
    QCOMPARE(state().KnopOnderMuis, 0);
    knop.events().MouseMove(5, 0, 0, 0, 0);
    les.Command_Click(1);
    QCOMPARE(state().KnopOnderMuis, 5);
    QCOMPARE(knop(5).BackColor(), KleurKnopOnderMuis);
  }

  // Stop, and the window shown again by the menu: page 1, nothing held over.
  void stopEnOpnieuw_data() {
    QTest::addColumn<bool>("sluiten");  // the title bar's close instead of the Stop button
    QTest::newRow("Stop") << false;
    QTest::newRow("close") << true;
  }
  void stopEnOpnieuw() {
    QFETCH(bool, sluiten);
    Formule& les = lestest::bouwVan(15, 16);
    houd(les, true, true, true);
    QCOMPARE(int(state().Voortgang), 6);
    les.knoppen().events().MouseMove(4, 0, 0, 0, 0);
    omgeving.uitgangen();
    if (sluiten)
      les.close();
    else
      les.Command_Click(4);
    QVERIFY(!les.isVisible());
    QVERIFY(existingWindow(WindowId::Hoofdmenu)->isVisible());
    QCOMPARE(lestest::zichtbareLijsten(les), QList<int>{});
    QCOMPARE(int(state().Voortgang), 0);
    QCOMPARE(omgeving.uitgangen(), QList<int>{0});
    QVERIFY(state().Verlaten);
    QCOMPARE(state().KnopOnderMuis, 4);
    QCOMPARE(les.knoppen()(4).BackColor(), KleurKnopNormaal);
    QVERIFY(!les.timer().Enabled());

    state().Stap = 1;
    state().Ingangen = 77;
    state().Uitgangen = 0;
    les.Show();
    QCOMPARE(state().Stap, 1);
    QCOMPARE(state().Zin[1], QStringLiteral("In deze les wordt het volgende besproken:"));
    QCOMPARE(les.panelen()(7).Caption(), QStringLiteral("In  77 Uit  0"));
    QVERIFY(!state().Verlaten);
    QVERIFY(!les.timer().Enabled());
    QCOMPARE(lestest::zichtbareLijsten(les), QList<int>{});
  }

  // Verder on page 22: the test of lesson 4, everything off.
  void overdracht() {
    Formule& les = lestest::bouwVan(17, 22);
    les.panelen()(Formule::kSchemaLijst).setVisible(true);
    state().Voortgang = 7;
    state().Uitgangen = 1;
    les.knoppen().events().MouseMove(1, 0, 0, 0, 0);
    omgeving.uitgangen();
    les.Command_Click(1);
    QCOMPARE(state().Stap, 23);
    QCOMPARE(int(state().LesNummer), 4);
    QVERIFY(state().Verlaten);
    QCOMPARE(int(state().Voortgang), 0);
    QVERIFY(omgeving.uitgangen().contains(0));
    QCOMPARE(int(state().Uitgangen), 0);
    QVERIFY(!les.isVisible());
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QCOMPARE(lestest::zichtbareLijsten(les), QList<int>{});
    QCOMPARE(les.knoppen()(1).BackColor(), KleurKnopNormaal);
    QVERIFY(!les.timer().Enabled());
  }

  // The level is assigned: back on page 13 the AND-NOT circuit lowers it, and page 17's gate
  // waits for the AND-OR circuit again.
  void voortgangKanOmlaag() {
    Formule& les = lestest::bouwVan(14, 16);
    houd(les, true, true, true);
    houd(les, false, false, false);
    QCOMPARE(int(state().Voortgang), 6);
    for (int stap = 15; stap >= 13; --stap) les.Command_Click(2);
    QCOMPARE(state().Stap, 13);
    houd(les, true, true, false);
    QCOMPARE(int(state().Voortgang), 5);
    houd(les, false, false, false);
    les.Command_Click(1);
    omgeving.basis.clock->advance(20);  // past the workbook question
    les.Command_Click(1);
    les.Command_Click(1);
    QCOMPARE(state().Stap, 16);
    QVERIFY(omgeving.basis.dialogs->messages.isEmpty());
    les.Command_Click(1);
    QCOMPARE(state().Stap, 16);
    QCOMPARE(omgeving.meldingen(), QStringList{kS1s2s3});
    houd(les, true, true, true);
    les.Command_Click(1);
    QCOMPARE(state().Stap, 17);
  }

  // A button held through a page change counts on the new page only when it changes.
  void vastgehoudenOverPaginawissel() {
    Formule& les = lestest::toonLes4(7);
    state().Voortgang = 3;
    houd(les, true, false, false);
    les.Command_Click(1);
    QCOMPARE(state().Stap, 8);
    les.timer().fire();
    QCOMPARE(les.plaatjeIn(kFormuleVak), QStringLiteral("ImgAlgebraaOFb.bmp "));
    houd(les, true, true, false);
    QCOMPARE(les.plaatjeIn(kFormuleVak), QStringLiteral("ImgAlgebraa1OFb1.bmp"));
  }

  // A picture that is not in the folder: the frame shows an empty box, the lesson goes on.
  void ontbrekendPlaatje() {
    const QString pad = omgeving.pad(QStringLiteral("Afbeeldingen/ImgAlgebraaENb.bmp"));
    QVERIFY(QFile::rename(pad, pad + QStringLiteral(".weg")));
    Formule& les = lestest::bouwVan(3, 4);
    QVERIFY(QFile::rename(pad + QStringLiteral(".weg"), pad));
    QVERIFY(les.panelen()(Formule::kFormuleLijst).Visible());
    QCOMPARE(les.plaatjeIn(kFormuleVak), QStringLiteral("ImgAlgebraaENb.bmp"));
    QVERIFY(les.plaatjes()(kFormuleVak).Width() / TwipsPerPixel >= 64);
    QVERIFY(omgeving.basis.dialogs->messages.isEmpty());
  }
};

QTEST_MAIN(Les4Gedrag)
#include "tst_les4_gedrag.moc"

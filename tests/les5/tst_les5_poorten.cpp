// The gates of lesson 5 (the byte each page asks for, the quick-answer question after the two
// workbook pages) worked through Verder, and the help of every page.
#include <QTest>

#include "les5/les5_omgeving.h"
#include "platform/vb.h"

using namespace kwil;

namespace {
QString regels(const QStringList& r) { return r.join(vbCr); }
const QString kHetBitje = QStringLiteral("Zet eerst 'alleen' het bitje aan dat met 1 aangegeven wordt!");
const QString kDeBitjes = QStringLiteral("Zet eerst 'alleen' de bitjes aan die met 1 aangegeven worden!");
}  // namespace

class Les5Poorten : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  // The lesson on page `stap` (arrived at from the page before) with the byte `byte`.
  Binstel& op(int stap, int byte) {
    Binstel& les = lestest::toonLes5(1);
    lestest::bouwPaginas(les, 1, stap);
    state().Uitgangen = byte;
    omgeving.geluiden();
    omgeving.basis.dialogs->messages.clear();
    return les;
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les5Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void byte_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("melding");  // empty: Verder passes
    auto rij = [](const char* naam, int stap, int byte, const QString& melding = {}) {
      QTest::newRow(naam) << stap << byte << melding;
    };
    rij("15 with 4", 15, 4);
    rij("15 with 5", 15, 5, regels({kHetBitje, "", "Dus 0 0 0 0 0 1 0 0"}));
    rij("16 with 16", 16, 16);
    rij("16 with 20: the 4 still on", 16, 20,
        regels({"Je bent vergeten het bitje onder de 4 uit te zetten...", "", "Dus 0 0 0 1 0 0 0 0"}));
    rij("16 with 0", 16, 0, regels({kHetBitje, "", "Dus 0 0 0 1 0 0 0 0"}));
    rij("17 with 64", 17, 64);
    rij("17 with 80", 17, 80, regels({kHetBitje, "", "Dus 0 1 0 0 0 0 0 0"}));
    rij("18 passes whatever the byte", 18, 201);
    rij("19 with 3", 19, 3);
    rij("19 with 67: the 64 still on", 19, 67, regels({kDeBitjes, "", "Dus 0 0 0 0 0 0 1 1"}));
    rij("20 with 86", 20, 86);
    rij("20 with 87", 20, 87, regels({kDeBitjes, "", "Dus 0 1 0 1 0 1 1 0"}));
    rij("21 passes", 21, 0);
    rij("22 with 128", 22, 128);
    rij("22 with 129", 22, 129, QStringLiteral("Zet alleen het bitje onder de 128 aan!"));
    rij("23 with 144", 23, 144);
    rij("23 with 128", 23, 128, QStringLiteral("Zet de bitjes onder de 128 en 16 aan."));
    rij("24 with 152", 24, 152);
    rij("24 with 144", 24, 144, QStringLiteral("Zet de bitjes onder de 128, 16 en 8 aan."));
    rij("25 with 153", 25, 153);
    rij("25 with 152", 25, 152, QStringLiteral("Zet de bitjes onder de 128, 16, 8 en 1 aan."));
    rij("26 passes", 26, 153);
    rij("28 with 19", 28, 19);
    rij("28 with 5", 28, 5, regels({"Zet de juiste bitjes aan.", "", "Op dit moment heb je  5 ingesteld."}));
    rij("29 with 43", 29, 43);
    rij("29 with 0", 29, 0, regels({"Zet de juiste bitjes aan.", "", "Op dit moment heb je  0 ingesteld."}));
    rij("30 with 170", 30, 170);
    rij("30 with 255", 30, 255, regels({"Zet de juiste bitjes aan.", "", "Op dit moment heb je  255 ingesteld."}));
    rij("31 passes", 31, 0);
    rij("44 passes", 44, 0);
  }
  void byte() {
    QFETCH(int, stap);
    QFETCH(int, byte);
    QFETCH(QString, melding);
    Binstel& les = op(stap, byte);
    les.Command_Click(1);
    const bool door = melding.isEmpty();
    QCOMPARE(state().Stap, door ? stap + 1 : stap);
    QCOMPARE(state().VorigeStap, state().Stap);
    QVERIFY(state().StapToegestaan);
    const auto& meldingen = omgeving.basis.dialogs->messages;
    QCOMPARE(meldingen.size(), door ? 0 : 1);
    const QStringList geluiden = omgeving.geluiden();
    if (door) {
      QVERIFY(!geluiden.contains(QStringLiteral("SndTerug.wav")));
      return;
    }
    QCOMPARE(meldingen[0].text, melding);
    QCOMPARE(meldingen[0].buttons, 0);
    QCOMPARE(meldingen[0].title, kAppTitle);
    QCOMPARE(geluiden.count(QStringLiteral("SndTerug.wav")), 1);
    QVERIFY(!geluiden.contains(QStringLiteral("SndDatIsSnel.wav")));  // this lesson has no such sound
    QCOMPARE(state().Uitgangen, byte);  // the pupil may correct the bits and try again
  }

  // On from a workbook page within ten seconds: the question; No keeps the pupil there and
  // starts the ten seconds again.
  void vraag_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<double>("gewacht");
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<int>("naar");
    const QString begin = QStringLiteral("Zo... jij kunt snel vragen maken.") + vbCr + vbCr;
    QTest::newRow("14, quick, Yes") << 14 << 3.0 << int(DialogService::Yes) << 15;
    QTest::newRow("14, quick, No") << 14 << 9.0 << int(DialogService::No) << 14;
    QTest::newRow("14, after ten seconds") << 14 << 10.0 << -1 << 15;
    QTest::newRow("27, quick, Yes") << 27 << 0.0 << int(DialogService::Yes) << 28;
    QTest::newRow("27, quick, No") << 27 << 5.0 << int(DialogService::No) << 27;
    QTest::newRow("27, after ten seconds") << 27 << 12.0 << -1 << 28;
  }
  void vraag() {
    QFETCH(int, stap);
    QFETCH(double, gewacht);
    QFETCH(int, antwoord);
    QFETCH(int, naar);
    Binstel& les = op(stap, 0);
    omgeving.basis.clock->advance(gewacht);
    if (antwoord >= 0) omgeving.basis.dialogs->answers.push_back(antwoord);
    les.Command_Click(1);
    QCOMPARE(state().Stap, naar);
    const auto& meldingen = omgeving.basis.dialogs->messages;
    QCOMPARE(meldingen.size(), antwoord >= 0 ? 1 : 0);
    if (antwoord < 0) return;
    const QString vraag = stap == 14 ? QStringLiteral("Heb je de vragen 54 tot en met 63 in je werkboek zorvuldig gemaakt?")
                                     : QStringLiteral("Heb je vraag 72 en 73 in je werkboek zorvuldig gemaakt?");
    QCOMPARE(meldingen[0].text, QStringLiteral("Zo... jij kunt snel vragen maken.") + vbCr + vbCr + vraag);
    QCOMPARE(meldingen[0].buttons, int(DialogService::YesNo));
    QCOMPARE(meldingen[0].title, QStringLiteral("Vraagje"));
    const QStringList geluiden = omgeving.geluiden();
    QCOMPARE(geluiden.count(QStringLiteral("SndTerug.wav")), naar == stap ? 1 : 0);
    if (naar != stap) return;
    // The rebuilt page counts anew: nine seconds later the question comes again.
    omgeving.basis.clock->advance(9);
    omgeving.basis.dialogs->answers.push_back(DialogService::Yes);
    les.Command_Click(1);
    QCOMPARE(meldingen.size(), 2);
    QCOMPARE(state().Stap, stap + 1);
  }

  void hulp_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("tekst");
    auto rij = [](int stap, const QStringList& r, int byte = 0) {
      QTest::addRow("step %d", stap) << stap << byte << regels(r);
    };
    rij(1, {"In deze les maak je ook opdrachten in je werkboek.", "", "Tijdens de toets mag je dat werkboek ook gebruiken."});
    rij(5, {"Op internet kan een plaatje van een Ferrari de naam Porsche.jpg hebben.", "",
            "Google zal deze Ferrari echter als een Porsche 'zien'.", "",
            "De plaatjes voor Google worden eigenlijk door ons gesorteerd,", "door er een zinnige naam aan te geven."});
    rij(7, {"De 'enen' van de figuur zijn wit en gemerkt.", "", "De figuur is nu duidelijk te herkennen.", "",
            "Een 0 wordt in de rechter figuur als een wit blokje getekend.",
            "Een 1 wordt in de rechter figuur als een zwart blokje getekend.", "",
            "Deze manier van opslaan wordt later uitgelegd."});
    rij(9, {"Een bit is 1 geheugen plaatsje.", "", "Een bit kan alleen maar nul of èèn zijn.", "",
            "Op het scherm zijn 8 bits getekend", "", "8 bits bijelkaar noemen we een Byte."});
    rij(14, {"Heb je de vragen klaar, dan kun je Verder gaan.", "", ""});
    rij(16, {"Vergeet niet de 1 onder de 4 uit te zetten."});
    rij(19, {"Vergeet niet de 1 onder de 64 uit te zetten.", "", "SET daarna de bitjes onder de decimale 1 en 2.", "",
             "In het vakje onder Decimaal zie je meteen de berekende waarde.", "", "Op dit moment is dat 0"});
    rij(19, {"Vergeet niet de 1 onder de 64 uit te zetten.", "", "SET daarna de bitjes onder de decimale 1 en 2.", "",
             "In het vakje onder Decimaal zie je meteen de berekende waarde.", "", "Op dit moment is dat 67"},
        67);
    rij(26, {"Op deze manier slaat een computer dus decimale getallen op.", "",
             "Er worden alleen maar nullen en enen gebruikt.", "", "Wil je grotere getallen dan 255 gebruiken,",
             "dan moet je meer bitjes gebruiken.", "", "Veel gebruikte waarden zijn 16, 32 en 64 bits.", "",
             "Voer in je rekenmachine maar eens 2 tot de macht 64 in.", "", "Dat is 18.446.744.073.709.551.616"});
    for (int stap : {28, 29, 30}) rij(stap, {"Stel de gevraagde waarde in."});
    for (int stap : {32, 33})
      rij(stap, {"We noemen dit captcha.", "", "completely automated public Turingtest to tell computers and humans apart.",
                 "", "Dat is niet eenvoudig uit te leggen.", "",
                 "De Turingtest is een manier om verschil tussen mens en computer te testen.", "",
                 "Deze test brengt automatisch scheiding aan tussen mens en computer.", "",
                 "Tegenwoordig is er een kans van 1 op 4 dat een computer deze code 'kraakt'.", "26 februari 2008."});
    rij(40, {"Gelukig hoe je dit niet uit je hoofd te leren.", "", "Wel kun je hier zien dat je op deze manier",
             "tekst met enen en nullen kunt schrijven."});
    rij(2, {"In Duitsland wordt de computer 'Rechner' genoemd.", "", "In Frankrijk wordt de computer 'ordinateur' genoemd.",
            "", "Heel vrij vertaald betekent het...", "", "Machine die 'berekeningen' uit kan voeren.", "",
            "Programmeurs noemen de computer ook wel eens een 'rekendoos'"});
    rij(3, {"De computer heeft net als je rekenmachine geen moeite met rekenen.", "",
            "Er zijn berekeningen waar zelfs een computer dagen over kan doen.", "",
            "Als mens zouden we aan zo'n berekening nooit beginnen."});
    rij(4, {"Er wordt hard gewerkt aan programma's die beelden kunnen herkennen.", "",
            "Hiervoor zijn complexe 'berekeningen' nodig.", "", "Voor normaal werk zijn de huidige computers snel genoeg.",
            "", "Voor beeldherkenning heb je heel iets anders nodig."});
    rij(6, {"RAM geheugen. (Random Acces Memory)", "", "Dit is het zogenaamde werkgeheugen van een computer.", "",
            "Het is veel sneller dan de harde schijf.", "",
            "Wanneer je de computer uitzet, raak je de opgeslagen gegevens kwijt.", "",
            "--------------------------------------------------------------------------------------", "",
            "Harde schijf. (Harddisk)", "", "In deze behuizing zit een schijf die snel kan ronddraaien.", "",
            "Op deze schijf worden met behulp van magnetisme gegevens geschreven.", "",
            "Wanneer je de computer uitzet, raak je de opgeslagen gegevens niet kwijt."});
    rij(8, {"Er zijn verschillende rekenstelsels.", "", "Vanaf je jeugd leer je te rekenen met", "",
            "het DECIMALE stelsel.", "", "We noemen dit ook wel het tientallige stelsel.", "",
            "Het cijfer tien is de basis voor dit stelsel.", "", "-------------------------------------------------------",
            "", "Het BINAIRE stelsel.", "", "We noemen dit ook wel het tweetallige stelsel.", "",
            "Het cijfer twee is de basis voor dit stelsel.", "", "Hoe dat werkt wordt in deze les uitgelegd."});
    rij(10, {"Het getal 256 komt in de informatica veel voor.", "", "Wanneer je bijvoorbeeld in mspaint een plaatje",
             "opslaat, kun je kiezen voor 256 kleuren.", "", "Voor elk puntje in de tekening zijn dan 8 bits beschikbaar."});
    rij(11, {"Er zijn 256 instellingen mogelijk met 8 bits.", "", "Omdat we beginnen te tellen bij nul eindigt",
             "het met 255.", "", "Van 0 tot en met 255 geeft dus 256 mogelijkheden."});
    rij(12, {"Bij elk getal is 2 de basis van de berekening.", "", "Het machtsverheffen toont hoe we aan de getallen", "",
             "1 2 4 8 16 32 64 en 128", "", "komen."});
    rij(13, {"Onder elke machtsverheffing staat de berekende waarde.", "", "Onder 2 tot de macht 4 staat 16.", "",
             "Onder 2 tot de macht 7 staat 128"});
    rij(15, {"In de gele hokjes staan de getallen 1 tot en met 128.", "",
             "In de witte hokjes kan alleen maar een 0 of een 1 staan.", "",
             "Je kunt van een 0 een 1 maken door op het knopje dat er", "onder staat te klikken.", "",
             "Voordat je verder kunt moet je van de 0,", "die onder de 4, staat een 1 maken."});
    rij(17, {"Vergeet niet de 1 onder de 16 uit te zetten."});
    rij(18, {"Wanneer je 2 bitjes SET moet je de betreffende decimale getallen bij elkaar optellen."});
    rij(20, {"SET de bitjes zo dat de decimale waarde 86 is.", "", "Dat is gelijk aan Binair 01010110."});
    rij(21, {"Het is misschien handig even je rekenmachine te gebruiken.", "", "Decimaal 86 is gelijk aan Binair 01010110."});
    rij(22, {"128 Is het grootste getal dat je kunt kiezen.", "", "Het is wel kleiner dan 153.", "",
             "Daarom beginnen we met 128"});
    rij(23, {"Je kunt nu niet het bitje onder de 64 aanzetten.", "", "De waarde zou dan 128 + 64 = 192 worden.", "",
             "Dat is groter dan 153.", "", "--------------------------------------------------------------", "",
             "Je moet het getal 25 nog bijtellen.", "", "Dat komt niet voor in de gele hokjes.", "",
             "Daarom kies je de de waarde die er het ", "dichtst bij ligt maar toch kleiner is.", "", "In dit geval 16."});
    rij(24, {"Je moet het getal 9 nog bijtellen.", "", "Dat komt niet voor in de gele hokjes.", "",
             "Daarom kies je de de waarde die er het ", "dichtst bij ligt maar toch kleiner is.", "", "In dit geval 8."});
    rij(25, {"Je moet het getal 1 nog bijtellen.", "", "Dat komt voor in de gele hokjes.", "",
             "Selecteer dus het bitje onder de decimale 1."});
    rij(27, {"Wanneer je de vragen zorgvuldig gemaakt hebt, kun je 'Verder' gaan."});
    rij(31, {"Je leest momenteel tekst op het beeldscherm.", "", "Maar hoe kun je nou door alleen enen en nullen",
             "te gebruiken tekst schrijven?", "", "Dat gaan we nu bekijken."});
    rij(34, {"Het gaat hierbij niet alleen om de letters maar ook om", "", "- cijfers", "", "- speciale tekens en", "",
             "- besturingscodes."});
    rij(35, {"Deze ascii tabel wordt wereldwijd gebruikt.", "", "Er is een standaard- en een uitgebreide ascii tabel.", "",
             "De standaard tabel loopt van 0 tot 128. (7 bits)", "De uitgebreide tabel loopt van 0 tot 256. (8 bits)"});
    rij(36, {"De cijfers 0 tot en met 9 staan niet op het scherm.", "", "Op internet vind je eenvoudig de volledige tabel."});
    rij(37, {"Wanneer je de computer aanzet dan zie je meestal tekst en lijnen op het scherm.", "",
             "De lijnen zijn in principe ook tekens.", "",
             "In de tekst staat meestal hoeveel geheugen enz. in de computer zit."});
    rij(38, {"Zonder opmaak wil zeggen dat de tekst", "", "- niet vet,", "- niet cursief,", "- niet gekleurd,",
             "- zonder plaatjes,", "- enz. is.", "", "Een groot voordeel is dat je zelfs met een trage",
             "internetverbindig snel tekst kunt versturen."});
    rij(39, {"Dit is precies wat er bedoeld wordt met digitalisering.", "",
             "Alle informatie wordt omgezet in enen en mullen.", "",
             "Of het nou muziek, film, boeken, foto's of wat dan ook is."});
    for (int stap = 41; stap <= 44; ++stap) rij(stap, {"Geen hulp meer aanwezig."});
    rij(45, {"Wanneer je het werkboek goed ingevuld hebt,", "kun je dat prima gebruiken bij de toets."});
  }
  void hulp() {
    QFETCH(int, stap);
    QFETCH(int, byte);
    QFETCH(QString, tekst);
    Binstel& les = op(stap, 0);
    if (byte) {  // the pupil's bits, as the decimal panel shows them
      for (int b = 0; b < 8; ++b)
        if ((byte >> b) & 1) les.Command_Click(5 + b);
    }
    les.knoppen().events().MouseMove(3, 0, 0, 0, 0);
    les.Command_Click(3);
    const auto& meldingen = omgeving.basis.dialogs->messages;
    QCOMPARE(meldingen.size(), 1);
    QCOMPARE(meldingen[0].text, tekst);
    QCOMPARE(meldingen[0].buttons, 0);
    QCOMPARE(les.knoppen()(3).BackColor(), KleurKnopNormaal);
    QCOMPARE(state().KnopOnderMuis, 0);
    QCOMPARE(state().Stap, stap);
  }

  // Every page has help; what is left over says so.
  void hulpOveral() {
    for (int stap = 0; stap <= 47; ++stap) {
      const QString tekst = les5HelpTekst(stap, QStringLiteral("0"));
      QVERIFY2(!tekst.isEmpty(), qPrintable(QString::number(stap)));
      QCOMPARE(tekst == QStringLiteral("Nog niet klaar."), stap == 0 || stap >= 46);
      QVERIFY(!tekst.contains(QLatin1Char('\n')));
    }
  }

  // The help of page 7 shows the inverted figure in the first picture and keeps it there.
  void hulpPagina7Plaatje() {
    Binstel& les = op(7, 0);
    QCOMPARE(les.afbeeldingIn(1), QStringLiteral("ImgBitBinair.bmp"));
    const QSize lijst(les.panelen()(7).width(), les.panelen()(7).height());
    les.Command_Click(3);
    QCOMPARE(les.afbeeldingIn(1), QStringLiteral("ImgBitBinairInverted.bmp"));
    QVERIFY(!les.afbeeldingen()(1).Picture().isNull());
    QCOMPARE(QSize(les.panelen()(7).width(), les.panelen()(7).height()), lijst);
  }
};

QTEST_MAIN(Les5Poorten)
#include "tst_les5_poorten.moc"

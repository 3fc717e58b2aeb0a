// Lesson 1's gates, workbook question, help texts, the reactions to the switches and to the
// buttons on the screen, and a whole lesson walked from page 1 to the test.
#include <QTest>

#include "les1/les1_omgeving.h"
#include "lessons/les1/les1teksten.h"

using namespace kwil;

class Les1Gedrag : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  // Stap on an Arduino-like kind with the value taken as it is: one tick per change.
  void druk(NietEnOf& les, int knoppen) {
    state().ToetsEmulatie = true;
    state().Ingangen = knoppen;
    les.TijdInterval_Timer();
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les1Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void poorten_data() {
    QTest::addColumn<int>("stap");  // the page left
    QTest::addColumn<int>("voortgang");
    QTest::addColumn<QString>("weigering");  // "" = passes
    QTest::newRow("5 without ringing") << 5 << 0 << "Hallo wel eerst FF bij Vonkel bellen!";
    QTest::newRow("5 after ringing") << 5 << 1 << "";
    QTest::newRow("6 below 3") << 6 << 2 << "Hallo wel eerst FF bij E.Tak. bellen!";
    QTest::newRow("6 at 3") << 6 << 3 << "";
    QTest::newRow("10 below 4") << 10 << 3 << "Hallo wel eerst FF bekijken hoe het werkt!";
    QTest::newRow("12 below 5") << 12 << 4 << "Hallo wel eerst FF bekijken hoe het werkt!";
    QTest::newRow("13 below 6") << 13 << 5 << "Hallo wel eerst FF bekijken hoe het werkt!";
    QTest::newRow("16 below 7") << 16 << 6 << "Hallo wel eerst FF op de knopjes drukken!";
    QTest::newRow("18 below 8") << 18 << 7 << "Hallo wel eerst FF de schakeling testen!";
    QTest::newRow("18 at 8") << 18 << 8 << "";
    QTest::newRow("20 below 9") << 20 << 8 << "Druk voordat je verder gaat op de interface s1 en s2 gelijktijdig in!";
    QTest::newRow("25 below 10") << 25 << 9 << "Druk voordat je verder gaat op de interface s1 in!";
    QTest::newRow("26 at 10") << 26 << 10 << "Druk voordat je verder gaat op de interface s1 en s2 in!";
    QTest::newRow("26 at 11") << 26 << 11 << "";
    QTest::newRow("10 at 4") << 10 << 4 << "";
    QTest::newRow("12 at 5") << 12 << 5 << "";
    QTest::newRow("16 at 7") << 16 << 7 << "";
    QTest::newRow("20 at 9") << 20 << 9 << "";
    QTest::newRow("25 at 10") << 25 << 10 << "";
    QTest::newRow("14 has no gate") << 14 << 0 << "";
    QTest::newRow("19 has no gate") << 19 << 0 << "";
    QTest::newRow("21 has no gate") << 21 << 0 << "";
    QTest::newRow("22 has no gate") << 22 << 0 << "";
    QTest::newRow("23 has no gate") << 23 << 0 << "";
    QTest::newRow("27 has no gate") << 27 << 0 << "";
    QTest::newRow("33 has no gate") << 33 << 0 << "";
  }
  void poorten() {
    QFETCH(int, stap);
    QFETCH(int, voortgang);
    QFETCH(QString, weigering);
    NietEnOf& les = lestest::toonLes1(stap);
    state().Voortgang = static_cast<std::int16_t>(voortgang);
    omgeving.klikVerderMetMuisErop(les);
    const auto& berichten = omgeving.basis.dialogs->messages;
    if (weigering.isEmpty()) {
      QCOMPARE(state().Stap, stap + 1);
      QVERIFY(berichten.isEmpty());
      QCOMPARE(omgeving.geluiden(), QStringList{QStringLiteral("SndVerder.wav")});
    } else {
      QCOMPARE(state().Stap, stap);
      QCOMPARE(berichten.size(), 1);
      QCOMPARE(berichten[0].text, weigering);
      QCOMPARE(berichten[0].buttons, 0);
      QCOMPARE(berichten[0].title, QStringLiteral("Kwilmora"));
      QCOMPARE(omgeving.geluiden(), (QStringList{QStringLiteral("SndVerder.wav"), QStringLiteral("SndDatIsSnel.wav"),
                                                 QStringLiteral("SndTerug.wav")}));
      QCOMPARE(state().Voortgang, voortgang);  // only compared, never reset
    }
    QCOMPARE(state().KnopOnderMuis, 0);
    QCOMPARE(les.knoppen()(1).BackColor(), KleurKnopNormaal);
  }

  void tekenvraag_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<double>("wachten");
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<bool>("verder");
    QTest::addColumn<QString>("vraag");
    const QString bel = QStringLiteral("Heb je het symbool van de bel netjes in je boek getekend?");
    const QString symbool = QStringLiteral("Heb je het symbool netjes in je boek getekend?");
    QTest::newRow("4, Yes") << 4 << 3.0 << 6 << true << bel;
    QTest::newRow("4, No") << 4 << 3.0 << 7 << false << bel;
    QTest::newRow("4, after ten seconds") << 4 << 10.0 << 0 << true << "";
    QTest::newRow("9, No") << 9 << 9.5 << 7 << false << symbool;
    QTest::newRow("11, Yes") << 11 << 0.0 << 6 << true << symbool;
  }
  void tekenvraag() {
    QFETCH(int, stap);
    QFETCH(double, wachten);
    QFETCH(int, antwoord);
    QFETCH(bool, verder);
    QFETCH(QString, vraag);
    NietEnOf& les = lestest::toonLes1(stap);
    omgeving.basis.clock->advance(wachten);
    // The running light waits 400 ms before the gate; the page clock wraps at midnight.
    omgeving.basis.clock->midnightSeconds = 2;
    if (antwoord) omgeving.basis.dialogs->answers.push_back(antwoord);
    les.Command_Click(1);
    QCOMPARE(state().Stap, verder ? stap + 1 : stap);
    const auto& berichten = omgeving.basis.dialogs->messages;
    if (vraag.isEmpty()) {
      QVERIFY(berichten.isEmpty());
      return;
    }
    QCOMPARE(berichten.size(), 1);
    QCOMPARE(berichten[0].text, QStringLiteral("Zo... jij kunt snel tekenen.\r\r") + vraag);
    QCOMPARE(berichten[0].buttons, 4);
    QCOMPARE(berichten[0].title, QStringLiteral("Vraagje"));
    if (!verder) {  // the page is rebuilt and the ten seconds start again
      omgeving.basis.clock->advance(9);
      les.Command_Click(1);
      QCOMPARE(berichten.size(), 2);
    }
  }

  void stap13EerstDePoortDanDeVraag() {
    NietEnOf& les = lestest::toonLes1(13);
    state().Voortgang = 6;
    omgeving.basis.dialogs->answers.push_back(6);
    les.Command_Click(1);
    QCOMPARE(state().Stap, 14);
    QCOMPARE(omgeving.basis.dialogs->messages.size(), 1);
    QCOMPARE(omgeving.basis.dialogs->messages[0].title, QStringLiteral("Vraagje"));
  }

  void hulpteksten_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("1") << 1 << "In deze les maak je ook opdrachten in je werkboek.\r\rTijdens de toets mag je dat werkboek ook gebruiken.";
    QTest::newRow("12") << 12 << "Wanneer je NIET op de schakelaar drukt,\rgaat de bel WEL.";
    QTest::newRow("23") << 23 << "Sluit je een diode verkeerd om aan,\r\rdan zal de diode niet kunnen branden.";
    QTest::newRow("27") << 27 << "De doorlaatrichting is van Anode naar Kathode.\r\rDe sperrichting is van Kathode naar Anode.";
    QTest::newRow("28") << 28 << "Wanneer je het werkboek goed ingevuld hebt,\rkun je dat prima gebruiken bij de toets.";
    QTest::newRow("29") << 29 << "Bij het overzicht is geen hulp meer beschikbaar.\rJe kunt natuurijk nog wel terug bladeren.";
    QTest::newRow("33") << 33 << "Bij het overzicht is geen hulp meer beschikbaar.\rJe kunt natuurijk nog wel terug bladeren.";
    QTest::newRow("34") << 34 << "Nog niet klaar.";
    QTest::newRow("0") << 0 << "Nog niet klaar.";
  }
  void hulpteksten() {
    QFETCH(int, stap);
    QFETCH(QString, tekst);
    QCOMPARE(les1HelpTekst(stap), tekst);
  }

  // Where a help text is only summed up, its quoted first line still stands as it is.
  void hulpBeginRegels_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("eerste");
    const QMap<int, QString> eerste = {
        {2, "Elk genoemd onderdeel wordt besproken."},
        {3, "Het verschil tussen gelijk- en wisselspanning"},
        {4, "Een symbool is een eenvoudige tekening."},
        {5, "Wanneer je op de knop drukt gaat de bel."},
        {6, "Op het scherm zijn 3 symbolen getekend."},
        {7, "Transformeren betekend 'omvormen'."},
        {8, "Kortsluitvast wil zeggen dat de transformator"},
        {9, "Een transformator bestaat uit 2 spoelen,"},
        {10, "De draden..."},
        {11, "Voor een schakelaar betekent:"},
        {13, "Omdat het zoveel herrie maakt is de bel"},
        {14, "Bediend..."},
        {15, "Zonder zo'n print kun je deze les niet afmaken."},
        {16, "Wanneer je op s1 drukt, schuift de interface naar links."},
        {17, "Met de drukknoppen s1 en s2 ga je straks"},
        {18, "Gebruik de knoppen op de interface."},
        {19, "De rails van de trein lopen parallel."},
        {20, "Gebruik de knoppen op de interface."},
        {21, "In een SERIE schakeling staan de onderdelen achter elkaar."},
        {22, "Even een Engelse les..."},
        {24, "Een Led heeft dus 2 aansluitingen"},
        {25, "Wanneer je een Led direct op 12 Volt aansluit, gaat hij direct stuk."},
        {26, "De bovenkant van de schakeling is de plus."}};
    for (auto it = eerste.begin(); it != eerste.end(); ++it) QTest::addRow("%d", it.key()) << it.key() << it.value();
  }
  void hulpBeginRegels() {
    QFETCH(int, stap);
    QFETCH(QString, eerste);
    const QStringList regels = les1HelpTekst(stap).split(vbCr);
    QCOMPARE(regels.front(), eerste);
    QVERIFY(regels.size() > 1);
  }

  void hulpLaatsteRegel_data() {
    QTest::addColumn<int>("stap");
    QTest::newRow("20") << 20;
    QTest::newRow("21") << 21;
  }
  void hulpLaatsteRegel() {
    QFETCH(int, stap);
    QCOMPARE(les1HelpTekst(stap).split(vbCr).back(),
             QStringLiteral("De bel gaat alleen wanneer je s1 en s2 gelijktijdig indrukt."));
  }

  // One row: the inputs after each change, and what the last change left.
  void schakelaars_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QList<int>>("wissels");
    QTest::addColumn<QStringList>("geluiden");
    QTest::addColumn<int>("vak");
    QTest::addColumn<QString>("plaatje");
    QTest::addColumn<int>("uitgangen");  // -1 = not written
    QTest::addColumn<int>("voortgang");
    using L = QList<int>;
    const QString bel = "SndBelTring.wav", zoem = "SndZoem.wav", piep = "SndPiep.wav", fluit = "SndFluit.wav";
    QTest::newRow("5: s1 s2 together") << 5 << L{3} << QStringList{bel, zoem} << 0 << "" << -1 << 1;
    QTest::newRow("5: s2 alone") << 5 << L{2} << QStringList{zoem} << 0 << "" << -1 << 0;
    QTest::newRow("5: held s1 rings once") << 5 << L{1, 3, 1} << QStringList{bel, zoem} << 0 << "" << -1 << 1;
    QTest::newRow("6: s3") << 6 << L{4} << QStringList{piep} << 5 << "ImgSymboolEnkpBediend.bmp" << -1 << 3;
    QTest::newRow("6: s3 released") << 6 << L{4, 0} << QStringList{piep} << 5 << "ImgSymboolEnkpOnbediend.bmp" << -1 << 3;
    QTest::newRow("10: s1, s2 held on") << 10 << L{1, 3} << QStringList{bel} << 2 << "ImgSchemaBelBediend.bmp" << -1 << 4;
    QTest::newRow("10: press again rings") << 10 << L{1, 0, 1} << QStringList{bel, bel} << 2 << "ImgSchemaBelBediend.bmp" << -1 << 4;
    QTest::newRow("11: released") << 11 << L{1, 0} << QStringList{bel} << 2 << "ImgSchemaBelOnBediend.bmp" << -1 << 4;
    QTest::newRow("12: s1") << 12 << L{1} << QStringList{} << 2 << "ImgSymboolNietEnkpBediend.bmp" << -1 << 5;
    QTest::newRow("14: s1") << 14 << L{1} << QStringList{} << 2 << "ImgSchemaBelNietBediend.bmp" << -1 << 6;
    QTest::newRow("16: s1 and s3") << 16 << L{5} << QStringList{} << 0 << "" << 1 << 7;
    QTest::newRow("16: released") << 16 << L{5, 0} << QStringList{} << 0 << "" << 0 << 7;
    QTest::newRow("16: s5") << 16 << L{16} << QStringList{} << 0 << "" << 16 << 7;
    QTest::newRow("17: no reaction") << 17 << L{1} << QStringList{} << 0 << "" << -1 << 0;
    QTest::newRow("18: s1") << 18 << L{1} << QStringList{fluit} << 2 << "ImgSchemaBelOfS1Bediend.bmp" << -1 << 0;
    QTest::newRow("19: both") << 19 << L{1, 3} << QStringList{fluit, fluit} << 2 << "ImgSchemaBelOfS1S2Bediend.bmp" << -1 << 8;
    QTest::newRow("20: s2 alone is silent") << 20 << L{2} << QStringList{} << 2 << "ImgSchemaBelEnS2Bediend.bmp" << -1 << 0;
    QTest::newRow("21: both") << 21 << L{3} << QStringList{fluit} << 2 << "ImgSchemaBelEnS1S2Bediend.bmp" << -1 << 9;
    QTest::newRow("21: none") << 21 << L{3, 0} << QStringList{fluit} << 2 << "ImgSchemaBelEnOnBediend.bmp" << -1 << 9;
    QTest::newRow("22: s4 with s5") << 22 << L{24} << QStringList{} << 6 << "ImgLedGeel.jpg" << -1 << 0;
    QTest::newRow("23: last colour stays") << 23 << L{2, 0} << QStringList{} << 6 << "ImgLedOranje.jpg" << -1 << 0;
    QTest::newRow("25: s1") << 25 << L{1} << QStringList{} << 6 << "ImgSchemaLedBediend.bmp" << 1 << 10;
    QTest::newRow("25: released") << 25 << L{1, 0} << QStringList{} << 6 << "ImgSchemaLedOnBediend.bmp" << 0 << 10;
    QTest::newRow("26: s1") << 26 << L{1} << QStringList{} << 6 << "ImgSchemaLedsE1E2E3s1Bes2Onbediend.bmp" << 5 << 11;
    QTest::newRow("26: s2") << 26 << L{2} << QStringList{} << 6 << "ImgSchemaLedsE1E2E3s1Ons2Bediend.bmp" << 0 << 11;
    QTest::newRow("26: both at once") << 26 << L{3, 0} << QStringList{} << 6 << "ImgSchemaLedsE1E2E3s1s2Onbediend.bmp" << 4 << 0;
    QTest::newRow("27: both after s1") << 27 << L{1, 3} << QStringList{} << 6 << "ImgSchemaLedsE1E2E3s1s2Bediend.bmp" << 1 << 11;
  }
  void schakelaars() {
    QFETCH(int, stap);
    QFETCH(QList<int>, wissels);
    QFETCH(QStringList, geluiden);
    QFETCH(int, vak);
    QFETCH(QString, plaatje);
    QFETCH(int, uitgangen);
    QFETCH(int, voortgang);
    state().InterfaceSoort = SoortArduino;
    NietEnOf& les = lestest::toonLes1(stap);
    state().Uitgangen = -1;
    omgeving.geluiden();
    for (int w : wissels) druk(les, w);
    QCOMPARE(omgeving.geluiden(), geluiden);
    if (vak) QCOMPARE(les.plaatjeIn(vak), plaatje);
    QCOMPARE(state().Uitgangen, uitgangen);
    QCOMPARE(state().Voortgang, voortgang);
    QVERIFY(state().InterfaceGebruikt);
  }

  void stap16SchuiftDeFoto() {
    state().InterfaceSoort = SoortArduino;
    NietEnOf& les = lestest::toonLes1(15);
    state().Stap = 16;
    les.Plaatstekst();
    kwil::Panel& foto = les.panelen()(14);
    const float links = foto.Left();
    druk(les, 1);
    QCOMPARE(foto.Left(), links - 10);
    druk(les, 3);  // s1 held while s2 is added: a change, so s1 moves the frame once more
    QCOMPARE(foto.Left(), links - 20);
    druk(les, 2);
    QCOMPARE(foto.Left(), links - 10);
    foto.setLeft(8);
    druk(les, 1);
    QCOMPARE(foto.Left(), 8.0f);
  }

  // The steps on which the polling runs and on which F1 stands in for s1.
  void timerEnFToetsen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("timer");
    QTest::addColumn<bool>("fToets");
    QTest::newRow("4") << 4 << false << false;
    QTest::newRow("5") << 5 << true << true;
    QTest::newRow("14") << 14 << true << true;
    QTest::newRow("15") << 15 << false << false;
    QTest::newRow("16") << 16 << true << true;
    QTest::newRow("17: polling, no F keys") << 17 << true << false;
    QTest::newRow("23") << 23 << true << true;
    QTest::newRow("24") << 24 << false << false;
    QTest::newRow("27") << 27 << true << true;
    QTest::newRow("28") << 28 << false << false;
  }
  void timerEnFToetsen() {
    QFETCH(int, stap);
    QFETCH(bool, timer);
    QFETCH(bool, fToets);
    NietEnOf& les = lestest::toonLes1(stap);
    les.SetResetTimer();
    QCOMPARE(les.timer().Enabled(), timer);
    les.keyDown(vbKeyF1, 0);
    QCOMPARE(state().ToetsEmulatie, fToets);
    les.keyUp(vbKeyF1, 0);
    QVERIFY(!state().ToetsEmulatie);
  }

  void schermknoppen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("knop");
    QTest::addColumn<QStringList>("geluiden");
    QTest::addColumn<int>("vak");
    QTest::addColumn<QString>("ingedrukt");
    QTest::addColumn<QString>("losgelaten");
    QTest::addColumn<int>("voortgang");
    QTest::newRow("5: Vonkel") << 5 << 5 << QStringList{"SndBelTring.wav"} << 0 << "" << "" << 1;
    QTest::newRow("5: Brom") << 5 << 6 << QStringList{"SndZoem.wav"} << 0 << "" << "" << 0;
    QTest::newRow("6: Tak") << 6 << 7 << QStringList{"SndPiep.wav"} << 5 << "ImgSymboolEnkpBediend.bmp"
                            << "ImgSymboolEnkpOnbediend.bmp" << 3;
    QTest::newRow("9: bell rings anywhere") << 9 << 6 << QStringList{"SndZoem.wav"} << 0 << "" << "" << 0;
    QTest::newRow("10: Tingel") << 10 << 8 << QStringList{"SndBelTring.wav"} << 2 << "ImgSchemaBelBediend.bmp"
                                << "ImgSchemaBelOnbediend.bmp" << 4;
    QTest::newRow("12: Tingel") << 12 << 8 << QStringList{} << 2 << "ImgSymboolNietEnkpBediend.bmp"
                                << "ImgSymboolNietEnkpOnbediend.bmp" << 5;
    QTest::newRow("13: Tingel") << 13 << 8 << QStringList{} << 2 << "ImgSchemaBelNietBediend.bmp"
                                << "ImgSchemaBelNietOnbediend.bmp" << 6;
    QTest::newRow("18: s2") << 18 << 8 << QStringList{"SndFluit.wav"} << 2 << "ImgSchemaBelOfS2Bediend.bmp"
                            << "ImgSchemaBelOfOnbediend.bmp" << 0;
    QTest::newRow("19: s1") << 19 << 9 << QStringList{"SndFluit.wav"} << 2 << "ImgSchemaBelOfS1Bediend.bmp"
                            << "ImgSchemaBelOfOnbediend.bmp" << 0;
    QTest::newRow("20: s2") << 20 << 8 << QStringList{} << 2 << "ImgSchemaBelEnS2bediend.bmp"
                            << "ImgSchemaBelEnOnbediend.bmp" << 0;
    QTest::newRow("21: s1") << 21 << 9 << QStringList{} << 2 << "ImgSchemaBelEnS1bediend.bmp"
                            << "ImgSchemaBelEnOnbediend.bmp" << 0;
  }
  void schermknoppen() {
    QFETCH(int, stap);
    QFETCH(int, knop);
    QFETCH(QStringList, geluiden);
    QFETCH(int, vak);
    QFETCH(QString, ingedrukt);
    QFETCH(QString, losgelaten);
    QFETCH(int, voortgang);
    NietEnOf& les = lestest::toonLes1(stap);
    omgeving.geluiden();
    omgeving.uitgangen();
    const int uit = state().Uitgangen;
    les.knoppen().events().MouseDown(knop, 1, 0, 0, 0);
    if (vak) QCOMPARE(les.plaatjeIn(vak), ingedrukt);
    les.knoppen().events().MouseUp(knop, 1, 0, 0, 0);
    if (vak) QCOMPARE(les.plaatjeIn(vak), losgelaten);
    QCOMPARE(omgeving.geluiden(), geluiden);
    QCOMPARE(state().Voortgang, voortgang);
    QCOMPARE(state().Uitgangen, uit);  // the screen buttons never write the outputs
    QVERIFY(omgeving.uitgangen().isEmpty());
    for (int i = 3; i <= 5; ++i) QVERIFY(!state().IngangVerwerkt[i]);
  }

  void zweefkleuren() {
    NietEnOf& les = lestest::toonLes1(5);
    auto& knop = les.knoppen();
    knop.events().MouseMove(5, 0, 0, 0, 0);
    QCOMPARE(knop(5).BackColor(), KleurKnopOnderMuis);
    knop.events().MouseMove(1, 0, 0, 0, 0);  // the bell keeps its colour: only KnopOnderMuis is reset
    QCOMPARE(knop(5).BackColor(), KleurKnopOnderMuis);
    QCOMPARE(knop(1).BackColor(), KleurKnopOnderMuis);
    knop.events().MouseMove(8, 0, 0, 0, 0);
    QCOMPARE(knop(8).BackColor(), KleurKnopNormaal);
    les.panelen().events().MouseMove(2, 0, 0, 0, 0);
    QCOMPARE(knop(8).BackColor(), 0xFFFFFF);
    QCOMPARE(state().KnopOnderMuis, 0);
    QCOMPARE(knop(5).ToolTipText(), QStringLiteral("Klik hier om te horen hoe de bel klinkt van P.Vonkel."));
    QCOMPARE(knop(7).ToolTipText(), QStringLiteral("Klik hier om te horen hoe de bel klinkt van E.Tak."));
  }

  // The whole lesson with the F-keys standing in for the interface, Yes to every question.
  void heleLes() {
    int vragen = 0;
    lestest::loopLes1MetFToetsen(lestest::toonLes1(1), *omgeving.basis.dialogs, vragen);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(state().Stap, 34);
    QCOMPARE(state().LesNummer, 1);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QCOMPARE(vragen, 4);
    for (const auto& m : omgeving.basis.dialogs->messages) QCOMPARE(m.title, QStringLiteral("Vraagje"));
  }
};

QTEST_MAIN(Les1Gedrag)
#include "tst_les1_gedrag.moc"

// Lesson 3's gates, workbook question, help texts, the pages built on arrival from either
// neighbour, the footer, the steps that poll, the hand-over to the test and a whole lesson
// walked with the F keys.
#include <QTest>

#include "les3/les3_omgeving.h"

using namespace kwil;

class Les3Gedrag : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  // Holds each combination on the interface (all its buttons at once), then lets go.
  void probeer(LogSchak& les, const QList<int>& standen) {
    for (int stand : standen) {
      lestest::houdOpInterface(omgeving, les, stand);
      lestest::houdOpInterface(omgeving, les, 0);
    }
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap({}); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  // Each circuit page refuses Verder, with its text, until the last missing combination was
  // shown; the combination at rest counts from the arrival.
  void poorten_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QList<int>>("eerst");  // tried before the first Verder
    QTest::addColumn<int>("laatste");       // the combination still missing
    QTest::addColumn<QString>("weigering");
    const QString twee = "Probeer eerst alle 4 standen van s1 en s2 uit!";
    const QString drie = "Probeer eerst alle 8 standen van s1, s2 en s3 uit!";
    using L = QList<int>;
    QTest::newRow("4 EN") << 4 << L{1, 2} << 3 << twee;
    QTest::newRow("5 OF") << 5 << L{3, 2} << 1 << twee;
    QTest::newRow("6 NIET") << 6 << L{} << 1 << "Druk eerst s1 in en laat hem weer los!";
    QTest::newRow("8") << 8 << L{1, 2} << 3 << twee;
    QTest::newRow("9") << 9 << L{3, 1} << 2 << twee;
    QTest::newRow("10") << 10 << L{1, 2} << 3 << twee;
    QTest::newRow("11") << 11 << L{1, 2} << 3 << twee;
    QTest::newRow("12") << 12 << L{1, 2, 3, 4, 5, 6} << 7 << drie;
    QTest::newRow("13") << 13 << L{7, 6, 5, 4, 3, 2} << 1 << drie;
    QTest::newRow("14") << 14 << L{1, 2, 3, 5, 6, 7} << 4 << drie;
    QTest::newRow("15") << 15 << L{1, 2, 3, 4, 6, 7} << 5 << drie;
    QTest::newRow("16") << 16 << L{1, 3} << 2 << twee;
    QTest::newRow("17 unknown gate") << 17 << L{1, 2} << 3 << twee;
    QTest::newRow("19 stairwell") << 19 << L{1, 2} << 3 << twee;
    QTest::newRow("20 seat belt") << 20 << L{2, 3} << 1 << twee;
    QTest::newRow("25 final") << 25 << L{1, 2, 3, 4, 5, 7} << 6 << drie;
  }
  void poorten() {
    QFETCH(int, stap);
    QFETCH(QList<int>, eerst);
    QFETCH(int, laatste);
    QFETCH(QString, weigering);
    LogSchak& les = lestest::toonLes3(stap);
    probeer(les, eerst);
    omgeving.geluiden();
    les.Command_Click(1);
    QCOMPARE(state().Stap, stap);
    const auto& berichten = omgeving.basis.dialogs->messages;
    QCOMPARE(berichten.size(), 1);
    QCOMPARE(berichten[0].text, weigering);
    QCOMPARE(omgeving.geluiden(), (QStringList{"SndVerder.wav", "SndDatIsSnel.wav", "SndTerug.wav"}));
    QVERIFY(les.schema().poorten.size() > 0);  // the circuit stays on the page
    probeer(les, {laatste});
    les.Command_Click(1);
    QCOMPARE(state().Stap, stap + 1);
    QCOMPARE(berichten.size(), 1);
  }

  // Pages without a gate, and the page that only shows again what the pupil found out.
  void zonderPoort_data() {
    QTest::addColumn<int>("stap");
    for (int stap : {1, 2, 3, 7, 18, 21, 22, 23, 26, 29}) QTest::addRow("%d", stap) << stap;
  }
  void zonderPoort() {
    QFETCH(int, stap);
    LogSchak& les = lestest::toonLes3(stap);
    les.Command_Click(1);
    QCOMPARE(state().Stap, stap + 1);
    QVERIFY(omgeving.basis.dialogs->messages.isEmpty());
  }

  // What was tried stays tried when the pupil goes back and comes again; a new start forgets it.
  void geprobeerdBlijft() {
    LogSchak& les = lestest::toonLes3(4);
    probeer(les, {1, 2, 3});
    les.Command_Click(2);
    QCOMPARE(state().Stap, 3);
    les.Command_Click(1);
    les.Command_Click(1);
    QCOMPARE(state().Stap, 5);
    les.Hide();
    state().Stap = 4;
    les.Show();
    QVERIFY(!les.allesGeprobeerd(4));
  }

  void werkboekvraag_data() {
    QTest::addColumn<double>("wachten");
    QTest::addColumn<int>("antwoord");  // 0 = no question
    QTest::addColumn<bool>("verder");
    QTest::newRow("Yes") << 3.0 << 6 << true;
    QTest::newRow("No") << 9.5 << 7 << false;
    QTest::newRow("after ten seconds") << 10.0 << 0 << true;
  }
  void werkboekvraag() {
    QFETCH(double, wachten);
    QFETCH(int, antwoord);
    QFETCH(bool, verder);
    LogSchak& les = lestest::toonLes3(kLes3WerkboekStap);
    omgeving.basis.clock->advance(wachten);
    if (antwoord) omgeving.basis.dialogs->answers.push_back(antwoord);
    les.Command_Click(1);
    QCOMPARE(state().Stap, verder ? 25 : 24);
    const auto& berichten = omgeving.basis.dialogs->messages;
    QCOMPARE(berichten.size(), antwoord ? 1 : 0);
    if (antwoord) {
      QCOMPARE(berichten[0].text, QStringLiteral("Zo... jij kunt snel tekenen.\r\r"
                                                 "Heb je de tabel en de symbolen netjes in je werkboek getekend?"));
      QCOMPARE(berichten[0].title, QStringLiteral("Vraagje"));
    }
  }

  // Every page built on arrival from the page before and from the page after.
  void aankomst_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("vanaf");
    for (int stap = 1; stap <= kLes3Paginas; ++stap) {
      if (stap > 1) QTest::addRow("%d from %d", stap, stap - 1) << stap << stap - 1;
      if (stap < kLes3Paginas) QTest::addRow("%d from %d", stap, stap + 1) << stap << stap + 1;
    }
  }
  void aankomst() {
    QFETCH(int, stap);
    QFETCH(int, vanaf);
    LogSchak& les = lestest::toonLes3(vanaf);
    omgeving.uitgangen();
    state().Stap = stap;
    les.Plaatstekst();
    les.SetResetTimer();
    const Les3Schakeling* schakeling = les3Schakeling(stap);
    QCOMPARE(les.panelen()(3).Visible(), les3Beeld(stap) != Les3Beeld::Geen);
    QCOMPARE(les.schema().poorten.isEmpty(), schakeling == nullptr);
    // The resting circuit is written to E1; a page without one switches E1 off when the page
    // before had one, and writes nothing otherwise.
    const QList<int> uit = omgeving.uitgangen();
    if (schakeling)
      QCOMPARE(uit, QList<int>{les.schema().ledAan ? 1 : 0});
    else if (les3Schakeling(vanaf))
      QCOMPARE(uit, QList<int>{0});
    else
      QVERIFY(uit.isEmpty());
    QCOMPARE(les.timer().Enabled(), schakeling != nullptr);
    const QStringList zinnen = les3Zinnen(stap);
    for (int i = 0; i < zinnen.size(); ++i) QCOMPARE(state().Zin[i + 1], zinnen[i]);
    for (int i = zinnen.size() + 1; i <= 15; ++i) QVERIFY(state().Zin[i].isEmpty());
    QCOMPARE(les.panelen()(8).Caption(), QStringLiteral("Les 3 stap %1 van 30").arg(stap));
  }

  // The lines of every page fit the page box and its 15 lines; no page is without text.
  void paginaTeksten() {
    LogSchak& les = lestest::toonLes3(1);
    for (int stap = 1; stap <= kLes3Paginas; ++stap) {
      const PaginaTekst p = les3Pagina(stap);
      QVERIFY(!p.zinnen.isEmpty() && p.zinnen.size() <= 15);
      for (const QString& zin : p.zinnen)
        QVERIFY2(les.plaatjes()(4).TextWidth(QStringLiteral("  ") + zin) < les.plaatjes()(4).ScaleWidth(), qPrintable(zin));
      for (const Afdruk& a : p.afdruk) QVERIFY(a.zin <= p.zinnen.size());
    }
    QVERIFY(les3Pagina(31).zinnen.isEmpty());
    QVERIFY(les3Pagina(0).zinnen.isEmpty());
  }

  // What every question of the lesson's test asks is said on a page of the lesson.
  void toetsWordtBehandeld_data() {
    QTest::addColumn<QString>("woorden");
    QTest::newRow("EN: only when both are 1") << "De uitgang is alleen 1 als beide ingangen 1 zijn.";
    QTest::newRow("OF: 0 only when both are 0") << "Alleen als beide ingangen 0 zijn, is de uitgang 0.";
    QTest::newRow("NIET turns round") << "van 0 maakt hij 1 en van 1 maakt hij 0.";
    QTest::newRow("NIET has one input") << "Een NIET-poort heeft maar één ingang: s1.";
    QTest::newRow("EN and NIET make NEN") << "Een EN met een NIET erachter heet een NEN-poort.";
    QTest::newRow("an unknown gate") << "Zo vind je elke poort: probeer alle standen";
    QTest::newRow("brackets") << "(s1 EN s2) OF s3.";
    QTest::newRow("the circle") << "Het kleine rondje bij de uitgang betekent: omkeren.";
    QTest::newRow("OF with three inputs") << "Zo is de uitgang bij 7 van de 8 standen 1.";
  }
  void toetsWordtBehandeld() {
    QFETCH(QString, woorden);
    QStringList alles;
    for (int stap = 1; stap <= kLes3Paginas; ++stap) alles += les3Zinnen(stap);
    QVERIFY(alles.join(QLatin1Char(' ')).contains(woorden));
  }

  void hulp_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("eerste");
    QTest::addColumn<QString>("fToetsen");  // the last line, on how to work without an interface
    const QString een = "Houd dan F1 ingedrukt voor s1.", twee = "Houd dan F1 en F2 ingedrukt voor s1 en s2.";
    const QString drie = "Houd dan F1, F2 en F3 ingedrukt voor s1, s2 en s3.";
    QTest::newRow("1") << 1 << "In deze les maak je ook opdrachten in je werkboek." << QString();
    QTest::newRow("4") << 4 << "Een rode lijn is 1, een donkerblauwe lijn is 0." << twee;
    QTest::newRow("6, one input") << 6 << "Invertor komt van inverteren: omkeren." << een;
    QTest::newRow("7") << 7 << "Een chip heet ook wel een IC: een geïntegreerde schakeling." << QString();
    QTest::newRow("12, three") << 12 << "Tel de standen: s1 kan 0 of 1 zijn, s2 ook en s3 ook." << drie;
    QTest::newRow("17") << 17 << "Maak een tabeltje met s1, s2 en E1." << twee;
    QTest::newRow("24") << 24 << "Wanneer je het werkboek goed ingevuld hebt," << QString();
    QTest::newRow("25") << 25 << "Reken eerst (s1 OF s2) uit en kijk dan naar s3." << drie;
    QTest::newRow("26") << 26 << "Bij het overzicht is geen hulp meer beschikbaar." << QString();
    QTest::newRow("30") << 30 << "Bij het overzicht is geen hulp meer beschikbaar." << QString();
    QTest::newRow("31") << 31 << "Nog niet klaar." << QString();
  }
  void hulp() {
    QFETCH(int, stap);
    QFETCH(QString, eerste);
    QFETCH(QString, fToetsen);
    LogSchak& les = lestest::toonLes3(stap == 31 ? 30 : stap);
    state().Stap = stap;
    les.Command_Click(3);
    const auto& berichten = omgeving.basis.dialogs->messages;
    QCOMPARE(berichten.size(), 1);
    const QStringList regels = berichten[0].text.split(QLatin1Char('\r'));
    QCOMPARE(regels.front(), eerste);
    QCOMPARE(regels.back().startsWith(QStringLiteral("Houd dan F")), !fToetsen.isEmpty());
    if (!fToetsen.isEmpty()) QCOMPARE(regels.back(), fToetsen);
  }

  // Every page has help of its own until the summary; every circuit says how to work without
  // an interface.
  void hulpPerPagina() {
    QSet<QString> gezien;
    for (int stap = 1; stap <= kLes3Paginas; ++stap) {
      const QString hulp = les3HelpTekst(stap);
      const bool overzicht = hulp.startsWith(QStringLiteral("Bij het overzicht"));
      QCOMPARE(overzicht, stap >= 26);
      if (!overzicht) QVERIFY2(!gezien.contains(hulp), qPrintable(QString::number(stap)));
      gezien.insert(hulp);
      QCOMPARE(hulp.contains(QStringLiteral("Heb je geen interface?")), les3Schakeling(stap) != nullptr);
    }
  }

  // The steps on which the polling runs and F1 stands in for s1.
  void timerEnFToetsen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("aan");
    for (int stap : {3, 4, 6, 7, 8, 20, 21, 24, 25, 26}) QTest::addRow("%d", stap) << stap << (stap == 4 || stap == 6 || stap == 8 || stap == 20 || stap == 25);
  }
  void timerEnFToetsen() {
    QFETCH(int, stap);
    QFETCH(bool, aan);
    LogSchak& les = lestest::toonLes3(stap);
    les.SetResetTimer();
    QCOMPARE(les.timer().Enabled(), aan);
    les.keyDown(vbKeyF1, 0);
    QCOMPARE(state().ToetsEmulatie, aan);
    les.keyUp(vbKeyF1, 0);
    QVERIFY(!state().ToetsEmulatie);
  }

  void vensterEnKopie() {
    LogSchak& les = lestest::toonLes3(4);
    QCOMPARE(les.windowTitle(), QStringLiteral("Logische poorten en schakelingen"));
    les.plaatjes().events().Click(4);
    QVERIFY(omgeving.basis.clipboard->text.startsWith(les3Zinnen(4).front() + QStringLiteral("\r")));
    omgeving.basis.clipboard->text.clear();
    les.plaatjes().events().Click(2);  // the drawing copies the text too
    QVERIFY(omgeving.basis.clipboard->text.startsWith(les3Zinnen(4).front()));
  }

  void overdracht() {
    LogSchak& les = lestest::toonLes3(30);
    les.Command_Click(1);
    QCOMPARE(state().Stap, 31);
    QCOMPARE(state().LesNummer, 3);
    QVERIFY(state().Verlaten);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QVERIFY(!les.isVisible());
  }

  void stopNaarHetMenu() {
    LogSchak& les = lestest::toonLes3(5);
    omgeving.uitgangen();
    les.Command_Click(4);
    QVERIFY(existingWindow(WindowId::Hoofdmenu)->isVisible());
    QVERIFY(!les.isVisible());
    QCOMPARE(omgeving.uitgangen().last(), 0);
  }

  // The whole lesson with the F keys standing in for the interface.
  void heleLes() {
    int vragen = 0;
    omgeving.basis.clock->onSleep = nullptr;
    lestest::loopLes3MetFToetsen(lestest::toonLes3(1), *omgeving.basis.dialogs, vragen);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(state().Stap, 31);
    QCOMPARE(state().LesNummer, 3);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QCOMPARE(vragen, 1);
    for (const auto& m : omgeving.basis.dialogs->messages) QCOMPARE(m.title, QStringLiteral("Vraagje"));
  }
};

QTEST_MAIN(Les3Gedrag)
#include "tst_les3_gedrag.moc"

// The settings in the teacher module: each switch is stored at once, switches the outputs
// off as the new setting writes them, and is what the next start-up reads.
#include "leraar_omgeving.h"
#include "selection/database/databaselocation.h"

using namespace kwil;
using namespace kwil::leraartest;

class TstLeraarInstellingen : public QObject {
  Q_OBJECT

 private:
  LeraarOmgeving o;

  // A new run reads the settings row as the start-up does.
  void herstart() {
    o.basis.settings->values.insert(QStringLiteral("DataPath"), o.db);
    resetState();
    QVERIFY(findDatabaseAndReadSettings([] { QFAIL("the program must not end"); }));
  }

 private Q_SLOTS:
  void init() { o.begin(); }
  void cleanup() { o.end(); }

  void schakelaars_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<bool>("omgekeerd");
    QTest::addColumn<int>("kaarten");  // what the K8055 search finds
    QTest::addColumn<int>("knop");
    QTest::addColumn<int>("nieuweSoort");
    QTest::addColumn<bool>("nieuwOmgekeerd");
    QTest::addColumn<QStringList>("hardware");  // what reached the interface, in order
    QTest::addColumn<int>("zoeken");            // K8055 searches
    QTest::addColumn<int>("sluiten");           // K8055 CloseDevice calls
    QTest::newRow("inverteren aan") << 0 << false << 0 << int(Inverteren) << 0 << true
                                    << QStringList{"Out32 888 255"} << 0 << 0;
    QTest::newRow("inverteren uit") << 0 << true << 0 << int(Inverteren) << 0 << false
                                    << QStringList{"Out32 888 0"} << 0 << 0;
    QTest::newRow("inverteren bij kaarten")
        << 1 << false << 1 << int(Inverteren) << 1 << true
        << QStringList{"SetCurrentDevice 0", "WriteAllDigital 0"} << 0 << 0;
    QTest::newRow("parallel naar USB, kaart 0 en 2")
        << 0 << false << 5 << int(ParallelUsb) << 1 << false
        << QStringList{"SetCurrentDevice 0", "WriteAllDigital 0", "SetCurrentDevice 2", "WriteAllDigital 0"}
        << 1 << 0;
    QTest::newRow("parallel naar USB zonder kaart")
        << 0 << false << 0 << int(ParallelUsb) << 1 << false << QStringList{} << 1 << 0;
    QTest::newRow("USB naar parallel")
        << 1 << true << 1 << int(ParallelUsb) << 0 << true << QStringList{"Out32 888 255"} << 0 << 1;
    QTest::newRow("Arduino blijft") << 3 << false << 1 << int(ParallelUsb) << 3 << false << QStringList{} << 0
                                    << 0;
  }
  void schakelaars() {
    QFETCH(int, soort);
    QFETCH(bool, omgekeerd);
    QFETCH(int, kaarten);
    QFETCH(int, knop);
    QFETCH(int, nieuweSoort);
    QFETCH(bool, nieuwOmgekeerd);
    QFETCH(QStringList, hardware);
    QFETCH(int, zoeken);
    QFETCH(int, sluiten);
    // The settings as the start-up found them in the database.
    QVERIFY(StudentDatabase(o.db).setUsb(soort).ok());
    QVERIFY(StudentDatabase(o.db).setInverteer(omgekeerd).ok());
    KwilState& s = state();
    s.InterfaceSoort = static_cast<std::int16_t>(soort);
    s.UitgangenInverteren = omgekeerd;
    s.VellemanKaarten = soort == SoortVelleman ? kaarten : 0;
    s.Uitgangen = 37;
    o.hw->k8055->present = static_cast<std::int16_t>(kaarten);
    o.toon();
    o.hw->log.clear();
    o.klik(knop);
    QCOMPARE(o.hw->log, hardware);
    QCOMPARE(o.hw->k8055->searches, zoeken);
    QCOMPARE(o.hw->k8055->closes, sluiten);
    QCOMPARE(s.Uitgangen, 0);
    QCOMPARE(int(s.InterfaceSoort), nieuweSoort);
    QCOMPARE(s.UitgangenInverteren, nieuwOmgekeerd);
    // The K8055 search tells which cards it found, and only when it found some.
    const bool gezocht = zoeken > 0 && kaarten > 0;
    QCOMPARE(o.meldingen().size(), gezocht ? 1 : 0);
    if (gezocht) QVERIFY(o.meldingen().first().contains(QStringLiteral("Kaart 2 = aanwezig.")));
    QVERIFY(o.module->Panel(3).Caption().contains(nieuwOmgekeerd ? QStringLiteral("aan")
                                                                 : QStringLiteral("uit")));

    herstart();
    QCOMPARE(int(state().InterfaceSoort), nieuweSoort);
    QCOMPARE(state().UitgangenInverteren, nieuwOmgekeerd);
  }

  // A switch whose write fails does not take effect: the screen, the interface and the
  // program keep the setting that is stored, and the message says why.
  void misluktOpslaanLaatDeInstellingZoalsBewaard_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<int>("knop");
    QTest::addColumn<bool>("bestandWeg");  // else the settings row is gone
    QTest::addColumn<QString>("melding");
    const QString weg = QStringLiteral("Het database bestand is er niet (meer).");
    const QString geenRij = QStringLiteral("De database heeft niet de juiste tabellen of velden.");
    QTest::newRow("inverteren, bestand weg") << 0 << int(Inverteren) << true << weg;
    QTest::newRow("inverteren, geen instellingen") << 1 << int(Inverteren) << false << geenRij;
    QTest::newRow("parallel naar USB, bestand weg") << 0 << int(ParallelUsb) << true << weg;
    QTest::newRow("USB naar parallel, geen instellingen") << 1 << int(ParallelUsb) << false << geenRij;
  }
  void misluktOpslaanLaatDeInstellingZoalsBewaard() {
    QFETCH(int, soort);
    QFETCH(int, knop);
    QFETCH(bool, bestandWeg);
    QFETCH(QString, melding);
    KwilState& s = state();
    s.InterfaceSoort = static_cast<std::int16_t>(soort);
    s.VellemanKaarten = soort == SoortVelleman ? 1 : 0;
    s.UitgangenInverteren = false;
    s.Uitgangen = 37;
    o.hw->k8055->present = 1;
    o.toon();
    const QString getoond = o.module->Panel(3).Caption();
    if (bestandWeg)
      QVERIFY(QFile::rename(o.db, o.db + QStringLiteral(".weg")));
    else
      dbtest::query(o.db, QStringLiteral("DELETE FROM data"));
    o.hw->log.clear();
    o.klik(knop);
    QCOMPARE(o.meldingen(), QStringList{melding});
    QCOMPARE(int(s.InterfaceSoort), soort);
    QCOMPARE(s.UitgangenInverteren, false);
    QCOMPARE(s.Uitgangen, 37);
    QCOMPARE(o.hw->log, QStringList{});
    QCOMPARE(o.hw->k8055->searches, 0);
    QCOMPARE(o.hw->k8055->closes, 0);
    QCOMPARE(o.module->Panel(3).Caption(), getoond);
    if (bestandWeg) QVERIFY(QFile::rename(o.db + QStringLiteral(".weg"), o.db));
  }

  // Each press toggles, and each one is stored at once.
  void inverterenTweeKeer() {
    o.toon();
    o.klik(Inverteren);
    QCOMPARE(dbtest::cell(o.db, QStringLiteral("SELECT Inverteer FROM data")).toInt(), 1);
    o.klik(Inverteren);
    QCOMPARE(dbtest::cell(o.db, QStringLiteral("SELECT Inverteer FROM data")).toInt(), 0);
    QCOMPARE(o.hw->parallel->writes.last(), qMakePair(888, 0));
  }

  void leraarWachtwoord_data() {
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("opgeslagen");
    QTest::addColumn<QString>("melding");
    QTest::newRow("nieuw") << "Appel#12"
                           << "Appel#12"
                           << "Het nieuwe wachtwoord is opgeslagen.";
    QTest::newRow("een spatie telt") << " "
                                     << " "
                                     << "Het nieuwe wachtwoord is opgeslagen.";
    QTest::newRow("tien tekens") << "0123456789"
                                 << "0123456789"
                                 << "Het nieuwe wachtwoord is opgeslagen.";
    QTest::newRow("elf tekens past niet in het inlogvak")
        << "0123456789A"
        << "leraar"
        << "Een wachtwoord mag hoogstens 10 tekens hebben. Het wachtwoord is niet gewijzigd.";
    // The input box answers Cancel, and OK on an empty box, with the empty text: nothing changes
    // and nothing is said.
    QTest::newRow("leeg of geannuleerd") << ""
                                         << "leraar"
                                         << "";
  }
  void leraarWachtwoord() {
    QFETCH(QString, getypt);
    QFETCH(QString, opgeslagen);
    QFETCH(QString, melding);
    o.toon();
    o.basis.dialogs->inputAnswers.push_back(getypt);
    o.klik(LeraarWachtwoord);
    QCOMPARE(o.basis.dialogs->inputPrompts.size(), 1);
    QVERIFY(o.basis.dialogs->inputPrompts.first().startsWith(
        QStringLiteral("Het huidige wachtwoord is leraar\r")));
    QCOMPARE(o.meldingen(), melding.isEmpty() ? QStringList{} : QStringList{melding});
    QCOMPARE(state().LeraarWachtwoord, opgeslagen);
    herstart();
    const DbResult<DbSettings> instellingen = studentDatabase().readSettings();
    QVERIFY(instellingen.ok());
    QCOMPARE(instellingen.value.wachtwoord.value_or(QString()), opgeslagen);
  }

  // Every setting stays on a line of its own inside the settings panel, whatever the interface
  // is called: none wraps over the next.
  void instellingenPassenInHetPaneel_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<bool>("omgekeerd");
    QTest::newRow("parallel") << int(SoortParallel) << false;
    QTest::newRow("Velleman, omgekeerd") << int(SoortVelleman) << true;
    QTest::newRow("iCP12") << int(SoortICP12) << true;
    QTest::newRow("Arduino") << int(SoortArduino) << false;
  }
  void instellingenPassenInHetPaneel() {
    QFETCH(int, soort);
    QFETCH(bool, omgekeerd);
    state().InterfaceSoort = static_cast<std::int16_t>(soort);
    state().UitgangenInverteren = omgekeerd;
    const kwil::Panel& paneel = o.toon().Panel(3);
    const QStringList regels = displayLines(paneel.Caption()).split(QLatin1Char('\n'));
    QCOMPARE(regels.size(), 2);
    QVERIFY(regels[1].endsWith(omgekeerd ? QStringLiteral("aan") : QStringLiteral("uit")));
    const QFontMetrics maat(paneel.font());
    for (const QString& regel : regels) QVERIFY2(maat.horizontalAdvance(regel) < paneel.width() - 8, qPrintable(regel));
    QVERIFY(2 * maat.lineSpacing() < paneel.height());
    // No smaller than needed: a short setting keeps the window's small letter.
    QVERIFY(paneel.FontSize() >= 5);
    if (soort != SoortVelleman) QCOMPARE(paneel.FontSize(), o.module->Command(9).FontSize());
  }

  // F11 and F12 search as in every window: a search that finds nothing leaves the parallel port.
  void zoektoetsen_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<int>("kaarten");
    QTest::addColumn<int>("soort");
    QTest::newRow("F11 met kaart") << 122 << 1 << 1;
    QTest::newRow("F11 zonder kaart") << 122 << 0 << 0;
    QTest::newRow("F12 zonder iCP12") << 123 << 1 << 0;
  }
  void zoektoetsen() {
    QFETCH(int, toets);
    QFETCH(int, kaarten);
    QFETCH(int, soort);
    state().InterfaceSoort = SoortVelleman;
    o.hw->k8055->present = static_cast<std::int16_t>(kaarten);
    o.toon().keyDown(toets, 0);
    QCOMPARE(int(state().InterfaceSoort), soort);
    QVERIFY(o.module->Panel(3).Caption().contains(soort == 1 ? QStringLiteral("Velleman")
                                                             : QStringLiteral("Parallel")));
  }
};

QTEST_MAIN(TstLeraarInstellingen)
#include "tst_leraar_instellingen.moc"

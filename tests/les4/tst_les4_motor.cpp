// Lesson 4's formula engine: every row of every circuit, reached through the interface (the
// parallel port's status register read by the polling tick) and through the F-keys, with the
// three pictures it loads and their order, the output byte, the relay sound, the input memory
// and the progress level; the relay's sound over a sequence of presses; the F-key values and
// the status line.
#include <QTest>

#include "les4/les4_omgeving.h"

using namespace kwil;

namespace {

// One row as the lesson's circuit tables give it.
struct Rij {
  int stap;             // a page of the circuit
  const char* bediend;  // operated among a, b, c
  int e;
  const char *formule, *poort, *schema;
  const char* verwerkt;  // IngangVerwerkt(3..5) afterwards: J, N, - (unchanged)
  int niveau;            // Voortgang set, 0 = not set
};

const Rij kRijen[] = {
    {3, "ab", 1, "ImgAlgebraa1ENb1.bmp", "ImgLogPoortEn2abbediend.bmp", "ImgSchemaLedEnabABbediend.bmp",
     "JJ-", 1},
    {2, "a", 0, "ImgAlgebraa1ENb.bmp", "ImgLogPoortEn2abediend.bmp", "ImgSchemaLedEnabAbediend.bmp", "J--",
     0},
    {4, "b", 0, "ImgAlgebraaENb1.bmp", "ImgLogPoortEn2bbediend.bmp", "ImgSchemaLedEnabBbediend.bmp", "-J-",
     0},
    {2, "", 0, "ImgAlgebraaENb.bmp", "ImgLogPoortEn2Onbediend.bmp", "ImgSchemaLedEnabOnbediend.bmp", "NN-",
     0},
    {5, "abc", 1, "ImgAlgebraa1ENb1ENc1.bmp", "ImgLogPoortEn3abcbediend.bmp",
     "ImgSchemaLedEnabcABCbediend.bmp", "JJJ", 2},
    {5, "ab", 0, "ImgAlgebraa1ENb1ENc.bmp", "ImgLogPoortEn3abbediend.bmp", "ImgSchemaLedEnabcABbediend.bmp",
     "JJ-", 0},
    {5, "ac", 0, "ImgAlgebraa1ENbENc1.bmp", "ImgLogPoortEn3acbediend.bmp", "ImgSchemaLedEnabcACbediend.bmp",
     "J-J", 0},
    {5, "bc", 0, "ImgAlgebraaENb1ENc1.bmp", "ImgLogPoortEn3bcbediend.bmp", "ImgSchemaLedEnabcBCbediend.bmp",
     "-JJ", 0},
    {5, "a", 0, "ImgAlgebraa1ENbENc.bmp", "ImgLogPoortEn3abediend.bmp", "ImgSchemaLedEnabcAbediend.bmp",
     "J--", 0},
    {5, "b", 0, "ImgAlgebraaENb1ENc.bmp", "ImgLogPoortEn3bbediend.bmp", "ImgSchemaLedEnabcBbediend.bmp",
     "-J-", 0},
    {5, "c", 0, "ImgAlgebraaENbENc1.bmp", "ImgLogPoortEn3cbediend.bmp", "ImgSchemaLedEnabcCbediend.bmp",
     "--J", 0},
    {5, "", 0, "ImgAlgebraaENbENc.bmp", "ImgLogPoortEn3Onbediend.bmp", "ImgSchemaLedEnabcOnbediend.bmp",
     "---", 0},
    {7, "ab", 1, "ImgAlgebraa1OFb1.bmp", "ImgLogPoortOf2abbediend.bmp", "ImgSchemaLedOfabABbediend.bmp",
     "JJ-", 3},
    {8, "a", 1, "ImgAlgebraa1OFb.bmp", "ImgLogPoortOf2abediend.bmp", "ImgSchemaLedOfabAbediend.bmp", "J--",
     0},
    {7, "b", 1, "ImgAlgebraaOFb1.bmp", "ImgLogPoortOf2bbediend.bmp", "ImgSchemaLedOfabBbediend.bmp", "-J-",
     0},
    {8, "", 0, "ImgAlgebraaOFb.bmp", "ImgLogPoortOf2Onbediend.bmp", "ImgSchemaLedOfabOnbediend.bmp", "NN-",
     0},
    {10, "a", 0, "ImgAlgebraNieta1.bmp", "ImgLogPoortNietBediend.bmp", "ImgSchemaLedNietaBediend.bmp", "J--",
     4},
    {11, "", 1, "ImgAlgebraNieta.bmp", "ImgLogPoortNietOnbediend.bmp", "ImgSchemaLedNietaOnbediend.bmp",
     "N--", 0},
    {12, "ab", 0, "ImgAlgebraa1ENNIETb1.bmp", "ImgLogPoortEnaNietbABbediend.bmp",
     "ImgSchemaLedEnaNietbABbediend.bmp", "JJ-", 5},
    {13, "a", 1, "ImgAlgebraa1ENNIETb.bmp", "ImgLogPoortEnaNietbAbediend.bmp",
     "ImgSchemaLedEnaNietbAbediend.bmp", "J--", 0},
    {12, "b", 0, "ImgAlgebraaENNIETb1.bmp", "ImgLogPoortEnaNietbBbediend.bmp",
     "ImgSchemaLedEnaNietbBbediend.bmp", "-J-", 0},
    {13, "", 0, "ImgAlgebraaENNIETb.bmp", "ImgLogPoortEnaNietbOnbediend.bmp",
     "ImgSchemaLedEnaNietbOnbediend.bmp", "NN-", 0},
    {15, "abc", 1, "ImgAlgebraa1ENb1OFc1.bmp", "ImgLogPoortEnOfabcbediend.bmp",
     "ImgSchemaLedEnOfabcbediend.bmp", "JJJ", 6},
    {16, "ab", 1, "ImgAlgebraa1ENb1OFc.bmp", "ImgLogPoortEnOfabbediend.bmp", "ImgSchemaLedEnOfabbediend.bmp",
     "JJ-", 0},
    {15, "ac", 1, "ImgAlgebraa1ENbOFc1.bmp", "ImgLogPoortEnOfacbediend.bmp", "ImgSchemaLedEnOfacbediend.bmp",
     "J-J", 0},
    {16, "bc", 1, "ImgAlgebraaENb1OFc1.bmp", "ImgLogPoortEnOfbcbediend.bmp", "ImgSchemaLedEnOfbcbediend.bmp",
     "-JJ", 0},
    {15, "a", 0, "ImgAlgebraa1ENbOFc.bmp", "ImgLogPoortEnOfabediend.bmp", "ImgSchemaLedEnOfabediend.bmp",
     "J--", 0},
    {16, "b", 0, "ImgAlgebraaENb1OFc.bmp", "ImgLogPoortEnOfbbediend.bmp", "ImgSchemaLedEnOfbbediend.bmp",
     "-J-", 0},
    {15, "c", 1, "ImgAlgebraaENbOFc1.bmp", "ImgLogPoortEnOfcbediend.bmp", "ImgSchemaLedEnOfcbediend.bmp",
     "--J", 0},
    {16, "", 0, "ImgAlgebraaENbOFc.bmp", "ImgLogPoortEnOfOnbediend.bmp", "ImgSchemaLedEnOfabcOnbediend.bmp",
     "---", 0},
    {17, "abc", 0, "ImgAlgebraa1OFb1NIETENc1.bmp", "ImgLogPoortOfabNietEncABCbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncABCbediend.bmp", "JJJ", 7},
    {18, "ab", 0, "ImgAlgebraa1OFb1NIETENc.bmp", "ImgLogPoortOfabNietEncABbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncABbediend.bmp", "JJ-", 0},
    {17, "ac", 0, "ImgAlgebraa1OFbNIETENc1.bmp", "ImgLogPoortOfabNietEncACbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncACbediend.bmp", "JNJ", 0},
    {18, "bc", 0, "ImgAlgebraaOFb1NIETENc1.bmp", "ImgLogPoortOfabNietEncBCbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncBCbediend.bmp", "NJJ", 0},
    {17, "a", 0, "ImgAlgebraa1OFbNIETENc.bmp", "ImgLogPoortOfabNietEncAbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncAbediend.bmp", "JN-", 0},
    {18, "b", 0, "ImgAlgebraaOFb1NIETENc.bmp", "ImgLogPoortOfabNietEncBbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncBbediend.bmp", "NJ-", 0},
    {17, "c", 1, "ImgAlgebraaOFbNIETENc1.bmp", "ImgLogPoortOfabNietEncCbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncCbediend.bmp", "NNJ", 0},
    {18, "", 0, "ImgAlgebraaOFbNIETENc.bmp", "ImgLogPoortOfabNietEncOnbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncOnbediend.bmp", "NNN", 0},
};

// The parallel port's status register with these of s1..s3 pressed (active low, s5 not pressed).
int statusRegister(const QString& bediend) {
  int waarde = 126;
  for (int i = 0; i < 3; ++i)
    if (bediend.contains(QLatin1Char('a' + i))) waarde -= 8 << i;
  return waarde;
}

constexpr int kVoortgangVooraf = 9;  // above every level: the engine assigns, it does not raise

}  // namespace

class Les4Motor : public QObject {
  Q_OBJECT
  lestest::Les4Omgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakLes4Map(); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void rijen_data() {
    QTest::addColumn<int>("rij");
    QTest::addColumn<QString>("weg");       // "interface", "F4" or "F5"
    QTest::addColumn<bool>("geheugenAan");  // IngangVerwerkt(3..5) all True before, else all False
    for (int r = 0; r < int(std::size(kRijen)); ++r) {
      const Rij& rij = kRijen[r];
      for (const char* weg : {"interface", "F4", "F5"})
        for (bool aan : {false, true})
          QTest::addRow("step %d [%s] %s memory %s", rij.stap, rij.bediend, weg, aan ? "on" : "off")
              << r << QString::fromLatin1(weg) << aan;
    }
  }
  // The interface: the tick reads the status register once. The keys: F1 to F3 held, then the
  // memory set and F4 or F5 pressed, which runs one more tick for the same a, b, c.
  void rijen() {
    QFETCH(int, rij);
    QFETCH(QString, weg);
    QFETCH(bool, geheugenAan);
    const Rij& r = kRijen[rij];
    const QString bediend = QString::fromLatin1(r.bediend);
    Formule& les = lestest::toonLes4(r.stap);
    KwilState& s = state();
    if (weg == QLatin1String("interface")) {
      omgeving.hw->parallel->answer = static_cast<std::int16_t>(statusRegister(bediend));
    } else {
      for (int i = 0; i < 3; ++i)
        if (bediend.contains(QLatin1Char('a' + i))) les.keyDown(vbKeyF1 + i, 0);
    }
    for (int i = 3; i <= 5; ++i) s.IngangVerwerkt[i] = geheugenAan;
    s.Voortgang = kVoortgangVooraf;
    omgeving.uitgangen();
    omgeving.geluiden();
    if (weg == QLatin1String("interface"))
      les.timer().fire();
    else
      les.keyDown(weg == QLatin1String("F4") ? vbKeyF1 + 3 : vbKeyF1 + 4, 0);

    QCOMPARE(les.plaatjeIn(kFormuleVak), QString::fromLatin1(r.formule));
    QCOMPARE(les.plaatjeIn(kPoortVak), QString::fromLatin1(r.poort));
    QCOMPARE(les.plaatjeIn(kSchemaVak), QString::fromLatin1(r.schema));
    // The formula first; the NOT circuits then the circuit diagram, the others the gates.
    const bool nietEerst = r.stap >= 10 && r.stap <= 13;
    const QStringList volgorde = {
        QStringLiteral("4:") + r.formule,
        nietEerst ? QStringLiteral("2:") + r.schema : QStringLiteral("3:") + r.poort,
        nietEerst ? QStringLiteral("3:") + r.poort : QStringLiteral("2:") + r.schema};
    QCOMPARE(les.recentGeladen().mid(les.recentGeladen().size() - 3), volgorde);
    QCOMPARE(omgeving.uitgangen(), QList<int>{r.e});
    QCOMPARE(int(s.Uitgangen), r.e);
    // The relay sounds when it changes state: pulled in while a or b is held.
    const bool relais = r.stap >= 17;
    const bool aangetrokken = bediend.contains(QLatin1Char('a')) || bediend.contains(QLatin1Char('b'));
    const QStringList geluid = relais && aangetrokken != geheugenAan
                                   ? QStringList{QStringLiteral("SndRelaisUp.wav")}
                                   : QStringList{};
    QCOMPARE(omgeving.geluiden(), geluid);
    for (int i = 0; i < 3; ++i) {
      const char teken = r.verwerkt[i];
      const bool verwacht = teken == '-' ? geheugenAan : teken == 'J';
      QVERIFY2(s.IngangVerwerkt[3 + i] == verwacht,
               qPrintable(QStringLiteral("IngangVerwerkt(%1)").arg(3 + i)));
    }
    QCOMPARE(int(s.Voortgang), r.niveau ? r.niveau : kVoortgangVooraf);
    QVERIFY(s.InterfaceGebruikt);
    QVERIFY(les.timer().Enabled());
  }

  // Every picture a row names is another file: 38 rows of three.
  void elkPlaatjeEenBestand() {
    QSet<QString> namen;
    for (const Rij& r : kRijen)
      for (const char* naam : {r.formule, r.poort, r.schema})
        namen.insert(QString::fromLatin1(naam).toLower());
    QCOMPARE(namen.size(), 114);
    QCOMPARE(lestest::les4Plaatjes().size(), 114);
  }

  // Starting with nothing held and the relay dropped out, as the pupil works it on page 17.
  void relaisGeluidOverEenReeks_data() {
    QTest::addColumn<QStringList>("reeks");    // inputs held after each change
    QTest::addColumn<QList<int>>("geluiden");  // relay sounds after each change
    QTest::addColumn<QList<int>>("uitgangen");
    QTest::newRow("a, ab, b, none, c, ac") << QStringList{"a", "ab", "b", "", "c", "ac"}
                                           << QList<int>{1, 0, 0, 1, 0, 1} << QList<int>{0, 0, 0, 0, 1, 0};
    QTest::newRow("c, bc, abc, ac, c")
        << QStringList{"c", "bc", "abc", "ac", "c"} << QList<int>{0, 1, 0, 0, 1} << QList<int>{1, 0, 0, 0, 1};
  }
  void relaisGeluidOverEenReeks() {
    QFETCH(QStringList, reeks);
    QFETCH(QList<int>, geluiden);
    QFETCH(QList<int>, uitgangen);
    Formule& les = lestest::toonLes4(17);
    for (int i = 3; i <= 5; ++i) state().IngangVerwerkt[i] = false;
    for (int i = 0; i < reeks.size(); ++i) {
      omgeving.hw->parallel->answer = static_cast<std::int16_t>(statusRegister(reeks[i]));
      omgeving.geluiden();
      les.timer().fire();
      QCOMPARE(omgeving.geluiden().size(), geluiden[i]);
      QCOMPARE(int(state().Uitgangen), uitgangen[i]);
    }
  }

  // The relay memory left by the AND-OR circuit: page 17 first takes the relay as pulled in.
  void relaisNaPagina15() {
    Formule& les = lestest::toonLes4(15);
    omgeving.hw->parallel->answer = static_cast<std::int16_t>(statusRegister(QStringLiteral("abc")));
    les.timer().fire();
    omgeving.hw->parallel->answer = 126;
    les.timer().fire();
    state().Stap = 16;
    les.Plaatstekst();
    state().Stap = 17;
    les.Plaatstekst();
    omgeving.geluiden();
    omgeving.hw->parallel->answer = static_cast<std::int16_t>(statusRegister(QStringLiteral("c")));
    les.timer().fire();
    QCOMPARE(omgeving.geluiden(), QStringList{QStringLiteral("SndRelaisUp.wav")});
  }

  // s4 and s5 belong to no circuit, yet a change of them shows the held combination again.
  void s4HerhaaltDeRij() {
    Formule& les = lestest::toonLes4(2);
    omgeving.hw->parallel->answer = static_cast<std::int16_t>(statusRegister(QStringLiteral("a")));
    les.timer().fire();
    omgeving.uitgangen();
    omgeving.hw->parallel->answer =
        static_cast<std::int16_t>(statusRegister(QStringLiteral("a")) - 64);  // and s4
    les.timer().fire();
    QCOMPARE(omgeving.uitgangen(), QList<int>{0});
    QCOMPARE(les.plaatjeIn(kSchemaVak), QStringLiteral("ImgSchemaLedEnabAbediend.bmp"));
    omgeving.uitgangen();
    les.timer().fire();  // nothing changed: nothing done
    QCOMPARE(omgeving.uitgangen(), QList<int>{});
  }

  // Steps without a circuit: the tick only notes the new value.
  void stappenZonderSchakeling_data() {
    QTest::addColumn<int>("stap");
    for (int stap : {1, 9, 14, 19, 22}) QTest::addRow("step %d", stap) << stap;
  }
  void stappenZonderSchakeling() {
    QFETCH(int, stap);
    Formule& les = lestest::toonLes4(stap);
    omgeving.uitgangen();
    omgeving.hw->parallel->answer = static_cast<std::int16_t>(statusRegister(QStringLiteral("abc")));
    state().Voortgang = 3;
    les.TijdInterval_Timer();
    QCOMPARE(omgeving.uitgangen(), QList<int>{});
    QCOMPARE(int(state().Voortgang), 3);
    QCOMPARE(state().VorigeIngangen, state().Ingangen);
  }

  void fToetsen_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<QList<int>>("toetsen");
    QTest::addColumn<int>("ingangen");
    QTest::addColumn<QString>("status");  // "" = left as it was
    QTest::newRow("parallel F3") << 0 << QList<int>{3} << 94 << "In  161 Uit  0";
    QTest::newRow("parallel F5") << 0 << QList<int>{5} << 254 << "In  1 Uit  0";
    QTest::newRow("parallel F1 F2") << 0 << QList<int>{1, 2} << 102 << "In  153 Uit  1";
    QTest::newRow("K8055 F5") << 1 << QList<int>{5} << 16 << "In  16 Uit  0";
    QTest::newRow("K8055 F1 F4") << 1 << QList<int>{1, 4} << 9 << "In  9 Uit  0";
    QTest::newRow("Arduino F3") << 3 << QList<int>{3} << 4 << "";
    QTest::newRow("iCP12 F2 F5") << 2 << QList<int>{2, 5} << 18 << "";
  }
  void fToetsen() {
    QFETCH(int, soort);
    QFETCH(QList<int>, toetsen);
    QFETCH(int, ingangen);
    QFETCH(QString, status);
    Formule& les = lestest::toonLes4(3);
    state().InterfaceSoort = static_cast<std::int16_t>(soort);
    les.panelen()(7).setCaption(QStringLiteral("oud"));
    for (int k : toetsen) les.keyDown(vbKeyF1 + k - 1, 0);
    QCOMPARE(int(state().Ingangen), ingangen);
    QVERIFY(state().ToetsEmulatie);
    QCOMPARE(les.panelen()(7).Caption(), status.isEmpty() ? QStringLiteral("oud") : status);
  }

  // The keys stand in only where the timer runs.
  void fToetsBuitenDeSchakelingen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("telt");
    for (int stap = 1; stap <= 22; ++stap) {
      const bool telt = (stap >= 2 && stap <= 5) || stap == 7 || stap == 8 || (stap >= 10 && stap <= 13) ||
                        (stap >= 15 && stap <= 18);
      QTest::addRow("step %d", stap) << stap << telt;
    }
  }
  void fToetsBuitenDeSchakelingen() {
    QFETCH(int, stap);
    QFETCH(bool, telt);
    Formule& les = lestest::toonLes4(stap);
    les.keyDown(vbKeyF1 + 2, 0);
    QCOMPARE(state().ToetsEmulatie, telt);
    QCOMPARE(bool(state().FToetsIngedrukt[3]), telt);
    les.Command_Click(5);  // Lees voor: the click ends by letting the timer decide
    QCOMPARE(les.timer().Enabled(), telt);
  }

  // Releasing F1 while F2 is held leaves s2; the release itself runs no tick.
  void loslatenLaatDeAndereToets() {
    Formule& les = lestest::toonLes4(7);
    state().InterfaceSoort = SoortArduino;
    les.keyDown(vbKeyF1, 0);
    les.keyDown(vbKeyF1 + 1, 0);
    omgeving.uitgangen();
    les.keyUp(vbKeyF1, 0);
    QVERIFY(state().ToetsEmulatie);
    QCOMPARE(int(state().Ingangen), 2);
    QCOMPARE(omgeving.uitgangen(), QList<int>{});
    les.timer().fire();
    QCOMPARE(les.plaatjeIn(kSchemaVak), QStringLiteral("ImgSchemaLedOfabBbediend.bmp"));
  }
};

QTEST_MAIN(Les4Motor)
#include "tst_les4_motor.moc"

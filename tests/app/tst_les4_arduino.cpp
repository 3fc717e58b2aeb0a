// Lesson 4 from the main menu to its stored mark with a simulated Arduino on a
// pseudo-terminal: the real serial driver carries every poll and every write. The board's s4
// chooses the lesson in the menu, s1 to s3 work every circuit while its LEDs show E, and after
// the last page the test of lesson 4 is answered and its mark stored with the pupil.
#include <QTest>

#include "frame/les_arduino.h"
#include "les4/les4_omgeving.h"
#include "toetsen/toets_omgeving.h"

using namespace kwil;

namespace {

// The board's buttons held together (s1 = 1, s2 = 2, s3 = 4) and E1 afterwards.
using Druk = lestest::ArduinoLes::Druk;

// The ten answers of the test: 1 right, 0 wrong; eight right make an 8.
const QString kAntwoorden = QStringLiteral("1110111011");
constexpr int kCijfer = 8;

}  // namespace

class Les4Arduino : public QObject {
  Q_OBJECT
  toetstest::ToetsOmgeving omgeving;
  lestest::ArduinoLes arduino;

  // The menu sees s4 held, waits for its release and opens lesson 4.
  void kiesLes4() {
    Hoofdmenu& menu = *windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
    menu.Show();
    arduino.bord->setButtons(8);
    // The board lets go of s4 once the program has read it.
    arduino.voorElkeBeurt = [this] {
      if (state().Ingangen == 8) arduino.bord->setButtons(0);
    };
    for (int tik = 0; tik < 4 && menu.isVisible(); ++tik) menu.TijdInterval.fire();
    arduino.voorElkeBeurt = nullptr;
    QVERIFY(!menu.isVisible());
    QCOMPARE(int(state().Hoofdstuk), 4);
  }

 private Q_SLOTS:
  void initTestCase() {
    omgeving.maakGeluiden({"SndVerder.wav", "SndTerug.wav", "SndRelaisUp.wav", "SndRelaisDown.wav"});
    lestest::maakLes4Plaatjes(omgeving);
  }

  // The board is the only serial port; the search finds it with sleeps that let it answer.
  void init() {
    omgeving.begin();
    registerWindow(WindowId::Formule, [] { return std::make_unique<Formule>(); });
    arduino.begin(omgeving);
    QCOMPARE(state().InterfaceSoort, SoortArduino);
  }
  void cleanup() {
    arduino.end();
    omgeving.end();
  }

  void vanMenuTotCijfer() {
    // What the pupil does on each page, and E1 after each press.
    const QMap<int, QList<Druk>> taken = {
        {2, {{1, 0}, {3, 1}, {0, 0}}},          {5, {{3, 0}, {7, 1}, {0, 0}}},
        {7, {{2, 1}, {3, 1}, {0, 0}}},          {10, {{1, 0}, {0, 1}}},
        {12, {{1, 1}, {3, 0}, {0, 0}}},         {15, {{4, 1}, {7, 1}, {0, 0}}},
        {17, {{4, 1}, {5, 0}, {7, 0}, {0, 0}}},
    };
    const QMap<int, int> bijAankomst = {{10, 1}, {12, 0}};  // E1 as a page sets it on entering
    kiesLes4();
    if (QTest::currentTestFailed()) return;
    Formule& les = *windowAs<Formule>(WindowId::Formule);
    QVERIFY(les.isVisible());
    QCOMPARE(state().Stap, 1);
    QVERIFY(!les.timer().Enabled());
    const int relaisVoor = omgeving.keerGespeeld(QStringLiteral("SndRelaisUp.wav"));
    while (les.isVisible()) {
      const int stap = state().Stap;
      QVERIFY2(stap <= 23, "the lesson does not end");
      arduino.werkPagina(les, bijAankomst.value(stap, -1), taken.value(stap));
      if (QTest::currentTestFailed()) return;
      if (stap == 14) omgeving.basis.clock->advance(60);  // the workbook questions take a while
      les.Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
    }
    // Page 15 left a and b remembered as held, so the relay drops out at s3 alone, pulls in
    // at s3 + s1 and drops out when everything is let go.
    QCOMPARE(omgeving.keerGespeeld(QStringLiteral("SndRelaisUp.wav")) - relaisVoor, 3);
    QCOMPARE(omgeving.meldingen(), QStringList{});
    arduino.bord->pump();
    QCOMPARE(arduino.bord->outputs(), 0);
    QCOMPARE(int(state().LesNummer), 4);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());

    omgeving.toets = windowAs<Toetsen>(WindowId::Toetsen);
    for (int v = 0; v < 10; ++v) omgeving.klikAntwoord(kAntwoorden.at(v) == QLatin1Char('1'));
    QCOMPARE(omgeving.meldingen(), QStringList{QStringLiteral("Cijfer: %1").arg(kCijfer)});
    QCOMPARE(omgeving.veld(QStringLiteral("CijferLes4")).toInt(), kCijfer);
    QCOMPARE(omgeving.veld(QStringLiteral("AntwLes4")).toString(),
             toetstest::verwachteLetters(4, kAntwoorden));
    QVERIFY(existingWindow(WindowId::Hoofdmenu)->isVisible());
  }
};

QTEST_MAIN(Les4Arduino)
#include "tst_les4_arduino.moc"

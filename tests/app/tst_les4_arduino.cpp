// Lesson 4 from the main menu to its stored mark with a simulated Arduino on a
// pseudo-terminal: the real serial driver carries every poll and every write. The board's s4
// chooses the lesson in the menu, s1 to s3 work every circuit while its LEDs show E, and after
// the last page the test of lesson 4 is answered and its mark stored with the pupil.
#include <unistd.h>

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

#include "interface/drivers.h"
#include "les4/les4_omgeving.h"
#include "platform/real/termiosserial.h"
#include "support/arduino_sim.h"
#include "toetsen/toets_omgeving.h"

using namespace kwil;

namespace {

// Waits (really) until what the board wrote can be read on the program's side.
void waitForArrival() {
  QElapsedTimer t;
  t.start();
  while (serialPort().InBufferCount() == 0 && t.elapsed() < 1000) ::usleep(200);
}

// The board's buttons held together (s1 = 1, s2 = 2, s3 = 4) and E1 afterwards.
struct Druk {
  int knoppen;
  int e1;
};

// The ten answers of the test: 1 right, 0 wrong; eight right make an 8.
const QString kAntwoorden = QStringLiteral("1110111011");
constexpr int kCijfer = 8;

}  // namespace

class Les4Arduino : public QObject {
  Q_OBJECT
  toetstest::ToetsOmgeving omgeving;
  std::unique_ptr<sim::ArduinoSim> arduino;
  bool loslatenNaGezien = false;  // the board lets go of s4 once the program has read it

  // Holds the buttons until the lesson's polling has seen them (a poll reads the reply to the
  // one before it), then lets the board take in what the page wrote.
  void houdVast(Formule& les, int knoppen) {
    arduino->setButtons(knoppen);
    for (int tik = 0; tik < 4 && state().Ingangen != knoppen; ++tik) {
      QVERIFY2(les.timer().Enabled(), qPrintable(QStringLiteral("no polling on step %1").arg(state().Stap)));
      les.timer().fire();
    }
    QCOMPARE(state().Ingangen, knoppen);
    arduino->pump();
  }

  // The menu sees s4 held, waits for its release and opens lesson 4.
  void kiesLes4() {
    Hoofdmenu& menu = *windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
    menu.Show();
    arduino->setButtons(8);
    loslatenNaGezien = true;
    for (int tik = 0; tik < 4 && menu.isVisible(); ++tik) menu.TijdInterval.fire();
    loslatenNaGezien = false;
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
    arduino = std::make_unique<sim::ArduinoSim>();
    qputenv("KWILMORA_COM_PORTS", arduino->slavePath().toLocal8Bit());
    platform().serialPorts = std::make_unique<TermiosSerialPorts>();
    auto bordWerkt = [this] {
      if (loslatenNaGezien && state().Ingangen == 8) arduino->setButtons(0);
      if (arduino->pump()) waitForArrival();
    };
    omgeving.basis.clock->onSleep = [bordWerkt](int) { bordWerkt(); };
    omgeving.basis.events->onPump = bordWerkt;
    omgeving.basis.events->runRealEvents = false;  // the test fires the timers itself
    ZoekArduino();
    QCOMPARE(state().InterfaceSoort, SoortArduino);
  }
  void cleanup() {
    serialPort().setPortOpen(false);
    qunsetenv("KWILMORA_COM_PORTS");
    omgeving.end();
    arduino.reset();
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
      arduino->pump();
      if (bijAankomst.contains(stap)) QCOMPARE(arduino->outputs(), bijAankomst.value(stap));
      for (const Druk& druk : taken.value(stap)) {
        houdVast(les, druk.knoppen);
        if (QTest::currentTestFailed()) return;
        const QString waar = QStringLiteral("step %1, buttons %2").arg(stap).arg(druk.knoppen);
        QVERIFY2(arduino->outputs() == druk.e1, qPrintable(waar));
      }
      if (stap == 14) omgeving.basis.clock->advance(60);  // the workbook questions take a while
      les.Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
    }
    // Page 15 left a and b remembered as held, so the relay drops out at s3 alone, pulls in
    // at s3 + s1 and drops out when everything is let go.
    QCOMPARE(omgeving.keerGespeeld(QStringLiteral("SndRelaisUp.wav")) - relaisVoor, 3);
    QCOMPARE(omgeving.meldingen(), QStringList{});
    arduino->pump();
    QCOMPARE(arduino->outputs(), 0);
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

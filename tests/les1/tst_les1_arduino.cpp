// Lesson 1 walked from its first page to the test with a simulated Arduino on a
// pseudo-terminal: the real serial driver carries every poll and every write, the board's
// push buttons work the circuits and its LEDs show what the pages switch on.
#include <unistd.h>

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

#include "interface/drivers.h"
#include "les1/les1_omgeving.h"
#include "platform/real/termiosserial.h"
#include "support/arduino_sim.h"

using namespace kwil;

namespace {

// Waits (really) until what the board wrote can be read on the program's side.
void waitForArrival() {
  QElapsedTimer t;
  t.start();
  while (serialPort().InBufferCount() == 0 && t.elapsed() < 1000) ::usleep(200);
}

// The board's buttons held down together, and its outputs afterwards (-1: not looked at).
struct Druk {
  int knoppen;
  int uitgangen;
};

}  // namespace

class Les1Arduino : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;
  std::unique_ptr<sim::ArduinoSim> arduino;

  // Holds the buttons until the lesson's polling has seen them (a poll reads the reply to the
  // one before it), then lets the board take in what the page wrote.
  void houdVast(NietEnOf& les, int knoppen) {
    arduino->setButtons(knoppen);
    for (int tik = 0; tik < 4 && state().Ingangen != knoppen; ++tik) {
      QVERIFY2(les.timer().Enabled(), qPrintable(QStringLiteral("no polling on step %1").arg(state().Stap)));
      les.timer().fire();
    }
    QCOMPARE(state().Ingangen, knoppen);
    arduino->pump();
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les1Plaatjes()); }

  // The board is the only serial port; the search finds it with sleeps that let it answer.
  void init() {
    omgeving.begin();
    arduino = std::make_unique<sim::ArduinoSim>();
    qputenv("KWILMORA_COM_PORTS", arduino->slavePath().toLocal8Bit());
    platform().serialPorts = std::make_unique<TermiosSerialPorts>();
    auto bordWerkt = [this] {
      if (arduino->pump()) waitForArrival();
    };
    omgeving.basis.clock->onSleep = [bordWerkt](int) { bordWerkt(); };
    omgeving.basis.events->onPump = bordWerkt;
    omgeving.basis.events->runRealEvents = false;  // the test fires the polling timer itself
    ZoekArduino();
    QCOMPARE(state().InterfaceSoort, SoortArduino);
    QCOMPARE(int(state().ComPoort), 1);
  }
  void cleanup() {
    serialPort().setPortOpen(false);
    qunsetenv("KWILMORA_COM_PORTS");
    omgeving.end();
    arduino.reset();
  }

  void heleLesMetHetBord() {
    // What the pupil does on each page, and the LEDs each press leaves on.
    const QMap<int, QList<Druk>> taken = {
        {5, {{1, -1}, {0, -1}}},
        {6, {{4, -1}, {0, -1}}},
        {10, {{1, -1}, {0, -1}}},
        {12, {{1, -1}, {0, -1}}},
        {13, {{1, -1}, {0, -1}}},
        {16, {{1, 1}, {2, 2}, {4, 4}, {8, 8}, {16, 16}, {0, 0}}},
        {18, {{3, -1}, {0, -1}}},
        {20, {{3, -1}, {0, -1}}},
        {22, {{16, -1}, {0, -1}}},
        {25, {{1, 1}, {0, 0}}},
        // E1 follows s1, E3 burns while the break contact s2 rests, E2 (reversed) never.
        {26, {{1, 5}, {2, 0}, {3, 1}, {0, 4}}},
    };
    const QMap<int, int> bijAankomst = {{26, 4}, {33, 0}};  // LEDs a page sets on entering
    omgeving.basis.dialogs->onMessage = [this](const fake::FakeDialogs::Shown& m) {
      if (m.title == QStringLiteral("Vraagje")) omgeving.basis.dialogs->answers.push_back(6);
    };
    NietEnOf& les = lestest::toonLes1(1);
    QVERIFY(!les.timer().Enabled());
    while (les.isVisible()) {
      const int stap = state().Stap;
      QVERIFY2(stap <= 34, "the lesson does not end");
      arduino->pump();
      if (bijAankomst.contains(stap)) QCOMPARE(arduino->outputs(), bijAankomst.value(stap));
      for (const Druk& druk : taken.value(stap)) {
        houdVast(les, druk.knoppen);
        if (QTest::currentTestFailed()) return;
        const QString waar = QStringLiteral("step %1, buttons %2").arg(stap).arg(druk.knoppen);
        if (druk.uitgangen >= 0) QVERIFY2(arduino->outputs() == druk.uitgangen, qPrintable(waar));
      }
      les.Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
    }
    QCOMPARE(state().Stap, 34);
    QCOMPARE(state().LesNummer, 1);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QVERIFY(state().InterfaceGebruikt);
    for (const auto& m : omgeving.basis.dialogs->messages) QCOMPARE(m.title, QStringLiteral("Vraagje"));
    QVERIFY(arduino->received().contains("7/"));
  }
};

QTEST_MAIN(Les1Arduino)
#include "tst_les1_arduino.moc"

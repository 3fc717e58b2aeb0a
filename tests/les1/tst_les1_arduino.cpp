// Lesson 1 walked from its first page to the test with a simulated Arduino on a
// pseudo-terminal: the real serial driver carries every poll and every write, the board's
// push buttons work the circuits and its LEDs show what the pages switch on.
#include <QTest>

#include "frame/les_arduino.h"
#include "les1/les1_omgeving.h"

using namespace kwil;
using Druk = lestest::ArduinoLes::Druk;

class Les1Arduino : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;
  lestest::ArduinoLes arduino;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les1Plaatjes()); }

  void init() {
    omgeving.begin();
    arduino.begin(omgeving);
    QCOMPARE(state().InterfaceSoort, SoortArduino);
    QCOMPARE(int(state().ComPoort), 1);
  }
  void cleanup() {
    arduino.end();
    omgeving.end();
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
    lestest::jaOpElkeVraag(*omgeving.basis.dialogs);
    NietEnOf& les = lestest::toonLes1(1);
    QVERIFY(!les.timer().Enabled());
    while (les.isVisible()) {
      const int stap = state().Stap;
      QVERIFY2(stap <= 34, "the lesson does not end");
      arduino.werkPagina(les, bijAankomst.value(stap, -1), taken.value(stap));
      if (QTest::currentTestFailed()) return;
      les.Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
    }
    QCOMPARE(state().Stap, 34);
    QCOMPARE(state().LesNummer, 1);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QVERIFY(state().InterfaceGebruikt);
    for (const auto& m : omgeving.basis.dialogs->messages) QCOMPARE(m.title, QStringLiteral("Vraagje"));
    QVERIFY(arduino.bord->received().contains("7/"));
  }
};

QTEST_MAIN(Les1Arduino)
#include "tst_les1_arduino.moc"

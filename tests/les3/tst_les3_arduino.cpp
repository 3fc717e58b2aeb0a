// Lesson 3 started from the main menu and walked to the test with a simulated Arduino on a
// pseudo-terminal: the real serial driver carries every poll and every write, the board's
// push buttons work every circuit through all its combinations and its LED E1 shows the
// circuit's output.
#include <QTest>

#include "frame/les_arduino.h"
#include "les3/les3_omgeving.h"
#include "selection/hoofdmenu.h"

using namespace kwil;

class Les3Arduino : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;
  lestest::ArduinoLes arduino;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap({}); }

  void init() {
    omgeving.begin();
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<Hoofdmenu>(); });
    registerWindow(WindowId::LogSchak, [] { return std::make_unique<LogSchak>(); });
    arduino.begin(omgeving);
    QCOMPARE(state().InterfaceSoort, SoortArduino);
  }
  void cleanup() {
    arduino.end();
    omgeving.end();
  }

  void vanHetMenuTotDeToets() {
    lestest::jaOpElkeVraag(*omgeving.basis.dialogs);
    auto* menu = windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
    menu->Show();
    menu->StartLes(3);
    QVERIFY(!menu->isVisible());
    auto* les = qobject_cast<LogSchak*>(existingWindow(WindowId::LogSchak));
    QVERIFY(les && les->isVisible());
    QCOMPARE(state().Hoofdstuk, 3);
    int combinaties = 0;
    while (les->isVisible()) {
      const int stap = state().Stap;
      QVERIFY2(stap <= 31, "the lesson does not end");
      const QString tabel = lestest::waarheidstabellen().value(stap);
      // Every combination, the one at rest last, so the page is left as it was found.
      for (int i = 1; i <= tabel.size(); ++i) {
        const int stand = i % tabel.size();
        arduino.houdVast(*les, stand);
        if (QTest::currentTestFailed()) return;
        const int e1 = tabel.at(stand) == QLatin1Char('1') ? 1 : 0;
        QVERIFY2(arduino.bord->outputs() == e1, qPrintable(QStringLiteral("step %1, buttons %2").arg(stap).arg(stand)));
        ++combinaties;
      }
      les->Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
      arduino.bord->pump();
      if (!les3Schakeling(state().Stap)) QCOMPARE(arduino.bord->outputs(), 0);
    }
    QCOMPARE(combinaties, 4 * 11 + 2 + 8 * 5);  // eleven circuits of two inputs, NIET, five of three
    QCOMPARE(state().Stap, 31);
    QCOMPARE(state().LesNummer, 3);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QVERIFY(state().InterfaceGebruikt);
    for (const auto& m : omgeving.basis.dialogs->messages) QCOMPARE(m.title, QStringLiteral("Vraagje"));
  }
};

QTEST_MAIN(Les3Arduino)
#include "tst_les3_arduino.moc"

// Lesson 5 from the main menu to its stored mark with a simulated Arduino on a pseudo-terminal:
// the real serial driver carries every poll and every write. The pupil builds each byte the
// pages ask for with the board's push buttons s1 to s5 and with the bit buttons on the
// screen, the board's LEDs show the byte, and the test at the end stores the lesson-5 mark.
#include <QTest>

#include "app/vensters.h"
#include "frame/les_arduino.h"
#include "frame/les_omgeving.h"
#include "lessons/les5/binstel.h"
#include "selection/database/studentdatabase.h"
#include "selection/hoofdmenu.h"
#include "support/db_testfiles.h"
#include "support/programma_omgeving.h"
#include "toetsen/toets_antwoorden.h"

using namespace kwil;

namespace {

const QString kKlas = QStringLiteral("3A");

// What the pupil does on a page: push buttons pressed and let go (s1 = 1 ... s5 = 16), or a
// bit button clicked (negative: -(b + 1) for bit b).
using Handelingen = QList<int>;
int bit(int b) { return -(b + 1); }

}  // namespace

class Les5Arduino : public QObject {
  Q_OBJECT
  programmatest::ProgrammaOmgeving o;
  lestest::ArduinoLes arduino;

  static Binstel& les() { return *windowAs<Binstel>(WindowId::Binstel); }

  void doe(int handeling) {
    if (handeling > 0) {
      arduino.houdVast(les(), handeling);
      if (QTest::currentTestFailed()) return;
      arduino.houdVast(les(), 0);
    } else {
      les().Command_Click(5 - handeling - 1);
      arduino.bord->pump();
    }
  }

 private Q_SLOTS:
  // A logged-in pupil without marks, the program's own windows, and the board as the only
  // serial port, found by the start-up search.
  void init() {
    o.begin();
    KwilState& s = state();
    s.Klas = kKlas;
    s.LeerlingNaam = QStringLiteral("Bakker Tim");
    s.Voornaam = QStringLiteral("Tim");
    s.Achternaam = QStringLiteral("Bakker");
    s.DatabasePad = o.verseDatabase();
    const DbResult<qint64> r = StudentDatabase(o.db).registerPupil(
        {kKlas, QStringLiteral("Tim"), QStringLiteral(" "), QStringLiteral("Bakker"), QDate(2024, 9, 2), QTime(9, 0)});
    QVERIFY(r.ok());
    registerProgramWindows();
    arduino.begin(o);
    QCOMPARE(state().InterfaceSoort, SoortArduino);
  }
  void cleanup() {
    arduino.end();
    o.end();
  }

  void heleLesTotHetCijfer() {
    // The byte each page asks for, built from what the page before left.
    const QMap<int, Handelingen> taken = {
        {15, {4}},                                      // 4
        {16, {4, 16}},                                  // 16
        {17, {16, bit(6)}},                             // 64
        {19, {bit(6), 1, 2}},                           // 3
        {20, {1, bit(6), 16, 4}},                       // 86
        {22, {2, 4, 16, bit(6), bit(7)}},               // 128
        {23, {16}},                                     // 144
        {24, {8}},                                      // 152
        {25, {1}},                                      // 153
        {28, {1, 2, 16}},                               // 19
        {29, {1, 2, 8, bit(5)}},                        // 43
        {30, {bit(1), bit(3), bit(5), bit(7)}},         // 170: no polling on this page
    };
    int vragen = 0;
    lestest::jaOpElkeVraag(*o.basis.dialogs, &vragen);
    Hoofdmenu& menu = *windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
    menu.Show();
    programmatest::klik(menu.ImageBox(5));
    QVERIFY(les().isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(state().Stap, 1);
    while (les().isVisible()) {
      const int stap = state().Stap;
      QVERIFY2(stap <= 46, "the lesson does not end");
      for (int handeling : taken.value(stap)) {
        doe(handeling);
        if (QTest::currentTestFailed()) return;
        QVERIFY2(arduino.bord->outputs() == state().Uitgangen,
                 qPrintable(QStringLiteral("step %1: LEDs %2, byte %3").arg(stap).arg(arduino.bord->outputs()).arg(state().Uitgangen)));
      }
      les().Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QStringLiteral("refused on step %1").arg(stap)));
    }
    o.basis.dialogs->onMessage = nullptr;
    QCOMPARE(vragen, 2);  // both workbook pages were left at once
    for (const auto& m : o.basis.dialogs->messages) QCOMPARE(m.title, QStringLiteral("Vraagje"));
    QCOMPARE(state().LesNummer, 5);
    QCOMPARE(arduino.bord->outputs(), 0);  // page 45 switched the outputs off

    Toetsen& toets = *windowAs<Toetsen>(WindowId::Toetsen);
    QVERIFY(toets.isVisible());
    o.basis.dialogs->messages.clear();
    for (int v = 0; v < 10; ++v) toetstest::klikAntwoord(toets, v != 3);  // nine right
    QCOMPARE(o.meldingen(), QStringList{QStringLiteral("Cijfer: 9")});
    const QVariant cijfer =
        dbtest::cell(o.db, QStringLiteral("SELECT CijferLes5 FROM leerlingen WHERE klas = ?"), {kKlas});
    QCOMPARE(cijfer.toInt(), 9);
    QVERIFY(menu.isVisible());
  }
};

QTEST_MAIN(Les5Arduino)
#include "tst_les5_arduino.moc"

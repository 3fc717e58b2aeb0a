// One pupil's way through the whole program, on the real windows as the program registers
// them and with fakes for the outside world: the start-up on a fresh database, registering a
// class and a name, the first password (which logs in), lesson 1 from the main menu to its
// last page with the F-keys, its test with some answers right and some wrong, the stored
// mark, the main menu refusing lesson 1, logging out, the teacher clearing the mark, and
// lesson 1 starting again at the pupil's next login.
#include <QTest>

#include "app/vensters.h"
#include "les1/les1_omgeving.h"
#include "selection/hoofdmenu.h"
#include "selection/selectie.h"
#include "support/db_testfiles.h"
#include "support/programma_omgeving.h"
#include "teacher/leerlingvelden.h"
#include "teacher/leraarmodule.h"
#include "toetsen/toets_antwoorden.h"

using namespace kwil;
using namespace kwil::programmatest;

namespace {

const QString kKlas = QStringLiteral("2B");
const QString kLijstNaam = QStringLiteral("Dijk Anna");  // as the list shows a pupil
const QString kWachtwoord = QStringLiteral("zonnebloem");
const QString kLeraarWachtwoord = QStringLiteral("leraar");  // what a fresh database gets
// The ten answers of the test: 1 right, 0 wrong. Seven right make a 7.
const QString kAntwoorden = QStringLiteral("1101101101");
constexpr int kCijfer = 7;

}  // namespace

class Walkthrough : public QObject {
  Q_OBJECT
  ProgrammaOmgeving o;

  static Selectie& selectie() { return *windowAs<Selectie>(WindowId::Selectie); }
  static Hoofdmenu& menu() { return *windowAs<Hoofdmenu>(WindowId::Hoofdmenu); }
  static NietEnOf& les1() { return *windowAs<NietEnOf>(WindowId::NietEnOf); }
  static Toetsen& toets() { return *windowAs<Toetsen>(WindowId::Toetsen); }
  static Leraarmodule& leraarmodule() { return *windowAs<Leraarmodule>(WindowId::Leraarmodule); }

  // The only window the pupil sees.
  static void alleenZichtbaar(WindowId id) {
    for (WindowId w : {WindowId::Selectie, WindowId::Hoofdmenu, WindowId::NietEnOf, WindowId::Toetsen,
                       WindowId::Leraarmodule}) {
      const QWidget* venster = existingWindow(w);
      QVERIFY2((venster && venster->isVisible()) == (w == id),
               qPrintable(
                   QStringLiteral("window %1 visible: %2").arg(int(w)).arg(venster && venster->isVisible())));
    }
  }

  QVariant veld(const QString& naam) const {
    return dbtest::cell(o.db, QStringLiteral("SELECT %1 FROM leerlingen WHERE klas = ?").arg(naam), {kKlas});
  }

  // --- the steps, in the order the scenario takes them ---

  void programmaStart() {
    selectie().Show();
    QCOMPARE(o.einden, 0);
    QCOMPARE(o.meldingen(), QStringList{});
    alleenZichtbaar(WindowId::Selectie);
    QCOMPARE(state().DatabasePad, o.db);
    QCOMPARE(int(state().InterfaceSoort), int(SoortParallel));
    QCOMPARE(int(state().SelectieStap), 1);
    QCOMPARE(selectie().List->ListCount(), 0);  // a fresh database has no classes
  }

  void registreerKlasEnLeerling() {
    Selectie& s = selectie();
    klik(s.Command(4));  // "Mijn klas staat niet in de lijst."
    QCOMPARE(int(state().SelectieStap), 5);
    typ(s.Text(5), kKlas);
    drukEnter(s.Text(5));
    typ(s.Text(1), QStringLiteral("Anna"));
    drukEnter(s.Text(1));
    typ(s.Text(2), QStringLiteral("van"));
    drukEnter(s.Text(2));
    typ(s.Text(3), QStringLiteral("Dijk"));
    drukEnter(s.Text(3));
    QCOMPARE(o.meldingen().last(), QStringLiteral("Je gegevens zijn toegevoegd."));
    const QList<QVariantList> rijen = dbtest::query(
        o.db, QStringLiteral("SELECT klas, voornaam, tussenvoegsel, achternaam, wachtwoord FROM leerlingen"));
    QCOMPARE(rijen.size(), 1);
    QCOMPARE(rijen[0].mid(0, 4),
             (QVariantList{kKlas, QStringLiteral("Anna"), QStringLiteral("van"), QStringLiteral("Dijk")}));
    QVERIFY(rijen[0][4].isNull());
    QCOMPARE(int(state().SelectieStap), 1);  // back at the class list, which now has the class
  }

  void maakWachtwoordEnLogIn() {
    Selectie& s = selectie();
    klikRegel(*s.List, kKlas);
    klikRegel(*s.List, kLijstNaam);
    QCOMPARE(int(state().SelectieStap), 3);  // no password yet: the pupil makes one
    QVERIFY(o.meldingen().last().startsWith(QStringLiteral("Je hebt nog geen wachtwoord.")));
    typ(s.Text(4), kWachtwoord);
    drukEnter(s.Text(4));
    QCOMPARE(veld(QStringLiteral("wachtwoord")).toString(), kWachtwoord);
    alleenZichtbaar(WindowId::Hoofdmenu);
  }

  void menuStartLes1() {
    klik(menu().ImageBox(1));
    alleenZichtbaar(WindowId::NietEnOf);
    QCOMPARE(int(state().Hoofdstuk), 1);
    QCOMPARE(int(state().Stap), 1);
  }

  void loopLes1TotDeToets() {
    int vragen = 0;
    lestest::loopLes1MetFToetsen(les1(), *o.basis.dialogs, vragen);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(vragen, 4);
    QCOMPARE(int(state().LesNummer), 1);
    alleenZichtbaar(WindowId::Toetsen);
    QCOMPARE(state().VraagNummer, QStringLiteral("1"));
  }

  // Half the answers with the mouse, half with the keyboard.
  void maakDeToets() {
    o.basis.dialogs->messages.clear();
    for (int v = 0; v < 10; ++v) {
      const bool goed = kAntwoorden.at(v) == QLatin1Char('1');
      if (v % 2 == 0)
        toetstest::klikAntwoord(toets(), goed);
      else
        toetstest::toetsAntwoord(toets(), goed, /*cijfers=*/v % 4 == 1);
    }
    QCOMPARE(o.meldingen(), QStringList{QStringLiteral("Cijfer: %1").arg(kCijfer)});
    const QString letters = toetstest::verwachteLetters(1, kAntwoorden);
    QCOMPARE(state().GegevenAntwoorden, letters);
    QCOMPARE(veld(QStringLiteral("AntwLes1")).toString(), letters);
    QCOMPARE(veld(QStringLiteral("CijferLes1")).toInt(), kCijfer);
    QVERIFY(veld(QStringLiteral("CijferLes2")).isNull());
    alleenZichtbaar(WindowId::Hoofdmenu);
  }

  void menuWeigertLes1() {
    o.basis.dialogs->messages.clear();
    klik(menu().ImageBox(1));
    QCOMPARE(o.meldingen(),
             QStringList{QStringLiteral(
                             "Deze les heb je al gedaan.\r\rAlleen na overleg met je docent kun je een les "
                             "overdoen.\r\rHet door jou behaalde cijfer voor les 1 is een  %1.")
                             .arg(kCijfer)});
    alleenZichtbaar(WindowId::Hoofdmenu);
  }

  void logUit() {
    QCOMPARE(menu().Command(1).Caption(), QStringLiteral("Hoofd&menu"));
    klik(menu().Command(1));
    alleenZichtbaar(WindowId::Selectie);
    QCOMPARE(int(state().SelectieStap), 1);
  }

  void leraarWistCijferLes1() {
    Selectie& s = selectie();
    klik(s.Command(3));  // the teacher module
    typ(s.Text(4), kLeraarWachtwoord);
    drukEnter(s.Text(4));
    alleenZichtbaar(WindowId::Leraarmodule);
    Leraarmodule& m = leraarmodule();
    QCOMPARE(m.gekozenKlas(), kKlas);
    QCOMPARE(m.huidigeLeerling(), 0);
    TextBox& cijfer = m.Text(leraar::tekstvakVan(QStringLiteral("cijferles1")));
    QCOMPARE(cijfer.Text(), QString::number(kCijfer));
    cijfer.setText(QString());
    klik(m.Command(1));  // "Hoofd&menu" stores the change and goes back
    QVERIFY(veld(QStringLiteral("CijferLes1")).isNull());
    QCOMPARE(veld(QStringLiteral("AntwLes1")).toString(), toetstest::verwachteLetters(1, kAntwoorden));
    alleenZichtbaar(WindowId::Selectie);
    QCOMPARE(int(state().SelectieStap), 1);
  }

  void leerlingDoetLes1Opnieuw() {
    Selectie& s = selectie();
    o.basis.dialogs->messages.clear();
    klikRegel(*s.List, kKlas);
    klikRegel(*s.List, kLijstNaam);
    QCOMPARE(int(state().SelectieStap), 4);  // the password made before is asked for
    typ(s.Text(4), kWachtwoord);
    drukEnter(s.Text(4));
    alleenZichtbaar(WindowId::Hoofdmenu);
    QCOMPARE(int(state().Cijfers[1]), 0);
    klik(menu().ImageBox(1));
    QCOMPARE(o.meldingen(), QStringList{});
    alleenZichtbaar(WindowId::NietEnOf);
    QCOMPARE(int(state().Stap), 1);
  }

 private Q_SLOTS:
  // The program as main() makes it, on a fresh database made by the program's own create
  // function, with a parallel interface on which nothing is pressed. The test works every
  // timer itself.
  void init() {
    o.begin();
    o.parallelZonderKnoppen();
    o.basis.events->runRealEvents = false;
    o.basis.settings->values.insert(QStringLiteral("DataPath"), o.verseDatabase());
    registerProgramWindows();
  }
  void cleanup() { o.end(); }

  void eenLeerlingDoorHetHeleProgramma() {
    const QList<QPair<const char*, void (Walkthrough::*)()>> stappen = {
        {"start-up", &Walkthrough::programmaStart},
        {"register a class and a pupil", &Walkthrough::registreerKlasEnLeerling},
        {"make a password and log in", &Walkthrough::maakWachtwoordEnLogIn},
        {"the main menu starts lesson 1", &Walkthrough::menuStartLes1},
        {"lesson 1 to the test", &Walkthrough::loopLes1TotDeToets},
        {"the test and its mark", &Walkthrough::maakDeToets},
        {"lesson 1 refused", &Walkthrough::menuWeigertLes1},
        {"log out", &Walkthrough::logUit},
        {"the teacher clears the mark", &Walkthrough::leraarWistCijferLes1},
        {"lesson 1 again", &Walkthrough::leerlingDoetLes1Opnieuw},
    };
    for (const auto& [naam, stap] : stappen) {
      (this->*stap)();
      if (QTest::currentTestFailed()) {
        qWarning("the walkthrough stopped at: %s", naam);
        return;
      }
    }
  }
};

QTEST_MAIN(Walkthrough)
#include "tst_walkthrough.moc"

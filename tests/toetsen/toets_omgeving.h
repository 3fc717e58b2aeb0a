#pragma once
// What every test of the test window needs: the program folder (for narration files), one
// K8055 card as the interface, a real student database with the logged-in pupil, the real
// main menu and the test window made through the window registry, and ways to answer
// questions as a pupil does.
#include <QTest>

#include "platform/endprogram.h"
#include "selection/database/studentdatabase.h"
#include "selection/hoofdmenu.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/db_testfiles.h"
#include "support/programma_omgeving.h"
#include "toets_antwoorden.h"
#include "toetsen/toetsen.h"
#include "toetsen/vraagbank.h"

namespace kwil::toetstest {

inline const QString kKlas = QStringLiteral("2B");
inline const QString kNaam = QStringLiteral("de Vries Anna");

class ToetsOmgeving : public programmatest::ProgrammaOmgeving {
 public:
  // A fresh run: the pupil Anna de Vries of 2B logged in with no marks, in a new database.
  void begin() {
    ProgrammaOmgeving::begin();
    k8055ZonderKnoppen();
    KwilState& s = state();
    s.Klas = kKlas;
    s.LeerlingNaam = kNaam;
    s.Voornaam = QStringLiteral("Anna");
    s.Achternaam = QStringLiteral("de Vries");
    s.DatabasePad = verseDatabase();
    const DbResult<qint64> r =
        StudentDatabase(db).registerPupil({kKlas, QStringLiteral("Anna"), QStringLiteral(" "),
                                           QStringLiteral("de Vries"), QDate(2024, 9, 2), QTime(9, 0)});
    QVERIFY(r.ok());
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<Hoofdmenu>(); });
    registerWindow(WindowId::Toetsen, [] { return std::make_unique<Toetsen>(); });
    registreerNepLessen();
    registreerNepVensters({WindowId::Selectie});
  }

  // The hand-over of a lesson's last page: LesNummer set, the test shown.
  Toetsen& startToets(int les) {
    state().LesNummer = les;
    state().Verlaten = true;
    toets = windowAs<Toetsen>(WindowId::Toetsen);
    toets->Show();
    return *toets;
  }

  void klikAntwoord(bool goed) { toetstest::klikAntwoord(*toets, goed); }
  void toetsAntwoord(bool goed, bool cijfers) { toetstest::toetsAntwoord(*toets, goed, cijfers); }

  // The stored field of the pupil.
  QVariant veld(const QString& naam) const {
    return dbtest::cell(db, QStringLiteral("SELECT %1 FROM leerlingen WHERE klas = ?").arg(naam), {kKlas});
  }

  Toetsen* toets = nullptr;
};

}  // namespace kwil::toetstest

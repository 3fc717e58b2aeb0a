#pragma once
// What every test of the test window needs: a program folder (for narration files), fakes for
// every outside effect, one K8055 card as the interface, a real student database with the
// logged-in pupil, the real main menu and the test window made through the window registry,
// and ways to answer questions as a pupil does.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/endprogram.h"
#include "platform/forms/fonts.h"
#include "selection/database/studentdatabase.h"
#include "selection/hoofdmenu.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/db_testfiles.h"
#include "support/fake_hardware.h"
#include "support/fake_sound.h"
#include "support/fakes.h"
#include "toetsen/toetsen.h"
#include "toetsen/vraagbank.h"

namespace kwil::toetstest {

inline const QString kKlas = QStringLiteral("2B");
inline const QString kNaam = QStringLiteral("de Vries Anna");

class ToetsOmgeving {
 public:
  void maakProgrammaMap() {
    installFontSubstitutes();
    QVERIFY(map_.isValid());
    qputenv("KWIL_PROGRAM_DIR", map_.path().toLocal8Bit());
  }

  // An empty narration file under the program folder (relative, with '/').
  void maakBestand(const QString& naam) {
    const QString pad = map_.filePath(naam);
    QDir().mkpath(QFileInfo(pad).path());
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
  }

  // A fresh run: the pupil Anna de Vries of 2B logged in with no marks, in a new database.
  void begin() {
    resetWindows();
    basis = fake::installBasicFakes();
    geluid = fake::installSoundFakes();
    hw = &fake::installFakeHardware(basis.clock);
    KwilState& s = state();
    s.AantalGeluidskaarten = 1;
    s.InterfaceSoort = SoortVelleman;
    s.VellemanKaarten = 1;
    hw->k8055->present = 1;
    s.Klas = kKlas;
    s.LeerlingNaam = kNaam;
    s.Voornaam = QStringLiteral("Anna");
    s.Achternaam = QStringLiteral("de Vries");
    db = dbtest::freshDatabase(map_.filePath(QStringLiteral("Kwilmora%1.db").arg(++databases_)));
    s.DatabasePad = db;
    const DbResult<qint64> r =
        StudentDatabase(db).registerPupil({kKlas, QStringLiteral("Anna"), QStringLiteral(" "),
                                           QStringLiteral("de Vries"), QDate(2024, 9, 2), QTime(9, 0)});
    QVERIFY(r.ok());
    setEndProgramHandler([] {});
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<Hoofdmenu>(); });
    registerWindow(WindowId::Toetsen, [] { return std::make_unique<Toetsen>(); });
    for (int les = 1; les <= 5; ++les)
      registerWindow(lessonWindow(les), [] { return std::make_unique<QWidget>(); });
    registerWindow(WindowId::Selectie, [] { return std::make_unique<QWidget>(); });
  }

  void end() {
    resetWindows();
    setEndProgramHandler({});
  }

  // The hand-over of a lesson's last page: LesNummer set, the test shown.
  Toetsen& startToets(int les) {
    state().LesNummer = les;
    state().Verlaten = true;
    toets = windowAs<Toetsen>(WindowId::Toetsen);
    toets->Show();
    return *toets;
  }

  const ToetsVraag& vraag() const {
    return vraagbank(state().LesNummer)->vragen.at(state().VraagNummer.toInt() - 1);
  }

  // The box that shows the bank's answer bankNummer.
  static int boxVan(int bankNummer) {
    for (int box = 1; box <= 4; ++box)
      if (state().Volgorde[box] == bankNummer) return box;
    return 0;
  }
  // The bank number of a right or of a (the first) wrong answer of the current question.
  int bankAntwoord(bool goed) const { return goed ? vraag().goed : (vraag().goed == 1 ? 2 : 1); }

  // Chooses with the mouse and confirms with the button.
  void klikAntwoord(bool goed) {
    QTest::mouseClick(&toets->Ribbon(boxVan(bankAntwoord(goed))), Qt::LeftButton);
    QTest::mouseClick(&toets->Command(1), Qt::LeftButton);
  }
  // Chooses with a key (1-4 when cijfers, else A-D) and confirms with Enter.
  void toetsAntwoord(bool goed, bool cijfers) {
    const int box = boxVan(bankAntwoord(goed));
    toets->keyDown(cijfers ? '0' + box : 'A' + box - 1, 0);
    toets->keyDown(vbKeyReturn, 0);
  }

  // The stored field of the pupil.
  QVariant veld(const QString& naam) const {
    return dbtest::cell(db, QStringLiteral("SELECT %1 FROM leerlingen WHERE klas = ?").arg(naam), {kKlas});
  }

  fake::Fakes basis{};
  fake::SoundFakes geluid{};
  fake::FakeHardware* hw = nullptr;
  Toetsen* toets = nullptr;
  QString db;

 private:
  QTemporaryDir map_;
  int databases_ = 0;
};

}  // namespace kwil::toetstest

// Enter in the entry boxes: registering a new class and pupil, the pupil's first and known
// password, and the teacher password.
#include <QDate>
#include <QTime>

#include "platform/vb.h"
#include "selection/database/databaselocation.h"
#include "selection/selectie.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"

namespace kwil {

namespace {
const QString kEenSpatie = QStringLiteral(" ");
}

void Selectie::Text_KeyPress(int index, int& keyAscii) {
  if (keyAscii != vbKeyReturn) return;
  switch (index) {
    case 1: voornaamIngevoerd(); break;
    case 2: Text(3).SetFocus(); break;
    case 3: nieuweLeerlingOpslaan(); break;
    case 4: wachtwoordIngevoerd(); break;
    case 5: klasnaamIngevoerd(); break;
    default: break;
  }
  keyAscii = 0;
}

void Selectie::maakTekstvakkenLeeg() {
  Text.forEach([](TextBox& t) { t.setText(QString()); });
}

void Selectie::voornaamIngevoerd() {
  if (Text(1).Text().isEmpty()) {
    MsgBox(QStringLiteral("Graag een voornaam invoeren."));
    Text(1).SetFocus();
    return;
  }
  Text(2).SetFocus();
}

void Selectie::nieuweLeerlingOpslaan() {
  if (Text(1).Text().isEmpty() || Text(3).Text().isEmpty()) {
    MsgBox(QStringLiteral("Voor- en achternaam moeten beide ingevuld worden!"));
    (Text(1).Text().isEmpty() ? Text(1) : Text(3)).SetFocus();
    return;
  }
  Panel(13).setVisible(false);
  const QString tussenvoegsel = Text(2).Text().isEmpty() ? kEenSpatie : Text(2).Text();
  const NewPupil nieuw{state().Klas, Text(1).Text(), tussenvoegsel, Text(3).Text(), QDate::currentDate(),
                       QTime::currentTime()};
  if (!databaseGelukt(studentDatabase().registerPupil(nieuw).status)) {
    // Nothing was stored: the names stay in their boxes for another try.
    Panel(13).setVisible(true);
    Text(3).SetFocus();
    return;
  }
  BeginOpnieuw();
  maakTekstvakkenLeeg();
  MsgBox(QStringLiteral("Je gegevens zijn toegevoegd."));
}

void Selectie::wachtwoordIngevoerd() {
  KwilState& s = state();
  Panel(9).setVisible(false);
  switch (s.SelectieStap) {
    case 3:
      eersteWachtwoordOpslaan();
      break;
    case 4:
      if (Text(4).Text() == s.LeerlingWachtwoord) {
        LogIn();
      } else {
        MsgBox(QStringLiteral("Verkeerde wachtwoord."));
        BeginOpnieuw();
      }
      break;
    case 7:
      leraarWachtwoordControleren();
      break;
    default:
      break;
  }
}

void Selectie::eersteWachtwoordOpslaan() {
  KwilState& s = state();
  if (Text(4).Text().isEmpty()) Text(4).setText(kEenSpatie);
  const DbResult<bool> opgeslagen = studentDatabase().setPupilPassword(s.Klas, s.LeerlingNaam, Text(4).Text());
  if (!databaseGelukt(opgeslagen.status)) {
    // Not stored: the pupil may press Enter again once the database answers.
    Panel(9).setVisible(true);
    Text(4).SetFocus();
    return;
  }
  if (!opgeslagen.value) {
    MsgBox(QStringLiteral("Deze leerling staat niet meer in de database."));
    BeginOpnieuw();
    return;
  }
  LogIn();
}

void Selectie::leraarWachtwoordControleren() {
  KwilState& s = state();
  const DbResult<DbSettings> instellingen = studentDatabase().readSettings();
  if (!databaseGelukt(instellingen.status)) {
    BeginOpnieuw();
    return;
  }
  // A settings row without a password lets nobody in, not even with an empty box.
  const std::optional<QString>& wachtwoord = instellingen.value.wachtwoord;
  s.LeraarWachtwoord = wachtwoord.value_or(QString());
  if (!wachtwoord || Text(4).Text() != *wachtwoord) {
    MsgBox(QStringLiteral("Niet het goede wachtwoord."));
    BeginOpnieuw();
    return;
  }
  if (!kwil::window(WindowId::Leraarmodule)) {
    BeginOpnieuw();
    return;
  }
  TijdInterval.setEnabled(false);
  TijdintervalIngangen.setEnabled(false);
  KleurCommand();
  toonVensterEnVerberg(WindowId::Leraarmodule);
}

void Selectie::LogIn() {
  if (!kwil::window(WindowId::Hoofdmenu)) {
    BeginOpnieuw();
    return;
  }
  maakTekstvakkenLeeg();
  TijdInterval.setEnabled(false);
  state().Uitgangen = 0;
  KleurCommand();
  toonVensterEnVerberg(WindowId::Hoofdmenu);
}

// Shows the other window and hides this one (the other window's activation deactivates
// this one first, which switches the outputs off).
void Selectie::toonVensterEnVerberg(WindowId id) {
  QWidget* venster = kwil::window(id);
  if (!venster) return;
  if (auto* form = qobject_cast<Form*>(venster)) {
    form->Show();
  } else {
    venster->show();
  }
  Hide();
}

void Selectie::klasnaamIngevoerd() {
  KwilState& s = state();
  if (Text(5).Text().isEmpty()) {
    MsgBox(QStringLiteral("Er moet wel een naam ingevuld worden."));
    return;
  }
  s.Klas = Text(5).Text();
  Text(5).setText(QString());
  Panel(11).setVisible(false);
  Panel(13).setVisible(true);
  maakTekstvakkenLeeg();
  Text(1).SetFocus();
}

}  // namespace kwil

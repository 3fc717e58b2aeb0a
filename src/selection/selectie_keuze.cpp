// Choosing a class and a pupil: the step machine of the selection window (SelectieStap), the
// list that shows the classes or the pupils of a class, and the five buttons.
#include "interface/drivers.h"
#include "platform/endprogram.h"
#include "platform/vb.h"
#include "selection/database/databaselocation.h"
#include "selection/selectie.h"
#include "selection/selectie_teksten.h"
#include "shared/kwilstate.h"

namespace kwil {

bool Selectie::databaseGelukt(const DbStatus& status) {
  if (status.ok()) return true;
  MsgBox(status.message());
  return false;
}

void Selectie::ToonStap() { Panel(8).setCaption(stapInstructie(state().SelectieStap)); }

// Back to the class list. The frame's caption keeps the pupil chosen last.
void Selectie::BeginOpnieuw() {
  KwilState& s = state();
  s.SelectieStap = 0;
  Text.forEach([](TextBox& t) { t.setText(QString()); });
  Command(1).setEnabled(true);
  Panel(9).setVisible(false);
  Panel(11).setVisible(false);
  Panel(13).setVisible(false);
  s.Klas.clear();
  s.LeerlingNaam.clear();
  List->setEnabled(true);
  VulLijst();
  Command(5).setEnabled(false);
  Panel(15).setVisible(true);
}

// The database work of the current step, then on to the next step.
void Selectie::VulLijst() {
  switch (state().SelectieStap) {
    case 0: vulKlassen(); break;
    case 1: vulLeerlingen(); break;
    case 2: kiesLeerling(); break;
    default: break;
  }
}

void Selectie::vulKlassen() {
  List->Clear();
  const DbResult<QStringList> klassen = studentDatabase().classes();
  if (databaseGelukt(klassen.status)) {
    for (const QString& klas : klassen.value) List->AddItem(klas);
  }
  List->setEnabled(true);
  state().SelectieStap = 1;
  ToonStap();
  Panel(3).setCaption(QStringLiteral("Ingevoerde klassen."));
  Command(4).setCaption(QStringLiteral("Mijn klas staat niet in de lijst."));
  Command(4).setEnabled(true);
}

void Selectie::vulLeerlingen() {
  KwilState& s = state();
  s.Klas = List->Text();
  List->Clear();
  const DbResult<QStringList> leerlingen = studentDatabase().pupilsOfClass(s.Klas);
  if (databaseGelukt(leerlingen.status)) {
    for (const QString& naam : leerlingen.value) List->AddItem(naam);
  }
  s.SelectieStap = 2;
  ToonStap();
  Panel(3).setCaption(QStringLiteral("Leerlingen van klas:") + vbCr + s.Klas);
  Command(4).setCaption(QStringLiteral("Mijn naam staat niet in de lijst."));
  Command(5).setEnabled(true);
}

void Selectie::kiesLeerling() {
  KwilState& s = state();
  Command(4).setEnabled(false);
  Panel(15).setVisible(false);
  s.LeerlingNaam = List->Text();
  Panel(4).setCaption(s.LeerlingNaam + vbCr + QStringLiteral("klas ") + s.Klas);
  List->Clear();

  const DbResult<std::optional<PupilLogin>> gevonden = studentDatabase().findPupil(s.Klas, s.LeerlingNaam);
  if (!databaseGelukt(gevonden.status)) {
    BeginOpnieuw();
    return;
  }
  if (!gevonden.value) {
    // Removed by the teacher since the list was filled: there is nobody to log in.
    MsgBox(QStringLiteral("Deze leerling staat niet meer in de database."));
    BeginOpnieuw();
    return;
  }
  const PupilLogin& leerling = *gevonden.value;
  s.Voornaam = leerling.voornaam;
  s.Achternaam = leerling.achternaam;
  for (int les = 1; les <= 5; ++les) s.Cijfers[les] = leerling.cijfers[static_cast<std::size_t>(les)];
  if (!leerling.wachtwoord) {
    MsgBox(geenWachtwoordTekst());
    s.SelectieStap = 3;
    ToonStap();
  } else {
    s.SelectieStap = 4;
    ToonStap();
    s.LeerlingWachtwoord = *leerling.wachtwoord;
  }
  Panel(9).setVisible(true);
  Panel(3).setCaption(s.Voornaam + vbCr + s.Achternaam);
  Panel(10).setCaption(QStringLiteral("Vul hieronder je wachtwoord in.") + vbCr + QStringLiteral("Druk daarna op enter."));
  Text(4).SetFocus();
}

void Selectie::List_KeyDown(int keyCode) {
  if (keyCode == vbKeyReturn && List->ListIndex() != -1) VulLijst();
}

void Selectie::List_MouseDown() {
  if (List->ListIndex() != -1) VulLijst();
}

void Selectie::Command_Click(int index) {
  KwilState& s = state();
  switch (index) {
    case 1: {  // Stoppen: outputs off, the interface let go, and the program ends
      SchrijfUitgangen(0);
      if (K8055Cards* kaarten = platform().k8055.get()) kaarten->closeDevice();
      if (s.ComPoort != 0) {
        for (int i = 1; i <= 8; ++i) serialPort().Output(s.UitCommando[i]);
      }
      EndProgram();
    }
    case 2:
      MsgBox(helpTekst(s.SelectieStap, s.InterfaceSoort, Command(4).Caption(), Command(5).Caption()));
      break;
    case 3:
      s.SelectieStap = 7;
      Panel(15).setVisible(false);
      ToonStap();
      Command(4).setEnabled(false);
      Command(5).setEnabled(true);
      List->setEnabled(false);
      Panel(3).setCaption(QStringLiteral("Leraarmodule."));
      Panel(9).setVisible(true);
      Panel(10).setCaption(QStringLiteral("Vul hieronder het wachtwoord in.") + vbCr +
                           QStringLiteral("Druk daarna op enter."));
      Text(4).SetFocus();
      break;
    case 4:
      Panel(15).setVisible(false);
      Command(1).setEnabled(false);
      if (s.SelectieStap == 1) {
        s.SelectieStap = 5;
        ToonStap();
        List->setEnabled(false);
        Command(5).setEnabled(true);
        Panel(11).setVisible(true);
        Text(5).SetFocus();
      } else if (s.SelectieStap == 2) {
        s.SelectieStap = 6;
        ToonStap();
        List->setEnabled(false);
        Command(4).setEnabled(false);
        Panel(13).setVisible(true);
        Text(1).SetFocus();
      }
      break;
    case 5:
      BeginOpnieuw();
      break;
    default:
      break;
  }
}

// Hover colours: the button or the list under the pointer is drawn lighter; moving onto
// another one gives the previous one its normal colour back first.
void Selectie::Command_MouseMove(int index) {
  KwilState& s = state();
  if (s.KnopOnderMuis == index) return;
  KleurCommand();
  Command(index).setBackColor(KleurKnopOnderMuis);
  s.KnopOnderMuis = index;
}

void Selectie::List_MouseMove() {
  KwilState& s = state();
  if (s.LijstOnderMuis != 0) return;
  KleurCommand();
  List->setBackColor(KleurKnopOnderMuis);
  s.LijstOnderMuis = 1;
}

void Selectie::KleurCommand() {
  KwilState& s = state();
  if (s.KnopOnderMuis >= 1 && s.KnopOnderMuis <= 5) {
    Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
    s.KnopOnderMuis = 0;
  }
  if (s.LijstOnderMuis != 0) {
    List->setBackColor(KleurKnopNormaal);
    s.LijstOnderMuis = 0;
  }
}

void Selectie::Form_MouseMove(int, int, float, float) { KleurCommand(); }

}  // namespace kwil

// The course of a test: start, one question after the other, the end with the stored mark.
#include "toetsen/toetsen.h"

#include <QRandomGenerator>
#include <utility>

#include "interface/drivers.h"
#include "platform/vb.h"
#include "selection/hoofdmenu.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "toetsen/toetsresultaat.h"

namespace kwil {

namespace {
constexpr std::int32_t kGekozenKleur = 0xC0FFFF;
constexpr std::int32_t kKnopIngedrukt = 0x00FFFF;
constexpr std::int32_t kLedAan = 0x0000FF;
constexpr std::int32_t kUit = 0x808080;
constexpr int kF1 = 112;

// The four bank numbers 1 to 4 in a new random order.
std::array<int, 4> geschudOrde() {
  std::array<int, 4> orde{1, 2, 3, 4};
  for (int i = 3; i > 0; --i)
    std::swap(orde[static_cast<std::size_t>(i)], orde[QRandomGenerator::global()->bounded(i + 1)]);
  return orde;
}

// Box 1 to 4 for the keys 1 to 4 and A to D (the number pad gives the same codes); 0 otherwise.
int boxVanToets(int keyCode) {
  if (keyCode >= '1' && keyCode <= '4') return keyCode - '0';
  if (keyCode >= 'A' && keyCode <= 'D') return keyCode - 'A' + 1;
  return 0;
}
}  // namespace

int Toetsen::vraagNummer() const {
  return state().VraagNummer.toInt();
}

const ToetsVraag& Toetsen::huidigeVraag() const {
  return bank_->vragen.at(vraagNummer() - 1);
}

void Toetsen::Form_Activate() {
  startToets();
}

void Toetsen::startToets() {
  KwilState& s = state();
  s.VraagNummer = QStringLiteral("1");
  s.GegevenAntwoorden.clear();
  s.FToetsSchakelaar.fill(false);
  QString fout;
  bank_ = vraagbank(s.LesNummer, &fout);
  if (!bank_) {
    s.KnoppenVergrendeld = 1;
    MsgBox(QStringLiteral("De toets van les %1 kan niet beginnen: de vragen ontbreken of bevatten een fout.")
               .arg(s.LesNummer) +
           vbCr + fout + vbCr + QStringLiteral("Meld dit bij je docent."));
    naarHoofdmenu();
    return;
  }
  s.AntwoordSleutel = bank_->sleutel();
  Panel(1).setCaption(QStringLiteral("Toets van les %1").arg(s.LesNummer));
  ZetIngangen();
  toonVraag();
  TijdInterval.setEnabled(true);
}

void Toetsen::toonVraag() {
  KwilState& s = state();
  s.KnoppenVergrendeld = 1;
  const ToetsVraag& vraag = huidigeVraag();
  for (int r = 0; r <= kMaxVraagRegels - 1; ++r) s.VraagRegel[r] = vraag.vraag.value(r);
  s.AntwoordRegel.clear();
  for (int k = 1; k <= 4; ++k)
    for (int r = 0; r < kMaxAntwoordRegels; ++r)
      s.AntwoordRegel(k, r) = vraag.antwoorden[static_cast<std::size_t>(k - 1)].value(r);

  const std::array<int, 4> orde = geschudOrde();
  for (int box = 1; box <= 4; ++box) s.Volgorde[box] = orde[static_cast<std::size_t>(box - 1)];

  Panel(2).setCaption(QStringLiteral("Vraag %1 van %2").arg(s.VraagNummer).arg(kVragenPerToets));
  Label(1).setCaption(vraag.vraag.join(vbCr));
  for (int box = 1; box <= 4; ++box) {
    const QStringList& antwoord = vraag.antwoorden[static_cast<std::size_t>(s.Volgorde[box] - 1)];
    Ribbon(box).setCaption(antwoord.join(vbCr));
  }
  s.GekozenAntwoord = 0;
  kiesAntwoord(0);
  Panel(7).setVisible(vraag.gebruiktInterface());
  toonSchakeling();
  s.KnoppenVergrendeld = 0;
}

// Marks box (0 = none) as the choice: only that box is pressed in and coloured.
void Toetsen::kiesAntwoord(int box) {
  state().GekozenAntwoord = static_cast<std::int16_t>(box);
  for (int b = 1; b <= 4; ++b) {
    Ribbon(b).setValue(b == box);
    Ribbon(b).setBackColor(b == box ? kGekozenKleur : KleurKnopNormaal);
  }
  Command(1).setEnabled(box != 0);
}

void Toetsen::Ribbon_Click(int box) {
  // A click flips the box; the choice decides what the boxes show.
  if (state().KnoppenVergrendeld != 0)
    kiesAntwoord(state().GekozenAntwoord);
  else
    kiesAntwoord(box);
}

void Toetsen::Ribbon_MouseDown(int box) {
  KwilState& s = state();
  if (s.AantalGeluidskaarten != 0 && s.KnoppenVergrendeld == 0) LeesTekstVoor(2, 2, s.Volgorde[box]);
}

void Toetsen::Label_MouseDown(int index) {
  KwilState& s = state();
  if (index == 1 && s.AantalGeluidskaarten != 0 && s.KnoppenVergrendeld == 0) LeesTekstVoor(2, 1, index);
}

void Toetsen::Command_Click(int index) {
  if (index == 1) bevestig();
}

void Toetsen::bevestig() {
  KwilState& s = state();
  if (s.KnoppenVergrendeld != 0 || s.GekozenAntwoord < 1 || s.GekozenAntwoord > 4) return;
  s.KnoppenVergrendeld = 1;
  const int bankNummer = s.Volgorde[s.GekozenAntwoord];
  s.GegevenAntwoorden += antwoordLetter(bankNummer, bankNummer == huidigeVraag().goed);
  s.VraagNummer = QString::number(vraagNummer() + 1);
  if (vraagNummer() > kVragenPerToets)
    eindeToets();
  else
    toonVraag();
}

void Toetsen::eindeToets() {
  KwilState& s = state();
  TijdInterval.setEnabled(false);
  s.FToetsSchakelaar.fill(false);
  SchrijfUitgangen(0);
  const int cijfer = ToetsCijfer(s.GegevenAntwoorden);
  const BewaarUitslag uitslag = BewaarToetsResultaat();
  MsgBox(CijferBericht(cijfer, uitslag));
  naarHoofdmenu();
}

void Toetsen::naarHoofdmenu() {
  TijdInterval.setEnabled(false);
  QWidget* menu = kwil::window(WindowId::Hoofdmenu);
  if (auto* hoofdmenu = qobject_cast<Hoofdmenu*>(menu)) hoofdmenu->TijdInterval.setEnabled(true);
  if (auto* form = qobject_cast<Form*>(menu))
    form->Show();
  else if (menu)
    menu->show();
  Hide();
}

void Toetsen::Form_KeyDown(int& keyCode, int) {
  KwilState& s = state();
  if (ZoekInterfaceMetToets(keyCode)) return;
  if (keyCode >= kF1 && keyCode < kF1 + 5) {
    s.FToetsSchakelaar[keyCode - kF1 + 1] = true;
    toonSchakeling();
    return;
  }
  if (s.KnoppenVergrendeld != 0) return;
  if (const int box = boxVanToets(keyCode); box != 0) {
    kiesAntwoord(box);
    keyCode = 0;
  } else if (keyCode == vbKeyReturn) {
    keyCode = 0;
    bevestig();
  }
}

void Toetsen::Form_KeyUp(int& keyCode, int) {
  if (keyCode >= kF1 && keyCode < kF1 + 5) {
    state().FToetsSchakelaar[keyCode - kF1 + 1] = false;
    toonSchakeling();
  }
}

void Toetsen::Form_FocusLost() {
  // A key let go while the window had no focus would stay held otherwise.
  bool waren = false;
  for (bool& held : state().FToetsSchakelaar) waren = std::exchange(held, false) || waren;
  if (waren && isVisible()) toonSchakeling();
}

void Toetsen::Form_QueryUnload(bool& cancel) {
  // A test is finished, not closed halfway: the window stays.
  cancel = true;
}

void Toetsen::TijdInterval_Timer() {
  KwilState& s = state();
  TijdInterval.setEnabled(false);
  LeesIngangen();
  if (s.Ingangen != s.VorigeIngangen) {
    ZetIngangen();
    s.VorigeIngangen = s.Ingangen;
    toonSchakeling();
  }
  if (isVisible() && vraagNummer() >= 1 && vraagNummer() <= kVragenPerToets) TijdInterval.setEnabled(true);
}

std::array<bool, 5> Toetsen::ingedrukt() const {
  const KwilState& s = state();
  std::array<bool, 5> knoppen{};
  for (int k = 1; k <= 5; ++k)
    knoppen[static_cast<std::size_t>(k - 1)] = s.Ingang[k + 2] || s.FToetsSchakelaar[k];
  return knoppen;
}

void Toetsen::toonSchakeling() {
  if (!bank_ || vraagNummer() < 1 || vraagNummer() > kVragenPerToets) return;
  const ToetsVraag& vraag = huidigeVraag();
  const std::array<bool, 5> knoppen = ingedrukt();
  std::int32_t uitgangen = 0;
  for (const SchakelRegel& regel : vraag.schakeling)
    if (regel.aan(knoppen)) uitgangen |= 1 << (regel.uitgang() - 1);
  for (int k = 1; k <= 5; ++k)
    Panel(kEerstePanelKnop + k - 1)
        .setBackColor(knoppen[static_cast<std::size_t>(k - 1)] ? kKnopIngedrukt : kUit);
  for (int e = 1; e <= 8; ++e)
    Panel(kEerstePanelUitgang + e - 1).setBackColor((uitgangen >> (e - 1)) & 1 ? kLedAan : kUit);
  if (uitgangen != state().Uitgangen) SchrijfUitgangen(uitgangen);
}

}  // namespace kwil

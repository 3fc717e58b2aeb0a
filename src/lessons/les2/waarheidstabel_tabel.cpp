// The pages of lesson 2 and their grid: the table a page shows, the row of the switches'
// present position, the circuit beside it and the output E1 on the interface.
#include "interface/outputs.h"
#include "lessons/les2/les2teksten.h"
#include "lessons/les2/waarheidstabel.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kZwart = 0x000000;
constexpr std::int32_t kRijKleur = 0x80FFFF;       // the present position's row
constexpr std::int32_t kLedKleur = 0x0000FF;       // an output that is 1: red, as the LEDs
constexpr std::int32_t kGoedKleur = 0x90EE90;      // a prediction that came true
constexpr std::int32_t kFoutKleur = 0xC0C0FF;      // one that did not
constexpr int s1 = 3, s2 = 4, s3 = 5;              // elements of Ingang
}  // namespace

TabelPagina Waarheidstabel::pagina() const { return tabelOpPagina(state().Stap); }

bool Waarheidstabel::isInteractief() const {
  const Weergave w = pagina().weergave;
  return w == Weergave::Invullen || w == Weergave::Raden || w == Weergave::Voorspellen;
}

void Waarheidstabel::bouwPagina() {
  const int stap = state().Stap;
  huidigeRij_ = -1;
  if (isInteractief()) noteerHuidigeRij();
  toonStand();
  drukTekst(les2Pagina(stap));
  if (!les2Werkboekvraag(stap).isEmpty()) startTekenKlok();
}

void Waarheidstabel::reageer() {
  if (!isInteractief()) return;
  noteerHuidigeRij();
  toonStand();
}

void Waarheidstabel::toonStand() {
  tekenTabel();
  toonSchakeling();
  zetUitgang();
}

// The row of the switches held now; it counts as tried once the page lets the switches work.
void Waarheidstabel::noteerHuidigeRij() {
  const KwilState& s = state();
  const TabelPagina p = pagina();
  huidigeRij_ = rijVan(gegevens(p.schakeling).schakelaars, s.Ingang[s1], s.Ingang[s2], s.Ingang[s3]);
  TabelVoortgang& gedaan = voortgang(s.Stap);
  if (p.weergave != Weergave::Voorspellen || gedaan.allesVoorspeld()) gedaan.zie(huidigeRij_);
}

void Waarheidstabel::celKlik(int index) {
  const KwilState& s = state();
  if (s.Bezig || pagina().weergave != Weergave::Voorspellen) return;
  const int rij = (index - kEersteCel) / 4, kolom = (index - kEersteCel) % 4 + 1;
  const int schakelaars = gegevens(pagina().schakeling).schakelaars;
  TabelVoortgang& gedaan = voortgang(s.Stap);
  if (index < kEersteCel || rij < 1 || rij > gedaan.rijen() || kolom != schakelaars + 1) return;
  gedaan.voorspel(rij - 1);
  // The last prediction lets the switches check: the position held now is the first checked.
  if (gedaan.allesVoorspeld()) noteerHuidigeRij();
  toonStand();
}

void Waarheidstabel::tekenTabel() {
  const TabelPagina p = pagina();
  kwil::Panel& tabel = Panel(kTabelPaneel);
  if (p.weergave == Weergave::Geen) {
    tabel.setVisible(false);
    return;
  }
  const KwilState& s = state();
  const int n = gegevens(p.schakeling).schakelaars, rijen = aantalRijen(n);
  const bool voorspellen = p.weergave == Weergave::Voorspellen;
  const int uitKolom = n + (voorspellen ? 2 : 1);
  const TabelVoortgang* gedaan = isInteractief() ? &voortgang(s.Stap) : nullptr;
  for (int rij = 0; rij <= 8; ++rij) {
    for (int kolom = 1; kolom <= 4; ++kolom) {
      kwil::Panel& c = cel(rij, kolom);
      c.setVisible(rij <= rijen && kolom <= uitKolom);
      if (!c.Visible()) continue;
      const int t = rij - 1;  // the table row
      QString tekst;
      std::int32_t achter = rij == 0 ? KleurTabelKop : t == huidigeRij_ ? kRijKleur : kWit;
      std::int32_t voor = kZwart;
      if (rij == 0) {
        tekst = kolom <= n ? QStringLiteral("s%1").arg(kolom) : kolom == uitKolom ? QStringLiteral("E1") : QStringLiteral("Jij");
      } else if (kolom <= n) {
        tekst = bediendInRij(n, t, kolom) ? QStringLiteral("1") : QStringLiteral("0");
      } else if (kolom == uitKolom) {
        const bool bekend = p.weergave == Weergave::Ingevuld || (gedaan && gedaan->gezien(t));
        const bool aan = uitgangInRij(p.schakeling, t);
        if (bekend) tekst = aan ? QStringLiteral("1") : QStringLiteral("0");
        if (bekend && aan) achter = kLedKleur, voor = kWit;
      } else {  // the prediction
        const int voorspeld = gedaan->voorspelling(t);
        if (voorspeld >= 0) tekst = QString::number(voorspeld);
        if (gedaan->gezien(t))
          achter = voorspeld == int(uitgangInRij(p.schakeling, t)) ? kGoedKleur : kFoutKleur;
        else if (t != huidigeRij_)
          achter = KleurKnopNormaal;
      }
      c.setCaption(tekst);
      c.setBackColor(achter);
      c.setForeColor(voor);
    }
  }
  // The frame fits the cells in use, centred in the band above the text.
  const float marge = cel(0, 1).Left() / TwipsPerPixel;
  const float breedte = cel(0, 1).Width() / TwipsPerPixel, hoogte = cel(0, 1).Height() / TwipsPerPixel;
  const float stapX = (cel(0, 2).Left() - cel(0, 1).Left()) / TwipsPerPixel;
  const float stapY = (cel(1, 1).Top() - cel(0, 1).Top()) / TwipsPerPixel;
  tabel.setWidth(2 * marge + (uitKolom - 1) * stapX + breedte);
  tabel.setHeight(2 * marge + rijen * stapY + hoogte);
  tabel.setTop(Panel(2).Top() / 2 - tabel.Height() / 2);
  // Beside a circuit it keeps to the left; alone it stands in the middle.
  tabel.setLeft(p.weergave == Weergave::Leeg ? (ScaleWidth() - tabel.Width()) / 2 : kTabelLinks * state().SchaalX);
  tabel.setVisible(true);
}

// The circuit in the state of the row held (the rest position on a page that is only read),
// without a state while predictions are missing, or the unknown circuit's question while it
// has no name.
void Waarheidstabel::toonSchakeling() {
  const TabelPagina p = pagina();
  const bool zonderSchema = p.weergave == Weergave::Geen || p.weergave == Weergave::Leeg;
  const bool onbekend = p.weergave == Weergave::Raden && !voortgang(state().Stap).benoemd;
  Panel(kRaadPaneel).setVisible(onbekend);
  if (onbekend) plaatsNaastTabel(kRaadPaneel);
  if (zonderSchema || onbekend) {
    Panel(kPlaatjePaneel).setVisible(false);
    return;
  }
  const bool voorspelt = p.weergave == Weergave::Voorspellen && !voortgang(state().Stap).allesVoorspeld();
  const QString naam =
      voorspelt ? plaatjeZonderStand(p.schakeling) : plaatjeInRij(p.schakeling, std::max(huidigeRij_, 0));
  if (plaatjeIn(2) == naam && Panel(kPlaatjePaneel).Visible()) return;
  laadPlaatje(2, naam);
  CentreerPanelEnPictureBox(kPlaatjePaneel, 2);
  plaatsNaastTabel(kPlaatjePaneel);
  Panel(kPlaatjePaneel).setVisible(true);
}

void Waarheidstabel::plaatsNaastTabel(int paneel) {
  kwil::Panel& lijst = Panel(paneel);
  const kwil::Panel& tabel = Panel(kTabelPaneel);
  const float links = tabel.Visible() ? tabel.Left() + tabel.Width() : 0;
  lijst.setLeft(links + (ScaleWidth() - links - lijst.Width()) / 2);
  lijst.setTop(Panel(2).Top() / 2 - lijst.Height() / 2);
  houdBinnen(paneel);
}

// E1 follows the circuit on a page where the switches work; elsewhere the outputs are off.
void Waarheidstabel::zetUitgang() {
  const TabelPagina p = pagina();
  bool aan = isInteractief() && huidigeRij_ >= 0 && uitgangInRij(p.schakeling, huidigeRij_);
  if (p.weergave == Weergave::Voorspellen && !voortgang(state().Stap).allesVoorspeld()) aan = false;
  const int gewenst = aan ? 1 : 0;
  if (state().Uitgangen != gewenst) SchrijfUitgangen(gewenst);
}

}  // namespace kwil

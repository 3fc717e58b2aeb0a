// Turning the pages: the click handler, Verder, Terug, Stop, the gate's helpers, the page
// builder's common start and end, the hand-over and the slides.
#include "interface/drivers.h"
#include "lessons/frame/lessonwindow.h"
#include "platform/vb.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "shared/zinnen.h"

namespace kwil {

void LessonWindow::zetNavigatieKnoppen(bool aan) {
  for (int index : {1, 2, config_.leesVoorKnop, 3, 4})
    if (Command.exists(index)) Command(index).setEnabled(aan);
}

void LessonWindow::Command_Click(int index) {
  KwilState& s = state();
  if (s.Bezig) return;  // dropped, not queued
  s.Bezig = true;
  TijdInterval.setEnabled(false);
  zetNavigatieKnoppen(false);
  StopVoorlezen();
  if (index == 1) {
    verder();
  } else if (index == 2) {
    terug();
  } else if (index == 3) {
    HelpTekst();
  } else if (index == 4) {
    stop();
  } else if (index == config_.leesVoorKnop) {
    if (s.AantalGeluidskaarten != 0) LeesTekstVoor(1, 0, 0);
  } else {
    lesKnopKlik(index);
  }
  zetNavigatieKnoppen(true);
  s.ShiftIngedrukt = false;
  if (!s.Verlaten) {
    if (Command.exists(index)) Command(index).SetFocus();
    SetResetTimer();
  }
  s.Bezig = false;
}

void LessonWindow::verder() {
  KwilState& s = state();
  SpeelGeluidVerder();
  if (!s.ShiftIngedrukt) {
    schuif(Schuif::UitOmhoog);
    LooplichtOp();
  }
  ++s.Stap;
  MagVerder();
  if (!s.StapToegestaan) {
    SpeelGeluidTerug();
    if (!s.ShiftIngedrukt) schuif(Schuif::InVanBoven);
    s.StapToegestaan = true;
  } else if (s.ShiftIngedrukt) {
    eenKopie();
  } else {
    schuif(Schuif::InVanOnder);
  }
  DoEvents();
}

void LessonWindow::terug() {
  KwilState& s = state();
  if (s.Stap <= 1) {
    MsgBox(QStringLiteral("Je kunt niet verder terug.") + vbCr + vbCr + QStringLiteral("Dit is het begin van de les."),
           DialogService::Critical, QStringLiteral("Let op...."));
    herstelHoverNavigatie(4);
  } else {
    SpeelGeluidTerug();
    if (!s.ShiftIngedrukt) {
      schuif(Schuif::UitOmlaag);
      LooplichtNeer();
    }
    --s.Stap;
    Plaatstekst();
    if (s.ShiftIngedrukt)
      eenKopie();
    else
      schuif(Schuif::InVanBoven);
  }
  DoEvents();
}

void LessonWindow::stop() {
  KwilState& s = state();
  s.Voortgang = 0;
  SchrijfUitgangen(0);
  s.Verlaten = true;
  if (s.KnopOnderMuis != 0 && Command.exists(s.KnopOnderMuis)) Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
  bijStop();
  toonVenster(WindowId::Hoofdmenu);
  Hide();
}

void LessonWindow::SetResetTimer() {
  if (isTimerStap(state().Stap)) TijdInterval.setEnabled(true);
}

void LessonWindow::MaakZinnenLeeg() {
  for (int i = 1; i <= 15; ++i) state().Zin[i].clear();
  platform().clipboard->clear();
}

// --- The gate and the help ------------------------------------------------------------------

void LessonWindow::MagVerder() {
  beslisVerder();
  herstelHoverNavigatie(4);
  Plaatstekst();
}

void LessonWindow::weigerVerder(const QString& tekst, bool metGeluid) {
  KwilState& s = state();
  if (metGeluid) SpeelGeluidDatIsSnel();
  --s.Stap;
  MsgBox(tekst);
  s.StapToegestaan = false;
}

bool LessonWindow::tekenVraagBeantwoord(const QString& vraag) {
  return snelVerderBeantwoord(QStringLiteral("Zo... jij kunt snel tekenen.") + vbCr + vbCr + vraag, true);
}

bool LessonWindow::snelVerderBeantwoord(const QString& tekst, bool metGeluid) {
  KwilState& s = state();
  if (!binnenTienSeconden()) return true;
  if (metGeluid) SpeelGeluidDatIsSnel();
  if (MsgBox(tekst, DialogService::YesNo, QStringLiteral("Vraagje")) == DialogService::Yes) return true;
  --s.Stap;
  s.StapToegestaan = false;
  return false;
}

bool LessonWindow::binnenTienSeconden() const {
  // A monotonic clock: the question cannot come back at midnight or after a clock change.
  return platform().clock->monotonicSeconds() < tekenKlokStart_ + 10;
}

void LessonWindow::startTekenKlok() {
  state().StapStartTijd = static_cast<float>(platform().clock->secondsSinceMidnight());
  tekenKlokStart_ = platform().clock->monotonicSeconds();
}

void LessonWindow::HelpTekst() {
  voorHulp();
  MsgBox(helpTekst());
  if (Command.exists(3)) Command(3).setBackColor(KleurKnopNormaal);
  state().KnopOnderMuis = 0;
}

// --- Building a page -------------------------------------------------------------------------

void LessonWindow::Plaatstekst() {
  KwilState& s = state();
  ++paginaBouwen_;
  canvas().Cls();
  if (config_.alleZinnenLeeg)
    MaakAlleZinnenLeeg();
  else
    MaakZinnenLeeg();
  bouwPagina();
  if (s.Stap == config_.overdrachtStap) overdracht();
  s.VorigeStap = s.Stap;
  Panel(config_.voettekstPaneel)
      .setCaption(QStringLiteral("Les %1 stap %2 van %3").arg(s.Hoofdstuk).arg(s.Stap).arg(config_.aantalPaginas));
}

void LessonWindow::overdracht() {
  KwilState& s = state();
  s.LesNummer = config_.lesNummer;
  s.Verlaten = true;
  toonVenster(WindowId::Toetsen);
  Hide();
}

void LessonWindow::drukTekst(const PaginaTekst& pagina) {
  using S = Afdruk::Soort;
  KwilState& s = state();
  for (int i = 0; i < pagina.zinnen.size() && i < 25; ++i) s.Zin[i + 1] = pagina.zinnen.at(i);
  kwil::PictureBox& c = canvas();
  auto regel = [&](int k) { return pagina.voorvoegsel.value(k) + s.Zin[k]; };
  bool vervolg = false;  // the previous line was printed without its line end
  for (const Afdruk& a : pagina.afdruk) {
    switch (a.soort) {
      case S::Regel: c.Print((vervolg ? QString() : QStringLiteral("  ")) + regel(a.zin)); break;
      case S::LegeRegel: c.Print(); break;
      case S::Omlaag: c.setCurrentY(c.CurrentY() + static_cast<float>(a.hoogte) * s.SchaalY); break;
      case S::Tab:
        c.PrintTab(a.kolom);
        c.Print(regel(a.zin));
        break;
      case S::Paar:
        c.PrintPart(QStringLiteral("  ") + regel(a.zin));
        c.PrintTab(a.kolom);
        c.Print(regel(a.tweede));
        break;
      case S::ZonderEinde: c.PrintPart(QStringLiteral("  ") + regel(a.zin)); break;
      case S::Omhoog: c.setCurrentY(c.CurrentY() - static_cast<float>(a.hoogte)); break;
      case S::TweeTabs:
        c.PrintTab(a.kolom);
        c.PrintPart(regel(a.zin));
        c.PrintTab(a.kolom2);
        c.Print(regel(a.tweede));
        break;
    }
    vervolg = a.soort == S::ZonderEinde;
  }
}

// --- Copying the canvas into the page box ------------------------------------------------------

void LessonWindow::kopieer(int offset) {
  const KwilState& s = state();
  kwil::PictureBox& doel = paginaVak();
  ++kopieen_;
  // Rows the shifted copy does not reach show the box's background, so the page slides over it.
  doel.image().fill(vbColor(doel.BackColor()));
  const int breedte = rondAf(config_.kopieBreedte * s.SchaalX), hoogte = rondAf(config_.kopieHoogte * s.SchaalY);
  // The copy repaints the box; a pass whose rows all lie outside the canvas (the first of a
  // page rising from below) copies nothing, yet the pupil must see the emptied box at once.
  if (!QRect(0, offset, breedte, hoogte).intersects(canvas().image().rect())) doel.repaint();
  bitBlt(doel, 0, 0, breedte, hoogte, canvas(), 0, offset);
}

void LessonWindow::schuif(Schuif soort) {
  laatsteSchuif_ = schuifOffsets(soort, state().SchaalY, config_.kopieHoogte);
  for (int offset : laatsteSchuif_) kopieer(offset);
}

void LessonWindow::eenKopie() {
  laatsteSchuif_ = {0};
  kopieer(0);
}

// --- The polling timer -------------------------------------------------------------------------

void LessonWindow::TijdInterval_Timer() {
  KwilState& s = state();
  TijdInterval.setEnabled(false);
  const int bouw = paginaBouwen_;
  if (!s.ToetsEmulatie) {
    tikLoopt_ = true;
    LeesIngangen();
    tikLoopt_ = false;
    // An F key pressed while the read let events run has ticked for itself; the keys, not the
    // value read before they went down, are the input now.
    if (s.ToetsEmulatie) bouwIngangenOp();
  }
  // Reading lets other events run: when they turned the page or left the lesson, this tick
  // belongs to a page that is gone; the click that did it has set the timer for the new one.
  if (bouw != paginaBouwen_ || s.Verlaten) return;
  if (s.Ingangen != s.VorigeIngangen) {
    if (config_.tikMeldtGebruik) s.InterfaceGebruikt = true;
    ZetIngangen();
    reageer();
    s.VorigeIngangen = s.Ingangen;
    schrijfStatusregel();
  }
  TijdInterval.setEnabled(true);
}

void LessonWindow::schrijfStatusregel() {
  const KwilState& s = state();
  if (config_.statusPaneel == 0) return;
  if (s.InterfaceSoort == SoortParallel)
    Panel(config_.statusPaneel).setCaption(QStringLiteral("In ") + Str(255 - s.Ingangen) + QStringLiteral(" Uit ") + Str(s.Uitgangen));
  else if (s.InterfaceSoort == SoortVelleman)
    Panel(config_.statusPaneel).setCaption(QStringLiteral("In ") + Str(s.Ingangen) + QStringLiteral(" Uit ") + Str(s.Uitgangen));
}

}  // namespace kwil

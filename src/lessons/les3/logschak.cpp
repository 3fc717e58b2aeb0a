#include "lessons/les3/logschak.h"

#include <algorithm>

#include "interface/outputs.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kWit = 0xFFFFFF;
constexpr std::int32_t kOndergrondKleur = 0xF5D5BA;
constexpr int kBeeldLijst = 3, kBeeldVak = 2;  // the frame and picture box of the drawing
constexpr int s1 = 3;                          // element of Ingang for s1

std::shared_ptr<const SchakelExpressie> expressie(const Les3Schakeling& schakeling) {
  QString fout;
  return SchakelExpressie::lees(schakeling.formule, fout);
}
}  // namespace

LessonConfig logSchakConfig() {
  LessonConfig c;
  c.venster = WindowId::LogSchak;
  c.lesNummer = 3;
  c.leesVoorKnop = 5;
  c.paginaVak = 4;
  c.voettekstPaneel = 8;
  c.aantalPaginas = kLes3Paginas;
  c.overdrachtStap = 31;
  c.timerStappen = stappen(QStringLiteral("4-6, 8-20, 25"));
  c.fToetsStappen = c.timerStappen;
  c.formGeschaald = 5;
  c.weigert640 = false;
  c.statusPaneel = 7;
  return c;
}

LogSchak::LogSchak(QWidget* parent) : LessonWindow(logSchakConfig(), parent) {
  setCaption(QStringLiteral("Logische poorten en schakelingen"));
  Panel.create(1, this, 505, 320, 135, 160).setBackColor(kOndergrondKleur);
  Panel.create(2, this, 0, 320, 505, 160).setBackColor(kOndergrondKleur);
  kwil::Panel& lijst = Panel.create(kBeeldLijst, this, 170, 40, 300, 240);
  lijst.setBackColor(kWit);
  lijst.setBorderWidth(2);
  PictureBox.create(kBeeldVak, &lijst, tw(10), tw(10), tw(280), tw(220)).setBackColor(kWit);
  kwil::Shape& rand = Shape.create(1, this, 8, 322, 489, 140);
  rand.setShape(kwil::Shape::RoundedRectangle);
  rand.setBorderColor(0x804000);
  maakFrame();
}

void LogSchak::bijActiveren() {
  Panel(kBeeldLijst).setVisible(false);
  gebouwd_ = -1;
  geprobeerd_.clear();
  schema_ = {};
}

void LogSchak::schaalLesControls(const ScaleOptions& opties) {
  // The frame scales each array up to its first missing index; this lesson has no controls of
  // its own between, so the page box and the footer and status lines are scaled here.
  scaleControl(PictureBox(config().paginaVak), opties);
  scaleControl(Panel(config().voettekstPaneel), opties);
  scaleControl(Panel(config().statusPaneel), opties);
}

void LogSchak::bouwPagina() {
  const int stap = state().Stap;
  // A page rebuilt in place (after a refusal) keeps its drawing as it is.
  if (gebouwd_ != stap) aankomst(stap);
  drukTekst(les3Pagina(stap));
  if (stap == kLes3WerkboekStap) startTekenKlok();
}

void LogSchak::aankomst(int stap) {
  const bool hadSchakeling = les3Schakeling(gebouwd_) != nullptr;
  gebouwd_ = stap;
  schema_ = {};
  switch (les3Beeld(stap)) {
    case Les3Beeld::Geen:
      Panel(kBeeldLijst).setVisible(false);
      break;
    case Les3Beeld::Symbolen:
      toonBeeld(tekenSymbolen(zoom(tekenSymbolen(1).size())));
      break;
    case Les3Beeld::Tabel:
      toonBeeld(tekenPoortenTabel(zoom(tekenPoortenTabel(1).size())));
      break;
    case Les3Beeld::Schakeling:
      simuleer();
      return;
  }
  if (hadSchakeling) SchrijfUitgangen(0);
}

double LogSchak::zoom(const QSizeF& grootte) const {
  const KwilState& s = state();
  const double breedte = ScaleWidth() - 60;
  const double hoogte = Panel(2).Top() - 40;
  return std::min({1.25 * std::min(s.SchaalX, s.SchaalY), breedte / grootte.width(), hoogte / grootte.height()});
}

void LogSchak::toonBeeld(const QImage& beeld) {
  kwil::PictureBox& vak = PictureBox(kBeeldVak);
  vak.setAutoSize(true);
  vak.setPicture(beeld);
  CentreerPanelEnPictureBox(kBeeldLijst, kBeeldVak);
  Panel(kBeeldLijst).setVisible(true);
}

void LogSchak::simuleer() {
  KwilState& s = state();
  const Les3Schakeling* schakeling = les3Schakeling(s.Stap);
  if (!schakeling) return;
  const auto e = expressie(*schakeling);
  if (!e) {  // a page whose circuit cannot be read shows no drawing rather than a wrong one
    Panel(kBeeldLijst).setVisible(false);
    return;
  }
  std::array<bool, 5> ingedrukt{};
  unsigned stand = 0;
  const int n = les3Knoppen(*schakeling);
  for (int k = 0; k < 5; ++k) {
    ingedrukt[static_cast<std::size_t>(k)] = s.Ingang[s1 + k];
    if (k < n && ingedrukt[static_cast<std::size_t>(k)]) stand |= 1u << k;
  }
  schema_ = legSchemaUit(*e, ingedrukt, {schakeling->losseNiet, schakeling->verborgen});
  toonBeeld(tekenSchema(schema_, zoom(schema_.grootte)));
  SchrijfUitgangen(schema_.ledAan ? 1 : 0);
  geprobeerd_[s.Stap] |= 1u << stand;
}

bool LogSchak::allesGeprobeerd(int stap) const {
  const Les3Schakeling* schakeling = les3Schakeling(stap);
  if (!schakeling) return true;
  const unsigned alle = (1u << (1u << les3Knoppen(*schakeling))) - 1;
  return (geprobeerd_.value(stap) & alle) == alle;
}

void LogSchak::reageer() { simuleer(); }

void LogSchak::beslisVerder() {
  const int stap = state().Stap;
  const Les3Schakeling* verlaten = les3Schakeling(stap - 1);
  if (verlaten && verlaten->allesProberen && !allesGeprobeerd(stap - 1)) {
    weigerVerder(les3Weigering(les3Knoppen(*verlaten)), true);
    return;
  }
  if (stap == kLes3WerkboekStap + 1) tekenVraagBeantwoord(les3WerkboekVraag());
}

QString LogSchak::helpTekst() const { return les3HelpTekst(state().Stap); }

}  // namespace kwil

#include "lessons/les4/formule.h"

#include "interface/outputs.h"
#include "lessons/les4/formulemotor.h"
#include "lessons/les4/les4teksten.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kWit = 0xFFFFFF;
constexpr std::int32_t kBandKleur = 0xE3BB9B;
constexpr std::int32_t kTekstKleur = 0x8E4522;
constexpr int kRelaisGeluid = 9;
}  // namespace

LessonConfig formuleConfig() {
  LessonConfig c;
  c.venster = WindowId::Formule;
  c.lesNummer = 4;
  c.leesVoorKnop = 5;
  c.paginaVak = 5;
  c.voettekstPaneel = 6;
  c.statusPaneel = 7;
  c.aantalPaginas = kLes4Paginas;
  c.overdrachtStap = kLes4Paginas + 1;
  c.timerStappen = stappen(QStringLiteral("2-5, 7, 8, 10-13, 15-18"));
  c.fToetsStappen = c.timerStappen;
  c.formGeschaald = 6;
  c.weigert640 = true;
  c.canvasHoogte = 134;
  c.f5Positief = true;
  return c;
}

Formule::Formule(QWidget* parent) : LessonWindow(formuleConfig(), parent) {
  setCaption(QStringLiteral("Schakel formules"));
  kwil::Panel& knoppenVlak = Panel.create(1, this, 505, 320, 135, 160);
  knoppenVlak.setBackColor(KleurKnopNormaal);
  Panel.create(8, &knoppenVlak, tw(5), tw(5), tw(123), tw(149)).setBackColor(KleurKnopNormaal);
  Panel.create(2, this, 0, 320, 505, 160).setBackColor(kBandKleur);
  Panel.create(3, this, 11, 331, 483, 138).setBackColor(KleurKnopOnderMuis);
  Panel.create(5, this, 416, 8, 217, 33).setBackColor(KleurKnopNormaal);
  const struct {
    int lijst, vak;
    float links;
  } lijsten[] = {
      {kSchemaLijst, kSchemaVak, 8}, {kPoortLijst, kPoortVak, 96}, {kFormuleLijst, kFormuleVak, 184}};
  for (const auto& l : lijsten) {
    kwil::Panel& lijst = Panel.create(l.lijst, this, l.links, 8, 81, 81);
    lijst.setBackColor(KleurKnopNormaal);
    lijst.setVisible(false);
    PictureBox.create(l.vak, &lijst, tw(8), tw(8), tw(65), tw(65)).setBackColor(kWit);
  }
  // The navigation buttons on the button block Panel(1), the footer and status line on the
  // information bar Panel(5).
  const FrameIndeling indeling{.knoppenLinks = 521,
                               .knoppenBoven = 330,
                               .knopBreedte = 105,
                               .knopHoogte = 26,
                               .knopAfstand = 28,
                               .paginaLinks = 13,
                               .paginaBoven = 332,
                               .paginaBreedte = 479,
                               .paginaHoogte = 134,
                               .voettekstLinks = 424,
                               .voettekstBoven = 16,
                               .voettekstBreedte = 113,
                               .voettekstHoogte = 17,
                               .statusLinks = 544,
                               .statusBoven = 16,
                               .statusBreedte = 81,
                               .statusHoogte = 17};
  maakFrame(indeling);
  for (int p : {config().voettekstPaneel, config().statusPaneel}) {
    Panel(p).setFontName(QStringLiteral("Comic Sans MS"));
    Panel(p).setFontSize(8.25f);
    Panel(p).setForeColor(kTekstKleur);
  }
  for (int k : {1, config().paginaVak}) PictureBox(k).setForeColor(kTekstKleur);
}

// --- Frame hooks ------------------------------------------------------------------------------

void Formule::bijActiveren() {
  // Stop and the hand-over hide the other two frames.
  verberg(kSchemaLijst);
}

void Formule::bijStop() {
  verbergAlleLijsten();
}

void Formule::verbergAlleLijsten() {
  for (int p : {kSchemaLijst, kPoortLijst, kFormuleLijst}) verberg(p);
}

QString Formule::helpTekst() const {
  return les4HelpTekst(state().Stap);
}

void Formule::beslisVerder() {
  KwilState& s = state();
  if (s.Stap == kLes4WerkboekStap + 1) {
    // Too quick on the workbook: No sends the pupil back to the workbook page as if it were a
    // new page, without a refusal.
    if (binnenTienSeconden() &&
        MsgBox(les4Werkboekvraag(), DialogService::YesNo, QStringLiteral("Vraagje")) != DialogService::Yes)
      --s.Stap;
    return;
  }
  const Les4Poort poort = les4Poort(s.Stap);
  if (poort.niveau > 0 && s.Voortgang < poort.niveau) weigerVerder(poort.weigering, false);
}

// --- The formula engine -----------------------------------------------------------------------

void Formule::reageer() {
  const FormuleGroep* groep = formuleGroep(state().Stap);
  if (groep) toonRij(*groep);
}

void Formule::toonRij(const FormuleGroep& groep) {
  KwilState& s = state();
  auto& verwerkt = s.IngangVerwerkt;
  const bool a = s.Ingang[3], b = s.Ingang[4], c = s.Ingang[5];
  const FormuleRij& rij = groep.rij(a, b, c);
  for (int vak : groep.volgorde) laadPlaatje(vak, rij.plaatje(vak));
  if (groep.relais && relaisSchakelt(verwerkt[3], verwerkt[4], a, b)) SpeelGeluid(kRelaisGeluid);
  for (int i = 0; i < 3; ++i) {
    if (rij.verwerkt[i] == 'J') verwerkt[3 + i] = true;
    if (rij.verwerkt[i] == 'N') verwerkt[3 + i] = false;
  }
  SchrijfUitgangen(rij.e);
  if (groep.allesBediend(rij)) s.Voortgang = static_cast<std::int16_t>(groep.niveau);
}

}  // namespace kwil

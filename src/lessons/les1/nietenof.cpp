#include "lessons/les1/nietenof.h"

#include "lessons/les1/les1teksten.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kWit = 0xFFFFFF;
constexpr std::int32_t kDeurKleur = 0x204080;     // brown doors
constexpr std::int32_t kRuitKleur = 0xFFE0C0;     // their windows
constexpr std::int32_t kNaambordKleur = 0xC0FFFF;  // pale yellow name plates
constexpr std::int32_t kBehuizingKleur = 0xC0C0C0;
constexpr std::int32_t kOndergrondKleur = 0xF5D5BA;

// The gates of lesson 1, keyed on the new step.
struct Poort {
  int nieuweStap;
  int niveau;      // Voortgang needed, 0 = none
  const char* weigering;
  const char* vraag;  // the workbook question, or nullptr
};
const char* const kBekijken = "Hallo wel eerst FF bekijken hoe het werkt!";
const char* const kSymboolGetekend = "Heb je het symbool netjes in je boek getekend?";
const Poort kPoorten[] = {
    {5, 0, nullptr, "Heb je het symbool van de bel netjes in je boek getekend?"},
    {6, 1, "Hallo wel eerst FF bij Vonkel bellen!", nullptr},
    {7, 3, "Hallo wel eerst FF bij E.Tak. bellen!", nullptr},
    {10, 0, nullptr, kSymboolGetekend},
    {11, 4, kBekijken, nullptr},
    {12, 0, nullptr, kSymboolGetekend},
    {13, 5, kBekijken, nullptr},
    {14, 6, kBekijken, kSymboolGetekend},
    {17, 7, "Hallo wel eerst FF op de knopjes drukken!", nullptr},
    {19, 8, "Hallo wel eerst FF de schakeling testen!", nullptr},
    {21, 9, "Druk voordat je verder gaat op de interface s1 en s2 gelijktijdig in!", nullptr},
    {26, 10, "Druk voordat je verder gaat op de interface s1 in!", nullptr},
    {27, 11, "Druk voordat je verder gaat op de interface s1 en s2 in!", nullptr},
};
}  // namespace

LessonConfig nietEnOfConfig() {
  LessonConfig c;
  c.venster = WindowId::NietEnOf;
  c.lesNummer = 1;
  c.leesVoorKnop = 10;
  c.paginaVak = 7;
  c.voettekstPaneel = 28;
  c.aantalPaginas = kLes1Paginas;
  c.overdrachtStap = 34;
  c.timerStappen = stappen(QStringLiteral("5, 6, 10-14, 16-23, 25-27"));
  c.fToetsStappen = stappen(QStringLiteral("5, 6, 10-14, 16, 18-23, 25-27"));
  c.formGeschaald = 3;
  c.weigert640 = true;
  c.randFactor = BorderBySchaalX;
  c.statusPaneel = 27;
  return c;
}

NietEnOf::NietEnOf(QWidget* parent) : LessonWindow(nietEnOfConfig(), parent) {
  kwil::Panel& knoppenVlak = Panel.create(1, this, 505, 320, 135, 160);
  knoppenVlak.setBackColor(kOndergrondKleur);
  kwil::Panel& tekstVlak = Panel.create(2, this, 0, 320, 505, 160);
  tekstVlak.setBackColor(kOndergrondKleur);
  maakDeuren();
  maakPlaatjeslijst(14, 2, 170, 40);
  maakSymboolLijst();
  maakPlaatjeslijst(20, 6, 330, 40);
  maakSchakelaar(23, 8, 21, 22, 510, QStringLiteral("P.Tingel."));
  maakSchakelaar(26, 9, 24, 25, 10, QStringLiteral("s1"));
  kwil::Shape& rand = Shape.create(1, this, 8, 322, 489, 140);
  rand.setShape(kwil::Shape::RoundedRectangle);
  rand.setBorderColor(0x804000);
  maakFrame();
}

void NietEnOf::maakDeuren() {
  kwil::Panel& lijst = Panel.create(4, this, 140, 10, 360, 175);
  lijst.setBackColor(kWit);
  kwil::Panel& titel = Panel.create(3, &lijst, tw(10), tw(4), tw(340), tw(18));
  titel.setCaption(QStringLiteral("Voordeuren"));
  titel.setBackColor(kNaambordKleur);
  struct Deur {
    int deur, ruit, naambord, knop;
    const char* naam;
  };
  const Deur deuren[] = {{6, 7, 5, 5, "P.Vonkel."}, {9, 10, 8, 6, "M.Brom."}, {11, 12, 13, 7, "E.Tak."}};
  float links = 15;
  for (const Deur& d : deuren) {
    kwil::Panel& deur = Panel.create(d.deur, &lijst, tw(links), tw(28), tw(100), tw(140));
    deur.setBackColor(kDeurKleur);
    Panel.create(d.ruit, &deur, tw(20), tw(10), tw(60), tw(45)).setBackColor(kRuitKleur);
    kwil::Panel& bord = Panel.create(d.naambord, &lijst, tw(links + 12), tw(95), tw(76), tw(18));
    bord.setCaption(QString::fromUtf8(d.naam));
    bord.setBackColor(kNaambordKleur);
    bord.setFontSize(8);
    CommandButton& bel = Command.create(d.knop, &lijst, tw(links + 38), tw(122), tw(24), tw(24));
    bel.setBackColor(kWit);
    links += 115;
  }
}

void NietEnOf::maakPlaatjeslijst(int lijst, int vak, float links, float boven) {
  kwil::Panel& p = Panel.create(lijst, this, links, boven, 300, 240);
  p.setBackColor(kWit);
  p.setBorderWidth(2);
  PictureBox.create(vak, &p, tw(10), tw(10), tw(280), tw(220)).setBackColor(kWit);
}

void NietEnOf::maakSymboolLijst() {
  kwil::Panel& lijst = Panel.create(16, this, 140, 190, 360, 120);
  lijst.setBackColor(kWit);
  kwil::Panel& titel = Panel.create(19, &lijst, tw(10), tw(4), tw(340), tw(18));
  titel.setCaption(QStringLiteral("De drukknoppen als symbool"));
  titel.setBackColor(kNaambordKleur);
  const int vakken[][2] = {{15, 3}, {18, 4}, {17, 5}};  // s1, s2, s3
  float links = 15;
  for (const auto& [paneel, vak] : vakken) {
    kwil::Panel& p = Panel.create(paneel, &lijst, tw(links), tw(28), tw(100), tw(84));
    p.setBackColor(kWit);
    PictureBox.create(vak, &p, tw(20), tw(20), tw(60), tw(44)).setBackColor(kWit);
    links += 115;
  }
}

void NietEnOf::maakSchakelaar(int lijst, int knop, int naambord, int behuizing, float links, const QString& naam) {
  kwil::Panel& p = Panel.create(lijst, this, links, 60, 120, 100);
  p.setBackColor(kWit);
  kwil::Panel& bord = Panel.create(naambord, &p, tw(10), tw(8), tw(100), tw(18));
  bord.setCaption(naam);
  bord.setBackColor(kNaambordKleur);
  Panel.create(behuizing, &p, tw(30), tw(34), tw(60), tw(56)).setBackColor(kBehuizingKleur);
  Command.create(knop, &p, tw(46), tw(48), tw(28), tw(28)).setBackColor(kWit);
}

// --- Frame hooks ------------------------------------------------------------------------------

void NietEnOf::bijLaden() {
  const QString tip = QStringLiteral("Klik hier om te horen hoe de bel klinkt van ");
  Command(5).setToolTipText(tip + Panel(5).Caption());
  Command(6).setToolTipText(tip + Panel(8).Caption());
  Command(7).setToolTipText(tip + Panel(13).Caption());
}

void NietEnOf::bijActiveren() {
  for (int p : {4, 14, 16, 20, 23, 26}) verberg(p);
}

void NietEnOf::beslisVerder() {
  KwilState& s = state();
  for (const Poort& poort : kPoorten) {
    if (poort.nieuweStap != s.Stap) continue;
    if (poort.niveau > 0 && s.Voortgang < poort.niveau) {
      weigerVerder(QString::fromUtf8(poort.weigering), true);
      return;
    }
    if (poort.vraag) tekenVraagBeantwoord(QString::fromUtf8(poort.vraag));
    return;
  }
}

QString NietEnOf::helpTekst() const { return les1HelpTekst(state().Stap); }

void NietEnOf::lesKnopOnderMuis(int index) {
  KwilState& s = state();
  if (index < 5 || index > 9 || s.KnopOnderMuis == index) return;
  // The door bells light up; the push buttons take the light blue of a resting navigation button.
  Command(index).setBackColor(index <= 7 ? KleurKnopOnderMuis : KleurKnopNormaal);
  s.KnopOnderMuis = index;
}

bool NietEnOf::lesKnopVerlaten(int index) {
  if (index < 5 || index > 9) return false;
  Command(index).setBackColor(kWit);
  return true;
}

}  // namespace kwil

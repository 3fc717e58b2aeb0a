#include "teacher/leraarmodule.h"

#include "interface/drivers.h"
#include "selection/selectie.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "teacher/leerlingvelden.h"

namespace kwil {

namespace {

constexpr int kSlot = 10;  // FormGeschaald of this window
constexpr std::int32_t kAchtergrond = 0xE3BB9B;
constexpr std::int32_t kTitelTekst = 0x400000;
const QString kComic = QStringLiteral("Comic Sans MS");
const QString kSansSerif = QStringLiteral("MS Sans Serif");
constexpr float kKleineLetter = 8.25f;

// The two columns of text boxes: the pupil's own fields, then answers and mark per lesson.
constexpr float kVeldLabelLinks = 134, kVeldLinks = 226, kVeldBreedte = 144;
constexpr float kLesLabelLinks = 380, kAntwoordLinks = 424, kAntwoordBreedte = 110, kCijferLinks = 540;
constexpr float kRegelBoven = 48, kRegelAfstand = 22, kRegelHoogte = 20;

const char* const kVeldNamen[] = {"Voornaam", "Tussenvoegsel", "Achternaam",  "Wachtwoord",
                                  "Klas",     "Aanmaakdatum",  "Aanmaaktijd", "Computernaam"};

struct KnopOntwerp {
  const char* caption;
  const char* tip;
  float left, top, width, height;
};

// Command(1) .. Command(12).
const KnopOntwerp kKnoppen[] = {
    {"Hoofd&menu", "Terug naar het selectie menu.", 488, 440, 144, 30},
    {"&Eerste", "De eerste leerling van de klas.", 380, 232, 60, 24},
    {"&Vorige", "De vorige leerling.", 444, 232, 60, 24},
    {"Vo&lgende", "De volgende leerling.", 508, 232, 60, 24},
    {"L&aatste", "De laatste leerling van de klas.", 572, 232, 60, 24},
    {"&Opslaan", "De wijzigingen van deze leerling opslaan.", 136, 264, 96, 26},
    {"Ver&wijderen", "Deze leerling verwijderen.", 238, 264, 96, 26},
    {"Wachtwoord &tonen", "Het wachtwoord van de leerling laten zien.", 340, 264, 138, 26},
    {"&Inverteren", "De uitgangen omgekeerd (of weer gewoon) aansturen.", 488, 312, 144, 26},
    {"&Parallel / USB", "Wisselen tussen de parallelle poort en de USB kaarten.", 488, 344, 144, 26},
    {"Leraar&wachtwoord", "Het wachtwoord van de leraar wijzigen.", 488, 376, 144, 26},
    {"P&rinten", "De cijferlijst van de klas afdrukken.", 488, 408, 144, 26},
};

}  // namespace

Leraarmodule::Leraarmodule() {
  setCaption(QStringLiteral("Kwilmora - Leraarmodule"));
  setBackColor(kAchtergrond);
  maakOntwerp();
  koppelGebeurtenissen();
}

// The controls as designed for a 640 x 480 window.
void Leraarmodule::maakOntwerp() {
  kwil::Panel& titel = Panel.create(1, this, 8, 8, 624, 32);
  titel.setCaption(QStringLiteral("Leraarmodule"));
  titel.setFontName(kComic);
  titel.setFontSize(14);
  titel.setFontBold(true);
  titel.setBackColor(KleurKnopNormaal);
  titel.setForeColor(kTitelTekst);

  kwil::Label& klas = Label.create(1, this, 8, kRegelBoven, 120, 16);
  klas.setCaption(QStringLiteral("Klassen"));
  KlasLijst = &createControl<ListBox>(this, 8, 64, 120, 194);
  KlasLijst->setToolTipText(QStringLiteral("Kies de klas."));

  maakVelden();

  kwil::Panel& positie = Panel.create(2, this, kVeldLabelLinks, 232, 230, 24);
  positie.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  kwil::Panel& instellingen = Panel.create(3, this, 488, 264, 144, 40);
  instellingen.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  instellingen.setFontName(kSansSerif);
  instellingen.setFontSize(kKleineLetter);
  for (kwil::Panel* p : {&positie, &instellingen}) {
    p->setBackColor(KleurKnopNormaal);
    p->setLook(kwil::Panel::Highlighted);
  }

  kwil::Label& overzicht = Label.create(Label.ubound() + 1, this, 8, 296, 470, 16);
  overzicht.setCaption(overzichtKop());
  overzicht.setToolTipText(QStringLiteral("Kies een regel om die leerling te zien."));
  Overzicht = &createControl<ListBox>(this, 8, 312, 470, 160);

  Label.forEach([](kwil::Label& l) { l.setBackStyle(0); });
  KlasLijst->setFontName(kSansSerif);
  KlasLijst->setFontSize(kKleineLetter);
  // The overview lines up its columns in a font of fixed width.
  for (Control* c : {static_cast<Control*>(&overzicht), static_cast<Control*>(Overzicht)}) {
    c->setFontName(QStringLiteral("DejaVu Sans Mono"));
    c->setFontSize(kKleineLetter);
  }
  maakKnoppen();
}

void Leraarmodule::maakVelden() {
  auto veld = [this](int i, float labelLinks, float vakLinks, float breedte, float boven,
                     const QString& naam) {
    kwil::Label& l =
        Label.create(Label.ubound() + 1, this, labelLinks, boven + 2, vakLinks - labelLinks - 4, 16);
    l.setCaption(naam);
    TextBox& vak = Text.create(i, this, vakLinks, boven, breedte, kRegelHoogte);
    vak.setFontName(kSansSerif);
    vak.setFontSize(kKleineLetter);
  };
  for (int i = 1; i <= 8; ++i)
    veld(i, kVeldLabelLinks, kVeldLinks, kVeldBreedte, kRegelBoven + (i - 1) * kRegelAfstand,
         QString::fromUtf8(kVeldNamen[i - 1]));
  kwil::Label& antwoorden =
      Label.create(Label.ubound() + 1, this, kAntwoordLinks, kRegelBoven, kAntwoordBreedte, 16);
  antwoorden.setCaption(QStringLiteral("Antwoorden"));
  kwil::Label& cijfer = Label.create(Label.ubound() + 1, this, kCijferLinks, kRegelBoven, 60, 16);
  cijfer.setCaption(QStringLiteral("Cijfer"));
  for (int les = 1; les <= 6; ++les) {
    const float boven = kRegelBoven + les * kRegelAfstand;
    veld(8 + les, kLesLabelLinks, kAntwoordLinks, kAntwoordBreedte, boven, QStringLiteral("Les %1").arg(les));
    TextBox& vak = Text.create(14 + les, this, kCijferLinks, boven, 40, kRegelHoogte);
    vak.setFontName(kSansSerif);
    vak.setFontSize(kKleineLetter);
    vak.setAlignment(Qt::AlignCenter);
  }
  Label.forEach([](kwil::Label& l) {
    l.setFontName(kSansSerif);
    l.setFontSize(kKleineLetter);
  });
  Text(leraar::tekstvakVan(QStringLiteral("wachtwoord"))).setPasswordChar(QStringLiteral("*"));
}

void Leraarmodule::maakKnoppen() {
  for (int i = 1; i <= 12; ++i) {
    const KnopOntwerp& o = kKnoppen[i - 1];
    CommandButton& knop = Command.create(i, this, o.left, o.top, o.width, o.height);
    knop.setCaption(QString::fromUtf8(o.caption));
    knop.setToolTipText(QString::fromUtf8(o.tip));
    knop.setFontName(kSansSerif);
    knop.setFontSize(kKleineLetter);
    knop.setBackColor(KleurKnopNormaal);
  }
}

void Leraarmodule::koppelGebeurtenissen() {
  Command.events().Click = [this](int i) { Command_Click(i); };
  Command.events().MouseMove = [this](int i, int, int, float, float) { Command_MouseMove(i); };
  Panel.events().MouseMove = [this](int, int, int, float, float) { KleurCommand(); };
  Label.events().MouseMove = [this](int, int, int, float, float) { KleurCommand(); };
  KlasLijst->events().Click = [this](int) { KlasLijst_Click(); };
  Overzicht->events().Click = [this](int) { Overzicht_Click(); };
}

void Leraarmodule::Form_Load() {
  KwilState& s = state();
  s.Verlaten = false;
  if (s.FormGeschaald[kSlot]) return;
  maximiseAndMeasure(*this, /*refuse640=*/true);
  // Button heights are scaled as they are, not rounded to whole twips.
  const ScaleOptions opties{.roundButtonHeight = false, .borderFactor = BorderBySchaalX};
  scaleArray(Panel, opties);
  scaleArray(Command, opties);
  scaleArray(Label, opties);
  scaleArray(Text, opties);
  scaleControl(*KlasLijst, opties);
  scaleControl(*Overzicht, opties);
  s.FormGeschaald[kSlot] = true;
  instellingenLetter_ = Panel(3).FontSize();
}

// Every showing reads the pupils anew: other copies of the program may have added pupils or
// stored results meanwhile.
void Leraarmodule::Form_Activate() {
  wachtwoordTonen(false);
  herlaad(huidige_ >= 0 ? rijen_[huidige_].id : -1);
  toonInstellingen();
}

void Leraarmodule::Form_KeyDown(int& keyCode, int) {
  if (ZoekInterfaceMetToets(keyCode)) toonInstellingen();
}

void Leraarmodule::Form_MouseMove(int, int, float, float) {
  KleurCommand();
}

void Leraarmodule::KleurCommand() {
  KwilState& s = state();
  if (s.KnopOnderMuis >= 1 && s.KnopOnderMuis <= 12) {
    Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
    s.KnopOnderMuis = 0;
  }
}

void Leraarmodule::Command_MouseMove(int index) {
  KwilState& s = state();
  if (s.KnopOnderMuis == index) return;
  KleurCommand();
  Command(index).setBackColor(KleurKnopOnderMuis);
  s.KnopOnderMuis = index;
}

void Leraarmodule::Command_Click(int index) {
  switch (index) {
    case 1:
      verlaat();
      break;
    case 2:
      ga(0);
      break;
    case 3:
      ga(huidige_ - 1);
      break;
    case 4:
      ga(huidige_ + 1);
      break;
    case 5:
      ga(aantalLeerlingen() - 1);
      break;
    case 6:
      bewaar();
      break;
    case 7:
      verwijder();
      break;
    case 8:
      wachtwoordTonen(!wachtwoordZichtbaar_);
      break;
    case 9:
      inverteer();
      break;
    case 10:
      wisselInterface();
      break;
    case 11:
      wijzigLeraarWachtwoord();
      break;
    case 12:
      printen();
      break;
    default:
      break;
  }
}

// Back to the selection window, whose activation starts the selection and its interface test
// anew. Changes not yet stored are stored first; a value that cannot be stored keeps the
// teacher here.
void Leraarmodule::verlaat() {
  if (!bewaar()) return;
  KleurCommand();
  QWidget* selectie = kwil::window(WindowId::Selectie);
  if (auto* form = qobject_cast<Form*>(selectie))
    form->Show();
  else if (selectie)
    selectie->show();
  // With a board connected the selection window's output test runs again at once.
  if (auto* s = qobject_cast<Selectie*>(selectie); s && state().InterfaceSoort != SoortParallel)
    s->TijdInterval.setEnabled(true);
  Hide();
}

bool Leraarmodule::gelukt(const DbStatus& status) {
  if (status.ok()) return true;
  MsgBox(status.message());
  return false;
}

}  // namespace kwil

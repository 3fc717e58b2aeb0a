#include "selection/hoofdmenu.h"

#include <QShortcut>
#include <cmath>

#include "interface/drivers.h"
#include "selection/hoofdmenu_kleuren.h"
#include "selection/selectie.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"

namespace kwil {

namespace {

constexpr float kTwips = TwipsPerPixel;  // controls inside a panel are placed in twips
const QString kComic = QStringLiteral("Comic Sans MS");
const QString kSansSerif = QStringLiteral("MS Sans Serif");

const char* const kTitels[] = {
    "  Wel, Niet, En, Of, Led, Anode, Kathode.",
    "  Waarheidstabellen.",
    "  Logische poorten en schakelingen.",
    "  Schakel- formules / algebra.",
    "  Het binaire stelsel.",
};
constexpr int kPlaatjeLinks[] = {224, 304, 376, 448, 520};
constexpr int kLijnDikte = 3;  // border width of both lines, in pixels at design size

QString helpTekst() {
  const QStringList regels = {
      QStringLiteral("In je werkboek staat welke les je moet volgen."),
      QString(),
      QStringLiteral("Klik vervolgens hierboven met de muis op..."),
      QString(),
      QStringLiteral("- s1, dat is les 1. of"),
      QStringLiteral("- s2, dat is les 2) of"),
      QStringLiteral("- s3, dat is les 3) of"),
      QStringLiteral("- s4, dat is les 4) of"),
      QStringLiteral("- s5, dat is les 5)"),
      QString(),
      QStringLiteral("Je kunt ook de drukknoppen van de interface gebruiken."),
  };
  return regels.join(vbCr);
}

}  // namespace

void Hoofdmenu::toonVenster(QWidget* venster) {
  if (auto* form = qobject_cast<Form*>(venster))
    form->Show();
  else if (venster)
    venster->show();
}

Hoofdmenu::Hoofdmenu(QWidget* parent) : Form(parent) {
  setCaption(kAppTitle);
  setBackColor(menukleur::Achtergrond);
  maakOntwerp();
  TijdInterval.setHandler([this] { TijdInterval_Timer(); });
}

// The controls as designed for a 640 x 480 window.
void Hoofdmenu::maakOntwerp() {
  // A row of five dots between the name and the buttons, one for each lesson.
  for (int n = 1; n <= 5; ++n) {
    kwil::Shape& stip = Shape.create(n, this, 24 + 36 * (n - 1), 108, 18, 18);
    stip.setShape(kwil::Shape::Circle);
    stip.setFillStyle(0);
    stip.setFillColor(menukleur::TitelNormaal);
    stip.setBorderColor(menukleur::NummerOplicht);
  }

  kwil::Panel& naam = Panel.create(1, this, 16, 16, 185, 81);
  naam.setFontName(kComic);
  naam.setFontSize(12);
  naam.setBackColor(KleurKnopNormaal);
  naam.setForeColor(menukleur::NummerTekst);

  kwil::Panel& knoppen = Panel.create(2, this, 16, 136, 185, 117);
  knoppen.setFontName(kSansSerif);
  knoppen.setFontSize(8.25f);
  knoppen.setBackColor(menukleur::Achtergrond);

  const struct {
    const char* caption;
    const char* tip;
    float top;
  } knopOntwerp[] = {{"Hoofd&menu", "Terug gaan naar het selectie menu.", 24},
                     {"&Help me", "Hoe start ik een les?", 64}};
  for (int i = 1; i <= 2; ++i) {
    CommandButton& knop = Command.create(i, &knoppen, 20 * kTwips, knopOntwerp[i - 1].top * kTwips,
                                         145 * kTwips, 30 * kTwips);
    knop.setCaption(QString::fromUtf8(knopOntwerp[i - 1].caption));
    knop.setToolTipText(QString::fromUtf8(knopOntwerp[i - 1].tip));
    knop.setFontName(kComic);
    knop.setFontSize(12);
    knop.setBackColor(KleurKnopNormaal);
  }
  // "Hoofd&menu" is the window's cancel button: Escape clicks it.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { Command(1).click(); });

  for (int n = 1; n <= 5; ++n) {
    kwil::ImageBox& plaatje = ImageBox.create(n, this, kPlaatjeLinks[n - 1], 16, 75, 250);
    plaatje.setToolTipText(QStringLiteral("Druk op de linkermuistoets om les %1 te starten.").arg(n));
    toonPlaatje(n, Plaatje::Onbediend);
  }

  kwil::Panel& lijst = Panel.create(13, this, 16, 272, 601, 201);
  lijst.setFontName(kSansSerif);
  lijst.setFontSize(8.25f);
  lijst.setBackColor(menukleur::Achtergrond);
  maakLesRegels();

  LineControl& boven = Lijn.create(1, this, 240, 16, 400, 3);
  boven.setEnds(240, 16, 640, 16);
  boven.setBorderWidth(kLijnDikte);
  boven.setBorderColor(menukleur::LijnBoven);
  LineControl& onder = Lijn.create(2, this, 240, 264, 400, 3);
  onder.setEnds(640, 264, 240, 264);
  onder.setBorderWidth(kLijnDikte);
  onder.setBorderColor(menukleur::LijnOnder);

  Panel.events().MouseMove = [this](int, int, int, float, float) { Panel_MouseMove(); };
  Command.events().MouseMove = [this](int i, int, int, float, float) { Command_MouseMove(i); };
  Command.events().Click = [this](int i) { Command_Click(i); };
  ImageBox.events().MouseMove = [this](int n, int button, int, float, float) { ImageBox_MouseMove(n, button); };
  ImageBox.events().MouseDown = [this](int n, int, int, float, float) { ImageBox_MouseDown(n); };
  ImageBox.events().MouseUp = [this](int n, int, int, float x, float y) { ImageBox_MouseUp(n, x, y); };
}

// The number panel Panel(2N+1) and the title panel Panel(2N+2) of each lesson, in Panel(13).
void Hoofdmenu::maakLesRegels() {
  kwil::Panel& lijst = Panel(13);
  for (int n = 1; n <= 5; ++n) {
    const float top = (24 + 32 * (n - 1)) * kTwips;
    kwil::Panel& nummer = Panel.create(2 * n + 1, &lijst, 16 * kTwips, top, 73 * kTwips, 25 * kTwips);
    nummer.setCaption(QStringLiteral("Les %1").arg(n));
    kwil::Panel& titel = Panel.create(2 * n + 2, &lijst, 96 * kTwips, top, 489 * kTwips, 25 * kTwips);
    titel.setCaption(QString::fromUtf8(kTitels[n - 1]));
    titel.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (kwil::Panel* p : {&nummer, &titel}) {
      p->setFontName(kComic);
      p->setFontSize(12);
    }
    nummerNormaal(n);
    titelNormaal(n);
  }
  Panel(4).setToolTipText(QStringLiteral("Klik op (Le) s1 om deze te starten."));
}

void Hoofdmenu::Form_Load() {
  Show();  // visible while it loads
  KwilState& s = state();
  s.Bezig = true;
  s.Stap = 1;
  s.VorigeStap = 0;
  s.InterfaceGebruikt = false;
  s.Voortgang = 0;
  // A push button already held when the menu appears must not count as a press.
  SchrijfUitgangen(0);
  LeesIngangen();
  s.VorigeIngangen = s.Ingangen;
  s.IngedruktPlaatje = 0;
  s.OplichtendPlaatje = 0;
  if (!s.FormGeschaald[2]) schaalBijEersteLading();
  s.Bezig = false;
}

void Hoofdmenu::schaalBijEersteLading() {
  KwilState& s = state();
  maximiseAndMeasure(*this, /*refuse640=*/true);
  s.Verlaten = false;
  // Button heights are scaled as they are; the pictures are moved but keep their size.
  const ScaleOptions opties{.roundButtonHeight = false, .borderFactor = BorderBySchaalX, .moveOnly = true};
  scaleArray(Panel, opties);
  scaleArray(Command, opties);
  scaleArray(ImageBox, opties);
  scaleArray(Lijn, opties);
  // The lines' thickness grows with the height (the form layer scales only their ends); a
  // whole number of pixels, halves rounded to even.
  const int dikte = static_cast<int>(std::nearbyint(kLijnDikte * s.SchaalY));
  Lijn.forEach([dikte](LineControl& lijn) { lijn.setBorderWidth(dikte); });
  scaleArray(Shape, opties);
  // The lower line runs along the bottom edge of the pictures.
  LineControl& onder = Lijn(2);
  const float y = ImageBox(1).Top() + ImageBox(1).Height() + dikte / 2.0f;
  onder.setEnds(onder.X1(), y, onder.X2(), y);
  s.FormGeschaald[2] = true;
}

void Hoofdmenu::Form_Activate() {
  KwilState& s = state();
  s.Hoofdstuk = 0;
  s.Bezig = false;
  TijdInterval.setEnabled(true);
  Panel(1).setCaption(s.Voornaam + vbCr + s.Achternaam);
}

void Hoofdmenu::Form_KeyDown(int& keyCode, int) {
  ZoekInterfaceMetToets(keyCode);
}

void Hoofdmenu::Command_Click(int index) {
  if (index == 1) {
    TijdInterval.setEnabled(false);
    Command(1).setBackColor(KleurKnopNormaal);
    state().KnopOnderMuis = 1;
    QWidget* selectie = kwil::window(WindowId::Selectie);
    toonVenster(selectie);
    if (auto* venster = qobject_cast<Selectie*>(selectie)) venster->TijdInterval.setEnabled(true);
    Hide();
  } else if (index == 2) {
    state().KnopOnderMuis = 2;
    MsgBox(helpTekst());
  }
}

void Hoofdmenu::knopNormaal() {
  KwilState& s = state();
  if (s.KnopOnderMuis == 1 || s.KnopOnderMuis == 2) Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
}

void Hoofdmenu::Command_MouseMove(int index) {
  KwilState& s = state();
  if (s.KnopOnderMuis == index) return;
  knopNormaal();
  Command(index).setBackColor(KleurKnopOnderMuis);
  s.KnopOnderMuis = index;
}

void Hoofdmenu::Panel_MouseMove() {
  KwilState& s = state();
  if (s.KnopOnderMuis == 0) return;
  knopNormaal();
  s.KnopOnderMuis = 0;
}

void Hoofdmenu::Form_MouseMove(int, int, float, float) {
  KwilState& s = state();
  if (s.OplichtendPlaatje != 0) {
    // Every lesson, not only the highlighted one: moving from picture to picture can leave
    // more than one lit.
    for (int n = 5; n >= 1; --n) {
      Panel(2 * n + 2).setForeColor(KleurKnopNormaal);
      nummerNormaal(n);
    }
    s.OplichtendPlaatje = 0;
    SchrijfUitgangen(0);
  }
  if (s.IngedruktPlaatje != 0) {
    toonPlaatje(s.IngedruktPlaatje, Plaatje::Onbediend);
    Panel(2 * s.IngedruktPlaatje + 2).setForeColor(KleurKnopNormaal);
    s.IngedruktPlaatje = 0;
  }
  Panel_MouseMove();
}

void Hoofdmenu::ImageBox_MouseMove(int n, int button) {
  if (button != 0) return;
  KwilState& s = state();
  if (s.IngedruktPlaatje != 0) {
    toonPlaatje(s.IngedruktPlaatje, Plaatje::Onbediend);
    s.IngedruktPlaatje = 0;
  }
  if (s.OplichtendPlaatje == n) return;
  SpeelGeluidMenuOver();
  Panel(2 * n + 2).setForeColor(menukleur::OplichtTekst);
  kwil::Panel& nummer = Panel(2 * n + 1);
  nummer.setLook(kwil::Panel::Highlighted);
  nummer.setBackColor(menukleur::NummerOplicht);
  nummer.setForeColor(menukleur::OplichtTekst);
  SchrijfUitgangen(1 << (n - 1));
  s.OplichtendPlaatje = n;
}

void Hoofdmenu::titelNormaal(int n) {
  kwil::Panel& titel = Panel(2 * n + 2);
  titel.setLook(kwil::Panel::Normal);
  titel.setBackColor(menukleur::TitelNormaal);
  titel.setForeColor(KleurKnopNormaal);
}

void Hoofdmenu::nummerNormaal(int n) {
  kwil::Panel& nummer = Panel(2 * n + 1);
  nummer.setLook(kwil::Panel::Normal);
  nummer.setBackColor(menukleur::Achtergrond);
  nummer.setForeColor(menukleur::NummerTekst);
}

}  // namespace kwil

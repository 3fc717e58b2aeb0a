// The layout of the test window on the 640 x 480 design grid, and its first-load scaling.
#include "interface/drivers.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"
#include "toetsen/toetsen.h"

namespace kwil {

namespace {
constexpr std::int32_t kAchtergrond = 0x865B38;
constexpr std::int32_t kTitelKleur = 0x55552D;
constexpr std::int32_t kVraagKleur = 0xFFFFFF;
constexpr float kTwips = TwipsPerPixel;
}  // namespace

Toetsen::Toetsen(QWidget* parent) : Form(parent) {
  setCaption(kAppTitle);
  setBackColor(kAchtergrond);
  maakOntwerp();
  TijdInterval.setHandler([this] { TijdInterval_Timer(); });
}

void Toetsen::maakOntwerp() {
  auto titel = [](kwil::Panel& p, float punten) {
    p.setBackColor(kTitelKleur);
    p.setForeColor(KleurKnopNormaal);
    p.setFontSize(punten);
    p.setFontBold(true);
    p.setBorderWidth(2);
  };
  titel(Panel.create(1, this, 8, 8, 456, 32), 12);
  titel(Panel.create(2, this, 472, 8, 160, 32), 10);

  kwil::Label& vraag = Label.create(1, this, 8, 48, 624, 160);
  vraag.setFontName(QStringLiteral("MS Sans Serif"));
  vraag.setFontSize(10);
  vraag.setBackColor(kVraagKleur);
  vraag.setWordWrap(false);
  vraag.setContentsMargins(6, 4, 6, 4);

  for (int box = 1; box <= 4; ++box) {
    const float left = box % 2 == 1 ? 8 : 324;
    const float top = box <= 2 ? 216 : 288;
    kwil::Panel& letter = Panel.create(box + 2, this, left, top, 24, 64);
    letter.setCaption(QString(QChar('A' + box - 1)));
    letter.setBackColor(kTitelKleur);
    letter.setForeColor(KleurKnopNormaal);
    letter.setFontSize(12);
    letter.setFontBold(true);
    RibbonButton& antwoord = Ribbon.create(box, this, left + 28, top, 280, 64);
    antwoord.setFontName(QStringLiteral("MS Sans Serif"));
    antwoord.setFontSize(9);
    antwoord.setFocusPolicy(Qt::NoFocus);
  }

  kwil::Panel& kader = Panel.create(7, this, 8, 360, 624, 64);
  kader.setBackColor(kTitelKleur);
  kader.setBorderWidth(2);
  // Inside the frame, in twips: s1..s5 on the left, E1..E8 on the right.
  for (int k = 1; k <= 5; ++k) {
    kwil::Panel& knop = Panel.create(kEerstePanelKnop + k - 1, &kader, (8 + (k - 1) * 46) * kTwips,
                                     14 * kTwips, 40 * kTwips, 36 * kTwips);
    knop.setCaption(QStringLiteral("s%1").arg(k));
    knop.setFontSize(10);
  }
  for (int e = 1; e <= 8; ++e) {
    kwil::Panel& led = Panel.create(kEerstePanelUitgang + e - 1, &kader, (256 + (e - 1) * 45) * kTwips,
                                    14 * kTwips, 40 * kTwips, 36 * kTwips);
    led.setCaption(QStringLiteral("E%1").arg(e));
    led.setFontSize(10);
  }
  kader.setVisible(false);

  kwil::Label& uitleg = Label.create(2, this, 8, 434, 480, 38);
  uitleg.setBackStyle(0);
  uitleg.setForeColor(KleurKnopNormaal);
  uitleg.setFontSize(8);
  uitleg.setCaption(
      QStringLiteral("Kies een antwoord met de muis, met 1 tot 4 of met A tot D; bevestig met Enter.") +
      vbCr + QStringLiteral("Klik op de vraag of op een antwoord om het te laten voorlezen."));

  CommandButton& bevestig = Command.create(1, this, 500, 436, 132, 32);
  bevestig.setCaption(QStringLiteral("&Bevestig"));
  bevestig.setFontSize(10);
  bevestig.setFocusPolicy(Qt::NoFocus);

  Ribbon.events().Click = [this](int box) { Ribbon_Click(box); };
  Ribbon.events().MouseDown = [this](int box, int, int, float, float) { Ribbon_MouseDown(box); };
  Label.events().MouseDown = [this](int index, int, int, float, float) { Label_MouseDown(index); };
  Command.events().Click = [this](int index) { Command_Click(index); };
}

void Toetsen::Form_Load() {
  KwilState& s = state();
  s.Bezig = true;
  SchrijfUitgangen(0);
  LeesIngangen();
  // A push button already held when the window appears is not a change.
  s.VorigeIngangen = s.Ingangen;
  if (!s.FormGeschaald[9]) schaalBijEersteLading();
  s.Bezig = false;
}

void Toetsen::schaalBijEersteLading() {
  // This window works on any screen, 640 wide included, and keeps its buttons' exact heights.
  maximiseAndMeasure(*this, /*refuse640=*/false);
  const ScaleOptions opties{.roundButtonHeight = false, .borderFactor = BorderBySchaalX};
  scaleArray(Panel, opties);
  scaleArray(Label, opties);
  scaleArray(Ribbon, opties);
  scaleArray(Command, opties);
  state().FormGeschaald[9] = true;
}

}  // namespace kwil

#include "lessons/les5/binstel.h"

#include <algorithm>

#include "interface/outputs.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kWit = 0xFFFFFF;
constexpr std::int32_t kLijstKleur = 0xEBE7DB;
constexpr std::int32_t kBitKnop = 0xE0E0E0;
constexpr std::int32_t kBitKnopOnderMuis = 0x865B38;
constexpr std::int32_t kGeel = 0xC0FFFF;
constexpr std::int32_t kDonker = 0x404040;
constexpr std::int32_t kBand = 0xE3BB9B;
const QString kLettertype = QStringLiteral("Comic Sans MS");

bool isBitKnop(int index) { return index >= 5 && index <= 12; }
bool isNavigatie(int index) { return (index >= 1 && index <= 4) || index == 13; }
}  // namespace

LessonConfig binstelConfig() {
  LessonConfig c;
  c.venster = WindowId::Binstel;
  c.lesNummer = 5;
  c.leesVoorKnop = 13;
  c.paginaVak = 3;
  c.voettekstPaneel = 47;
  c.aantalPaginas = kLes5Paginas;
  c.overdrachtStap = 46;
  c.timerStappen = stappen(QStringLiteral("9-11, 15-17, 19-25, 27-29"));
  c.formGeschaald = 7;
  c.weigert640 = true;
  c.statusPaneel = 0;  // the decimal panel shows the byte instead
  c.animatieRegel = ZonderAnimatie::TotModifiersLos;
  c.canvasHoogte = 134;
  c.alleZinnenLeeg = true;  // page 26 stores 24 lines
  c.kopieerBijIndrukken = true;
  c.tikMeldtGebruik = false;
  return c;
}

bool Binstel::bitKnopStap(int stap) { return ingangStap(stap) || stap == 30; }

bool Binstel::ingangStap(int stap) {
  return (stap >= 9 && stap <= 11) || (stap >= 15 && stap <= 17) || (stap >= 19 && stap <= 25) ||
         (stap >= 27 && stap <= 29);
}

Binstel::Binstel(QWidget* parent) : LessonWindow(binstelConfig(), parent) {
  setCaption(QStringLiteral("Binaire stelsel"));
  maakKnoppenVlak();
  maakByteVlak();
  maakDecimaalVlak();
  maakLijsten();
  FrameIndeling indeling;
  indeling.knoppenLinks = 521, indeling.knoppenBoven = 330, indeling.knopBreedte = 105, indeling.knopHoogte = 26;
  indeling.knopAfstand = 28;
  indeling.paginaLinks = 13, indeling.paginaBoven = 333, indeling.paginaBreedte = 479, indeling.paginaHoogte = 134;
  indeling.voettekstLinks = 512, indeling.voettekstBoven = 16, indeling.voettekstBreedte = 113;
  indeling.voettekstHoogte = 17;
  maakFrame(indeling);
  for (int vak : {1, 3}) PictureBox(vak).setForeColor(kLes5TekstKleur);
  PictureBox(1).setLeft(-320);
  Panel(47).setBackColor(KleurKnopOnderMuis);
  Panel(47).setFontName(kLettertype);
  ImageBox.events().MouseMove = [this](int i, int, int, float, float) { ImageBox_MouseMove(i); };
}

// A panel inside `in` at design pixels `plaats`, with a caption in the lesson's font.
kwil::Panel& Binstel::opschrift(int index, QWidget& in, const QRectF& plaats, const QString& tekst,
                                std::int32_t kleur, float punten, bool vet) {
  kwil::Panel& p = Panel.create(index, &in, tw(float(plaats.x())), tw(float(plaats.y())), tw(float(plaats.width())),
                                tw(float(plaats.height())));
  p.setCaption(tekst);
  p.setBackColor(kleur);
  p.setFontName(kLettertype);
  p.setFontSize(punten);
  p.setFontBold(vet);
  return p;
}

void Binstel::maakKnoppenVlak() {
  Panel.create(1, this, 505, 320, 135, 160).setBackColor(KleurKnopNormaal);
  Panel.create(2, this, 0, 320, 505, 160).setBackColor(kBand);
  Panel.create(3, this, 11, 331, 483, 138).setBackColor(KleurKnopOnderMuis);
  kwil::Panel& sier = Panel.create(4, &Panel(1), tw(5), tw(8), tw(123), tw(149));
  sier.setBackColor(KleurKnopNormaal);
  kwil::Shape& rand = Shape.create(1, &sier, tw(4), tw(4), tw(115), tw(141));
  rand.setShape(kwil::Shape::RoundedRectangle);
  rand.setBorderColor(0x804000);
  for (int i = 2; i <= 4; ++i) {  // thin lines under Terug, Lees voor and Help me
    kwil::Shape& lijntje = Shape.create(i, &sier, tw(12), tw(28.0f * float(i) - 1), tw(105), tw(1));
    lijntje.setBorderColor(0xC09878);
  }
  Panel.create(46, this, 504, 8, 129, 33).setBackColor(KleurKnopNormaal);
}

void Binstel::maakByteVlak() {
  kwil::Panel& vlak = Panel.create(9, this, 8, 8, 390, 173);
  vlak.setBackColor(kLijstKleur);
  vlak.setVisible(false);
  // Decoration behind everything else: frames round the rows and lines between the bit columns.
  const struct {
    int index;
    float boven, hoogte;
  } rijen[] = {{5, 50, 34}, {6, 89, 34}, {7, 133, 31}};
  for (const auto& rij : rijen) {
    kwil::Shape& s = Shape.create(rij.index, &vlak, tw(6), tw(rij.boven), tw(376), tw(rij.hoogte));
    s.setBorderColor(0x808080);
  }
  kwil::Shape& buiten = Shape.create(9, &vlak, tw(3), tw(46), tw(382), tw(122));
  buiten.setShape(kwil::Shape::RoundedRectangle);
  buiten.setBorderColor(0x804000);
  for (int k = 1; k <= 7; ++k) {
    const float x = 10 + 47.0f * float(k) - 3.5f;
    lijn.create(k, &vlak, tw(x), tw(52), tw(x), tw(164)).setBorderColor(0xC0C0C0);
  }
  const float basisX[] = {20, 68, 116, 164, 208, 256, 304, 352};
  for (int k = 0; k < 8; ++k) {
    opschrift(10 + k, vlak, {basisX[k], 16, 16, 28}, QStringLiteral("2"), kBitKnop, 12).setBevelWidth(0);
    kwil::Panel& macht =
        opschrift(18 + k, vlak, {basisX[k] + (k % 2 ? 11 : 12), 8, 16, 28}, QString::number(7 - k), kBitKnop, 7, false);
    macht.setBevelWidth(0);
    macht.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  for (int k = 0; k < 8; ++k)
    opschrift(26 + k, vlak, {10 + 47.0f * float(k), 53, 40, 28}, QString::number(128 >> k), kGeel, 10);
  for (int b = 0; b < 8; ++b)
    opschrift(34 + b, vlak, {10 + 47.0f * float(7 - b), 92, 40, 28}, QStringLiteral("0"), kWit, 10);
  for (int b = 0; b < 8; ++b) {
    CommandButton& knop = Command.create(5 + b, &vlak, tw(16 + 47.0f * float(7 - b)), tw(136), tw(28), tw(25));
    knop.setBackColor(kBitKnop);
    knop.setToolTipText(QStringLiteral("Klik hier voor het aan en uitzetten van het bitje."));
  }
  opschrift(44, vlak, {1, 2, 388, 83}, QString(), kLijstKleur, 18).setBevelWidth(0);
}

void Binstel::maakDecimaalVlak() {
  kwil::Panel& vlak = Panel.create(43, this, 408, 8, 88, 173);
  vlak.setBackColor(kLijstKleur);
  vlak.setVisible(false);
  opschrift(45, vlak, {2, 2, 85, 83}, QStringLiteral("Deci maal"), kLijstKleur, 16).setBevelWidth(0);
  opschrift(42, vlak, {22, 93, 45, 28}, QStringLiteral("0"), kGeel, 10);
  kwil::Shape& rand = Shape.create(8, &vlak, tw(14), tw(88), tw(61), tw(38));
  rand.setShape(kwil::Shape::RoundedRectangle);
  rand.setBorderColor(0x804000);
}

void Binstel::maakLijsten() {
  auto bijschriftLijst = [&](int buiten, int binnen, float boven) {
    kwil::Panel& lijst = Panel.create(buiten, this, 504, boven, 89, 97);
    lijst.setBackColor(kLijstKleur);
    lijst.setVisible(false);
    opschrift(binnen, lijst, {8, 8, 73, 81}, QString(), kDonker, 9.75f).setForeColor(kWit);
  };
  bijschriftLijst(5, 6, 56);
  bijschriftLijst(48, 49, 160);
  for (int i = 1; i <= 2; ++i) {
    kwil::Panel& lijst = Panel.create(6 + i, this, 312 + 96.0f * float(i - 1), 200, 88, 60);
    lijst.setBackColor(kLijstKleur);
    lijst.setVisible(false);
    ImageBox.create(i, &lijst, tw(10), tw(10), tw(68), tw(40)).setStretch(true);
  }
  kwil::Panel& tabel = Panel.create(50, this, 208, 200, 88, 60);
  tabel.setBackColor(kLijstKleur);
  tabel.setVisible(false);
  kwil::PictureBox& vak = PictureBox.create(2, &tabel, tw(10), tw(10), tw(68), tw(40));
  vak.setBackColor(kWit);
  vak.setForeColor(0);
  vak.setFontName(QStringLiteral("DejaVu Sans Mono"));
  vak.setFontSize(7);
}

// --- Frame hooks ------------------------------------------------------------------------------

void Binstel::schaalLesControls(const ScaleOptions& opties) {
  scaleArray(lijn, opties);
  // "Deci maal" wraps onto two lines by design. Its type grows with SchaalY, so the label keeps
  // the width that goes with that type (centred in its frame), or a wide screen puts it on one.
  kwil::Panel& label = Panel(45);
  const float breedte = std::min(label.Width(), 85.0f * TwipsPerPixel * state().SchaalY);
  label.setLeft(label.Left() + (label.Width() - breedte) / 2);
  label.setWidth(breedte);
}

void Binstel::bijActiveren() {
  KwilState& s = state();
  verberg(5);
  Panel(6).setBackColor(kDonker);
  for (int p : {7, 8, 9, 43, 48, 50}) verberg(p);
  wisByte();
  Panel(44).setHeight(1245 * s.SchaalY);
  // Up, as page 9 expects it: a lesson left on pages 12 to 14 would otherwise start again with
  // the title lying over the bit buttons of pages 9 to 11.
  Panel(44).setTop(30 * s.SchaalY);
}

void Binstel::bijStop() {
  // A bit button keeps the colours of its own group.
  KwilState& s = state();
  if (isBitKnop(s.KnopOnderMuis)) {
    Command(s.KnopOnderMuis).setBackColor(kBitKnop);
    s.KnopOnderMuis = 0;
  }
}

void Binstel::beslisVerder() {
  KwilState& s = state();
  const QString vraag = les5Werkboekvraag(s.Stap);
  if (!vraag.isEmpty()) {
    snelVerderBeantwoord(vraag, false);
    return;
  }
  const int gevraagd = les5GevraagdeByte(s.Stap);
  if (gevraagd >= 0 && s.Uitgangen != gevraagd) weigerVerder(les5Weigering(s.Stap, s.Uitgangen), false);
}

void Binstel::voorHulp() {
  if (state().Stap == 7) laadAfbeelding(1, QStringLiteral("ImgBitBinairInverted.bmp"));
}

QString Binstel::helpTekst() const {
  return les5HelpTekst(state().Stap, Panel(42).Caption());
}

// --- Hover colours ------------------------------------------------------------------------------

void Binstel::lesKnopOnderMuis(int index) {
  KwilState& s = state();
  if (!isBitKnop(index) || s.KnopOnderMuis == index) return;
  if (isBitKnop(s.KnopOnderMuis)) Command(s.KnopOnderMuis).setBackColor(kBitKnop);
  Command(index).setBackColor(kBitKnopOnderMuis);
  s.KnopOnderMuis = index;
}

bool Binstel::lesKnopVerlaten(int index) {
  if (!isBitKnop(index)) return false;
  Command(index).setBackColor(kBitKnop);
  return true;
}

void Binstel::ImageBox_MouseMove(int index) {
  KwilState& s = state();
  if (index != 1 || !isNavigatie(s.KnopOnderMuis)) return;
  Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
  s.KnopOnderMuis = 0;
}

}  // namespace kwil

#include "lessons/frame/lessonwindow.h"

#include <algorithm>

#include "interface/drivers.h"
#include "platform/vb.h"
#include "shared/datafiles.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "shared/zinnen.h"

namespace kwil {

namespace {
const QString kPaginaLettertype = QStringLiteral("Comic Sans MS");
constexpr float kPaginaPunten = 9.75f;
constexpr std::int32_t kVensterKleur = KleurKnopOnderMuis;  // the lesson windows' background
constexpr int kModifiers = vbShiftMask | vbCtrlMask | vbAltMask;
}  // namespace

LessonWindow::LessonWindow(LessonConfig config, QWidget* parent)
    : Form(parent), config_(std::move(config)) {
  TijdInterval.setHandler([this] { TijdInterval_Timer(); });
  setBackColor(kVensterKleur);
  setCaption(QStringLiteral("Kwilmora"));
  ControlEvents& knop = Command.events();
  knop.Click = [this](int i) { Command_Click(i); };
  knop.MouseMove = [this](int i, int, int, float, float) { Command_MouseMove(i); };
  knop.MouseDown = [this](int i, int, int, float, float) { knopOmlaag(i); };
  knop.MouseUp = [this](int i, int, int, float, float) { knopOmhoog(i); };
  Panel.events().MouseMove = [this](int, int, int, float, float) { Panel_MouseMove(); };
  if (config_.kopieerBijIndrukken)
    PictureBox.events().MouseDown = [this](int, int, int, float, float) { PictureBox_Click(); };
  else
    PictureBox.events().Click = [this](int) { PictureBox_Click(); };
}

LessonWindow::~LessonWindow() = default;

void LessonWindow::maakFrame(const FrameIndeling& d) {
  struct Knop {
    int index;
    const char* caption;
    const char* tip;
  };
  const Knop knoppen[] = {
      {1, "Verder", "Ik heb het gelezen."},
      {2, "Terug", "Dat ging FF iets te snel.."},
      {config_.leesVoorKnop, "Lees voor", "Lees de tekst voor."},
      {3, "Help me", "Ik begrijp het FF niet..."},
      {4, "Stop", "Ik wil dit hoofdstuk nu afsluiten!"},
  };
  float boven = d.knoppenBoven;
  for (const Knop& k : knoppen) {
    CommandButton& b = Command.create(k.index, this, d.knoppenLinks, boven, d.knopBreedte, d.knopHoogte);
    b.setCaption(QString::fromUtf8(k.caption));
    b.setToolTipText(QString::fromUtf8(k.tip));
    b.setFontName(kPaginaLettertype);
    b.setFontSize(kPaginaPunten);
    b.setBackColor(KleurKnopNormaal);
    boven += d.knopAfstand;
  }
  auto maakVak = [&](int index, float hoogte) -> kwil::PictureBox& {
    kwil::PictureBox& vak = PictureBox.create(index, this, d.paginaLinks, d.paginaBoven, d.paginaBreedte, hoogte);
    vak.setFontName(kPaginaLettertype);
    vak.setFontSize(kPaginaPunten);
    vak.setFontBold(true);
    vak.setBackColor(kVensterKleur);
    vak.Cls();
    return vak;
  };
  maakVak(1, static_cast<float>(config_.canvasHoogte)).setVisible(false);
  maakVak(config_.paginaVak, d.paginaHoogte);
  auto maakRegel = [&](int index, float links, float top, float breedte, float hoogte) {
    kwil::Panel& p = Panel.create(index, this, links, top, breedte, hoogte);
    p.setFontSize(8);
    p.setBackColor(kVensterKleur);
    p.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  };
  maakRegel(config_.voettekstPaneel, d.voettekstLinks, d.voettekstBoven, d.voettekstBreedte, d.voettekstHoogte);
  if (config_.statusPaneel != 0)
    maakRegel(config_.statusPaneel, d.statusLinks, d.statusBoven, d.statusBreedte, d.statusHoogte);
}

// --- Loading and showing ----------------------------------------------------------------

void LessonWindow::Form_Load() {
  KwilState& s = state();
  Show();  // visible while it is laid out
  s.StapToegestaan = true;
  bijLaden();
  if (s.FormGeschaald[config_.formGeschaald]) {
    s.Bezig = false;
    return;
  }
  maximiseAndMeasure(*this, config_.weigert640);
  const ScaleOptions opties{.roundButtonHeight = true, .borderFactor = config_.randFactor};
  scaleArray(Panel, opties);
  scaleArray(Command, opties);
  scaleArray(PictureBox, opties);
  scaleArray(Shape, opties);
  schaalLesControls(opties);
  s.FormGeschaald[config_.formGeschaald] = true;
  s.Bezig = false;
}

void LessonWindow::Form_Activate() {
  KwilState& s = state();
  bijActiveren();
  if (config_.statusPaneel != 0)
    Panel(config_.statusPaneel).setCaption(QStringLiteral("In ") + Str(s.Ingangen) + QStringLiteral(" Uit ") + Str(s.Uitgangen));
  s.Verlaten = false;
  s.Voortgang = 0;
  Plaatstekst();
  eenKopie();
  s.Bezig = false;
}

void LessonWindow::Form_QueryUnload(bool& cancel) {
  // The window is never unloaded: closing it is the pupil's way of saying Stop.
  cancel = true;
  if (!state().Bezig) Command_Click(4);
}

// --- Keys -------------------------------------------------------------------------------

void LessonWindow::Form_KeyDown(int& keyCode, int shift) {
  KwilState& s = state();
  if (config_.animatieRegel != ZonderAnimatie::ZolangShift) {
    if (shift & kModifiers) s.ShiftIngedrukt = true;
  } else if (keyCode == vbKeyShift) {
    s.ShiftIngedrukt = true;
  }
  if (keyCode >= vbKeyF1 && keyCode <= vbKeyF1 + 4) {
    if (isFToetsStap(s.Stap)) fToetsOmlaag(keyCode - vbKeyF1 + 1);
  } else {
    ZoekInterfaceMetToets(keyCode);
  }
}

void LessonWindow::Form_KeyUp(int& keyCode, int shift) {
  KwilState& s = state();
  switch (config_.animatieRegel) {
    case ZonderAnimatie::ZolangShift:
      if (keyCode == vbKeyShift) s.ShiftIngedrukt = false;
      break;
    case ZonderAnimatie::NaToetsMetModifier: s.ShiftIngedrukt = false; break;
    case ZonderAnimatie::TotModifiersLos:
      if ((shift & kModifiers) == 0) s.ShiftIngedrukt = false;
      break;
  }
  if (keyCode >= vbKeyF1 && keyCode <= vbKeyF1 + 4) {
    const int k = keyCode - vbKeyF1 + 1;
    // A key let go on any page releases its input, so a key held across a page change
    // cannot leave the real interface ignored.
    if (isFToetsStap(s.Stap) || s.FToetsIngedrukt[k]) fToetsOmhoog(k);
  }
}

void LessonWindow::Form_FocusLost() {
  // Key releases that happen elsewhere never reach the window: let go of every F key now.
  KwilState& s = state();
  bool ingedrukt = s.ToetsEmulatie;
  for (int k = 1; k <= 5; ++k) ingedrukt = ingedrukt || s.FToetsIngedrukt[k];
  if (!ingedrukt) return;
  s.FToetsIngedrukt.fill(false);
  bouwIngangenOp();
}

void LessonWindow::fToetsOmlaag(int k) {
  KwilState& s = state();
  s.FToetsIngedrukt[k] = true;
  bouwIngangenOp();
  TijdInterval_Timer();
}

void LessonWindow::fToetsOmhoog(int k) {
  state().FToetsIngedrukt[k] = false;
  bouwIngangenOp();
}

void LessonWindow::bouwIngangenOp() {
  KwilState& s = state();
  std::array<bool, 5> held{};
  for (int k = 1; k <= 5; ++k) held[k - 1] = s.FToetsIngedrukt[k];
  s.ToetsEmulatie = std::find(held.begin(), held.end(), true) != held.end();
  s.Ingangen = ingangenVanFToetsen(s.InterfaceSoort, held, config_.f5Positief);
}

// --- Hover colours and the page copy ------------------------------------------------------

bool LessonWindow::isNavigatieKnop(int index) const {
  return ((index >= 1 && index <= 4) || index == config_.leesVoorKnop) && Command.exists(index);
}

void LessonWindow::Command_MouseMove(int index) {
  KwilState& s = state();
  if (!isNavigatieKnop(index)) {
    lesKnopOnderMuis(index);
    return;
  }
  if (s.KnopOnderMuis == index) return;
  if (isNavigatieKnop(s.KnopOnderMuis)) Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
  Command(index).setBackColor(KleurKnopOnderMuis);
  s.KnopOnderMuis = index;
}

void LessonWindow::Panel_MouseMove() {
  KwilState& s = state();
  if (s.KnopOnderMuis == 0) return;
  if (isNavigatieKnop(s.KnopOnderMuis)) {
    Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
    s.KnopOnderMuis = 0;
  } else if (lesKnopVerlaten(s.KnopOnderMuis)) {
    s.KnopOnderMuis = 0;
  }
}

void LessonWindow::Form_MouseMove(int, int, float, float) { Panel_MouseMove(); }

void LessonWindow::herstelHoverNavigatie(int tot) {
  KwilState& s = state();
  if (s.KnopOnderMuis >= 1 && s.KnopOnderMuis <= tot && Command.exists(s.KnopOnderMuis)) {
    Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
    s.KnopOnderMuis = 0;
  }
}

void LessonWindow::PictureBox_Click() { KopieerZinnen(); }

// --- Centring and pictures ------------------------------------------------------------------

void LessonWindow::CentreerPanelEnPictureBox(int p, int q) { centreerPanelRond(p, PictureBox(q)); }

void LessonWindow::centreerPanelRond(int p, Control& inhoud) {
  kwil::Panel& lijst = Panel(p);
  lijst.setWidth(inhoud.Width() / TwipsPerPixel + 20);
  lijst.setHeight(inhoud.Height() / TwipsPerPixel + 20);
  lijst.setLeft(ScaleWidth() / 2 - lijst.Width() / 2);
  lijst.setTop(Panel(config_.ondergrensPaneel).Top() / 2 - lijst.Height() / 2);
  inhoud.setLeft((lijst.Width() / 2 - inhoud.Width() / 30) * TwipsPerPixel);
  inhoud.setTop((lijst.Height() / 2 - inhoud.Height() / 30) * TwipsPerPixel);
  houdBinnen(p);
}

void LessonWindow::CentreerPictureBox(int p, int q) {
  kwil::PictureBox& plaatje = PictureBox(q);
  plaatje.setLeft(Panel(p).Width() / 2 - plaatje.Width() / 2 - 1);
  plaatje.setTop(Panel(p).Height() / 2 - plaatje.Height() / 2);
}

void LessonWindow::houdBinnen(int p) {
  kwil::Panel& lijst = Panel(p);
  const float links = std::clamp(lijst.Left(), 0.0f, std::max(0.0f, ScaleWidth() - lijst.Width()));
  const float boven = std::clamp(lijst.Top(), 0.0f, std::max(0.0f, ScaleHeight() - lijst.Height()));
  if (links != lijst.Left()) lijst.setLeft(links);
  if (boven != lijst.Top()) lijst.setTop(boven);
}

void LessonWindow::schuifPaneel(int p, float dx) {
  Panel(p).setLeft(Panel(p).Left() + dx * state().SchaalX);
  houdBinnen(p);
}

void LessonWindow::laadPlaatje(int k, const QString& naam, bool autoSize) {
  kwil::PictureBox& vak = PictureBox(k);
  plaatjes_.insert(k, naam);
  recentGeladen_.append(QStringLiteral("%1:%2").arg(k).arg(naam));
  if (recentGeladen_.size() > 12) recentGeladen_.removeFirst();
  if (autoSize) vak.setAutoSize(true);
  const QString pad = dataFilePath(QStringLiteral("\\Afbeeldingen\\") + naam);
  const float breedte = vak.Width(), hoogte = vak.Height();
  if (!pad.isEmpty() && vak.setPicture(pad)) return;
  // A missing picture: an empty frame of the size the box had, the page goes on.
  vak.clearPicture();
  const float minimum = 64 * vak.unitsPerPixel();
  vak.setWidth(std::max(breedte, minimum));
  vak.setHeight(std::max(hoogte, minimum));
}

void LessonWindow::toonVenster(WindowId id) {
  QWidget* w = kwil::window(id);
  if (!w) return;
  if (auto* f = qobject_cast<Form*>(w))
    f->Show();
  else
    w->show();
}

}  // namespace kwil

#include "lessons/les2/waarheidstabel.h"

#include "lessons/les2/les2teksten.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kOndergrondKleur = 0xF5D5BA;

// The grid on the 640 x 480 design: cells of 52 x 29 with a pixel between them.
// The shared scaling stops at the first index that does not exist; this lesson's numbering has
// gaps (the frame's own controls sit at 13, 129 and 130), so it scales what lies beyond them.
template <typename T>
void schaalVoorbijGat(const ControlArray<T>& array, const ScaleOptions& opties) {
  int index = 1;
  while (array.exists(index)) ++index;
  for (; index <= array.ubound(); ++index)
    if (array.exists(index)) scaleControl(array(index), opties);
}

constexpr float kCelMarge = 8, kCelBreedte = 52, kCelHoogte = 29, kCelStapX = 53, kCelStapY = 30;
}  // namespace

LessonConfig waarheidstabelConfig() {
  LessonConfig c;
  c.venster = WindowId::Waarheidstabel;
  c.lesNummer = 2;
  c.leesVoorKnop = 13;
  c.paginaVak = 3;
  c.voettekstPaneel = 130;
  c.aantalPaginas = kLes2Paginas;
  c.overdrachtStap = 30;
  c.timerStappen = stappen(QStringLiteral("7-12, 14, 15, 17, 18, 20, 21, 23, 25"));
  c.fToetsStappen = c.timerStappen;
  c.formGeschaald = 4;
  c.weigert640 = true;
  c.randFactor = BorderBySchaalY;
  c.statusPaneel = 129;
  c.kopieerBijIndrukken = true;
  return c;
}

Waarheidstabel::Waarheidstabel(QWidget* parent) : LessonWindow(waarheidstabelConfig(), parent) {
  setCaption(QStringLiteral("Waarheidstabellen"));
  Panel.create(1, this, 505, 320, 135, 160).setBackColor(kOndergrondKleur);
  Panel.create(2, this, 0, 320, 505, 160).setBackColor(kOndergrondKleur);
  maakTabel();
  kwil::Panel& lijst = Panel.create(kPlaatjePaneel, this, 300, 20, 300, 280);
  lijst.setBackColor(kWit);
  lijst.setBorderWidth(2);
  PictureBox.create(2, &lijst, tw(10), tw(10), tw(280), tw(260)).setBackColor(kWit);
  maakRaadPaneel();
  kwil::Shape& rand = Shape.create(1, this, 8, 322, 489, 140);
  rand.setShape(kwil::Shape::RoundedRectangle);
  rand.setBorderColor(0x804000);
  Panel.events().Click = [this](int index) { celKlik(index); };
  maakFrame();
}

void Waarheidstabel::maakTabel() {
  kwil::Panel& tabel = Panel.create(kTabelPaneel, this, kTabelLinks, 17, 2 * kCelMarge + 4 * kCelStapX - 1,
                                    2 * kCelMarge + 9 * kCelStapY - 1);
  tabel.setBackColor(kWit);
  tabel.setBorderWidth(2);
  for (int rij = 0; rij <= 8; ++rij) {
    for (int kolom = 1; kolom <= 4; ++kolom) {
      kwil::Panel& c = Panel.create(celIndex(rij, kolom), &tabel, tw(kCelMarge + (kolom - 1) * kCelStapX),
                                    tw(kCelMarge + rij * kCelStapY), tw(kCelBreedte), tw(kCelHoogte));
      c.setFontName(QStringLiteral("Comic Sans MS"));
      c.setFontSize(11);
      c.setFontBold(true);
    }
  }
}

void Waarheidstabel::maakRaadPaneel() {
  kwil::Panel& lijst = Panel.create(kRaadPaneel, this, 330, 30, 220, 250);
  lijst.setBackColor(kWit);
  lijst.setBorderWidth(2);
  kwil::Panel& titel = Panel.create(17, &lijst, tw(10), tw(8), tw(200), tw(20));
  titel.setCaption(QStringLiteral("Welke schakeling is dit?"));
  titel.setBackColor(KleurTabelKop);
  kwil::Panel& vraagteken = Panel.create(16, &lijst, tw(60), tw(40), tw(100), tw(120));
  vraagteken.setCaption(QStringLiteral("?"));
  vraagteken.setBackColor(kWit);
  vraagteken.setFontSize(60);
  vraagteken.setFontBold(true);
  vraagteken.setBevelWidth(0);
  const char* const namen[] = {"WEL", "NIET", "EN", "OF"};
  for (int i = 0; i < 4; ++i) {
    CommandButton& knop = Command.create(kEersteNaamKnop + i, &lijst, tw(15 + (i % 2) * 100), tw(172 + (i / 2) * 34),
                                         tw(90), tw(28));
    knop.setCaption(QString::fromUtf8(namen[i]));
    knop.setToolTipText(QStringLiteral("Is het een %1 schakeling?").arg(QString::fromUtf8(namen[i])));
    knop.setFontName(QStringLiteral("Comic Sans MS"));
    knop.setFontSize(9.75f);
    knop.setBackColor(KleurKnopNormaal);
  }
}

// --- Frame hooks ------------------------------------------------------------------------------

void Waarheidstabel::bijLaden() { state().AantalGeluidskaarten = platform().wav->outputDeviceCount(); }

void Waarheidstabel::bijActiveren() {
  // Every start from the main menu begins with empty tables.
  voortgang_.clear();
  Panel(kPlaatjePaneel).setVisible(false);
  Panel(kRaadPaneel).setVisible(false);
  Panel(kTabelPaneel).setVisible(false);
}

void Waarheidstabel::schaalLesControls(const ScaleOptions& opties) {
  schaalVoorbijGat(Panel, opties);
  schaalVoorbijGat(Command, opties);
  schaalVoorbijGat(PictureBox, opties);
}

QString Waarheidstabel::helpTekst() const { return les2HelpTekst(state().Stap); }

void Waarheidstabel::beslisVerder() {
  const int verlaten = state().Stap - 1;
  const QString vraag = les2Werkboekvraag(verlaten);
  if (!vraag.isEmpty()) {
    tekenVraagBeantwoord(vraag);
    return;
  }
  const TabelPagina tabel = tabelOpPagina(verlaten);
  if (tabel.weergave != Weergave::Invullen && tabel.weergave != Weergave::Raden &&
      tabel.weergave != Weergave::Voorspellen)
    return;
  const TabelVoortgang& gedaan = voortgang(verlaten);
  if (tabel.weergave == Weergave::Voorspellen && !gedaan.allesVoorspeld())
    weigerVerder(les2NogNietVoorspeld(), true);
  else if (!gedaan.vol())
    weigerVerder(les2TabelNietVol(), true);
  else if (tabel.weergave == Weergave::Raden && !gedaan.benoemd)
    weigerVerder(les2NogNietBenoemd(), true);
}

void Waarheidstabel::lesKnopKlik(int index) {
  if (index < kEersteNaamKnop || index > kEersteNaamKnop + 3 || pagina().weergave != Weergave::Raden) return;
  TabelVoortgang& gedaan = voortgang(state().Stap);
  const QString gekozen = Command(index).Caption();
  const QString goed = QString::fromLatin1(gegevens(pagina().schakeling).naam);
  if (!gedaan.vol()) {
    MsgBox(les2EerstTabelVol());
  } else if (gekozen != goed) {
    MsgBox(les2VerkeerdeNaam());
  } else {
    gedaan.benoemd = true;
    toonSchakeling();
    MsgBox(les2GoedeNaam(goed));
  }
}

void Waarheidstabel::lesKnopOnderMuis(int index) {
  KwilState& s = state();
  if (index < kEersteNaamKnop || index > kEersteNaamKnop + 3 || s.KnopOnderMuis == index) return;
  if (s.KnopOnderMuis >= kEersteNaamKnop && s.KnopOnderMuis <= kEersteNaamKnop + 3)
    Command(s.KnopOnderMuis).setBackColor(KleurKnopNormaal);
  Command(index).setBackColor(KleurKnopOnderMuis);
  s.KnopOnderMuis = index;
}

bool Waarheidstabel::lesKnopVerlaten(int index) {
  if (index < kEersteNaamKnop || index > kEersteNaamKnop + 3) return false;
  Command(index).setBackColor(KleurKnopNormaal);
  return true;
}

TabelVoortgang& Waarheidstabel::voortgang(int stap) {
  auto it = voortgang_.find(stap);
  if (it == voortgang_.end())
    it = voortgang_.insert(stap, TabelVoortgang(aantalRijen(gegevens(tabelOpPagina(stap).schakeling).schakelaars)));
  return *it;
}

}  // namespace kwil

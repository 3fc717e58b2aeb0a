// The selection window's controls on its 640 x 480 design. Controls on the window are placed
// in pixels, controls inside a panel in twips (tw converts the design's pixels).
#include "interface/interfacedisplay.h"
#include "selection/selectie.h"

namespace kwil {

namespace {

constexpr float tw(float pixels) { return pixels * TwipsPerPixel; }

constexpr std::int32_t kAchtergrond = 0xE3BB9B;
constexpr std::int32_t kDonkerblauw = 0x400000;
const QString kComic = QStringLiteral("Comic Sans MS");

void zetLetter(Control& c, float punten, bool vet = false) {
  c.setFontName(kComic);
  c.setFontSize(punten);
  c.setFontBold(vet);
}

// A frame or caption panel in the window's own colours.
kwil::Panel& maakPaneel(ControlArray<kwil::Panel>& panelen, int index, QWidget* in, float l, float t, float w,
                        float h, const QString& caption = {}) {
  kwil::Panel& p = panelen.create(index, in, l, t, w, h);
  p.setBackColor(kAchtergrond);
  p.setForeColor(kDonkerblauw);
  p.setCaption(caption);
  zetLetter(p, 10, true);
  return p;
}

// A hint above an entry box; its text wraps over two lines.
void maakHint(ControlArray<kwil::Panel>& panelen, int index, QWidget* frame, const QString& tekst) {
  kwil::Panel& hint = maakPaneel(panelen, index, frame, tw(6), tw(6), tw(276), tw(44), tekst);
  hint.setBevelWidth(0);
  zetLetter(hint, 9);
}

}  // namespace

void Selectie::maakBesturing() {
  setCaption(QStringLiteral("Kwilmora"));
  setBackColor(kAchtergrond);
  resize(640, 480);
  maakTitelEnInterface();
  maakKeuzeFrame();
  maakInvoerFrames();
  maakKnoppen();
  koppelGebeurtenissen();
  TijdInterval.setInterval(2000);
  TijdintervalIngangen.setInterval(10);
}

// The title box at the top left and the interface test at the top right.
void Selectie::maakTitelEnInterface() {
  kwil::Panel& titelFrame = maakPaneel(Panel, 16, this, 16, 8, 376, 80);
  kwil::PictureBox& titel = PictureBox.create(1, &titelFrame, tw(6), tw(6), tw(364), tw(68));
  titel.setScaleMode(kwil::PictureBox::Twips);
  titel.setBackColor(kDonkerblauw);
  titel.setForeColor(kAchtergrond);
  zetLetter(titel, 36, true);

  kwil::Panel& test = maakPaneel(Panel, 33, this, 400, 8, 224, 80);
  kwil::Panel& naam = maakPaneel(Panel, 17, &test, tw(6), tw(4), tw(176), tw(20));
  naam.setLook(kwil::Panel::Highlighted);
  for (int bit = 0; bit <= 7; ++bit) {
    kwil::Panel& lamp = maakPaneel(Panel, 18 + bit, &test, tw(6 + 22 * bit), tw(30), tw(20), tw(20),
                                   QStringLiteral("E%1").arg(bit + 1));
    lamp.setBackColor(0xC0);
    lamp.setForeColor(0xFFFFFF);
    zetLetter(lamp, 7, true);
  }
  for (int knop = 1; knop <= 5; ++knop) {
    kwil::Panel& lamp = maakPaneel(Panel, 25 + knop, &test, tw(6 + 22 * (knop - 1)), tw(55), tw(20), tw(20),
                                   QStringLiteral("s%1").arg(knop));
    lamp.setBackColor(0x4040);
    lamp.setForeColor(0x808080);
    zetLetter(lamp, 7, true);
  }
  for (int balk = 31; balk <= 32; ++balk) {
    kwil::Panel& a = maakPaneel(Panel, balk, &test, tw(balk == 31 ? 190 : 206), tw(4), tw(12), tw(71));
    a.setBackColor(kDonkerblauw);
    a.setFloodType(kwil::Panel::FloodBottomToTop);
    a.setFloodColor(kAchtergrond);
    a.setLook(kwil::Panel::Highlighted);
    a.setToolTipText(balk == 31 ? QStringLiteral("A1") : QStringLiteral("A2"));
    a.setVisible(false);
  }
}

// The large frame: instruction line, list with its title, the two "oops" buttons and the
// place of the logo and the entry frames. Its own caption, the chosen pupil, shows at its
// bottom.
void Selectie::maakKeuzeFrame() {
  kwil::Panel& keuze = maakPaneel(Panel, 4, this, 16, 96, 608, 328);
  keuze.setAlignment(Qt::AlignHCenter | Qt::AlignBottom);

  kwil::Panel& instructie = maakPaneel(Panel, 8, &keuze, tw(8), tw(8), tw(592), tw(28));
  instructie.setBackColor(kDonkerblauw);
  instructie.setForeColor(KleurKnopOnderMuis);
  zetLetter(instructie, 12, true);

  kwil::Panel& links = maakPaneel(Panel, 1, &keuze, tw(8), tw(44), tw(288), tw(236));
  maakPaneel(Panel, 3, &links, tw(8), tw(8), tw(272), tw(44));
  List = &createControl<ListBox>(&links, tw(8), tw(58), tw(272), tw(170));
  List->setSorted(true);
  List->setBackColor(KleurKnopNormaal);
  List->setForeColor(kDonkerblauw);
  zetLetter(*List, 10);
  List->setToolTipText(QStringLiteral("Selecteer in deze lijst je klas."));

  kwil::Panel& knoppen = maakPaneel(Panel, 6, &keuze, tw(304), tw(44), tw(296), tw(84));
  CommandButton& nietInLijst = Command.create(4, &knoppen, tw(8), tw(8), tw(280), tw(32));
  nietInLijst.setCaption(QStringLiteral("&Mijn klas staat niet in de lijst."));
  nietInLijst.setToolTipText(QStringLiteral("Klik hierop wanneer jouw klas niet in de lijst staat."));
  CommandButton& oeps = Command.create(5, &knoppen, tw(8), tw(44), tw(280), tw(32));
  oeps.setCaption(QStringLiteral("&Oeps.... Ik heb iets fout gedaan."));
  oeps.setToolTipText(QStringLiteral("Klik hierop wanneer je iets fout gedaan hebt."));

  kwil::Panel& onder = maakPaneel(Panel, 7, &keuze, tw(304), tw(136), tw(296), tw(144));
  kwil::Panel& logo = maakPaneel(Panel, 15, &onder, tw(4), tw(4), tw(288), tw(136));
  ImageLogo = &createControl<ImageBox>(&logo, tw(4), tw(4), tw(280), tw(128));
  ImageLogo->setStretch(true);
}

// The three entry frames lie on top of each other in Panel(7), hidden until a step needs one.
void Selectie::maakInvoerFrames() {
  QWidget* onder = &Panel(7);
  struct Invoer {
    int tekst;
    int label;
    const char* kop;
    float top;
    int maxLengte;
  };
  auto maakInvoer = [&](QWidget* frame, const Invoer& i) {
    kwil::Label& l = Label.create(i.label, frame, tw(6), tw(i.top + 3), tw(102), tw(22));
    l.setCaption(QString::fromUtf8(i.kop));
    l.setBackStyle(0);
    l.setForeColor(kDonkerblauw);
    zetLetter(l, 9, true);
    TextBox& t = Text.create(i.tekst, frame, tw(110), tw(i.top), tw(172), tw(26));
    t.setMaxLength(i.maxLengte);
    t.setBackColor(0xFFFFFF);
    t.setForeColor(kDonkerblauw);
    zetLetter(t, 10);
  };

  kwil::Panel& leerling = maakPaneel(Panel, 13, onder, tw(4), tw(4), tw(288), tw(136));
  maakHint(Panel, 14, &leerling, QStringLiteral("Vul hieronder je voor- en achternaam in. Druk daarna op enter."));
  maakInvoer(&leerling, {1, 1, "Voornaam : ", 52, 20});
  maakInvoer(&leerling, {2, 2, "Tussenvoegsel : ", 80, 10});
  maakInvoer(&leerling, {3, 3, "Achternaam : ", 108, 20});
  leerling.setVisible(false);

  kwil::Panel& klas = maakPaneel(Panel, 11, onder, tw(4), tw(4), tw(288), tw(136));
  maakHint(Panel, 12, &klas, QStringLiteral("Vul hieronder de naam van je klas in. Druk daarna op enter."));
  maakInvoer(&klas, {5, 5, "Klasnaam : ", 72, 10});
  klas.setVisible(false);

  // The password frame lies on top: the teacher can reach it while another frame is open.
  kwil::Panel& wachtwoord = maakPaneel(Panel, 9, onder, tw(4), tw(4), tw(288), tw(136));
  maakHint(Panel, 10, &wachtwoord, QStringLiteral("Vul hieronder je wachtwoord in. Druk daarna op enter."));
  maakInvoer(&wachtwoord, {4, 4, "Wachtwoord : ", 72, 10});
  Text(4).setPasswordChar(QStringLiteral("*"));
  wachtwoord.setVisible(false);
}

// Leraarmodule at the bottom left, Help and Stoppen at the bottom right.
void Selectie::maakKnoppen() {
  kwil::Panel& leraar = maakPaneel(Panel, 5, this, 16, 432, 200, 44);
  kwil::Panel& rechts = maakPaneel(Panel, 2, this, 424, 432, 200, 44);
  struct Knop {
    int index;
    QWidget* frame;
    float left;
    float width;
    const char* caption;
    const char* tip;
  };
  const Knop knoppen[] = {
      {1, &rechts, 104, 88, "&Stoppen", "klik je hierop, dan stopt het programma."},
      {2, &rechts, 8, 88, "&Help", "Klik je hierop, dan krijg je uitleg over wat je moet/mag doen."},
      {3, &leraar, 8, 184, "&Leraarmodule", "Alleen voor de docent. Je hebt een wachtwoord nodig."},
  };
  for (const Knop& k : knoppen) {
    CommandButton& b = Command.create(k.index, k.frame, tw(k.left), tw(6), tw(k.width), tw(32));
    b.setCaption(QString::fromUtf8(k.caption));
    b.setToolTipText(QString::fromUtf8(k.tip));
  }
  Command.forEach([](CommandButton& b) {
    b.setBackColor(KleurKnopNormaal);
    b.setForeColor(kDonkerblauw);
    zetLetter(b, 10, true);
  });
}

void Selectie::koppelGebeurtenissen() {
  Command.events().Click = [this](int i) { Command_Click(i); };
  Command.events().MouseMove = [this](int i, int, int, float, float) { Command_MouseMove(i); };
  Label.events().MouseMove = [this](int, int, int, float, float) { KleurCommand(); };
  Panel.events().MouseMove = [this](int, int, int, float, float) { KleurCommand(); };
  Text.events().KeyPress = [this](int i, int& keyAscii) { Text_KeyPress(i, keyAscii); };

  List->events().MouseMove = [this](int, int, int, float, float) { List_MouseMove(); };
  List->events().KeyDown = [this](int, int& keyCode, int) { List_KeyDown(keyCode); };
  List->events().MouseDown = [this](int, int, int, float, float) { List_MouseDown(); };
  ImageLogo->events().Click = [this](int) { ImageLogo_Click(); };

  TijdInterval.setHandler([this] { TijdInterval_Timer(); });
  TijdintervalIngangen.setHandler([this] { TijdintervalIngangen_Timer(); });

  interfaceDisplay().setCaption = [this](const QString& caption) { Panel(17).setCaption(caption); };
  interfaceDisplay().showAnalog = [this](bool zichtbaar) {
    Panel(31).setVisible(zichtbaar);
    Panel(32).setVisible(zichtbaar);
  };
}

}  // namespace kwil

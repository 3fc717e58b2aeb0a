// The lesson frame on a small lesson of its own: turning pages with and without Shift,
// refusals, Terug on the first page, Stop, the hand-over, the busy flag, the timer rule, the
// F-keys and the mended faults around them, closing the window, the clipboard copy.
#include <QTest>

#include "frame/les_omgeving.h"
#include "interface/serialport.h"
#include "lessons/frame/lessonwindow.h"
#include "shared/zinnen.h"

using namespace kwil;

namespace {

LessonConfig proefConfig() {
  LessonConfig c;
  c.venster = WindowId::Waarheidstabel;
  c.lesNummer = 2;
  c.leesVoorKnop = 5;
  c.paginaVak = 2;
  c.voettekstPaneel = 3;
  c.statusPaneel = 2;
  c.aantalPaginas = 3;
  c.overdrachtStap = 4;
  c.timerStappen = stappen(QStringLiteral("2"));
  c.fToetsStappen = stappen(QStringLiteral("2"));
  c.formGeschaald = 4;
  c.ondergrensPaneel = 1;
  return c;
}

// The frame values of the five lesson windows.
LessonConfig vensterConfig(int les) {
  LessonConfig c;
  c.lesNummer = les;
  c.formGeschaald = les + 2;
  switch (les) {
    case 1:
      c.venster = WindowId::NietEnOf;
      c.leesVoorKnop = 10, c.paginaVak = 7, c.voettekstPaneel = 28, c.statusPaneel = 27;
      c.aantalPaginas = 33, c.overdrachtStap = 34;
      c.timerStappen = stappen(QStringLiteral("5, 6, 10-14, 16-23, 25-27"));
      c.fToetsStappen = stappen(QStringLiteral("5, 6, 10-14, 16, 18-23, 25-27"));
      break;
    case 2:
      c.venster = WindowId::Waarheidstabel;
      c.leesVoorKnop = 13, c.paginaVak = 3, c.voettekstPaneel = 130, c.statusPaneel = 129;
      c.aantalPaginas = 29, c.overdrachtStap = 30;
      c.timerStappen = c.fToetsStappen = stappen(QStringLiteral("7-12, 14, 15, 17, 18, 20, 21, 23, 25"));
      c.randFactor = BorderBySchaalY;
      break;
    case 3:
      c.venster = WindowId::LogSchak;
      c.leesVoorKnop = 5, c.paginaVak = 4, c.voettekstPaneel = 8, c.statusPaneel = 7;
      c.aantalPaginas = 30, c.overdrachtStap = 31;
      c.timerStappen = c.fToetsStappen = stappen(QStringLiteral("4-6, 8-20, 25"));
      c.weigert640 = false;
      break;
    case 4:
      c.venster = WindowId::Formule;
      c.leesVoorKnop = 5, c.paginaVak = 5, c.voettekstPaneel = 6, c.statusPaneel = 7;
      c.aantalPaginas = 22, c.overdrachtStap = 23;
      c.timerStappen = c.fToetsStappen = stappen(QStringLiteral("2-5, 7, 8, 10-13, 15-18"));
      break;
    default:
      c.venster = WindowId::Binstel;
      c.leesVoorKnop = 13, c.paginaVak = 3, c.voettekstPaneel = 47, c.statusPaneel = 0;
      c.aantalPaginas = 46, c.overdrachtStap = 46;
      c.timerStappen = stappen(QStringLiteral("9-11, 15-17, 19-25, 27-29"));
      c.animatieRegel = ZonderAnimatie::NaToetsMetModifier;
      break;
  }
  return c;
}

// Three pages of one line each; the gate refuses one chosen step. The indexes the frame does
// not make are filled with plain controls, as a lesson's own would fill them.
class ProefLes : public LessonWindow {
 public:
  explicit ProefLes(const LessonConfig& c = proefConfig()) : LessonWindow(c) {
    Panel.create(1, this, 0, 320, 505, 160).setBorderWidth(2);
    for (int i = 2; i < std::max(c.voettekstPaneel, c.statusPaneel); ++i)
      if (i != c.statusPaneel && i != c.voettekstPaneel) Panel.create(i, this, 0, 0, 10, 10);
    for (int i = 2; i < c.paginaVak; ++i) PictureBox.create(i, this, 0, 0, 10, 10);
    for (int i = 5; i < c.leesVoorKnop; ++i) Command.create(i, this, 0, 0, 10, 10);
    maakFrame();
  }
  int weigerStap = 0;
  int reacties = 0;
  QList<int> gebouwd;

 protected:
  void bouwPagina() override {
    gebouwd.append(state().Stap);
    if (state().Stap <= 3) drukTekst(pagina({QStringLiteral("Pagina %1").arg(state().Stap), QStringLiteral("Tweede regel")}, QStringLiteral("1 / 2")));
  }
  void beslisVerder() override {
    if (state().Stap == weigerStap) weigerVerder(QStringLiteral("Nog niet!"), true);
  }
  QString helpTekst() const override { return QStringLiteral("Hulp bij %1").arg(state().Stap); }
  void reageer() override { ++reacties; }
};

// Counts the paint events a widget gets.
class PaintTeller : public QObject {
 public:
  int verversingen = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++verversingen;
    return false;
  }
};

}  // namespace

class FrameTest : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;
  ProefLes* les = nullptr;

  ProefLes& toon(int stap, const LessonConfig& c = proefConfig()) {
    state().Hoofdstuk = static_cast<std::int16_t>(c.lesNummer);
    state().Stap = stap;
    registerWindow(c.venster, [c] { return std::make_unique<ProefLes>(c); });
    les = windowAs<ProefLes>(c.venster);
    les->Show();
    omgeving.geluiden();
    omgeving.uitgangen();
    return *les;
  }
  int aantalBerichten() const { return omgeving.basis.dialogs->messages.size(); }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap({}); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginaOmslaan_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("passen");  // of each slide
    QTest::newRow("1024x768") << QSize(1024, 768) << false << 215;
    QTest::newRow("800x600") << QSize(800, 600) << false << 168;
    QTest::newRow("with Shift") << QSize(800, 600) << true << 1;
  }
  void paginaOmslaan() {
    QFETCH(QSize, scherm);
    QFETCH(bool, shift);
    QFETCH(int, passen);
    omgeving.basis.screen->size = scherm;
    ProefLes& l = toon(1);
    if (shift) l.keyDown(vbKeyShift, vbShiftMask);
    l.Command_Click(1);
    QCOMPARE(state().Stap, 2);
    QCOMPARE(omgeving.geluiden(), QStringList{QStringLiteral("SndVerder.wav")});
    QCOMPARE(l.laatsteSchuif().size(), passen);
    // The running light sweeps E1..E8 and puts the outputs back, only when the page slides.
    QCOMPARE(omgeving.uitgangen(), shift ? QList<int>{} : QList<int>({1, 2, 4, 8, 16, 32, 64, 128, 0}));
    QCOMPARE(state().ShiftIngedrukt, false);  // every click ends Shift
    QCOMPARE(state().Zin[1], QStringLiteral("Pagina 2"));
    QCOMPARE(l.panelen()(3).Caption(), QStringLiteral("Les 2 stap 2 van 3"));

    if (shift) l.keyDown(vbKeyShift, vbShiftMask);
    l.Command_Click(2);
    QCOMPARE(state().Stap, 1);
    QCOMPARE(omgeving.geluiden(), QStringList{QStringLiteral("SndTerug.wav")});
    QCOMPARE(l.laatsteSchuif().size(), passen);
    QCOMPARE(omgeving.uitgangen(), shift ? QList<int>{} : QList<int>({128, 64, 32, 16, 8, 4, 2, 1, 0}));
    QCOMPARE(l.laatsteSchuif().back(), 0);
  }

  // After the last pass the page box shows the canvas from its top row, and the rows below
  // the copied area are the box's background.
  void paginaVakNaSchuiven() {
    ProefLes& l = toon(1);
    l.Command_Click(1);
    const QImage canvas = l.plaatjes()(1).image();
    const QImage vak = l.plaatjes()(2).image();
    const int hoogte = rondAf(134 * state().SchaalY);
    QCOMPARE(vak.copy(0, 0, vak.width(), hoogte), canvas.copy(0, 0, vak.width(), hoogte));
    if (vak.height() > hoogte)
      QCOMPARE(QColor(vak.pixel(vak.width() / 2, vak.height() - 1)), vbColor(l.plaatjes()(2).BackColor()));
  }

  // Every pass of a slide is painted at once, the first pass of a page rising from below too,
  // although it copies no row of the canvas yet.
  void eenVerversingPerPas() {
    ProefLes& l = toon(1);
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    PaintTeller teller;
    l.plaatjes()(2).installEventFilter(&teller);
    l.Command_Click(1);
    QCOMPARE(teller.verversingen, 2 * 215);
  }

  // Each window's own values: its loading slot, 640 rule and border factor, its Lees voor
  // button, status line, timer and F-key steps, footer, hand-over and no-animation rule.
  void vensterWaarden_data() {
    QTest::addColumn<int>("les");
    for (int les = 1; les <= 5; ++les) QTest::addRow("lesson %d", les) << les;
  }
  void vensterWaarden() {
    QFETCH(int, les);
    const LessonConfig c = vensterConfig(les);
    omgeving.basis.screen->size = QSize(1280, 768);  // SchaalX 2, SchaalY 1.6
    state().Ingangen = 7;
    state().Uitgangen = 3;
    ProefLes& l = toon(1, c);
    QVERIFY(state().FormGeschaald[c.formGeschaald]);
    QCOMPARE(l.panelen()(1).BorderWidth(), c.randFactor == BorderBySchaalX ? 4 : 3);
    CommandButton& leesVoor = l.knoppen()(c.leesVoorKnop);
    QCOMPARE(leesVoor.Caption(), QStringLiteral("Lees voor"));
    QCOMPARE(leesVoor.Width(), 230.0f);
    if (c.statusPaneel != 0) QCOMPARE(l.panelen()(c.statusPaneel).Caption(), QStringLiteral("In  7 Uit  3"));

    // The Lees voor button hovers and is reset as a navigation button; a value another
    // window left in KnopOnderMuis is left alone.
    l.knoppen().events().MouseMove(c.leesVoorKnop, 0, 0, 0, 0);
    QCOMPARE(leesVoor.BackColor(), KleurKnopOnderMuis);
    l.panelen().events().MouseMove(1, 0, 0, 0, 0);
    QCOMPARE(leesVoor.BackColor(), KleurKnopNormaal);
    state().KnopOnderMuis = 99;
    l.panelen().events().MouseMove(1, 0, 0, 0, 0);
    QCOMPARE(state().KnopOnderMuis, 99);

    state().AantalGeluidskaarten = 0;
    for (int stap = 1; stap < c.overdrachtStap; ++stap) {
      state().Stap = stap;
      l.Command_Click(c.leesVoorKnop);
      QVERIFY2(leesVoor.Enabled(), qPrintable(QString::number(stap)));
      QVERIFY2(l.timer().Enabled() == (c.timerStappen.count(stap) > 0), qPrintable(QString::number(stap)));
      l.keyDown(vbKeyF1, 0);
      QVERIFY2(state().FToetsIngedrukt[1] == (c.fToetsStappen.count(stap) > 0), qPrintable(QString::number(stap)));
      l.keyUp(vbKeyF1, 0);
    }

    const bool naModifier = c.animatieRegel == ZonderAnimatie::NaToetsMetModifier;
    l.keyDown(vbKeyShift, vbShiftMask);
    QVERIFY(state().ShiftIngedrukt);
    l.keyUp('A', vbShiftMask);
    QCOMPARE(state().ShiftIngedrukt, !naModifier);
    l.keyDown('A', vbCtrlMask);
    QCOMPARE(state().ShiftIngedrukt, true);
    l.keyUp(vbKeyShift, 0);
    state().ShiftIngedrukt = false;
    l.keyDown('A', vbCtrlMask);
    QCOMPARE(state().ShiftIngedrukt, naModifier);

    state().Stap = c.aantalPaginas - 1;
    l.Command_Click(1);
    QCOMPARE(l.panelen()(c.voettekstPaneel).Caption(), QStringLiteral("Les %1 stap %2 van %2").arg(les).arg(c.aantalPaginas));
    if (state().Stap < c.overdrachtStap) l.Command_Click(1);
    QCOMPARE(state().Stap, c.overdrachtStap);
    QCOMPARE(state().LesNummer, les);
    QVERIFY(!l.isVisible());
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());

    state().Stap = 1;
    l.Show();  // shown again: not scaled a second time
    QCOMPARE(leesVoor.Width(), 230.0f);
    QCOMPARE(state().Verlaten, false);
  }

  void resolutie640_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<bool>("weigert");
    QTest::newRow("lesson 2 refuses") << 2 << true;
    QTest::newRow("lesson 3 goes on") << 3 << false;
  }
  void resolutie640() {
    QFETCH(int, les);
    QFETCH(bool, weigert);
    omgeving.basis.screen->size = QSize(640, 480);
    if (weigert) {
      QVERIFY_THROWS_EXCEPTION(ProgramEnded, toon(1, vensterConfig(les)));
      QCOMPARE(omgeving.meldingen(), QStringList{kResolutieTeLaag});
      QCOMPARE(omgeving.einden, 1);
    } else {
      ProefLes& l = toon(1, vensterConfig(les));
      QVERIFY(l.isVisible());
      QCOMPARE(omgeving.einden, 0);
      QCOMPARE(state().SchaalX, 1.0f);
    }
  }

  void geweigerd_data() {
    QTest::addColumn<bool>("shift");
    QTest::newRow("slides") << false;
    QTest::newRow("with Shift") << true;
  }
  void geweigerd() {
    QFETCH(bool, shift);
    ProefLes& l = toon(1);
    l.weigerStap = 2;
    if (shift) l.keyDown(vbKeyShift, vbShiftMask);
    const int kopieenVooraf = l.kopieen();
    l.Command_Click(1);
    QCOMPARE(state().Stap, 1);
    QCOMPARE(state().StapToegestaan, true);
    QCOMPARE(omgeving.geluiden(),
             (QStringList{QStringLiteral("SndVerder.wav"), QStringLiteral("SndDatIsSnel.wav"), QStringLiteral("SndTerug.wav")}));
    QCOMPARE(omgeving.basis.dialogs->messages.back().text, QStringLiteral("Nog niet!"));
    QCOMPARE(l.gebouwd.back(), 1);  // the old page rebuilt
    // With Shift nothing is copied: the box still shows the old page.
    QCOMPARE(l.kopieen() - kopieenVooraf, shift ? 0 : 2 * 215);
    if (!shift) QCOMPARE(l.laatsteSchuif().front(), 214);  // it comes down from above
  }

  void terugOpEerstePagina() {
    ProefLes& l = toon(1);
    state().KnopOnderMuis = 2;
    l.knoppen()(2).setBackColor(KleurKnopOnderMuis);
    l.Command_Click(2);
    QCOMPARE(state().Stap, 1);
    QCOMPARE(aantalBerichten(), 1);
    const auto& m = omgeving.basis.dialogs->messages.front();
    QCOMPARE(m.text, QStringLiteral("Je kunt niet verder terug.\r\rDit is het begin van de les."));
    QCOMPARE(m.buttons, 16);
    QCOMPARE(m.title, QStringLiteral("Let op...."));
    QCOMPARE(state().KnopOnderMuis, 0);
    QCOMPARE(l.knoppen()(2).BackColor(), KleurKnopNormaal);
    QVERIFY(omgeving.geluiden().isEmpty());
  }

  void stop() {
    ProefLes& l = toon(2);
    state().Voortgang = 3;
    state().Uitgangen = 5;
    state().KnopOnderMuis = 4;
    l.knoppen()(4).setBackColor(KleurKnopOnderMuis);
    l.Command_Click(4);
    QCOMPARE(state().Voortgang, 0);
    QCOMPARE(omgeving.uitgangen(), QList<int>{0});
    QVERIFY(state().Verlaten);
    QVERIFY(existingWindow(WindowId::Hoofdmenu)->isVisible());
    QVERIFY(!l.isVisible());
    QVERIFY(!l.timer().Enabled());  // Stap 2 is a timer step, yet the timer stays off
    QCOMPARE(l.knoppen()(4).BackColor(), KleurKnopNormaal);
    QCOMPARE(state().KnopOnderMuis, 4);
    QCOMPARE(state().Stap, 2);
  }

  void sluitenIsStop() {
    ProefLes& l = toon(2);
    l.close();
    QVERIFY(existingWindow(WindowId::Hoofdmenu)->isVisible());
    QVERIFY(!l.isVisible());
    QVERIFY(state().Verlaten);
    l.Show();  // the same window comes back with its page
    QVERIFY(l.isVisible());
    QCOMPARE(state().Verlaten, false);
  }

  void overdracht_data() {
    QTest::addColumn<bool>("toetsenBestaat");
    QTest::newRow("test window registered") << true;
    QTest::newRow("no test window yet") << false;
  }
  void overdracht() {
    QFETCH(bool, toetsenBestaat);
    if (!toetsenBestaat) registerWindow(WindowId::Toetsen, {});
    ProefLes& l = toon(3);
    l.Command_Click(1);
    QCOMPARE(state().Stap, 4);
    QCOMPARE(state().LesNummer, 2);
    QVERIFY(state().Verlaten);
    QVERIFY(!l.isVisible());
    QCOMPARE(existingWindow(WindowId::Toetsen) != nullptr, toetsenBestaat);
    if (toetsenBestaat) QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QCOMPARE(l.panelen()(3).Caption(), QStringLiteral("Les 2 stap 4 van 3"));
    QVERIFY(state().Zin[1].isEmpty());
  }

  void klikTijdensBezigVervalt() {
    ProefLes& l = toon(1);
    state().Bezig = true;
    l.Command_Click(1);
    QCOMPARE(state().Stap, 1);
    QVERIFY(omgeving.geluiden().isEmpty());
  }

  void timerNaKlik_data() {
    QTest::addColumn<int>("knop");
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("aan");
    QTest::newRow("Verder onto a timer step") << 1 << 1 << true;
    QTest::newRow("Verder onto another step") << 1 << 2 << false;
    QTest::newRow("Help on a timer step") << 3 << 2 << true;
    QTest::newRow("Lees voor on another step") << 5 << 3 << false;
  }
  void timerNaKlik() {
    QFETCH(int, knop);
    QFETCH(int, stap);
    QFETCH(bool, aan);
    ProefLes& l = toon(stap);
    l.Command_Click(knop);
    QCOMPARE(l.timer().Enabled(), aan);
    for (int i = 1; i <= 5; ++i) QVERIFY(l.knoppen()(i).Enabled());
    QCOMPARE(state().Bezig, false);
  }

  void helpEnVoorlezen() {
    ProefLes& l = toon(2);
    state().KnopOnderMuis = 3;
    l.knoppen()(3).setBackColor(KleurKnopOnderMuis);
    l.Command_Click(3);
    QCOMPARE(omgeving.basis.dialogs->messages.back().text, QStringLiteral("Hulp bij 2"));
    QCOMPARE(l.knoppen()(3).BackColor(), KleurKnopNormaal);
    QCOMPARE(state().KnopOnderMuis, 0);
    l.Command_Click(5);
    QCOMPARE(omgeving.geluid.narration->players.size(), 1);
    state().AantalGeluidskaarten = 0;
    l.Command_Click(5);
    QCOMPARE(omgeving.geluid.narration->players.size(), 1);
  }

  void fToetsen() {
    ProefLes& l = toon(2);
    state().VorigeIngangen = 126;
    l.keyDown(vbKeyF1, 0);
    QCOMPARE(state().Ingangen, 118);
    QVERIFY(state().ToetsEmulatie);
    QCOMPARE(l.reacties, 1);
    QVERIFY(l.timer().Enabled());
    QCOMPARE(l.panelen()(2).Caption(), QStringLiteral("In  137 Uit  0"));
    l.keyUp(vbKeyF1, 0);
    QCOMPARE(state().Ingangen, 126);
    QVERIFY(!state().ToetsEmulatie);
    QCOMPARE(l.reacties, 1);  // the release waits for the timer
    state().Stap = 3;
    l.keyDown(vbKeyF1 + 1, 0);  // not an F-key step
    QCOMPARE(state().FToetsIngedrukt[2], false);
    QCOMPARE(l.reacties, 1);
  }

  // A key held across a page change and let go there no longer leaves the interface ignored.
  void fToetsLosNaPaginawissel() {
    ProefLes& l = toon(2);
    l.keyDown(vbKeyF1 + 2, 0);
    QVERIFY(state().ToetsEmulatie);
    l.Command_Click(1);
    QCOMPARE(state().Stap, 3);
    l.keyUp(vbKeyF1 + 2, 0);
    QVERIFY(!state().FToetsIngedrukt[3]);
    QVERIFY(!state().ToetsEmulatie);
  }

  void fToetsLosBijVerbergen() {
    ProefLes& l = toon(2);
    l.keyDown(vbKeyF1 + 3, 0);
    l.keyDown(vbKeyF1 + 4, 0);
    QCOMPARE(state().Ingangen, 255 - (129 + 64 - 128));
    l.Hide();
    for (int k = 1; k <= 5; ++k) QVERIFY(!state().FToetsIngedrukt[k]);
    QVERIFY(!state().ToetsEmulatie);
    QCOMPARE(state().Ingangen, 126);
  }

  // A page change handled while the tick reads the interface ends that tick for the old page.
  void tikMetPaginawisselErin() {
    ProefLes& l = toon(2);
    state().VorigeIngangen = 126;
    omgeving.hw->parallel->answer = 118;
    bool eenKeer = true;
    omgeving.basis.events->onPump = [&] {
      if (!eenKeer) return;
      eenKeer = false;
      l.Command_Click(1);
    };
    l.TijdInterval_Timer();
    QCOMPARE(state().Stap, 3);
    QCOMPARE(l.reacties, 0);
    QVERIFY(!l.timer().Enabled());  // step 3 has no timer
    QCOMPARE(state().VorigeIngangen, 126);
  }

  // An F key pressed while the board's answer is being read runs a tick of its own; the read
  // that then finishes must not take the key's press away again.
  void fToetsTijdensLezen() {
    ProefLes& l = toon(2);
    fake::FakeSerialLine& lijn = omgeving.hw->serial->port(1);
    lijn.reply = [](const QByteArray&) { return QByteArray("DI000\r"); };
    state().InterfaceSoort = SoortArduino;
    serialPort().CommPort = 1;
    serialPort().setPortOpen(true);
    state().VorigeIngangen = 0;
    // Only the one tick under test: the window's own 5 ms timer must not tick in between on a
    // slow machine.
    omgeving.basis.events->runRealEvents = false;
    bool eenKeer = true;
    omgeving.basis.events->onPump = [&] {
      if (!std::exchange(eenKeer, false)) return;
      l.keyDown(vbKeyF1, 0);
    };
    l.TijdInterval_Timer();
    QCOMPARE(state().Ingangen, 1);
    QCOMPARE(state().VorigeIngangen, 1);
    QCOMPARE(l.reacties, 1);
    QVERIFY(l.timer().Enabled());
  }

  void tikStatusregel_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<int>("ingangen");
    QTest::addColumn<QString>("regel");
    QTest::newRow("parallel") << 0 << 118 << "In  137 Uit  3";
    QTest::newRow("K8055") << 1 << 5 << "In  5 Uit  3";
    QTest::newRow("K8055 with F5") << 1 << -16 << "In -16 Uit  3";
    QTest::newRow("iCP12 keeps the line") << 2 << 4 << "In  7 Uit  3";
    QTest::newRow("Arduino keeps the line") << 3 << 4 << "In  7 Uit  3";
  }
  void tikStatusregel() {
    QFETCH(int, soort);
    QFETCH(int, ingangen);
    QFETCH(QString, regel);
    state().Ingangen = 7;
    state().Uitgangen = 3;
    ProefLes& l = toon(2);
    QCOMPARE(l.panelen()(2).Caption(), QStringLiteral("In  7 Uit  3"));
    state().InterfaceSoort = static_cast<std::int16_t>(soort);
    state().ToetsEmulatie = true;  // the value is taken as it is, without reading
    state().Ingangen = ingangen;
    l.TijdInterval_Timer();
    QCOMPARE(l.panelen()(2).Caption(), regel);
    QCOMPARE(l.reacties, 1);
    QVERIFY(state().InterfaceGebruikt);
    l.TijdInterval_Timer();  // no change: no reaction
    QCOMPARE(l.reacties, 1);
  }

  void paginaKopieren() {
    ProefLes& l = toon(2);
    l.plaatjes()(2).events().Click(2);
    QCOMPARE(omgeving.basis.clipboard->text, QStringLiteral("Pagina 2\rTweede regel\r"));
  }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"

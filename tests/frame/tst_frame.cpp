// The lesson frame on a small lesson of its own: turning pages with and without Shift,
// refusals, Terug on the first page, Stop, the hand-over, the busy flag, the timer rule, the
// F-keys and the mended faults around them, closing the window, the clipboard copy.
#include <QtTest>

#include "frame/les_omgeving.h"
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

// Three pages of one line each; the gate refuses one chosen step.
class ProefLes : public LessonWindow {
 public:
  ProefLes() : LessonWindow(proefConfig()) {
    Panel.create(1, this, 0, 320, 505, 160);
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

}  // namespace

class FrameTest : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;
  ProefLes* les = nullptr;

  ProefLes& toon(int stap) {
    state().Hoofdstuk = 2;
    state().Stap = stap;
    registerWindow(WindowId::Waarheidstabel, [] { return std::make_unique<ProefLes>(); });
    les = windowAs<ProefLes>(WindowId::Waarheidstabel);
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

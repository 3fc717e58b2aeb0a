// The main menu window: loading and scaling, activation, hover over pictures, panels and
// buttons, the two buttons and the interface search keys.
#include <cmath>

#include "tst_hoofdmenu_omgeving.h"

using namespace kwil;
using namespace kwil::menutest;

namespace {

// Whether lesson n's two panels have the highlighted look, checked field by field; a mix of
// the two looks fails the test.
bool lesOplichtend(Hoofdmenu& m, int n) {
  const kwil::Panel& nummer = m.Panel(2 * n + 1);
  const kwil::Panel& titel = m.Panel(2 * n + 2);
  const bool aan = nummer.Look() == kwil::Panel::Highlighted && nummer.BackColor() == 0xC07B01 &&
                   nummer.ForeColor() == 0xC0FFFF && titel.ForeColor() == 0xC0FFFF;
  const bool uit = nummer.Look() == kwil::Panel::Normal && nummer.BackColor() == 0xE3BB9B &&
                   nummer.ForeColor() == 0x400000 && titel.ForeColor() == 0xFFDBBF;
  if (aan == uit) qWarning("lesson %d is neither lit nor normal", n);
  return aan;
}

// Runs a list of pointer movements: pN over picture N, PN over picture N with the left
// button held, cN over button N, "bg" over the background, "pan" over the list frame.
void beweegLangs(MenuOmgeving& o, const QString& acties) {
  for (const QString& actie : acties.split(u' ', Qt::SkipEmptyParts)) {
    const int n = actie.mid(1).toInt();
    if (actie == QLatin1String("bg"))
      o.beweegOverAchtergrond();
    else if (actie == QLatin1String("pan"))
      MenuOmgeving::beweeg(o.menu->Panel(13));
    else if (actie.startsWith(u'p'))
      MenuOmgeving::beweeg(o.menu->ImageBox(n));
    else if (actie.startsWith(u'P'))
      MenuOmgeving::beweeg(o.menu->ImageBox(n), Qt::LeftButton);
    else if (actie.startsWith(u'c'))
      MenuOmgeving::beweeg(o.menu->Command(n));
    else
      QFAIL(qPrintable(QStringLiteral("unknown action ") + actie));
  }
}

}  // namespace

class TestHoofdmenu : public QObject {
  Q_OBJECT
  MenuOmgeving o;

 private Q_SLOTS:
  void initTestCase() { o.maakProgrammaMap(); }
  void init() { o.begin(); }
  void cleanup() { o.end(); }

  void scalingMovesPicturesWithoutResizingThem_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<int>("dikte");  // the lines' thickness, 3 pixels at design size
    QTest::newRow("800 x 600") << QSize(800, 600) << 4;
    QTest::newRow("960 x 720, a half rounds to even") << QSize(960, 720) << 4;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << 5;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 7;
  }
  void scalingMovesPicturesWithoutResizingThem() {
    QFETCH(QSize, scherm);
    QFETCH(int, dikte);
    o.basis.screen->size = scherm;
    o.menu->Panel(2).setBorderWidth(2);
    Hoofdmenu& m = o.toon();
    const float sx = scherm.width() / 640.0f, sy = scherm.height() / 480.0f;
    QCOMPARE(state().SchaalX, sx);
    QCOMPARE(state().SchaalY, sy);
    QVERIFY(state().FormGeschaald[2]);
    const int links[] = {224, 304, 376, 448, 520};
    for (int n = 1; n <= 5; ++n) {
      QVERIFY(qAbs(m.ImageBox(n).Left() - links[n - 1] * sx) <= 1);
      QVERIFY(qAbs(m.ImageBox(n).Top() - 16 * sy) <= 1);
      QCOMPARE(m.ImageBox(n).Width(), 75.0f);
      QCOMPARE(m.ImageBox(n).Height(), 250.0f);
    }
    // Everything else grows with the window, also inside the frames (twips).
    QVERIFY(qAbs(m.Panel(13).Width() - 601 * sx) <= 1);
    QVERIFY(qAbs(m.Panel(12).Left() - 96 * 15 * sx) <= 15);
    QVERIFY(qAbs(m.Command(2).Top() - 64 * 15 * sy) <= 15);
    QVERIFY(qAbs(m.Command(1).FontSize() - 12 * sy) < 0.5);
    // Button heights are not cut to a multiple of 15 twips; a panel's border grows with the width.
    QCOMPARE(m.Command(1).Height(), std::round(30 * sy) * 15.0f);
    QCOMPARE(m.Panel(2).BorderWidth(), int(std::nearbyint(2 * sx)));
    // The lower line lies along the bottom edge of the pictures, as wide as the window.
    const float onderkant = m.ImageBox(1).Top() + m.ImageBox(1).Height() + dikte / 2.0f;
    QCOMPARE(m.Lijn(2).Y1(), onderkant);
    QCOMPARE(m.Lijn(2).Y2(), onderkant);
    QVERIFY(qAbs(m.Lijn(2).X1() - 640 * sx) <= 1);
  }

  void screen640WideEndsTheProgram() {
    o.basis.screen->size = QSize(640, 480);
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, o.menu->Show());
    QCOMPARE(o.basis.dialogs->messages.size(), 1);
    QCOMPARE(o.basis.dialogs->messages[0].text,
             QStringLiteral("De resolutie is te laag. (640) Stel een hogere waarde in."));
    QCOMPARE(o.basis.dialogs->messages[0].buttons, 0);
  }

  void loadingResetsTheLessonStateOnlyOnceAndActivationEveryTime() {
    KwilState& s = state();
    s.Stap = 7;
    s.VorigeStap = 6;
    s.Voortgang = 3;
    s.InterfaceGebruikt = true;
    s.Verlaten = true;
    s.Uitgangen = 0x55;
    s.Hoofdstuk = 3;
    o.hw->k8055->digital[0] = 4;  // s3 held while the menu appears
    int pompen = 0;
    bool zichtbaarBijLezen = false;  // the window is already on screen when it reads the inputs
    o.basis.events->onPump = [&] {
      if (++pompen == 1) zichtbaarBijLezen = o.menu->isVisible();
    };
    Hoofdmenu& m = o.toon();
    o.basis.events->onPump = {};
    QVERIFY(zichtbaarBijLezen);
    QCOMPARE(m.Panel(1).Caption(), QStringLiteral("Anna\rde Vries"));
    QCOMPARE(s.Hoofdstuk, 0);
    QVERIFY(m.TijdInterval.Enabled());
    QCOMPARE(m.TijdInterval.Interval(), 5);
    QCOMPARE(s.Stap, 1);
    QCOMPARE(s.VorigeStap, 0);
    QCOMPARE(s.Voortgang, std::int16_t(0));
    QVERIFY(!s.InterfaceGebruikt);
    QVERIFY(!s.Verlaten);
    QCOMPARE(s.Uitgangen, 0);
    QCOMPARE(s.VorigeIngangen, 4);
    // The held button is no change: a tick starts nothing.
    m.TijdInterval.fire();
    QCOMPARE(s.Hoofdstuk, 0);
    QCOMPARE(o.klikGeluiden(), 0);

    // Shown again later: only the activation runs.
    m.Hide();
    s.Stap = 9;
    s.Hoofdstuk = 2;
    s.Voornaam = QStringLiteral("Bram");
    s.Achternaam = QStringLiteral("Öztürk");
    m.TijdInterval.setEnabled(false);
    m.Show();
    QCOMPARE(s.Stap, 9);
    QCOMPARE(s.Hoofdstuk, 0);
    QVERIFY(m.TijdInterval.Enabled());
    QCOMPARE(m.Panel(1).Caption(), QStringLiteral("Bram\rÖztürk"));
  }

  void hoverOverPictures_data() {
    QTest::addColumn<QString>("acties");
    QTest::addColumn<int>("geluiden");
    QTest::addColumn<int>("schrijfacties");
    QTest::addColumn<int>("uitgangen");
    QTest::addColumn<int>("oplichtend");
    QTest::addColumn<QList<int>>("verlicht");
    QTest::newRow("one picture") << "p2" << 1 << 1 << 2 << 2 << QList<int>{2};
    QTest::newRow("same picture again, no second sound") << "p2 p2" << 1 << 1 << 2 << 2 << QList<int>{2};
    QTest::newRow("straight to the next picture") << "p2 p3" << 2 << 2 << 4 << 3 << QList<int>{2, 3};
    QTest::newRow("background clears every lesson") << "p2 p3 bg" << 2 << 3 << 0 << 0 << QList<int>{};
    QTest::newRow("background with nothing lit writes nothing") << "bg bg" << 0 << 0 << 0 << 0 << QList<int>{};
    QTest::newRow("a panel leaves the highlight") << "p4 pan" << 1 << 1 << 8 << 4 << QList<int>{4};
    QTest::newRow("button held changes nothing") << "P3" << 0 << 0 << 0 << 0 << QList<int>{};
    QTest::newRow("back onto a picture after the background") << "p5 bg p5" << 2 << 3 << 16 << 5 << QList<int>{5};
    QTest::newRow("a button leaves the highlight") << "p1 c2" << 1 << 1 << 1 << 1 << QList<int>{1};
  }
  void hoverOverPictures() {
    QFETCH(QString, acties);
    QFETCH(int, geluiden);
    QFETCH(int, schrijfacties);
    QFETCH(int, uitgangen);
    QFETCH(int, oplichtend);
    QFETCH(QList<int>, verlicht);
    Hoofdmenu& m = o.toon();
    const auto eerder = o.hw->k8055->writes.size();
    beweegLangs(o, acties);
    QCOMPARE(o.overGeluiden(), geluiden);
    QCOMPARE(o.hw->k8055->writes.size() - eerder, schrijfacties);
    QCOMPARE(state().Uitgangen, uitgangen);
    QCOMPARE(state().OplichtendPlaatje, oplichtend);
    for (int n = 1; n <= 5; ++n) QCOMPARE(lesOplichtend(m, n), verlicht.contains(n));
    // Pointing never changes a picture or presses a title.
    for (int n = 1; n <= 5; ++n) {
      QCOMPARE(o.plaatje(n), onbediendKleur(n));
      QCOMPARE(m.Panel(2 * n + 2).BackColor(), 0x55552D);
    }
  }

  // A picture left pressed goes back at the next move over a picture without a mouse button.
  void plainMoveReleasesAPressedPicture_data() {
    QTest::addColumn<int>("naar");
    QTest::addColumn<int>("geluiden");
    QTest::newRow("onto another picture") << 3 << 1;
    QTest::newRow("onto the same picture, no sound") << 2 << 0;
  }
  void plainMoveReleasesAPressedPicture() {
    QFETCH(int, naar);
    QFETCH(int, geluiden);
    Hoofdmenu& m = o.toon();
    MenuOmgeving::druk(m.ImageBox(2));
    QCOMPARE(o.plaatje(2), bediendKleur(2));
    MenuOmgeving::beweeg(m.ImageBox(naar));
    QCOMPARE(o.plaatje(2), onbediendKleur(2));
    QCOMPARE(state().IngedruktPlaatje, 0);
    QCOMPARE(state().OplichtendPlaatje, naar);
    QCOMPARE(o.overGeluiden(), geluiden);
  }

  void hoverOverButtons_data() {
    QTest::addColumn<QString>("acties");
    QTest::addColumn<int>("knopOnderMuis");
    QTest::addColumn<int>("kleur1");
    QTest::addColumn<int>("kleur2");
    QTest::newRow("first button") << "c1" << 1 << 0xFAE5D5 << 0xFFDBBF;
    QTest::newRow("straight to the second") << "c1 c2" << 2 << 0xFFDBBF << 0xFAE5D5;
    QTest::newRow("onto a panel") << "c1 pan" << 0 << 0xFFDBBF << 0xFFDBBF;
    QTest::newRow("onto the background") << "c2 bg" << 0 << 0xFFDBBF << 0xFFDBBF;
    QTest::newRow("onto a picture keeps it") << "c2 p3" << 2 << 0xFFDBBF << 0xFAE5D5;
  }
  void hoverOverButtons() {
    QFETCH(QString, acties);
    QFETCH(int, knopOnderMuis);
    QFETCH(int, kleur1);
    QFETCH(int, kleur2);
    Hoofdmenu& m = o.toon();
    beweegLangs(o, acties);
    QCOMPARE(state().KnopOnderMuis, knopOnderMuis);
    QCOMPARE(m.Command(1).BackColor(), kleur1);
    QCOMPARE(m.Command(2).BackColor(), kleur2);
  }

  void helpButtonShowsHowToStart() {
    Hoofdmenu& m = o.toon();
    QTest::mouseClick(&m.Command(2), Qt::LeftButton);
    QCOMPARE(o.basis.dialogs->messages.size(), 1);
    const auto& bericht = o.basis.dialogs->messages[0];
    QCOMPARE(bericht.text,
             QStringLiteral("In je werkboek staat welke les je moet volgen.\r\r"
                            "Klik vervolgens hierboven met de muis op...\r\r"
                            "- s1, dat is les 1. of\r- s2, dat is les 2) of\r- s3, dat is les 3) of\r"
                            "- s4, dat is les 4) of\r- s5, dat is les 5)\r\r"
                            "Je kunt ook de drukknoppen van de interface gebruiken."));
    QCOMPARE(bericht.buttons, 0);
    QCOMPARE(bericht.title, QStringLiteral("Kwilmora"));
    QCOMPARE(state().KnopOnderMuis, 2);
    QVERIFY(m.isVisible());
  }

  void backToTheSelectionWindow_data() {
    QTest::addColumn<bool>("metEscape");
    QTest::newRow("button") << false;
    QTest::newRow("escape") << true;
  }
  void backToTheSelectionWindow() {
    QFETCH(bool, metEscape);
    Hoofdmenu& m = o.toon();
    MenuOmgeving::beweeg(m.Command(1));
    QCOMPARE(m.Command(1).BackColor(), 0xFAE5D5);
    if (metEscape) {
      m.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&m));
      QTest::keyClick(&m, Qt::Key_Escape);
    } else {
      QTest::mouseClick(&m.Command(1), Qt::LeftButton);
    }
    QVERIFY(!m.TijdInterval.Enabled());
    QCOMPARE(m.Command(1).BackColor(), 0xFFDBBF);
    QCOMPARE(state().KnopOnderMuis, 1);
    QVERIFY(window(WindowId::Selectie)->isVisible());
    QVERIFY(!m.isVisible());
  }

  void interfaceSearchKeys_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<int>("kaarten");
    QTest::addColumn<int>("soort");
    QTest::addColumn<int>("kaartZoektochten");
    QTest::addColumn<bool>("getoond");
    QTest::newRow("F11 finds a card") << 122 << 1 << 1 << 1 << true;
    QTest::newRow("F11 without a card") << 122 << 0 << 0 << 1 << true;
    QTest::newRow("F12 without a board") << 123 << 1 << 0 << 0 << true;
    QTest::newRow("F10 does nothing") << 121 << 1 << 3 << 0 << false;
  }
  void interfaceSearchKeys() {
    QFETCH(int, toets);
    QFETCH(int, kaarten);
    QFETCH(int, soort);
    QFETCH(int, kaartZoektochten);
    QFETCH(bool, getoond);
    Hoofdmenu& m = o.toon();
    QStringList opschriften;
    interfaceDisplay().setCaption = [&](const QString& t) { opschriften << t; };
    o.hw->k8055->present = static_cast<std::int16_t>(kaarten);
    state().InterfaceSoort = SoortArduino;
    m.keyDown(toets, 0);
    interfaceDisplay().setCaption = {};
    QCOMPARE(int(state().InterfaceSoort), soort);
    QCOMPARE(o.hw->k8055->searches, kaartZoektochten);
    QCOMPARE(!opschriften.isEmpty(), getoond);
  }
};

QTEST_MAIN(TestHoofdmenu)
#include "tst_hoofdmenu.moc"

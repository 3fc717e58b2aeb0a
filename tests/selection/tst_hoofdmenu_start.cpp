// Starting a lesson from the main menu: mouse press and release on a lesson picture, push
// buttons s1..s5 with the wait for their release, the refusal of a lesson with a mark and the
// polling timer's on/off rules.
#include "interface/serialport.h"
#include "tst_hoofdmenu_omgeving.h"

using namespace kwil;
using namespace kwil::menutest;

namespace {

// The title panel of lesson n in its normal look.
bool titelNormaal(Hoofdmenu& m, int n) {
  const kwil::Panel& t = m.Panel(2 * n + 2);
  return t.Look() == kwil::Panel::Normal && t.BackColor() == 0x55552D && t.ForeColor() == 0xFFDBBF;
}

QString weigering(int les, const QString& cijfer) {
  return QStringLiteral("Deze les heb je al gedaan.\r\rAlleen na overleg met je docent kun je een les overdoen.\r\r"
                        "Het door jou behaalde cijfer voor les %1 is een  %2.")
      .arg(les)
      .arg(cijfer);
}

}  // namespace

class TestHoofdmenuStart : public QObject {
  Q_OBJECT
  MenuOmgeving o;

 private Q_SLOTS:
  void initTestCase() { o.maakProgrammaMap(); }
  void init() { o.begin(); }
  void cleanup() { o.end(); }

  void releaseStartsOnlyStrictlyInside_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<Qt::MouseButton>("knop");
    QTest::addColumn<QPointF>("los");
    QTest::addColumn<bool>("start");
    QTest::newRow("inside") << 1 << Qt::LeftButton << QPointF(37, 120) << true;
    QTest::newRow("right button inside") << 2 << Qt::RightButton << QPointF(37, 120) << true;
    QTest::newRow("middle button inside") << 3 << Qt::MiddleButton << QPointF(37, 120) << true;
    QTest::newRow("just inside the far corner") << 4 << Qt::LeftButton << QPointF(74.5, 249.5) << true;
    QTest::newRow("just inside the near corner") << 5 << Qt::LeftButton << QPointF(0.1, 0.1) << true;
    QTest::newRow("on the left edge") << 1 << Qt::LeftButton << QPointF(0, 120) << false;
    QTest::newRow("on the top edge") << 1 << Qt::LeftButton << QPointF(37, 0) << false;
    QTest::newRow("on the right edge") << 1 << Qt::LeftButton << QPointF(75, 120) << false;
    QTest::newRow("on the bottom edge") << 1 << Qt::LeftButton << QPointF(37, 250) << false;
    QTest::newRow("left of the picture") << 2 << Qt::LeftButton << QPointF(-20, 120) << false;
    QTest::newRow("above the picture") << 2 << Qt::LeftButton << QPointF(37, -3) << false;
    QTest::newRow("below the picture") << 2 << Qt::LeftButton << QPointF(37, 400) << false;
  }
  void releaseStartsOnlyStrictlyInside() {
    QFETCH(int, les);
    QFETCH(Qt::MouseButton, knop);
    QFETCH(QPointF, los);
    QFETCH(bool, start);
    Hoofdmenu& m = o.toon();
    state().Stap = 12;
    MenuOmgeving::beweeg(m.ImageBox(les));
    MenuOmgeving::druk(m.ImageBox(les), knop);
    // Any button presses the picture in.
    QCOMPARE(o.klikGeluiden(), 1);
    QCOMPARE(o.plaatje(les), bediendKleur(les));
    const kwil::Panel& titel = m.Panel(2 * les + 2);
    QCOMPARE(titel.Look(), int(kwil::Panel::Highlighted));
    QCOMPARE(titel.BackColor(), 0xC0FFFF);
    QCOMPARE(titel.ForeColor(), 0x865B38);
    QCOMPARE(state().IngedruktPlaatje, les);
    QCOMPARE(state().OplichtendPlaatje, les);
    MenuOmgeving::laatLos(m.ImageBox(les), los, knop);
    // Picture, panels and outputs go back whether or not the lesson starts.
    QCOMPARE(o.plaatje(les), onbediendKleur(les));
    QVERIFY(titelNormaal(m, les));
    QCOMPARE(m.Panel(2 * les + 1).Look(), int(kwil::Panel::Normal));
    QCOMPARE(m.Panel(2 * les + 1).BackColor(), 0xE3BB9B);
    QCOMPARE(state().Uitgangen, 0);
    QCOMPARE(state().IngedruktPlaatje, 0);
    QCOMPARE(state().OplichtendPlaatje, 0);
    QCOMPARE(state().Hoofdstuk, start ? les : 0);
    QCOMPARE(state().Stap, start ? 1 : 12);
    for (int n = 1; n <= 5; ++n) QCOMPARE(window(lessonWindow(n))->isVisible(), start && n == les);
    QCOMPARE(m.isVisible(), !start);
    QVERIFY(o.basis.dialogs->messages.isEmpty());
  }

  // A lesson without a window says so and leaves the menu polling the push buttons.
  void lessonWithoutWindowStaysInTheMenu() {
    resetWindows();
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<Hoofdmenu>(); });
    auto& m = *windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
    m.Show();
    m.StartLes(2);
    QCOMPARE(state().Hoofdstuk, 0);
    QCOMPARE(o.basis.dialogs->messages.size(), 1);
    QCOMPARE(o.basis.dialogs->messages.first().text, QStringLiteral("Deze les is nog niet beschikbaar."));
    QVERIFY(m.isVisible());
    m.TijdInterval.fire();
    QVERIFY(m.TijdInterval.Enabled());
  }

  void backgroundBetweenPressAndReleaseCancels() {
    Hoofdmenu& m = o.toon();
    MenuOmgeving::druk(m.ImageBox(2));
    o.beweegOverAchtergrond();
    QCOMPARE(o.plaatje(2), onbediendKleur(2));
    QCOMPARE(state().IngedruktPlaatje, 0);
    QCOMPARE(state().OplichtendPlaatje, 0);
    MenuOmgeving::laatLos(m.ImageBox(2), QPointF(37, 120));
    QCOMPARE(state().Hoofdstuk, 0);
    QVERIFY(m.isVisible());
    // The title keeps its pressed face, its text back to normal, until a later release.
    const kwil::Panel& titel = m.Panel(6);
    QCOMPARE(titel.Look(), int(kwil::Panel::Highlighted));
    QCOMPARE(titel.BackColor(), 0xC0FFFF);
    QCOMPARE(titel.ForeColor(), 0xFFDBBF);
  }

  void lessonWithAMarkIsRefused_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<int>("cijfer");
    QTest::addColumn<bool>("metMuis");
    QTest::newRow("lesson 1, mark 1, mouse") << 1 << 1 << true;
    QTest::newRow("lesson 3, mark 10, mouse") << 3 << 10 << true;
    QTest::newRow("lesson 5, mark 6, push button") << 5 << 6 << false;
  }
  void lessonWithAMarkIsRefused() {
    QFETCH(int, les);
    QFETCH(int, cijfer);
    QFETCH(bool, metMuis);
    state().Cijfers[les] = cijfer;
    Hoofdmenu& m = o.toon();
    if (metMuis) {
      MenuOmgeving::druk(m.ImageBox(les));
      MenuOmgeving::laatLos(m.ImageBox(les), QPointF(37, 120));
    } else {
      o.hw->k8055->digital[0] = 1 << (les - 1);
      o.basis.events->onPump = [&] { o.hw->k8055->digital[0] = 0; };
      m.TijdInterval.fire();
    }
    QCOMPARE(o.basis.dialogs->messages.size(), 1);
    const auto& bericht = o.basis.dialogs->messages[0];
    QCOMPARE(bericht.text, weigering(les, QString::number(cijfer)));
    QVERIFY(bericht.text.endsWith(QStringLiteral("is een  %1.").arg(cijfer)));
    QCOMPARE(bericht.buttons, 0);
    QCOMPARE(bericht.title, QStringLiteral("Kwilmora"));
    QCOMPARE(state().Hoofdstuk, 0);
    QVERIFY(m.isVisible());
    QVERIFY(!window(lessonWindow(les))->isVisible());
    QVERIFY(m.TijdInterval.Enabled());
  }

  void pushButtonStartsAfterItsRelease_data() {
    QTest::addColumn<int>("ingedrukt");     // raw value of the card while held
    QTest::addColumn<int>("losgelaten");    // raw value after the release
    QTest::addColumn<int>("les");           // 0 = none
    QTest::newRow("s1") << 0b00001 << 0 << 1;
    QTest::newRow("s3") << 0b00100 << 0 << 3;
    QTest::newRow("s5") << 0b10000 << 0 << 5;
    QTest::newRow("s2 and s4: s2 wins, only its release counts") << 0b01010 << 0b01000 << 2;
    QTest::newRow("change without a push button") << 0b100000 << 0b100000 << 0;
  }
  void pushButtonStartsAfterItsRelease() {
    QFETCH(int, ingedrukt);
    QFETCH(int, losgelaten);
    QFETCH(int, les);
    Hoofdmenu& m = o.toon();
    fake::FakeK8055Cards& kaart = *o.hw->k8055;
    const auto schrijvenVoor = kaart.writes.size();
    kaart.digital[0] = ingedrukt;
    // While held, the pupil sees the pressed lesson and its LED; it is released on the fourth
    // pass of the event pump (one for the first read, one for the pause, two of waiting).
    int pompen = 0;
    bool gezienTijdensWachten = false;
    o.basis.events->onPump = [&] {
      if (++pompen > 1000) kaart.digital[0] = 0;  // a wait for the wrong button must end
      if (pompen != 4) return;
      const kwil::Panel& titel = m.Panel(2 * les + 2);
      gezienTijdensWachten = o.plaatje(les) == bediendKleur(les) && titel.BackColor() == 0xC0FFFF &&
                             titel.Look() == kwil::Panel::Highlighted && titel.ForeColor() == 0xFFDBBF &&
                             m.Panel(2 * les + 1).Look() == kwil::Panel::Normal &&
                             state().Uitgangen == 1 << (les - 1) && state().Hoofdstuk == 0;
      kaart.digital[0] = losgelaten;
    };
    if (les == 0) pompen = 100;  // nothing is pressed, so nothing waits
    m.TijdInterval.fire();
    QCOMPARE(o.klikGeluiden(), 1);
    QCOMPARE(state().VorigeIngangen, losgelaten);
    if (les == 0) {
      QCOMPARE(state().Hoofdstuk, 0);
      QCOMPARE(kaart.writes.size(), schrijvenVoor);
      QVERIFY(m.TijdInterval.Enabled());
      return;
    }
    QVERIFY(gezienTijdensWachten);
    QVERIFY(pompen > 4);
    QCOMPARE(o.plaatje(les), onbediendKleur(les));
    QVERIFY(titelNormaal(m, les));
    QCOMPARE(state().Uitgangen, 0);
    QCOMPARE(kaart.writes.last().second, 0);
    QCOMPARE(state().Hoofdstuk, les);
    QCOMPARE(state().Stap, 1);
    QVERIFY(window(lessonWindow(les))->isVisible());
    QVERIFY(!m.isVisible());
    QVERIFY(!m.TijdInterval.Enabled());
    // The push-button path leaves the mouse's state alone.
    QCOMPARE(state().OplichtendPlaatje, 0);
    QCOMPARE(state().IngedruktPlaatje, 0);
  }

  // Once the pupil has left the menu with the mouse, a push button released afterwards starts
  // no second window on top of the one now shown.
  void leavingTheMenuWhileAButtonIsHeldStartsNothing_data() {
    QTest::addColumn<QString>("weg");
    QTest::addColumn<int>("hoofdstuk");
    QTest::newRow("back to the selection window during the wait") << "selectie" << 0;
    QTest::newRow("lesson 1 by mouse, s3 at the next tick") << "les1" << 1;
  }
  void leavingTheMenuWhileAButtonIsHeldStartsNothing() {
    QFETCH(QString, weg);
    QFETCH(int, hoofdstuk);
    Hoofdmenu& m = o.toon();
    const bool naarSelectie = weg == QLatin1String("selectie");
    if (!naarSelectie) {
      MenuOmgeving::druk(m.ImageBox(1));
      MenuOmgeving::laatLos(m.ImageBox(1), QPointF(37, 120));
    }
    o.hw->k8055->digital[0] = 0b100;
    int pompen = 0;
    o.basis.events->onPump = [&] {
      if (++pompen == 3 && naarSelectie) QTest::mouseClick(&m.Command(1), Qt::LeftButton);
      if (pompen == 5) o.hw->k8055->digital[0] = 0;
    };
    m.TijdInterval.fire();
    QCOMPARE(window(WindowId::Selectie)->isVisible(), naarSelectie);
    QVERIFY(!m.isVisible());
    QCOMPARE(state().Hoofdstuk, hoofdstuk);
    QCOMPARE(window(WindowId::NietEnOf)->isVisible(), hoofdstuk == 1);
    QVERIFY(!window(WindowId::LogSchak)->isVisible());
    // The hidden menu does not go on polling the interface under the other window.
    QVERIFY(!m.TijdInterval.Enabled());
  }

  void pollingTimerRules_data() {
    QTest::addColumn<QString>("weg");
    QTest::addColumn<bool>("naStart");
    QTest::addColumn<bool>("naVolgendeTik");
    QTest::newRow("mouse start: the next tick stops the timer") << "muis" << true << false;
    QTest::newRow("push-button start: off at once") << "knop" << false << false;
    QTest::newRow("refusal: keeps polling") << "geweigerd" << true << true;
  }
  void pollingTimerRules() {
    QFETCH(QString, weg);
    QFETCH(bool, naStart);
    QFETCH(bool, naVolgendeTik);
    if (weg == QLatin1String("geweigerd")) state().Cijfers[1] = 8;
    Hoofdmenu& m = o.toon();
    QVERIFY(m.TijdInterval.Enabled());
    if (weg == QLatin1String("knop")) {
      o.hw->k8055->digital[0] = 1;
      o.basis.events->onPump = [&] { o.hw->k8055->digital[0] = 0; };
      m.TijdInterval.fire();
    } else {
      MenuOmgeving::druk(m.ImageBox(1));
      MenuOmgeving::laatLos(m.ImageBox(1), QPointF(37, 120));
    }
    QCOMPARE(m.TijdInterval.Enabled(), naStart);
    if (naStart) m.TijdInterval.fire();
    QCOMPARE(m.TijdInterval.Enabled(), naVolgendeTik);
    // Shown again (a lesson's Stop): polling starts again and Hoofdstuk is back to 0.
    m.Show();
    QVERIFY(m.TijdInterval.Enabled());
    QCOMPARE(state().Hoofdstuk, 0);
  }

  // An Arduino unplugged while s1 is held never reports the release; the wait must end.
  void boardUnpluggedDuringTheReleaseWait() {
    fake::FakeSerialLine& com1 = o.hw->serial->port(1);
    const auto antwoord = [](const char* waarde) {
      return [waarde](const QByteArray& sent) { return sent == "7/" ? QByteArray(waarde) : QByteArray(); };
    };
    com1.reply = antwoord("DI0");
    serialPort().CommPort = 1;
    serialPort().setPortOpen(true);
    state().InterfaceSoort = SoortArduino;
    state().ComPoort = 1;
    Hoofdmenu& m = o.toon();
    com1.reply = antwoord("DI1");  // s1 goes down after the menu has taken its first reading
    int pompen = 0;
    bool hingVast = false;
    o.basis.events->onPump = [&] {
      ++pompen;
      if (pompen == 5) com1.vanished = true;
      if (pompen > 2000 && !hingVast) {  // the wait spins: let the board "release" to end the test
        hingVast = true;
        com1.reply = antwoord("DI0");
        com1.vanished = false;
        serialPort().setPortOpen(true);
      }
    };
    m.TijdInterval.fire();  // sends the poll; its "DI1" reply is taken by the next one
    m.TijdInterval.fire();
    QVERIFY(pompen >= 5);
    QVERIFY(!hingVast);
    QVERIFY(!serialPort().PortOpen());
  }

  void realTimerStartsALessonByPushButton() {
    Hoofdmenu& m = o.toon();
    o.hw->k8055->digital[0] = 0b10;
    int pompen = 0;
    o.basis.events->onPump = [&] {
      if (state().Uitgangen == 2 && ++pompen == 3) o.hw->k8055->digital[0] = 0;
    };
    QTRY_COMPARE(state().Hoofdstuk, 2);
    QVERIFY(window(WindowId::Waarheidstabel)->isVisible());
    QTest::qWait(30);
    QVERIFY(!m.TijdInterval.Enabled());
    QCOMPARE(o.klikGeluiden(), 1);
  }
};

QTEST_MAIN(TestHoofdmenuStart)
#include "tst_hoofdmenu_start.moc"

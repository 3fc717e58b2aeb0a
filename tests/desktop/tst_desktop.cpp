// The real program on a real desktop: the `kwilmora` binary of the build under a private X
// server with a window manager (openbox, and metacity), a private sound server, an Arduino and
// an iCP12 simulated on pseudo-terminals, driven with real mouse and key events. It sees what
// the offscreen tests cannot: a window measured before the window manager has maximised it,
// the end of the program, a key press travelling through the window system, list clicks, and a
// window that is shown again painted whole.
// Screenshots of a failure are left in the test output folder.
#include <QSettings>
#include <QTest>

#include "support/arduino_sim.h"
#include "support/db_testfiles.h"
#include "support/desktop_session.h"
#include "support/icp12_sim.h"
#include "support/pulse_sink.h"

using namespace kwil;
using namespace kwil::desktop;

namespace {

// A race that shows once in ten starts must fail the test; KWIL_DESKTOP_STARTS asks for more.
int aantalStarts() { return std::max(10, qEnvironmentVariableIntValue("KWIL_DESKTOP_STARTS")); }
constexpr int kWindowTimeoutMs = 60000;

// Which window is up, told by the colours at two points of the design.
enum class Venster { Geen, Selectie, Hoofdmenu, Les, Leraarmodule, Toets };
const QPointF kKenpunt(30, 20), kTweedeKenpunt(380, 50);

Venster vensterVanKleur(QRgb c, QRgb tweede) {
  switch (c & 0xFFFFFF) {
    case 0x000040: return Venster::Selectie;  // the title box
    case 0xD5E5FA: return Venster::Les;       // the lesson window's own colour
    case 0x2D5555: return Venster::Toets;     // the test window's title
    case 0xBFDBFF:  // the pupil's name panel or the teacher module's title, told apart by
                    // lesson 3's picture in the menu
      return qGray(tweede) > 230 ? Venster::Hoofdmenu : Venster::Leraarmodule;
    default: return Venster::Geen;
  }
}

const char* naam(Venster v) {
  switch (v) {
    case Venster::Selectie: return "the selection window";
    case Venster::Hoofdmenu: return "the main menu";
    case Venster::Les: return "a lesson window";
    case Venster::Leraarmodule: return "the teacher module";
    case Venster::Toets: return "the test window";
    default: return "no known window";
  }
}

// Places on the windows' 640 x 480 design.
namespace plek {
const QPointF kStoppen(572, 454), kLeraarmodule(116, 454), kKlasNietInLijst(468, 164);
const QRectF kSelectieLijst(32, 198, 272, 170);
const QPointF kMenuLes1(261, 141), kMenuHoofdmenu(108, 175);
const QPointF kLesVerder(572, 337), kLesStop(572, 457);
// "Les N stap M van K": at the foot of lesson 1, at the top of lesson 4.
const QRectF kVoettekstLes1(13, 462, 220, 15), kVoettekstLes4(424, 16, 112, 16);
const QRectF kKlassen(8, 64, 120, 194), kLeerlingen(8, 312, 470, 160);
const QPointF kVerwijderen(286, 277), kLeraarHoofdmenu(560, 455);
// The selection window's title box reaches here only when the window was scaled to the screen.
const QPointF kTitelRechts(380, 50);
// The selection window below its lamps and instruction, which change colour by themselves.
const QRectF kSelectieOnderInstructie(0, 145, 640, 335);
}  // namespace plek

// The part of a window's picture at a rectangle of the design.
QImage ontwerpDeel(const QImage& venster, const QRectF& deel) {
  const qreal sx = venster.width() / 640.0, sy = venster.height() / 480.0;
  return venster.copy(QRectF(deel.x() * sx, deel.y() * sy, deel.width() * sx, deel.height() * sy).toRect());
}

// The smallest rectangle that holds every pixel in which two pictures of one size differ.
QRect verschil(const QImage& a, const QImage& b) {
  QRect anders;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) anders |= QRect(x, y, 1, 1);
  return anders;
}

}  // namespace

class TestDesktop : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  test::PulseNullSink sound_;
  std::unique_ptr<DesktopSession> session_;
  std::unique_ptr<ProgramRun> program_;
  std::unique_ptr<sim::ArduinoSim> arduino_;
  std::unique_ptr<sim::Icp12Sim> icp12_;
  QString db_;

  static QString outputFolder() {
    const QString set = qEnvironmentVariable("KWIL_TEST_OUTPUT");
    return set.isEmpty() ? QDir::tempPath() + QStringLiteral("/kwilmora-desktop") : set;
  }

  QString executable() const { return qEnvironmentVariable("KWIL_PROGRAM_DIR") + QStringLiteral("/kwilmora"); }

  // The environment of a pupil's session: the settings in a folder of the test's own, with the
  // database path in them, and the two boards as COM 1 and COM 2.
  QProcessEnvironment programmaOmgeving(const QString& dataPath) {
    const QString config = dir_.path() + QStringLiteral("/config");
    QDir().mkpath(config + QStringLiteral("/Kwilmora"));
    QFile settings(config + QStringLiteral("/Kwilmora/Kwilmora.conf"));
    settings.open(QIODevice::WriteOnly | QIODevice::Truncate);
    settings.write("[Settings]\nDataPath=" + dataPath.toUtf8() + "\n");
    settings.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("KWILMORA_COM_PORTS"), arduino_->slavePath() + QLatin1Char(':') + icp12_->slavePath());
    env.remove(QStringLiteral("KWIL_PROGRAM_DIR"));  // the program finds its folder itself
    return env;
  }

  bool startSession(const QString& manager, const QSize& screen = QSize(1024, 768)) {
    const QStringList missing = missingTools(manager);
    if (!missing.isEmpty()) {
      if (qEnvironmentVariableIsSet("CI")) qFatal("missing for the desktop tests: %s", qPrintable(missing.join(' ')));
      QTest::qSkip(qPrintable(QStringLiteral("not installed: ") + missing.join(QLatin1Char(' '))), __FILE__, __LINE__);
      return false;
    }
    session_ = std::make_unique<DesktopSession>();
    if (!session_->start(manager, screen)) {
      QTest::qFail(qPrintable(session_->error()), __FILE__, __LINE__);
      return false;
    }
    return true;
  }

  void startProgram(const QString& dataPath) {
    program_ = std::make_unique<ProgramRun>(*session_, executable(), programmaOmgeving(dataPath));
  }

  // On failure: the screen and the program's output, for whoever has to find out why, and the
  // picture of a window that the test took before, if any.
  void bewaarBewijs(const QString& stap, const QImage& eerder = {}) {
    if (!session_) return;
    const QString naamBestand = QStringLiteral("%1-%2").arg(QString::fromLatin1(QTest::currentDataTag()), stap)
                                    .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9-]")), QStringLiteral("_"));
    const QString pad = session_->saveScreenshot(outputFolder(), naamBestand);
    qWarning("screenshot: %s", qPrintable(pad));
    if (!eerder.isNull())
      eerder.save(outputFolder() + QLatin1Char('/') + naamBestand + QStringLiteral("-eerder.png"));
    if (program_) qWarning("program output:\n%s", qPrintable(program_->output()));
  }

  Venster huidigVenster() {
    const QImage beeld = program_->mainWindowPicture();
    if (beeld.isNull()) return Venster::Geen;
    auto op = [&](const QPointF& d) {
      return beeld.pixel(qRound(d.x() * beeld.width() / 640), qRound(d.y() * beeld.height() / 480));
    };
    return vensterVanKleur(op(kKenpunt), op(kTweedeKenpunt));
  }

  // Waits until `v` is the one window of the program on the screen, filling its width.
  bool isAlleen(Venster v) {
    const QList<ProgramWindow> w = program_->windows();
    return w.size() == 1 && w.first().inner.width() == session_->screenSize().width() && huidigVenster() == v;
  }
  bool wachtOp(Venster v, const QString& stap) {
    const bool ok = QTest::qWaitFor([&] { return isAlleen(v); }, kWindowTimeoutMs);
    if (!ok) {
      bewaarBewijs(stap);
      qWarning("%s: waited for %s, the screen shows %s in %d window(s)", qPrintable(stap), naam(v),
               naam(huidigVenster()), int(program_->windows().size()));
    }
    return ok;
  }

  // A click that takes the pupil to another window. A click that lands while the window is
  // still settling may be lost, as it may for a pupil, who then clicks again.
  bool klikNaar(const QPointF& plekInOntwerp, Venster v, const QString& stap) {
    program_->click(plekInOntwerp.x(), plekInOntwerp.y());
    if (QTest::qWaitFor([&] { return isAlleen(v); }, kWindowTimeoutMs / 4)) return true;
    program_->click(plekInOntwerp.x(), plekInOntwerp.y());
    return wachtOp(v, stap);
  }

  // A message box comes up over the window; Return answers it with its default button.
  bool beantwoordMelding(const QString& stap) {
    if (!QTest::qWaitFor([&] { return program_->windows().size() == 2; }, kWindowTimeoutMs)) {
      bewaarBewijs(stap);
      return false;
    }
    QTest::qWait(500);  // the window manager gives the new dialog the keyboard
    program_->key(QStringLiteral("Return"));
    return QTest::qWaitFor([&] { return program_->windows().size() <= 1; }, kWindowTimeoutMs);
  }

  // The start-up is over once the selection window polls the board again and again.
  bool wachtOpEindeStart() {
    const qsizetype voor = arduino_->received().count("7/");
    return QTest::qWaitFor([&] { return arduino_->received().count("7/") >= voor + 2; }, kWindowTimeoutMs);
  }

  void klikRegel(const QRectF& lijst, int regel, const QString& stap) {
    const QList<int> regels = program_->listLineCentres(lijst);
    if (regels.size() < regel) {
      bewaarBewijs(stap);
      QFAIL(qPrintable(QStringLiteral("%1: the list shows %2 line(s)").arg(stap).arg(regels.size())));
    }
    const QPoint links = program_->onScreen(float(lijst.left() + 20), 0);
    program_->clickAt(QPoint(links.x(), regels.at(regel - 1)));
  }

  // Clicks "Verder" and waits until the page turn is over: the footer names another page and
  // the window stands still. The workbook page's question (a pupil who is on within ten
  // seconds is asked whether the drawing is done) is answered yes.
  bool bladerVerder(const QRectF& voetRegel = plek::kVoettekstLes1) {
    auto voettekst = [&](const QImage& venster) { return ontwerpDeel(venster, voetRegel); };
    const QImage voor = voettekst(program_->mainWindowPicture());
    program_->click(plek::kLesVerder.x(), plek::kLesVerder.y());
    QImage vorig;
    const bool klaar = QTest::qWaitFor(
        [&] {
          if (program_->windows().size() == 2 && !beantwoordMelding(QStringLiteral("workbook question"))) return false;
          const QImage nu = program_->mainWindowPicture();
          const bool stil = voettekst(nu) != voor && nu == vorig;
          vorig = nu;
          return stil;
        },
        kWindowTimeoutMs);
    if (!klaar) bewaarBewijs(QStringLiteral("page turn"));
    return klaar;
  }

  void logIn() {
    QVERIFY(wachtOpEindeStart());
    QVERIFY(wachtOp(Venster::Selectie, QStringLiteral("before login")));
    klikRegel(plek::kSelectieLijst, 1, QStringLiteral("class"));
    QTest::qWait(300);
    klikRegel(plek::kSelectieLijst, 1, QStringLiteral("pupil"));
    QTest::qWait(300);
    program_->type(QStringLiteral("zon"));
    program_->key(QStringLiteral("Return"));
    QVERIFY(wachtOp(Venster::Hoofdmenu, QStringLiteral("login")));
  }

  // The teacher's way in: "Leraarmodule", the password and Return.
  bool naarLeraarmodule(const QString& stap) {
    program_->click(plek::kLeraarmodule.x(), plek::kLeraarmodule.y());
    QTest::qWait(300);
    program_->type(QStringLiteral("leraar"));
    program_->key(QStringLiteral("Return"));
    return wachtOp(Venster::Leraarmodule, stap);
  }

  // The window as it is shown must be the window painted afresh, which it is once restored and
  // maximised again. `deel` (on the design) leaves out what changes by itself.
  void vergelijkMetVersGeschilderd(Venster v, const QRectF& deel, const QString& stap) {
    program_->pointAtTitleBar();  // no control lit up under the pointer
    QTest::qWait(500);
    const QImage getoond = ontwerpDeel(program_->mainWindowPicture(), deel);
    program_->toggleMaximised();
    QVERIFY(QTest::qWaitFor([&] { return !isAlleen(v); }, kWindowTimeoutMs));
    program_->toggleMaximised();
    QVERIFY(wachtOp(v, stap));
    QTest::qWait(500);
    const QImage vers = ontwerpDeel(program_->mainWindowPicture(), deel);
    QCOMPARE(vers.size(), getoond.size());
    if (vers == getoond) return;
    bewaarBewijs(stap, getoond);
    const QRect anders = verschil(getoond, vers);
    QFAIL(qPrintable(
        QStringLiteral("%1: differs from the window painted afresh in x %2..%3, y %4..%5 of the part")
            .arg(stap)
            .arg(anders.left())
            .arg(anders.right())
            .arg(anders.top())
            .arg(anders.bottom())));
  }

  // Lesson 4 from the main menu by its push button s4, paged to its end with s1 to s3 worked
  // on every page (together they meet every page's task), on to its test.
  bool les4TotToets(const QString& stap) {
    constexpr int kS4 = 8;
    arduino_->setButtons(kS4);
    QTest::qWait(300);
    arduino_->setButtons(0);
    if (!wachtOp(Venster::Les, stap + QStringLiteral(": lesson 4"))) return false;
    for (int pagina = 1; pagina <= 22; ++pagina) {
      for (const int knoppen : {1, 3, 7}) {
        arduino_->setButtons(knoppen);
        QTest::qWait(150);
        arduino_->setButtons(0);
        QTest::qWait(50);
      }
      const bool verder = pagina < 22 ? bladerVerder(plek::kVoettekstLes4)
                                      : klikNaar(plek::kLesVerder, Venster::Toets, stap + QStringLiteral(": the test"));
      if (!verder) {
        qWarning("%s: lesson 4 stuck on page %d", qPrintable(stap), pagina);
        return false;
      }
    }
    return true;
  }

  // Ten questions answered with the first box, the mark acknowledged, back in the main menu.
  bool maakToets(const QString& stap) {
    for (int vraag = 1; vraag <= 10; ++vraag) {
      program_->key(QStringLiteral("1"));
      program_->key(QStringLiteral("Return"));
      QTest::qWait(200);
    }
    return beantwoordMelding(stap + QStringLiteral(": mark")) && wachtOp(Venster::Hoofdmenu, stap + QStringLiteral(": menu"));
  }

  void stopVanuitSelectie() {
    program_->click(plek::kStoppen.x(), plek::kStoppen.y());
    const bool ended = program_->waitForEnd(kWindowTimeoutMs);
    if (!ended) bewaarBewijs(QStringLiteral("stoppen"));
    QVERIFY2(ended, "the program did not end on \"Stoppen\"");
    QVERIFY2(!program_->crashed(), qPrintable(program_->output()));
    QCOMPARE(program_->exitCode(), 0);
  }

  QString maakDatabase(const QString& naamBestand) {
    const QString pad = dir_.path() + QLatin1Char('/') + QString::fromLatin1(QTest::currentTestFunction()) + naamBestand;
    dbtest::freshDatabase(pad);
    const QString rij =
        QStringLiteral("INSERT INTO leerlingen (klas, voornaam, tussenvoegsel, achternaam, wachtwoord) VALUES (?, ?, ?, ?, ?)");
    dbtest::query(pad, rij, {"2B", "Anna", "van", "Dijk", "zon"});
    dbtest::query(pad, rij, {"3C", "Piet", "", "Bakker", "p"});
    dbtest::query(pad, rij, {"3C", "Els", "", "Jansen", "e"});
    return pad;
  }

  static void windowManagers() {
    QTest::addColumn<QString>("manager");
    QTest::newRow("openbox") << "openbox";
    QTest::newRow("metacity") << "metacity";
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY2(QFileInfo(executable()).isExecutable(), qPrintable(executable()));
    QVERIFY2(sound_.start(), qPrintable(sound_.error()));
  }

  void init() {
    arduino_ = std::make_unique<sim::ArduinoSim>();
    icp12_ = std::make_unique<sim::Icp12Sim>();
    arduino_->startThread();
    icp12_->startThread();
  }

  void cleanup() {
    program_.reset();
    session_.reset();
    arduino_.reset();
    icp12_.reset();
  }

  // Ten starts to a selection window scaled to the maximised inner area, each followed by a
  // login, lesson 1 opened from the main menu, and the way back to "Stoppen", which ends the
  // program with status 0.
  void startsReachTheirWindows_data() { windowManagers(); }
  void startsReachTheirWindows() {
    QFETCH(QString, manager);
    if (!startSession(manager)) return;
    const QString db = maakDatabase(manager + QStringLiteral(".db"));
    for (int start = 1; start <= aantalStarts(); ++start) {
      startProgram(db);
      const QString ronde = QStringLiteral("start %1").arg(start);
      QVERIFY2(wachtOp(Venster::Selectie, ronde), qPrintable(ronde));
      const ProgramWindow venster = program_->mainWindow();
      QCOMPARE(venster.inner.width(), 1024);
      QVERIFY2(venster.inner.height() < 768 && venster.inner.height() > 700, qPrintable(ronde));
      const QPoint titel = program_->onScreen(plek::kTitelRechts.x(), plek::kTitelRechts.y());
      QCOMPARE(session_->screenshot().pixel(titel) & 0xFFFFFF, 0x000040u);

      logIn();
      if (QTest::currentTestFailed()) return;
      QVERIFY2(klikNaar(plek::kMenuLes1, Venster::Les, ronde + QStringLiteral(" lesson 1")), qPrintable(ronde));
      QCOMPARE(program_->mainWindow().inner.size(), venster.inner.size());
      QVERIFY(klikNaar(plek::kLesStop, Venster::Hoofdmenu, ronde + QStringLiteral(" back to the menu")));
      QVERIFY(klikNaar(plek::kMenuHoofdmenu, Venster::Selectie, ronde + QStringLiteral(" logged out")));
      stopVanuitSelectie();
      if (QTest::currentTestFailed()) return;
    }
  }

  // A pupil registers by keyboard; one tap of F12 is one iCP12 search; F1 held stands in for
  // push button s1; the teacher module's lists act on the line clicked.
  void keysAndListsByRealEvents_data() { windowManagers(); }
  void keysAndListsByRealEvents() {
    QFETCH(QString, manager);
    if (!startSession(manager)) return;
    const QString db = maakDatabase(manager + QStringLiteral(".db"));
    startProgram(db);
    QVERIFY(wachtOp(Venster::Selectie, QStringLiteral("start")));

    // A new pupil registers: a class that is not in the list yet, then the three names.
    QVERIFY(wachtOpEindeStart());
    program_->click(plek::kKlasNietInLijst.x(), plek::kKlasNietInLijst.y());
    QTest::qWait(500);
    for (const QString& invoer : {QStringLiteral("4D"), QStringLiteral("Sem"), QStringLiteral("de"), QStringLiteral("Vries")}) {
      program_->type(invoer);
      program_->key(QStringLiteral("Return"));
      QTest::qWait(300);
    }
    QVERIFY(beantwoordMelding(QStringLiteral("registered")));  // "Je gegevens zijn toegevoegd."
    QCOMPARE(dbtest::query(db, QStringLiteral("SELECT voornaam, tussenvoegsel, achternaam FROM leerlingen WHERE klas = '4D'")),
             (QList<QVariantList>{{QStringLiteral("Sem"), QStringLiteral("de"), QStringLiteral("Vries")}}));
    logIn();
    if (QTest::currentTestFailed()) return;
    QVERIFY(klikNaar(plek::kMenuLes1, Venster::Les, QStringLiteral("lesson 1")));

    // F12: each board is asked once whether it is an iCP12, and the one that is gets its pins.
    program_->key(QStringLiteral("F12"));
    QVERIFY(QTest::qWaitFor([&] { return icp12_->outputPins().size() == 8; }, kWindowTimeoutMs));
    QTest::qWait(500);  // a second search, if there were one, would have begun by now
    QCOMPARE(arduino_->received().count("(ZMD)"), 1);
    QCOMPARE(icp12_->received().count("(ZMD)"), 1);

    // Page 5 lets the pupil on only after s1 was pressed: first refused, then with F1 held.
    for (int pagina = 1; pagina < 5; ++pagina) QVERIFY(bladerVerder());
    program_->click(plek::kLesVerder.x(), plek::kLesVerder.y());
    QVERIFY2(beantwoordMelding(QStringLiteral("page 5 refused")), "page 5 let the pupil on without s1");
    program_->keyDown(QStringLiteral("F1"));
    QTest::qWait(300);
    program_->keyUp(QStringLiteral("F1"));
    program_->click(plek::kLesVerder.x(), plek::kLesVerder.y());
    QTest::qWait(1000);
    QCOMPARE(program_->windows().size(), 1);  // no refusal this time

    QVERIFY(klikNaar(plek::kLesStop, Venster::Hoofdmenu, QStringLiteral("menu")));
    QVERIFY(klikNaar(plek::kMenuHoofdmenu, Venster::Selectie, QStringLiteral("logged out")));

    // The teacher deletes the second pupil of the second class, chosen by mouse.
    QVERIFY(naarLeraarmodule(QStringLiteral("teacher module")));
    klikRegel(plek::kKlassen, 2, QStringLiteral("class 3C"));
    QTest::qWait(500);
    klikRegel(plek::kLeerlingen, 2, QStringLiteral("pupil Jansen"));
    QTest::qWait(500);
    program_->click(plek::kVerwijderen.x(), plek::kVerwijderen.y());
    QVERIFY(beantwoordMelding(QStringLiteral("delete question")));
    const QList<QVariantList> over = dbtest::query(db, QStringLiteral("SELECT achternaam FROM leerlingen ORDER BY id"));
    QCOMPARE(over, (QList<QVariantList>{{QStringLiteral("Dijk")}, {QStringLiteral("Bakker")}, {QStringLiteral("Vries")}}));

    QVERIFY(klikNaar(plek::kLeraarHoofdmenu, Venster::Selectie, QStringLiteral("back from the teacher module")));
    stopVanuitSelectie();
  }

  // A window shown again is painted whole, also beyond the 640 x 480 that the window manager
  // gave it while it was hidden, controls that paint their own background included: the test
  // window of a second test, whose question box shows another question, the selection window
  // back from the teacher module, which showed the password form and other buttons when it
  // was hidden, and the teacher module again, whose pupils changed meanwhile.
  void windowsShownAgainArePaintedWhole_data() { windowManagers(); }
  void windowsShownAgainArePaintedWhole() {
    QFETCH(QString, manager);
    if (!startSession(manager)) return;
    const QString db = maakDatabase(manager + QStringLiteral(".db"));
    startProgram(db);
    // The test window of a second test opens on its first question, set when the window is
    // shown and still at the size the window manager gave it while hidden. The question box
    // paints its own background, and the question runs past x = 640.
    logIn();
    if (QTest::currentTestFailed()) return;
    QVERIFY(les4TotToets(QStringLiteral("first test")));
    QVERIFY(maakToets(QStringLiteral("first test")));
    // The teacher clears the mark, so that the pupil may do lesson 4 again.
    dbtest::query(db, QStringLiteral("UPDATE leerlingen SET CijferLes4 = 0, AntwLes4 = NULL"));
    QVERIFY(klikNaar(plek::kMenuHoofdmenu, Venster::Selectie, QStringLiteral("logged out")));
    logIn();
    if (QTest::currentTestFailed()) return;
    QVERIFY(les4TotToets(QStringLiteral("second test")));
    vergelijkMetVersGeschilderd(Venster::Toets, QRectF(0, 0, 640, 480), QStringLiteral("second test"));
    if (QTest::currentTestFailed()) return;
    QVERIFY(maakToets(QStringLiteral("second test")));
    QVERIFY(klikNaar(plek::kMenuHoofdmenu, Venster::Selectie, QStringLiteral("logged out again")));
    // Whether the program paints before the window manager maximises the window goes either
    // way; every round is one more chance to lose.
    for (int ronde = 1; ronde <= 4; ++ronde) {
      const QString r = QStringLiteral(" (round %1)").arg(ronde);
      QVERIFY(naarLeraarmodule(QStringLiteral("teacher module") + r));
      if (ronde > 1)
        vergelijkMetVersGeschilderd(Venster::Leraarmodule, QRectF(0, 0, 640, 480),
                                    QStringLiteral("teacher module again") + r);
      QVERIFY(klikNaar(plek::kLeraarHoofdmenu, Venster::Selectie,
                       QStringLiteral("back to the selection window") + r));
      vergelijkMetVersGeschilderd(Venster::Selectie, plek::kSelectieOnderInstructie,
                                  QStringLiteral("selection window again") + r);
      if (QTest::currentTestFailed()) return;
      // The teacher module's pupil buttons, across x = 640, go grey when it finds no pupils
      // and come back with them.
      dbtest::query(db, ronde % 2 ? QStringLiteral("DELETE FROM leerlingen")
                                  : QStringLiteral("INSERT INTO leerlingen (klas) VALUES ('2B')"));
    }
    stopVanuitSelectie();
  }

  // The program's fatal endings show their message and end with status 0, not a crash: a
  // screen 640 wide, no sound device, and both endings of a database that is not found (the
  // file dialog cancelled, or a database chosen in it, which is kept for the next start).
  void fatalEndingsExitCleanly_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<QString>("database");  // "", "missing" or "chosen"
    QTest::newRow("a screen 640 wide") << QSize(640, 480) << true << "";
    QTest::newRow("no sound device") << QSize(1024, 768) << false << "";
    QTest::newRow("no database, dialog cancelled") << QSize(1024, 768) << true << "missing";
    QTest::newRow("no database, one chosen") << QSize(1024, 768) << true << "chosen";
  }
  void fatalEndingsExitCleanly() {
    QFETCH(QSize, screen);
    QFETCH(bool, sound);
    QFETCH(QString, database);
    if (!startSession(QStringLiteral("openbox"), screen)) return;
    const QString map = dir_.path() + QStringLiteral("/gekozen-") + QString::number(qHash(QTest::currentDataTag()));
    QDir().mkpath(map);
    const QString gekozen = dbtest::freshDatabase(map + QStringLiteral("/Kwilmora.db"));
    const QString db = database.isEmpty() ? maakDatabase(QStringLiteral("einde-%1.db").arg(QTest::currentDataTag()))
                                          : dir_.path() + QStringLiteral("/nergens/Kwilmora.db");
    QProcessEnvironment env = programmaOmgeving(db);
    if (!sound) env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + dir_.path() + QStringLiteral("/none"));
    program_ = std::make_unique<ProgramRun>(*session_, executable(), env);
    // Every message is answered with its only button; the file dialog is cancelled, or given
    // the chosen database's path.
    QString vorige;
    auto dialoogOp = [&] {
      const QList<ProgramWindow> w = program_->windows();
      return w.size() >= 2 && w.last().id != vorige;
    };
    auto vorigeWeg = [&] {
      const QList<ProgramWindow> w = program_->windows();
      if (w.isEmpty()) return !program_->running();
      for (const ProgramWindow& venster : w)
        if (venster.id == vorige) return false;
      return true;
    };
    for (int dialoog = 1; dialoog <= 4; ++dialoog) {
      if (!QTest::qWaitFor([&] { return !program_->running() || dialoogOp(); }, kWindowTimeoutMs)) break;
      if (!program_->running()) break;
      vorige = program_->windows().last().id;
      QTest::qWait(500);  // the window manager gives the new dialog the keyboard
      if (database == QLatin1String("chosen") && dialoog == 2) {
        program_->type(gekozen);
        program_->key(QStringLiteral("Return"));
      } else {
        // A message box takes Return for its one button; the file dialog is cancelled.
        const bool bestandskeuze = database == QLatin1String("missing") && dialoog == 2;
        program_->key(bestandskeuze ? QStringLiteral("Escape") : QStringLiteral("Return"));
      }
      QVERIFY(QTest::qWaitFor([&] { return !program_->running() || vorigeWeg(); }, kWindowTimeoutMs));
    }
    const bool ended = program_->waitForEnd(kWindowTimeoutMs);
    if (!ended) bewaarBewijs(QStringLiteral("fatal"));
    QVERIFY2(ended, "the program did not end after its messages");
    QVERIFY2(!program_->crashed(), qPrintable(program_->output()));
    QCOMPARE(program_->exitCode(), 0);
    if (database == QLatin1String("chosen")) {
      QSettings bewaard(dir_.path() + QStringLiteral("/config/Kwilmora/Kwilmora.conf"), QSettings::IniFormat);
      QCOMPARE(bewaard.value(QStringLiteral("Settings/DataPath")).toString(), gekozen);
    }
  }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"

#include "les1page16.h"

#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

namespace kwil::bench {

namespace {

constexpr int kTimeoutMs = 30000;
constexpr int kPressMs = 2000;     // ample for a few polls 5 ms apart
constexpr int kClickLostMs = 4000;  // a page turn takes about a second
constexpr int kS1 = 1, kS3 = 4;  // the board's button bits

// Places on the windows' 640 x 480 design.
const QRectF kSelectionList(32, 198, 272, 170);
const QPointF kVerder(572, 337);
const QRectF kFooter(13, 462, 220, 15);  // "Les 1 stap N van 33"
// A point of the lesson window that no page covers, in the lesson window's own colour.
const QPointF kLessonMark(30, 20);
constexpr QRgb kLessonColour = 0xD5E5FA;

// The buttons whose press lets the pupil leave `page`: a door bell on pages 5 and 6, the
// circuit worked on pages 10, 12 and 13.
int taskOf(int page) {
  switch (page) {
    case 5: case 10: case 12: case 13: return kS1;
    case 6: return kS3;
    default: return 0;
  }
}

bool fail(const QString& what) {
  std::fprintf(stderr, "kwil-bench: %s\n", qPrintable(what));
  return false;
}

// Waits until the program has polled the board `count` more times.
bool polled(sim::ArduinoSim& arduino, int count, int timeoutMs) {
  const qsizetype before = arduino.received().count("7/");
  return QTest::qWaitFor([&] { return arduino.received().count("7/") >= before + count; }, timeoutMs);
}

// Buttons pressed and released, each for long enough that a poll's reply carries it.
bool press(sim::ArduinoSim& arduino, int buttons) {
  arduino.setButtons(buttons);
  const bool seen = polled(arduino, 4, kPressMs);
  arduino.setButtons(0);
  return seen && polled(arduino, 4, kPressMs);
}

QImage designArea(desktop::ProgramRun& program, const QRectF& design) {
  const QImage window = program.mainWindowPicture();
  return window.copy(QRectF(design.x() * window.width() / 640, design.y() * window.height() / 480,
                            design.width() * window.width() / 640, design.height() * window.height() / 480)
                         .toRect());
}

bool inLesson(desktop::ProgramRun& program) {
  const QImage mark = designArea(program, QRectF(kLessonMark, QSizeF(1, 1)));
  return !mark.isNull() && (mark.pixel(0, 0) & 0xFFFFFF) == kLessonColour;
}

// "Verder" clicked, a drawing question answered yes; true once the footer names another page
// and the window stands still. A click that lands while the last page turn is still ending is
// lost, as a pupil's is, and is given again.
bool turnPage(desktop::ProgramRun& program) {
  const QImage before = designArea(program, kFooter);
  const auto click = [&] { program.click(float(kVerder.x()), float(kVerder.y())); };
  click();
  QElapsedTimer sinceClick;
  sinceClick.start();
  QImage last;
  return QTest::qWaitFor(
      [&] {
        if (program.windows().size() == 2) {
          program.key(QStringLiteral("Return"));
          return false;
        }
        const QImage now = program.mainWindowPicture();
        const bool turned = designArea(program, kFooter) != before;
        if (!turned && sinceClick.elapsed() > kClickLostMs) {
          click();
          sinceClick.restart();
        }
        const bool settled = turned && now == last;
        last = now;
        return settled;
      },
      kTimeoutMs);
}

}  // namespace

bool driveToLes1Page16(desktop::ProgramRun& program, sim::ArduinoSim& arduino, const QString& password) {
  if (!program.waitForWindows(1, kTimeoutMs) || !polled(arduino, 2, kTimeoutMs))
    return fail(QStringLiteral("the selection window does not poll the board"));
  for (const char* list : {"class", "pupil"}) {
    const QList<int> lines = program.listLineCentres(kSelectionList);
    if (lines.isEmpty()) return fail(QStringLiteral("no %1 in the list").arg(QLatin1String(list)));
    program.clickAt(QPoint(program.onScreen(float(kSelectionList.left()) + 20, 0).x(), lines.first()));
    QTest::qWait(300);
  }
  program.type(password);
  program.key(QStringLiteral("Return"));
  // s1 starts lesson 1 from the main menu; pressed while the login is still under way it only
  // lights a lamp of the interface test.
  const bool started = QTest::qWaitFor(
      [&] {
        if (inLesson(program)) return true;
        press(arduino, kS1);
        return false;
      },
      kTimeoutMs);
  if (!started) return fail(QStringLiteral("lesson 1 did not start"));
  for (int page = 1; page < 16; ++page) {
    if (const int task = taskOf(page); task && !press(arduino, task))
      return fail(QStringLiteral("page %1 does not poll the board").arg(page));
    if (!turnPage(program)) return fail(QStringLiteral("\"Verder\" on page %1 did not turn the page").arg(page));
  }
  // Page 16 answers s1 with output 1 and its release with 0.
  arduino.setButtons(kS1);
  const bool reacts = QTest::qWaitFor([&] { return arduino.outputs() == 1; }, kTimeoutMs);
  arduino.setButtons(0);
  if (!reacts || !QTest::qWaitFor([&] { return arduino.outputs() == 0; }, kTimeoutMs))
    return fail(QStringLiteral("page 16 does not answer s1"));
  return true;
}

}  // namespace kwil::bench

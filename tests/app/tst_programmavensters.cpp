// The windows the program registers: the main menu opens each lesson that is built, and a
// lesson's hand-over reaches the test window.
#include <QTest>

#include "app/vensters.h"
#include "lessons/les1/nietenof.h"
#include "lessons/les3/logschak.h"
#include "support/programma_omgeving.h"
#include "toetsen/toetsen.h"

using namespace kwil;

class ProgrammaVensters : public QObject {
  Q_OBJECT
  programmatest::ProgrammaOmgeving omgeving;

 private Q_SLOTS:
  void init() {
    omgeving.begin();
    registerProgramWindows();
  }
  void cleanup() { omgeving.end(); }

  void lessen_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<QString>("klasse");
    QTest::newRow("lesson 1") << 1 << "kwil::NietEnOf";
    QTest::newRow("lesson 3") << 3 << "kwil::LogSchak";
  }
  void lessen() {
    QFETCH(int, les);
    QFETCH(QString, klasse);
    QWidget* venster = kwil::window(lessonWindow(les));
    QVERIFY(venster);
    QCOMPARE(QString::fromLatin1(venster->metaObject()->className()), klasse);
    QVERIFY(qobject_cast<Toetsen*>(kwil::window(WindowId::Toetsen)));
  }
};

QTEST_MAIN(ProgrammaVensters)
#include "tst_programmavensters.moc"

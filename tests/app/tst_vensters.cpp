// The program's registry of windows: the main menu starts each lesson the program has in the
// window made for it, and hands a finished lesson to the test window.
#include <QTest>

#include "app/vensters.h"
#include "lessons/les1/nietenof.h"
#include "lessons/les2/waarheidstabel.h"
#include "support/programma_omgeving.h"
#include "toetsen/toetsen.h"

using namespace kwil;

class Vensters : public QObject {
  Q_OBJECT
  programmatest::ProgrammaOmgeving o;

 private Q_SLOTS:
  void init() {
    o.begin();
    registerProgramWindows();
  }
  void cleanup() { o.end(); }

  void lesVensters_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<QString>("klasse");
    QTest::newRow("lesson 1") << 1 << "kwil::NietEnOf";
    QTest::newRow("lesson 2") << 2 << "kwil::Waarheidstabel";
  }
  void lesVensters() {
    QFETCH(int, les);
    QFETCH(QString, klasse);
    QWidget* venster = window(lessonWindow(les));
    QVERIFY(venster);
    QCOMPARE(QString::fromLatin1(venster->metaObject()->className()), klasse);
    auto* lesVenster = qobject_cast<LessonWindow*>(venster);
    QVERIFY(lesVenster);
    QCOMPARE(lesVenster->config().lesNummer, les);
    QCOMPARE(lesVenster->config().venster, lessonWindow(les));
    QVERIFY(qobject_cast<Toetsen*>(window(WindowId::Toetsen)));
  }
};

QTEST_MAIN(Vensters)
#include "tst_vensters.moc"

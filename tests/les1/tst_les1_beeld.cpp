// Lesson 1 on the screen sizes it must be readable on: every page's frames stay inside the
// window and clear of the page text. With KWIL_SCREENSHOT_DIR set, each page is also saved as
// a picture there, for a person to look at.
#include <QTest>

#include "frame/les_beeld.h"
#include "les1/les1_omgeving.h"

using namespace kwil;

class Les1Beeld : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les1Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginas_data() { lestest::schermMaten(); }
  void paginas() {
    const lestest::SchermProef scherm(omgeving);
    NietEnOf& les = lestest::toonLes1(1);
    scherm.elkePagina(les, QStringLiteral("les1"), 33, [&](int stap) {
      lestest::vulPlaatje(les, 7);
      for (int p : lestest::zichtbareLijsten(les)) {
        const QRect lijst = les.panelen()(p).widget()->geometry();
        QVERIFY2(scherm.venster.contains(lijst), qPrintable(QStringLiteral("frame %1 on step %2").arg(p).arg(stap)));
      }
    });
  }
};

QTEST_MAIN(Les1Beeld)
#include "tst_les1_beeld.moc"

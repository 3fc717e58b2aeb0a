// Lesson 5 on the screen sizes it must be readable on: every page's frames stay inside the
// window and clear of the page text. With KWIL_SCREENSHOT_DIR set, each page is also saved as
// a picture there, for a person to look at.
#include <QTest>

#include "frame/les_beeld.h"
#include "les5/les5_omgeving.h"

using namespace kwil;

class Les5Beeld : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les5Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginas_data() { lestest::schermMaten(); }
  void paginas() {
    const lestest::SchermProef scherm(omgeving);
    Binstel& les = lestest::toonLes5(1);
    const QRect tekst = les.plaatjes()(3).widget()->geometry();
    scherm.elkePagina(les, QStringLiteral("les5"), kLes5Paginas, [&](int stap) {
      lestest::vulPlaatje(les, 3);
      for (int p : lestest::zichtbareLijsten5(les)) {
        const QRect lijst = les.panelen()(p).widget()->geometry();
        const QString waar = QStringLiteral("frame %1 on step %2").arg(p).arg(stap);
        QVERIFY2(scherm.venster.contains(lijst), qPrintable(waar));
        QVERIFY2(!lijst.intersects(tekst), qPrintable(waar));
      }
    });
  }
};

QTEST_MAIN(Les5Beeld)
#include "tst_les5_beeld.moc"

// Lesson 3 on the screen sizes it must be readable on: the drawing of every page stays inside
// the window and above the page text. With KWIL_SCREENSHOT_DIR set, each page is also saved as
// a picture there, for a person to look at.
#include <QTest>

#include "frame/les_beeld.h"
#include "les3/les3_omgeving.h"

using namespace kwil;

class Les3Schermen : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap({}); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void paginas_data() { lestest::schermMaten({{640, 480}, {800, 600}, {1024, 768}, {1920, 1080}}); }
  void paginas() {
    const lestest::SchermProef scherm(omgeving);
    LogSchak& les = lestest::toonLes3(1);
    scherm.elkePagina(les, QStringLiteral("les3"), kLes3Paginas, [&](int stap) {
      lestest::vulPlaatje(les, 4);
      const kwil::Panel& lijst = les.panelen()(3);
      QCOMPARE(lijst.Visible(), les3Beeld(stap) != Les3Beeld::Geen);
      if (lijst.Visible()) {
        const QRect rand = lijst.widget()->geometry();
        QVERIFY2(scherm.venster.contains(rand), qPrintable(QStringLiteral("drawing on step %1").arg(stap)));
        QVERIFY2(rand.bottom() < les.panelen()(2).widget()->geometry().top(),
                 qPrintable(QStringLiteral("drawing over the text on step %1").arg(stap)));
      }
    });
  }
};

QTEST_MAIN(Les3Schermen)
#include "tst_les3_beeld.moc"

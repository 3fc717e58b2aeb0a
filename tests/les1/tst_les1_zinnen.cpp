// A sentence of a lesson-1 page stands together: no blank line falls inside it.
#include <QTest>

#include "lessons/les1/les1teksten.h"

using namespace kwil;

class Les1Zinnen : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void geenWitregelMiddenInEenZin_data() {
    QTest::addColumn<int>("stap");
    for (int stap = 1; stap <= kLes1Paginas; ++stap) QTest::addRow("page %d", stap) << stap;
  }
  void geenWitregelMiddenInEenZin() {
    QFETCH(int, stap);
    const PaginaTekst pagina = les1Pagina(stap, {});
    QString laatste;  // the last text printed so far
    for (const Afdruk& a : pagina.afdruk) {
      switch (a.soort) {
        case Afdruk::Soort::LegeRegel: {
          // What stands before a blank line ends a sentence, a clause or a heading.
          static const QRegularExpression einde(QStringLiteral("[.!?:,;)]\\s*$"));
          QVERIFY2(laatste.isEmpty() || einde.match(laatste).hasMatch(), qPrintable(laatste));
          break;
        }
        case Afdruk::Soort::Paar:
          laatste = pagina.zinnen.value(a.tweede - 1);
          break;
        case Afdruk::Soort::Regel:
        case Afdruk::Soort::Tab:
        case Afdruk::Soort::ZonderEinde:
          laatste = pagina.zinnen.value(a.zin - 1);
          break;
        case Afdruk::Soort::TweeTabs:
          laatste = pagina.zinnen.value(a.tweede - 1);
          break;
        case Afdruk::Soort::Omlaag:
        case Afdruk::Soort::Omhoog:
          break;
      }
    }
  }
};

QTEST_GUILESS_MAIN(Les1Zinnen)
#include "tst_les1_zinnen.moc"

#pragma once
// A lesson on the screen sizes it must be readable on: every page shown on the screen of the
// current data row and checked by the test. With KWIL_SCREENSHOT_DIR set, each page is also
// saved as a picture there, for a person to look at.
#include <QTest>
#include <functional>

#include "lessons/frame/lessonwindow.h"
#include "shared/kwilstate.h"
#include "support/programma_omgeving.h"

namespace kwil::lestest {

// The data table of screen sizes, one row "WxH" each, in the column "scherm". 1920 x 1061 is
// what a window manager's title bar leaves of a 1920 x 1080 screen.
inline void schermMaten(const QList<QSize>& maten = {{800, 600}, {1024, 768}, {1920, 1080}, {1920, 1061}}) {
  QTest::addColumn<QSize>("scherm");
  for (const QSize& maat : maten) QTest::addRow("%dx%d", maat.width(), maat.height()) << maat;
}

// Fills picture box `doel` with a piece of picture box 1's picture of its own size, so the
// page shows a picture where a test cannot load one.
inline void vulPlaatje(LessonWindow& les, int doel) {
  PictureBox& p = les.plaatjes()(doel);
  p.image() = les.plaatjes()(1).image().copy(0, 0, p.width(), p.height());
}

// The lines a panel's caption takes in its face, wrapped as the panel paints it.
inline int regelsVanOpschrift(const kwil::Panel& p) {
  const QFontMetrics maat(p.font());
  const int breedte = p.width() - 2 * (p.BevelWidth() + p.BorderWidth()) - 4;
  const QRect vak =
      maat.boundingRect(QRect(0, 0, breedte, 10000), Qt::AlignCenter | Qt::TextWordWrap, p.Caption());
  return qRound(double(vak.height()) / maat.lineSpacing());
}

// The part of a picture that differs from its background colour.
inline QRect inktVan(const QImage& beeld, QColor achtergrond) {
  QRect inkt;
  for (int y = 0; y < beeld.height(); ++y)
    for (int x = 0; x < beeld.width(); ++x)
      if (beeld.pixelColor(x, y) != achtergrond) inkt |= QRect(x, y, 1, 1);
  return inkt;
}

class SchermProef {
 public:
  // Puts the screen of the current data row in place; before the lesson window is shown.
  explicit SchermProef(programmatest::ProgrammaOmgeving& omgeving) {
    QFETCH(QSize, scherm);
    omgeving.basis.screen->size = scherm;
    venster = QRect(QPoint(0, 0), scherm);
  }

  // Shows pages 1 to `paginas` one by one and lets `kijk(stap)` check each; stops at the first
  // failure. `naam` starts the pictures' file names.
  void elkePagina(LessonWindow& les, const QString& naam, int paginas, const std::function<void(int)>& kijk) const {
    const QString map = qEnvironmentVariable("KWIL_SCREENSHOT_DIR");
    for (int stap = 1; stap <= paginas; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
      kijk(stap);
      if (QTest::currentTestFailed()) return;
      if (!map.isEmpty())
        les.grab().save(QStringLiteral("%1/%2-%3x%4-stap%5.png")
                            .arg(map, naam)
                            .arg(venster.width())
                            .arg(venster.height())
                            .arg(stap));
    }
  }

  QRect venster;
};

}  // namespace kwil::lestest

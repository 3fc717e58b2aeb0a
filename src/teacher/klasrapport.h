#pragma once
// The printed class report: for each pupil of one class the name and the marks of lessons 1
// to 8 (an empty mark as " -"), as a table under the class and the date, with page numbers.
#include <QDate>
#include <QFont>
#include <QSizeF>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QPaintDevice;
class QPrinter;

namespace kwil {

struct PupilRow;

struct RapportRegel {
  QString naam;
  QStringList cijfers;  // lessons 1 to 8
};

struct KlasRapport {
  QString klas;
  QDate datum;
  QList<RapportRegel> regels;  // in stored order
};

inline constexpr int kRapportLessen = 8;

// A mark as printed: the number, or " -" when there is none.
QString rapportCijfer(const QVariant& cijfer);

KlasRapport maakKlasRapport(const QString& klas, const QList<PupilRow>& rijen, const QDate& datum);

// The heading line of the report and the page line, as printed.
QString rapportTitel(const KlasRapport& rapport);
QString paginaTekst(int pagina, int aantal);

// How a pupil's name is set in its cell of the report so that the whole name is read, never
// cut off: in the table's font when it fits, else in a smaller one, else over two or more
// lines in a size that fits the cell.
struct NaamOpmaak {
  QFont lettertype;
  int vlaggen = 0;  // Qt::AlignmentFlag and Qt::TextFlag for QPainter::drawText
};
NaamOpmaak naamOpmaak(const QString& naam, const QSizeF& vak, const QFont& basis, QPaintDevice* apparaat);

// Draws the report on the printer. Gives the number of pages, 0 when the printer could not
// be started (no access to the file or the printer).
int drukKlasRapport(QPrinter& printer, const KlasRapport& rapport);

}  // namespace kwil

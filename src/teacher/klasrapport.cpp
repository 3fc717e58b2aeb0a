#include "teacher/klasrapport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "selection/database/studentdatabase.h"
#include "teacher/leerlingvelden.h"

namespace kwil {

namespace {

const QString kLettertype = QStringLiteral("DejaVu Sans");

// Where the parts of one page go, in device pixels.
struct PaginaIndeling {
  QRectF vlak;         // the printable area
  double regelHoogte;  // one table row
  double kopHoogte;    // title and date above the table
  double voetHoogte;   // the page line below it
  double naamBreedte;  // the name column; the marks share the rest
  int regelsPerPagina;

  double cijferBreedte() const { return (vlak.width() - naamBreedte) / kRapportLessen; }
  double tabelBoven() const { return vlak.top() + kopHoogte; }
};

QFont lettertype(double punten, bool vet = false) {
  QFont f(kLettertype);
  f.setPointSizeF(punten);
  f.setBold(vet);
  return f;
}

PaginaIndeling deelIn(QPrinter& printer) {
  PaginaIndeling p{};
  // The painter's origin is the top left corner of the printable area.
  p.vlak = QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size().toSizeF());
  const QFontMetricsF tekst(lettertype(10), &printer);
  const QFontMetricsF titel(lettertype(16, true), &printer);
  p.regelHoogte = tekst.height() * 1.6;
  p.kopHoogte = titel.height() * 1.4 + tekst.height() * 2.2;
  p.voetHoogte = tekst.height() * 2;
  p.naamBreedte = p.vlak.width() * 0.44;
  const double tabel = p.vlak.height() - p.kopHoogte - p.voetHoogte;
  // One row of every page holds the column headings.
  p.regelsPerPagina = std::max(1, static_cast<int>(tabel / p.regelHoogte) - 1);
  return p;
}

void tekenKop(QPainter& pen, const PaginaIndeling& p, const KlasRapport& rapport) {
  pen.setFont(lettertype(16, true));
  const QFontMetricsF titel(pen.font(), pen.device());
  pen.drawText(QRectF(p.vlak.left(), p.vlak.top(), p.vlak.width(), titel.height()), Qt::AlignLeft,
               rapportTitel(rapport));
  pen.setFont(lettertype(10));
  const double y = p.vlak.top() + titel.height() * 1.4;
  pen.drawText(QRectF(p.vlak.left(), y, p.vlak.width(), p.regelHoogte), Qt::AlignLeft,
               QStringLiteral("Datum: ") + rapport.datum.toString(QStringLiteral("d-M-yyyy")));
}

// One table row: the name and the eight cells, with a line below.
void tekenRegel(QPainter& pen, const PaginaIndeling& p, double y, const QString& naam,
                const QStringList& cellen) {
  const double marge = p.cijferBreedte() * 0.1;
  const QRectF naamVak(p.vlak.left() + marge, y, p.naamBreedte - 2 * marge, p.regelHoogte);
  const QFont tabelLetter = pen.font();
  const NaamOpmaak opmaak = naamOpmaak(naam, naamVak.size(), tabelLetter, pen.device());
  pen.setFont(opmaak.lettertype);
  pen.drawText(naamVak, opmaak.vlaggen, naam);
  pen.setFont(tabelLetter);
  for (int les = 0; les < kRapportLessen; ++les) {
    const QRectF cel(p.vlak.left() + p.naamBreedte + les * p.cijferBreedte(), y, p.cijferBreedte(),
                     p.regelHoogte);
    pen.drawText(cel, Qt::AlignCenter, cellen.value(les));
  }
  pen.drawLine(QPointF(p.vlak.left(), y + p.regelHoogte), QPointF(p.vlak.right(), y + p.regelHoogte));
}

void tekenKolomlijnen(QPainter& pen, const PaginaIndeling& p, double onder) {
  for (int les = 0; les <= kRapportLessen; ++les) {
    const double x = p.vlak.left() + p.naamBreedte + les * p.cijferBreedte();
    pen.drawLine(QPointF(x, p.tabelBoven()), QPointF(x, onder));
  }
  pen.drawRect(QRectF(p.vlak.left(), p.tabelBoven(), p.vlak.width(), onder - p.tabelBoven()));
}

void tekenPagina(QPainter& pen, const PaginaIndeling& p, const KlasRapport& rapport, int pagina, int aantal) {
  tekenKop(pen, p, rapport);
  QStringList koppen;
  for (int les = 1; les <= kRapportLessen; ++les) koppen.append(QStringLiteral("Les %1").arg(les));
  double y = p.tabelBoven();
  pen.fillRect(QRectF(p.vlak.left(), y, p.vlak.width(), p.regelHoogte), QColor(0xE0, 0xE8, 0xF4));
  pen.setFont(lettertype(10, true));
  tekenRegel(pen, p, y, QStringLiteral("Naam"), koppen);
  pen.setFont(lettertype(10));
  y += p.regelHoogte;

  const int eerste = (pagina - 1) * p.regelsPerPagina;
  const int laatste = std::min<int>(static_cast<int>(rapport.regels.size()), eerste + p.regelsPerPagina);
  if (rapport.regels.isEmpty()) {
    tekenRegel(pen, p, y, QStringLiteral("Deze klas heeft geen leerlingen."), {});
    y += p.regelHoogte;
  }
  for (int i = eerste; i < laatste; ++i) {
    tekenRegel(pen, p, y, rapport.regels[i].naam, rapport.regels[i].cijfers);
    y += p.regelHoogte;
  }
  tekenKolomlijnen(pen, p, y);
  pen.drawText(QRectF(p.vlak.left(), p.vlak.bottom() - p.voetHoogte, p.vlak.width(), p.voetHoogte),
               Qt::AlignHCenter | Qt::AlignBottom, paginaTekst(pagina, aantal));
}

}  // namespace

NaamOpmaak naamOpmaak(const QString& naam, const QSizeF& vak, const QFont& basis, QPaintDevice* apparaat) {
  const int links = Qt::AlignLeft | Qt::AlignVCenter;
  auto past = [&](const QFont& f, int vlaggen) {
    const QRectF nodig = QFontMetricsF(f, apparaat).boundingRect(QRectF(QPointF(0, 0), vak), vlaggen, naam);
    return nodig.width() <= vak.width() && nodig.height() <= vak.height();
  };
  auto inGrootte = [&](double punten) {
    QFont f = basis;
    f.setPointSizeF(punten);
    return f;
  };
  const double grootte = basis.pointSizeF();
  // One line down to three quarters of the table's size; then lines broken between words; a
  // name without blanks that is still too long is broken anywhere.
  for (double punten = grootte; punten >= grootte * 0.75; punten -= 0.25)
    if (past(inGrootte(punten), links)) return {inGrootte(punten), links};
  for (int breken : {int(Qt::TextWordWrap), int(Qt::TextWrapAnywhere)})
    for (double punten = grootte; punten >= 2; punten -= 0.25)
      if (past(inGrootte(punten), links | breken)) return {inGrootte(punten), links | breken};
  return {inGrootte(2), links | Qt::TextWrapAnywhere};
}

QString rapportCijfer(const QVariant& cijfer) {
  const QString tekst = leraar::alsTekst(cijfer).trimmed();
  return tekst.isEmpty() ? QStringLiteral(" -") : tekst;
}

KlasRapport maakKlasRapport(const QString& klas, const QList<PupilRow>& rijen, const QDate& datum) {
  KlasRapport rapport{klas, datum, {}};
  for (const PupilRow& rij : rijen) {
    RapportRegel regel{leraar::volledigeNaam(rij), {}};
    for (int les = 1; les <= kRapportLessen; ++les)
      regel.cijfers.append(rapportCijfer(rij.value(QStringLiteral("cijferles%1").arg(les))));
    rapport.regels.append(regel);
  }
  return rapport;
}

QString rapportTitel(const KlasRapport& rapport) {
  return QStringLiteral("Cijferlijst klas ") + rapport.klas;
}

QString paginaTekst(int pagina, int aantal) {
  return QStringLiteral("Pagina %1 van %2").arg(pagina).arg(aantal);
}

int drukKlasRapport(QPrinter& printer, const KlasRapport& rapport) {
  printer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
  QPainter pen;
  if (!pen.begin(&printer)) return 0;
  const PaginaIndeling p = deelIn(printer);
  const int regels = static_cast<int>(rapport.regels.size());
  const int aantal = std::max(1, (regels + p.regelsPerPagina - 1) / p.regelsPerPagina);
  for (int pagina = 1; pagina <= aantal; ++pagina) {
    if (pagina > 1) printer.newPage();
    tekenPagina(pen, p, rapport, pagina, aantal);
  }
  pen.end();
  return aantal;
}

}  // namespace kwil

#include "lessons/frame/paginatekst.h"

#include <QRegularExpression>
#include <stdexcept>

namespace kwil {

namespace {
int getal(const QString& tekst, const QString& term) {
  bool ok = false;
  const int n = tekst.toInt(&ok);
  if (!ok || n < 0) throw std::invalid_argument("page layout term " + term.toStdString());
  return n;
}
}  // namespace

QList<Afdruk> leesOpmaak(const QString& opmaak) {
  using S = Afdruk::Soort;
  static const QRegularExpression tab(QStringLiteral("^T(\\d+)\\.(\\d+)$"));
  static const QRegularExpression paar(QStringLiteral("^(\\d+)\\.T(\\d+)\\.(\\d+)$"));
  static const QRegularExpression tweeTabs(QStringLiteral("^T(\\d+)\\.(\\d+)\\.T(\\d+)\\.(\\d+)$"));
  QList<Afdruk> uit;
  for (const QString& term : opmaak.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    Afdruk a;
    if (term == QLatin1String("/")) {
      a.soort = S::LegeRegel;
    } else if (term.startsWith(QLatin1Char('+'))) {
      a.soort = S::Omlaag;
      a.hoogte = getal(term.mid(1), term);
    } else if (term.startsWith(QLatin1Char('^'))) {
      a.soort = S::Omhoog;
      a.hoogte = getal(term.mid(1), term);
    } else if (term.endsWith(QLatin1Char(';'))) {
      a.soort = S::ZonderEinde;
      a.zin = getal(term.chopped(1), term);
    } else if (auto m = tab.match(term); m.hasMatch()) {
      a.soort = S::Tab;
      a.kolom = getal(m.captured(1), term);
      a.zin = getal(m.captured(2), term);
    } else if (auto t = tweeTabs.match(term); t.hasMatch()) {
      a.soort = S::TweeTabs;
      a.kolom = getal(t.captured(1), term);
      a.zin = getal(t.captured(2), term);
      a.kolom2 = getal(t.captured(3), term);
      a.tweede = getal(t.captured(4), term);
    } else if (auto p = paar.match(term); p.hasMatch()) {
      a.soort = S::Paar;
      a.zin = getal(p.captured(1), term);
      a.kolom = getal(p.captured(2), term);
      a.tweede = getal(p.captured(3), term);
    } else {
      a.soort = S::Regel;
      a.zin = getal(term, term);
    }
    uit.append(a);
  }
  return uit;
}

PaginaTekst pagina(const QStringList& zinnen, const QString& opmaak) {
  PaginaTekst p;
  p.zinnen = zinnen;
  p.afdruk = leesOpmaak(opmaak);
  return p;
}

}  // namespace kwil

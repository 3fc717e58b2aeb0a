#include "lessons/frame/lessonconfig.h"

#include <QStringList>
#include <stdexcept>

namespace kwil {

namespace {
int stapNummer(const QString& tekst) {
  bool ok = false;
  const int n = tekst.trimmed().toInt(&ok);
  if (!ok) throw std::invalid_argument("step list term " + tekst.toStdString());
  return n;
}
}  // namespace

std::set<int> stappen(const QString& lijst) {
  std::set<int> uit;
  for (const QString& term : lijst.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QStringList grenzen = term.split(QLatin1Char('-'));
    if (grenzen.size() > 2) throw std::invalid_argument("step list term " + term.toStdString());
    const int van = stapNummer(grenzen.front());
    const int tot = stapNummer(grenzen.back());
    if (tot < van) throw std::invalid_argument("step range " + term.toStdString());
    for (int s = van; s <= tot; ++s) uit.insert(s);
  }
  return uit;
}

}  // namespace kwil

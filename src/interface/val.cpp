#include "interface/val.h"

#include <cmath>

namespace kwil {

namespace {

QString zonderWitruimte(const QString& tekst) {
  QString s;
  for (QChar c : tekst)
    if (c != u' ' && c != u'\t' && c != u'\n') s += c;
  return s;
}

double grondtalWaarde(const QString& s, int start, int grondtal) {
  double waarde = 0;
  for (int i = start; i < s.size(); ++i) {
    const QChar c = s[i].toUpper();
    int cijfer = -1;
    if (c.isDigit())
      cijfer = c.digitValue();
    else if (c >= u'A' && c <= u'F')
      cijfer = c.unicode() - u'A' + 10;
    if (cijfer < 0 || cijfer >= grondtal) break;
    waarde = waarde * grondtal + cijfer;
  }
  return waarde;
}

}  // namespace

double Val(const QString& tekst) {
  const QString s = zonderWitruimte(tekst);
  if (s.startsWith(u'&')) {
    if (s.size() > 1 && s[1].toUpper() == u'H') return grondtalWaarde(s, 2, 16);
    if (s.size() > 1 && s[1].toUpper() == u'O') return grondtalWaarde(s, 2, 8);
    return grondtalWaarde(s, 1, 8);
  }
  // The longest start that is a decimal number: [sign] digits [. digits] [E|D [sign] digits].
  int i = 0;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
  // A whole number of up to 15 digits is exact in a double; the boards' replies are such
  // numbers, read 200 times a second, so they skip the general conversion.
  double geheel = 0;
  int eind = i;
  while (eind < s.size() && s[eind] >= u'0' && s[eind] <= u'9')
    geheel = geheel * 10 + (s[eind++].unicode() - u'0');
  const QChar na = eind < s.size() ? s[eind].toUpper() : QChar();
  const bool heelGetal = !(na.isDigit() || na == u'.' || na == u'E' || na == u'D');
  if (heelGetal && eind - i <= 15) return eind > i && s[0] == u'-' ? -geheel : geheel;
  while (i < s.size() && s[i].isDigit()) ++i;
  if (i < s.size() && s[i] == u'.') {
    ++i;
    while (i < s.size() && s[i].isDigit()) ++i;
  }
  QString getal = s.left(i);
  if (i < s.size() && (s[i].toUpper() == u'E' || s[i].toUpper() == u'D')) {
    int j = i + 1;
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) ++j;
    const int cijfersVanaf = j;
    while (j < s.size() && s[j].isDigit()) ++j;
    if (j > cijfersVanaf) getal += u'e' + s.mid(i + 1, j - i - 1);
  }
  bool ok = false;
  const double waarde = getal.toDouble(&ok);
  return ok && std::isfinite(waarde) ? waarde : 0;
}

}  // namespace kwil

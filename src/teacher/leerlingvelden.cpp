#include "teacher/leerlingvelden.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <optional>

#include "platform/vb.h"
#include "selection/database/dbconnection.h"
#include "selection/database/studentdatabase.h"

namespace kwil::leraar {

namespace {

const QString kCijferles = QStringLiteral("cijferles");
const QString kNietsOpgeslagen = QStringLiteral("Er is niets opgeslagen.");

bool isNull(const QVariant& v) {
  return !v.isValid() || v.isNull();
}

// The mark of a text: Null for an empty text, the number for 0 .. 10, nothing otherwise.
std::optional<QVariant> cijferWaarde(const QString& tekst) {
  const QString t = tekst.trimmed();
  if (t.isEmpty()) return QVariant();
  static const QRegularExpression heelGetal(QStringLiteral("^[0-9]{1,2}$"));
  if (!heelGetal.match(t).hasMatch() || t.toInt() > 10) return std::nullopt;
  return QVariant(static_cast<qint64>(t.toInt()));
}

QString melding(const QString& regel) {
  return regel + vbCr + kNietsOpgeslagen;
}

// The stored form of one changed text, or the message why it cannot be stored.
std::optional<QVariant> opslagWaarde(const QString& veld, const QString& tekst, QString& fout) {
  if (veld.startsWith(kCijferles)) {
    std::optional<QVariant> cijfer = cijferWaarde(tekst);
    if (!cijfer) fout = cijferFout(QStringView(veld).mid(kCijferles.size()).toInt());
    return cijfer;
  }
  const QString t = tekst.trimmed();
  if (veld == QLatin1String("aanmaakdatum")) {
    if (t.isEmpty()) return QVariant();
    if (QDate::fromString(t, kDateFormat).isValid()) return QVariant(t);
    fout = melding(
        QStringLiteral("De datum moet geschreven worden als jaar-maand-dag, bijvoorbeeld 2024-09-02."));
    return std::nullopt;
  }
  if (veld == QLatin1String("aanmaaktijd")) {
    if (t.isEmpty()) return QVariant();
    if (QTime::fromString(t, kTimeFormat).isValid()) return QVariant(t);
    fout = melding(
        QStringLiteral("De tijd moet geschreven worden als uur:minuut:seconde, bijvoorbeeld 08:30:00."));
    return std::nullopt;
  }
  if (veld == QLatin1String("klas") && t.isEmpty()) {
    // A pupil without a class would drop out of every list and could no longer log in.
    fout = melding(QStringLiteral("De klas mag niet leeg zijn."));
    return std::nullopt;
  }
  // An emptied pupil password is stored as "not chosen yet": the pupil makes a new one at
  // the next login.
  if (veld == QLatin1String("wachtwoord") && tekst.isEmpty()) return QVariant();
  return QVariant(tekst);
}

}  // namespace

const QStringList& getoondeVelden() {
  static const QStringList velden = [] {
    QStringList v = {QStringLiteral("voornaam"),    QStringLiteral("tussenvoegsel"),
                     QStringLiteral("achternaam"),  QStringLiteral("wachtwoord"),
                     QStringLiteral("klas"),        QStringLiteral("aanmaakdatum"),
                     QStringLiteral("aanmaaktijd"), QStringLiteral("computernaam")};
    for (int les = 1; les <= 6; ++les) v.append(QStringLiteral("antwles%1").arg(les));
    for (int les = 1; les <= 6; ++les) v.append(kCijferles + QString::number(les));
    return v;
  }();
  return velden;
}

int tekstvakVan(const QString& veld) {
  return static_cast<int>(getoondeVelden().indexOf(veld.toLower())) + 1;
}

QString alsTekst(const QVariant& waarde) {
  return isNull(waarde) ? QString() : waarde.toString();
}

QStringList teksten(const PupilRow& rij) {
  QStringList t;
  for (const QString& veld : getoondeVelden()) t.append(alsTekst(rij.value(veld)));
  return t;
}

QString volledigeNaam(const PupilRow& rij) {
  QStringList delen;
  for (const char* veld : {"voornaam", "tussenvoegsel", "achternaam"}) {
    const QString deel = alsTekst(rij.value(QLatin1String(veld))).simplified();
    if (!deel.isEmpty()) delen.append(deel);
  }
  return delen.join(QLatin1Char(' '));
}

QString cijferFout(int les) {
  return melding(
      QStringLiteral("Het cijfer van les %1 moet leeg zijn of een heel getal van 0 tot en met 10.").arg(les));
}

Wijzigingen bepaalWijzigingen(const QStringList& getoond, const QStringList& nu) {
  Wijzigingen w;
  const QStringList& velden = getoondeVelden();
  for (int i = 0; i < velden.size(); ++i) {
    if (getoond.value(i) == nu.value(i)) continue;
    std::optional<QVariant> waarde = opslagWaarde(velden[i], nu.value(i), w.fout);
    if (!waarde) {
      w.velden.clear();
      return w;
    }
    w.velden.insert(velden[i], *waarde);
  }
  return w;
}

}  // namespace kwil::leraar

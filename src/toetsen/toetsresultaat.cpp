#include "toetsen/toetsresultaat.h"

#include <algorithm>

#include "platform/vb.h"
#include "selection/database/studentdatabase.h"
#include "shared/kwilstate.h"

namespace kwil {

QChar antwoordLetter(int bankNummer, bool goed) {
  const QChar letter(static_cast<char16_t>((goed ? u'A' : u'a') + bankNummer - 1));
  return letter;
}

int ToetsCijfer(const QString& gegevenAntwoorden) {
  const auto goed = std::count_if(gegevenAntwoorden.cbegin(), gegevenAntwoorden.cend(),
                                  [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('D'); });
  return std::max(1, static_cast<int>(goed));
}

BewaarUitslag BewaarToetsResultaat() {
  KwilState& s = state();
  const int cijfer = ToetsCijfer(s.GegevenAntwoorden);
  const DbResult<bool> r =
      StudentDatabase(s.DatabasePad)
          .storeTestResult(s.Klas, s.LeerlingNaam, s.LesNummer, s.GegevenAntwoorden, cijfer);
  if (!r.ok()) return {Bewaard::DatabaseFout, r.status.message()};
  if (!r.value) return {Bewaard::LeerlingOnbekend, {}};
  s.Cijfers[s.LesNummer] = cijfer;
  return {};
}

QString CijferBericht(int cijfer, const BewaarUitslag& uitslag) {
  QString bericht = QStringLiteral("Cijfer: ") + QString::number(cijfer);
  if (uitslag.bewaard == Bewaard::Ja) return bericht;
  bericht += vbCr + vbCr + QStringLiteral("Let op: dit cijfer is NIET bewaard.") + vbCr;
  if (uitslag.bewaard == Bewaard::LeerlingOnbekend)
    bericht += QStringLiteral("Je naam staat niet meer in de lijst met leerlingen.");
  else
    bericht += QStringLiteral("De gegevens konden niet worden opgeslagen.") + vbCr + uitslag.fout;
  return bericht + vbCr + QStringLiteral("Meld dit bij je docent.");
}

}  // namespace kwil

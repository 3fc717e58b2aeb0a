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

namespace {

// A lock another copy holds, or a share that did not answer for a moment, may be gone at the
// next try; other failures want someone to look first.
bool gaatMisschienVanzelfOver(DbError fout) { return fout == DbError::Busy || fout == DbError::IoError; }

// The result of one pupil, taken at the end of the test: what the window does while the
// tries wait cannot change what is stored.
struct Resultaat {
  QString klas;
  QString leerlingNaam;
  int les = 0;
  QString antwoorden;
  int cijfer = 0;
};

DbResult<bool> bewaarRonde(const Resultaat& r, const Geduld& geduld) {
  const StudentDatabase db(state().DatabasePad, geduld.wachtMs);
  for (int poging = 1;; ++poging) {
    const DbResult<bool> uitslag = db.storeTestResult(r.klas, r.leerlingNaam, r.les, r.antwoorden, r.cijfer);
    if (uitslag.ok() || !gaatMisschienVanzelfOver(uitslag.status.error) || poging >= geduld.pogingen)
      return uitslag;
    DoEvents();
    platform().clock->sleepMs(geduld.pauzeMs);
  }
}

bool nogEensProberen(const DbStatus& fout) {
  const QString vraag = QStringLiteral("Het cijfer kon nog niet bewaard worden.") + vbCr + fout.message() + vbCr +
                        vbCr + QStringLiteral("Opnieuw proberen?");
  return MsgBox(vraag, DialogService::YesNo, QStringLiteral("Vraagje")) == DialogService::Yes;
}

}  // namespace

BewaarUitslag BewaarToetsResultaat(const Geduld& geduld) {
  KwilState& s = state();
  const Resultaat resultaat{s.Klas, s.LeerlingNaam, s.LesNummer, s.GegevenAntwoorden,
                            ToetsCijfer(s.GegevenAntwoorden)};
  DbResult<bool> r = bewaarRonde(resultaat, geduld);
  while (!r.ok() && nogEensProberen(r.status)) r = bewaarRonde(resultaat, geduld);
  if (!r.ok()) return {Bewaard::DatabaseFout, r.status.message()};
  if (!r.value) return {Bewaard::LeerlingOnbekend, {}};
  s.Cijfers[resultaat.les] = resultaat.cijfer;
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

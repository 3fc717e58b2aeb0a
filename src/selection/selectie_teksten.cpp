#include "selection/selectie_teksten.h"

#include <QStringList>

#include "platform/vb.h"
#include "version.h"

namespace kwil {

namespace {
QString regels(const QStringList& lines) { return lines.join(vbCr); }
QString tussenAanhalingstekens(const QString& caption) { return QStringLiteral("'") + caption + QStringLiteral("'"); }
}  // namespace

QString stapInstructie(int selectieStap) {
  switch (selectieStap) {
    case 1: return QStringLiteral("Klik in de onderstaande lijst op je klas.");
    case 2: return QStringLiteral("Klik in de onderstaande lijst op je naam.");
    case 3:
    case 4: return QStringLiteral("Invoeren van het wachtwoord.");
    case 5: return QStringLiteral("Klas toevoegen.");
    case 6: return QStringLiteral("Leerlingnaam toevoegen.");
    case 7: return QStringLiteral("Leraarmodule.... Voer het wachtwoord in.");
    default: return {};
  }
}

QString helpTekst(int selectieStap, int interfaceSoort, const QString& knop4, const QString& knop5) {
  const QString oeps = tussenAanhalingstekens(knop5);
  switch (selectieStap) {
    case 1: {
      QString tekst = regels({QStringLiteral("Kijk goed of je klas in de lijst staat!"),
                              QStringLiteral("Staat je klas in de lijst, klik daar dan 1 keer op."), QString(),
                              QStringLiteral("Staat je klas niet in de lijst, klik dan op:"),
                              tussenAanhalingstekens(knop4), QString(),
                              QStringLiteral("Is de interface aangesloten dan zullen de uitgangen willekeurig "
                                             "aan- en uitgaan."),
                              QStringLiteral("Wordt er op een interface knop gedrukt, dan zie je dat op het "
                                             "scherm.")}) +
                      vbCr;
      if (interfaceSoort != 0) {
        const QString streep(108, QLatin1Char('-'));
        tekst += regels({QString(), QString(), streep, QString(),
                         QStringLiteral("De analoge WelkeInterface ingangen (A1 en A2) worden ook weergegeven."),
                         QString(),
                         QStringLiteral("Dat geldt alleen voor de WelkeInterface kaart met het laagste nummer."),
                         QString(), streep, QString(), QStringLiteral("Klik eerst op OK.")});
      }
      return tekst;
    }
    case 2:
      return regels({QStringLiteral("Kijk goed of je naam in de lijst staat!"),
                     QStringLiteral("Staat je naam in de lijst, klik daar dan 1 keer op."), QString(),
                     QStringLiteral("Staat je naam niet in de lijst, klik dan op:"), tussenAanhalingstekens(knop4),
                     QString(), QStringLiteral("Heb je iets fout gedaan, klik dan op:"), oeps});
    case 3:
      return regels({QStringLiteral("Je hebt nog geen wachtwoord."), QStringLiteral("Je mag er nu 1 verzinnen."),
                     QString(), QStringLiteral("Vergeet je wachtwoord niet."), QString(),
                     QStringLiteral("Heb je iets fout gedaan, klik dan op:"), oeps});
    case 4:
      return regels({QStringLiteral("Voer je wachtwoord in."), QStringLiteral("Let er op dat je dit goed doet."),
                     QString(), QStringLiteral("Heb je een verkeerde naam gekozen, klik dan op:"), oeps});
    case 5:
      return regels({QStringLiteral("Typ de naam van je klas in."), QStringLiteral("Let er op dat je dit goed doet."),
                     QString(), QStringLiteral("Heb je iets verkeerd gedaan, klik dan op:"), oeps});
    case 6:
      return regels({QStringLiteral("Typ je voornaam en achternaam in."),
                     QStringLiteral("Een tussenvoegsel is bijvoorbeeld 'van de'."), QString(),
                     QStringLiteral("Heb je iets verkeerd gedaan, klik dan op:"), oeps});
    case 7:
      return regels({QStringLiteral("Je moet het wachtwoord voor de leraarmodule invoeren."),
                     QStringLiteral("Dit onderdeel is alleen voor leraren."), QString(),
                     QStringLiteral("Heb je iets verkeerd gedaan, klik dan op:"), oeps});
    default: return QStringLiteral("Nog niet klaar.");
  }
}

QString geenWachtwoordTekst() {
  return regels({QStringLiteral("Je hebt nog geen wachtwoord."), QStringLiteral("Je mag er zelf 1 verzinnen."),
                 QString(), QStringLiteral("Probeer wel je wachtwoord te onthouden."),
                 QStringLiteral("Je hebt het de volgende keer nodig."), QString(),
                 QStringLiteral("Klik eerst op 'OK'.")});
}

QString versieTekst() {
  const QString versie = QStringLiteral("%1.%2.%3")
                             .arg(KWIL_VERSION_MAJOR)
                             .arg(KWIL_VERSION_MINOR)
                             .arg(KWIL_VERSION_PATCH);
  const QStringList lines = {QStringLiteral("Gemaakt door de Kwilmora-ontwikkelaars, 2023-2026"),
                             QString(),
                             QStringLiteral("Versie: ") + versie,
                             QStringLiteral("Zondag 17-9-2023"),
                             QString(),
                             QStringLiteral("- Aangepaste database versie."),
                             QStringLiteral("- Voorlezen teksten."),
                             QStringLiteral("- Aanpassingen database locatie."),
                             QStringLiteral("- Database bladeren aangepast (bug).")};
  return lines.join(vbCr) + vbCr;
}

}  // namespace kwil

#include "lessons/les4/les4teksten.h"

#include <QList>

#include "platform/vb.h"

namespace kwil {

namespace {

// Pages 1 to 22. A bar over a letter ("_", raised above the formula row) is a line of its own.
const QList<PaginaTekst>& paginas() {
  static const QList<PaginaTekst> lijst = {
      pagina({"In deze les wordt het volgende besproken:", "- Schakelformules.",
              "- De EN (AND) de OF (OR) en de NIET (NOT).",
              "Lees of luister goed. Deze les wordt afgesloten met een toets."},
             "1 +5 T10.2 +5 T10.3 +5 / 4"),
      pagina({"Hierboven is twee keer een EN getekend.", "Voor beide schema's geldt:  a EN b = E.",
              "Dat wil zeggen... wanneer a = 1 EN b = 1 dan is E ook 1.",
              "Controleer dit met de knoppen s1 en s2 op de interface."},
             "1 / 2 / 3 / 4"),
      pagina(
          {"Beide schema's beschrijven we als:  a EN b = E.",
           "In de besturings techniek gebruiken we daarvoor formule's.",
           "We noemen dit ook wel schakel algebra.", "De basis van deze formule's is  WEL,  NIET,  EN,  OF."},
          "1 / 2 / 3 / 4"),
      pagina({"Een formule... ", "- begint met de uitgang. (Hier is dat E)",
              "- gebruikt voor de EN functie een . (PUNT)",
              "Dus:  E = a . b    spreek je uit als:  E is a EN b."},
             "1.T20.2 +5 T20.3 / / 4"),
      pagina({"Een formule...", "- kan meer dan 1 voorwaarde hebben.",
              "- heeft dan bijvoorbeeld meer. .. (Punten)",
              "Dus:  E = a . b . c    spreek je uit als:  E is a EN b EN c.",
              "Test voor je verder gaat de schakeling."},
             "1.T20.2 +5 T20.3 / 4 / 5"),
      pagina({"In een formule...", "- staat de . voor de EN.", "- staat de + voor de OF.",
              "Dat is erg verwarrend.", "Vooral omdat we bij rekenen de + als EN uitspreken."},
             "1.T24.2 +5 T24.3 / 4 / 5"),
      pagina({"Hierboven is twee keer een OF getekend. Hier geldt:  a OF b = E",
              "Dat wil zeggen...   wanneer a = 1 OF b = 1 dan is E ook 1.",
              "Beide schema's beschrijven we als:  a OF b = E.", "Test voor je verder gaat de schakeling."},
             "1 / 2 / 3 / 4"),
      pagina({"Een formule...", "- begint met de uitgang. (Hier is dat E)",
              "- gebruikt voor de OF functie een +", "Dus...", "E = a + b",
              "spreek je uit als:  E is a OF b.", "E = a + b + c", "spreek je uit als:  E is a OF b OF c."},
             "1.T20.2 +5 T20.3 +5 4 +5 5.T19.6 / 7.T19.8"),
      pagina({"In schakelformules gebruiken we voor de", "EN een .", "OF een +", "E = a . b",
              "spreek je uit als  E is a EN b.", "E = a + b", "spreek je uit als  E is a OF b."},
             "1.T46.2 T46.3 +10 4.T16.5 +5 6.T16.7"),
      pagina({"Hierboven is twee keer een NIET getekend.",
              "Voor beide schema's geldt:  E is NIET a. (Controleer dit.)", "Dat wil zeggen wanneer...",
              "a = 0 dan geldt dat E is 1.", "a = 1 dan geldt dat E is 0."},
             "1 / 2 / 3.T30.4 +5 T30.5"),
      pagina(
          {"In een formule...", "- kunnen streepjes getekend worden.",
           "- stelt een streepje de NIET functie voor.", "_", "E =", "a", "spreek je uit als:  E is NIET a"},
          "1.T24.2 +5 T24.3 / ^10 T7.4 ^5 5.T7.6 / 7"),
      pagina(
          {"Hierboven is twee keer een EN getekend.", "a is een WEL   b is een NIET",
           "Beide schema's beschrijven we als:  a EN NIET b = E.", "Test voor je verder gaat de schakeling."},
          "1 / 2 / 3 / 4"),
      pagina({"In een formule...", "- gebruik je een . (punt) voor de EN.",
              "- gebruik je een streepje voor de NIET.", "_", "E = a .", "b",
              "spreek je uit als:  E is a EN NIET b"},
             "1.T24.2 +5 T24.3 / ^10 T11.4 ^5 5.T11.6 / 7"),
      pagina({"Net als bij rekenen kent de schakelalgebra voorrangsregels.", "- eerst de NIET",
              "- daarna de EN", "- en daarna pas de OF", "Dieper gaan we in deze les niet op die regels in.",
              "Maak nu eerst vraag 45 tot en met 49 in je werkboek. (Blz. 23)"},
             "1 +5 2 3 4 +5 5 +5 6"),
      pagina({"In een formule kan de EN samen met de OF gebruikt worden.",
              "Voor beide schema's geldt:  a EN b OF c = E.", "Dat wil zeggen...", "wanneer a = 1 EN b = 1",
              "OF", "wanneer c = 1", "DAN", "is E ook 1."},
             "1 / 2 / 3.T28.4 T22.5.T28.6 T22.7.T28.8"),
      pagina(
          {"De schakelformule voor de getekende schema's is:",
           "E = a . b + c   spreek je uit als   E is a EN b OF c", "Test voor je verder gaat de schakeling."},
          "1 / 2 / / 3"),
      pagina({"Schakelaars a en b zijn aangesloten op een relais.",
              "Een relais (K) schakelt een contact (k-1) door stroom en magnetisme.",
              "Bekijk de  werking van de bovengetekende schakeling.",
              "Maak nu vraag 50 tot en met 53 in je werkboek"},
             "1 / 2 / 3 / 4"),
      pagina({"De NIET kan over meerdere ingangen getekend worden.", "In dit geval boven de a + b (a OF b)",
              "De NIET heeft de hoogste voorrang.", "Dus eerst NIET a OF b en daarna pas de EN c"},
             "1 / 2 / 3 / 4"),
      pagina({"Overzicht... (1 van 3.)", "In schakelformules gebruiken we voor de", "EN een .", "OF een +",
              "E = a . b", "spreek je uit als  E is a EN b.", "E = a + b", "spreek je uit als  E is a OF b."},
             "1 +10 2.T46.3 T46.4 +10 5.T16.6 +5 7.T16.8"),
      pagina({"Overzicht... (2 van 3.)", "De NIET wordt in de formule met een streep getekend.", "_",
              "E = a .", "b", "spreek je uit als:  E is a EN NIET b"},
             "1 +10 2 +10 ^10 T11.3 ^5 4.T11.5 / 6"),
      pagina({"Overzicht... (3 van 3).", "In de schakelalgebra gelden de onderstaande voorrangsregels.",
              "Als eerste de NIET", "Als tweede de EN", "Als derde de OF"},
             "1 +10 2 / 3 4 5"),
      pagina(
          {"Les 4 is nu klaar.", "Wanneer je op verder klikt, start de toets.", "Veel succes met de toets!"},
          "1 / 2 / 3"),
  };
  return lijst;
}

}  // namespace

PaginaTekst les4Pagina(int stap) {
  if (stap < 1 || stap > kLes4Paginas) return {};
  return paginas().at(stap - 1);
}

QStringList les4Zinnen(int stap) {
  return les4Pagina(stap).zinnen;
}

QString les4HelpTekst(int stap) {
  static const QList<QStringList> hulp = {
      {"In deze les maak je ook opdrachten in je werkboek.", "",
       "Tijdens de toets mag je dat werkboek ook gebruiken."},
      {"Test de schakeling(en) door op s1 en s2 te drukken.", "",
       "s1 bedient schakelaar a in het stroomkringschema.",
       "s2 bedient schakelaar b in het stroomkringschema.", "",
       "Een spanning op a en of b in het logische schema wordt rood getekend.", "",
       "Uitgang E zal alleen rood zijn wanneer s1 EN s2 ingedrukt (bediend) worden.", "", "",
       "Zonder interface kun je deze les niet goed volgen.", "",
       "(Je kunt nu wel de F1 en F2 toets gebruiken.)"},
      {"Een formule bestaat uit invoer, bewerking en resultaat.", "", "- De invoer = s1, s2.", "",
       "- De bewerking = EN.", "", "- Het resultaat = E.", "",
       "E brandt alleen wanneer s1 EN s1 bediend worden.", "", QString(48, QLatin1Char('_')), "",
       "Algebra is de basis van rekenen.", "", "In plaats van getallen gebruik je letters.", "",
       "Algebra betekent 'LEER VAN DE VERGELIJKINGEN'", "", ""},
      {"De formule is   E = a . b", "", "Hierin is bijvoorbeeld...", "",
       "E = een lamp, een motor of een verwarmingselement.",
       "a = een drukknop, een lichtsensor of een sleutelschakelaar.",
       "b = een drukknop, een lichtsensor of een sleutelschakelaar.", "",
       "In de formule staat niet WAT aangesloten is maar HOE het aangesloten is."},
      {"Uitgang E is alleen 1 wanneer", "", "a bediend is", "", "EN", "", "b bediend is", "", "EN", "",
       "c bediend is."},
      {"Goed opletten dus.", "", "De . (punt) is een EN.", "", "De + (plus) is een OF."},
      {"In het stroomkringschema (linker tekening) is de werking duidelijk na te gaan.", "",
       "Uitgang E is AAN wanneer je a OF b bedient."},
      {"De + = OF", "", "De . = EN"},
      {"", "E2 = b . c spreek je uit als E2 is b EN c", "", "", "E2 = b + c spreek je uit als E2 is b OF c",
       "", ""},
      {"Wanneer je NIETs doet brandt de LED.", "", "Bedien je de schakelaar, dan gaat de LED juist UIT."},
      {"Wanneer je ergens een streep doorhaalt,", "wil dat zeggen dat je iets NIET doet.", "",
       "In de formule wordt de streep er boven getekend.", "",
       "De streep kan over meerdere delen getekend worden.",
       "Wat onder 1 streep staat hoort bij elkaar. (Heeft voorrang)"},
      {"Schakelaar a is een maakcontact.", "", "Schakelaar b is een verbreekcontact.", "",
       "Test de schakeling door op de knoppen van de interface te drukken."},
      {"E is a EN NIET b", "", "is niet gelijk aan", "", "E is a EN b NIET", "", "Blijf dus opletten!"},
      {"Maak de vragen in je werkboek."},
      {"Test de schakeling met behulp van de eerste", "drie knoppen van de interface.", "",
       "Je kunt hiervoor het beste naar het", "stroomkringschema kijken. (Linker figuur)"},
      {"De EN heeft voorrang op de OF.", "", "Daarom zijn a EN b in serie aangesloten.", "",
       "Je kunt net als bij rekenen haakjes", "gebruiken om de voorrang te regelen.", "",
       "E = a . (b + c) is een heel andere schakeling."},
      {"In een relais zitten schakelaars.", "", "Deze schakelaars worden meestal niet met de hand bediend.",
       "", "Een relais wordt geschakeld door stroom.", "", "Stroom is het gevolg van spanning.", "",
       QString(73, QLatin1Char('-')), "", "De getekende schakeling kun je als volgt beschrijven.", "",
       "E brandt wanneer je alleen c bedient.", "", "Zodra a of b bediend worden, kan E niet branden."},
      {"Door de lange streep (NIET) horen a + b bij elkaar.", "", "Hierdoor versandert de voorrang en heeft",
       "", "de OF voorrang op de EN.", "", "Deze regels hoef je voor het VMBO examen niet te kennen."},
  };
  if (stap >= 1 && stap <= hulp.size()) return hulp.at(stap - 1).join(vbCr);
  if (stap > hulp.size() && stap <= kLes4Paginas) return QStringLiteral("Geen hulp meer aanwezig");
  return QStringLiteral("Geen hulp beschikbaar.");
}

Les4Poort les4Poort(int nieuweStap) {
  const QString s1s2 = QStringLiteral("Test de schakeling met de knoppen s1 en s2 op de interface.");
  const QString s1s2s3 = QStringLiteral("Test de schakeling met de knoppen s1, s2 en s3 op de interface.");
  switch (nieuweStap) {
    case 3:
      return {
          1,
          QStringList{s1s2,
                      QStringLiteral("Wanneer geen interface aangesloten is, kun je beter niet verder gaan!"),
                      QStringLiteral("Wil je toch verder dan kun je F1 en F2 gebruiken!"),
                      QStringLiteral("Niet aanbevolen!")}
              .join(vbCr + vbCr)};
    case 6:
      return {2, QStringLiteral("Test de schakeling met de knoppen s1; s2 en s3 op de interface.")};
    case 8:
      return {3, s1s2};
    case 11:
      return {4, QStringLiteral("Test de schakeling met de knop s1 op de interface.")};
    case 13:
      return {5, s1s2};
    case 17:
      return {6, s1s2s3};
    case 18:
      return {7, s1s2s3};
    default:
      return {};
  }
}

QString les4Werkboekvraag() {
  return QStringLiteral("Zo... jij kunt snel werken.") + vbCr + vbCr +
         QStringLiteral("Heb je de vragen in je boek zorvuldig gemaakt?");
}

}  // namespace kwil

#include "lessons/les3/les3teksten.h"

#include <QList>
#include <QMap>
#include <algorithm>

#include "platform/vb.h"
#include "shared/schakeling.h"

namespace kwil {

namespace {

// Pages 1 to 30: the lines and how they are printed.
const QList<PaginaTekst>& paginas() {
  static const QList<PaginaTekst> lijst = {
      // 1
      pagina({"In deze les wordt het volgende besproken...", "- Poorten: de EN, de OF en de NIET.",
        "- De NEN en de NOF.", "- Schakelingen die uit poorten bestaan.",
        "Aan het eind van de les maak je een toets."},
       "1 +5 T10.2 +5 T10.3 +5 T10.4 / 5"),
      pagina({"In les 1 heb je schakelingen met drukknoppen getest.",
        "Een poort is een kleine elektronische schakeling.", "Hij bepaalt zijn uitgang uit zijn ingangen.",
        "Een 1 is een hoge spanning, een 0 is een lage spanning.",
        "In de tekeningen is een 1 rood en een 0 donkerblauw."},
       "1 / 2 3 / 4 5"),
      pagina({"Hierboven staan de symbolen van drie poorten.", "Een poort teken je als een rechthoek met een teken erin:",
        "'&' voor EN, '≥1' voor OF en '1' voor NIET.",
        "Het kleine rondje bij de uitgang betekent: omkeren.", "Een poort met zo'n rondje heeft een NIET in zich."},
       "1 / 2 3 / 4 5"),
      // 4 to 6: the three basic gates
      pagina({"Dit is een EN-poort met de ingangen s1 en s2.", "Druk op s1 en s2 van de interface, los en samen.",
        "Uitgang E1 van de interface doet wat de poort doet.",
        "De uitgang is alleen 1 als beide ingangen 1 zijn."},
       "1 / 2 3 / 4"),
      pagina({"Dit is een OF-poort met de ingangen s1 en s2.", "Probeer alle vier de standen van s1 en s2.",
        "De uitgang is 1 als s1 OF s2 1 is, of allebei.",
        "Alleen als beide ingangen 0 zijn, is de uitgang 0."},
       "1 / 2 / 3 4"),
      pagina({"Dit is een NIET-poort, ook wel een invertor genoemd.", "Een NIET-poort heeft maar één ingang: s1.",
        "Hij keert de ingang om:", "van 0 maakt hij 1 en van 1 maakt hij 0.", "Druk s1 in en laat hem weer los."},
       "1 / 2 / 3 4 / 5"),
      // 7
      pagina({"Poorten zitten in een chip: een zwart blokje met pootjes.",
        "In één chip zitten vaak vier poorten van dezelfde soort.",
        "Twee pootjes zijn voor de voeding: de plus en de min.",
        "De andere pootjes zijn de ingangen en uitgangen.", "Met een paar chips bouw je een hele schakeling."},
       "1 / 2 / 3 4 / 5"),
      // 8 to 11: NEN and NOF
      pagina({"Achter de uitgang van een EN-poort zit nu een NIET-poort.", "Probeer alle standen van s1 en s2.",
        "Kijk naar de uitgang van de EN en van de NIET.", "E1 is alleen 0 als s1 en s2 allebei 1 zijn."},
       "1 / 2 / 3 / 4"),
      pagina({"Een EN met een NIET erachter heet een NEN-poort.",
        "Het symbool is een EN met een rondje bij de uitgang.", "NEN betekent: NIET EN.",
        "E1 is 1, behalve als beide ingangen 1 zijn."},
       "1 / 2 / 3 / 4"),
      pagina({"Nu zit er een NIET-poort achter een OF-poort.", "Probeer weer alle standen van s1 en s2.",
        "E1 is alleen 1 als s1 en s2 allebei 0 zijn."},
       "1 / 2 / 3"),
      pagina({"Een OF met een NIET erachter heet een NOF-poort.",
        "Het symbool is een OF met een rondje bij de uitgang.", "NOF betekent: NIET OF.",
        "E1 is alleen 1 als geen enkele ingang 1 is."},
       "1 / 2 / 3 / 4"),
      // 12, 13: three inputs
      pagina({"Een EN-poort kan ook drie ingangen hebben: s1, s2 en s3.", "Met drie knoppen zijn er 8 standen.",
        "De uitgang is alleen 1 als alle drie de ingangen 1 zijn.", "Probeer alle 8 standen uit."},
       "1 / 2 / 3 / 4"),
      pagina({"Dit is een OF-poort met drie ingangen.", "De uitgang is 1 als minstens één ingang 1 is.",
        "Alleen als alle drie de ingangen 0 zijn, is hij 0.", "Zo is de uitgang bij 7 van de 8 standen 1."},
       "1 / 2 3 / 4"),
      // 14 to 16: circuits of gates
      pagina({"Nu maken we een schakeling van twee poorten.", "De uitgang van de EN-poort gaat naar de OF-poort.",
        "E1 is 1 als s1 EN s2 allebei 1 zijn, OF als s3 1 is.", "We schrijven dat zo: (s1 EN s2) OF s3.",
        "Probeer alle 8 standen uit."},
       "1 2 / 3 / 4 / 5"),
      pagina({"Hier zit de OF-poort voor de EN-poort.", "E1 is 1 als s1 1 is EN ook s2 OF s3 1 is.",
        "We schrijven: s1 EN (s2 OF s3).", "Let goed op: de haakjes maken het verschil!"},
       "1 / 2 / 3 / 4"),
      pagina({"Een NIET-poort kan ook voor een ingang staan.", "Hier wordt s1 eerst omgekeerd.",
        "E1 is 1 als s1 NIET is ingedrukt EN s2 wel.", "We schrijven: NIET s1 EN s2."},
       "1 2 / 3 / 4"),
      // 17, 18: the unknown gate
      pagina({"Op de interface zit nu een onbekende poort.", "Je ziet alleen een vraagteken.",
        "Probeer s1 en s2 uit, los en samen, en kijk naar E1.",
        "Schrijf de uitkomsten op en zoek welke poort het is.",
        "Op de volgende bladzijde zie je of je gelijk had."},
       "1 2 / 3 / 4 / 5"),
      pagina({"Het was een NOF-poort!", "E1 was alleen 1 als s1 en s2 allebei 0 waren.",
        "Zo vind je elke poort: probeer alle standen", "en vergelijk de uitkomsten met die van de poorten."},
       "1 / 2 / 3 4"),
      // 19, 20: circuits from practice
      pagina({"Een trap heeft een lamp met een schakelaar boven en beneden.",
        "Met elke schakelaar zet je de lamp aan of uit.", "Met poorten bouw je dat zo:",
        "(s1 EN NIET s2) OF (NIET s1 EN s2).", "E1 brandt als precies één schakelaar aan is."},
       "1 2 / 3 4 / 5"),
      pagina({"Een schakeling uit de praktijk: de gordelwaarschuwing in een auto.",
        "s1 is 1 als er iemand op de stoel zit.", "s2 is 1 als de gordel vastzit.",
        "De lamp E1 brandt als de stoel bezet is", "EN de gordel NIET vastzit: s1 EN NIET s2."},
       "1 / 2 3 / 4 5"),
      // 21 to 24: the table and the workbook
      pagina({"Hierboven staat de tabel van alle poorten.", "Links staan de standen van de ingangen,",
        "rechts wat elke poort daarbij aan de uitgang geeft.",
        "De NIET heeft maar één ingang en staat apart."},
       "1 / 2 3 / 4"),
      pagina({"Kijk nog eens goed naar de tabel.", "EN: alleen 1 als alle ingangen 1 zijn.",
        "OF: 1 als minstens één ingang 1 is.", "NEN en NOF geven precies het omgekeerde van EN en OF.",
        "NIET: keert de ingang om."},
       "1 / 2 3 4 5"),
      pagina({"Een EN, OF, NEN of NOF kan ook meer dan twee ingangen hebben.",
        "Bij 2 ingangen zijn er 4 standen, bij 3 ingangen 8.",
        "Met elke ingang erbij wordt het aantal standen 2 keer zo groot."},
       "1 / 2 / 3"),
      pagina({"Maak nu de opdrachten in je werkboek.", "Neem de tabel van alle poorten over.",
        "Teken ook de symbolen van EN, OF, NIET, NEN en NOF.", "Vergeet het rondje niet bij NIET, NEN en NOF!"},
       "1 / 2 / 3 / 4"),
      // 25: the final circuit
      pagina({"Tot slot een schakeling van drie poorten:", "E1 = (s1 OF s2) EN NIET s3.",
        "De lamp gaat aan als een deur open is (s1 of s2),", "maar niet als het buiten licht is (s3).",
        "Test de schakeling helemaal: alle 8 standen."},
       "1 / 2 / 3 4 / 5"),
      // 26 to 30: the summary and the end
      pagina({"Overzicht... (1 van 4.)", "Een poort is een kleine elektronische schakeling.",
        "1 is een hoge spanning, 0 is een lage spanning.",
        "Een poort teken je als rechthoek met '&', '≥1' of '1'."},
       "1 +10 2 / 3 / 4"),
      pagina({"Overzicht... (2 van 4.)", "EN: de uitgang is alleen 1 als alle ingangen 1 zijn.",
        "OF: de uitgang is alleen 0 als alle ingangen 0 zijn.", "NIET: één ingang, de uitgang is het omgekeerde."},
       "1 +10 2 / 3 / 4"),
      pagina({"Overzicht... (3 van 4.)", "Een rondje bij de uitgang keert de uitgang om.",
        "NEN is een EN met een NIET erachter.", "NOF is een OF met een NIET erachter."},
       "1 +10 2 / 3 / 4"),
      pagina({"Overzicht... (4 van 4.)", "Poorten kun je achter elkaar schakelen.",
        "De haakjes zeggen welke poort eerst komt.", "Een onbekende poort vind je door alle standen te proberen."},
       "1 +10 2 / 3 / 4"),
      pagina({"Les 3 is nu klaar.", "Klik op Verder om de toets te beginnen.", "De vragen en antwoorden worden voorgelezen",
        "als je erop klikt.", "Veel succes met het maken van de toets."},
       "1 2 / 3 4 / 5"),
  };
  return lijst;
}

const QMap<int, Les3Schakeling>& schakelingen() {
  static const QMap<int, Les3Schakeling> lijst = {
      {4, {"s1 EN s2"}},
      {5, {"s1 OF s2"}},
      {6, {"NIET s1"}},
      {8, {"NIET (s1 EN s2)", true}},
      {9, {"NIET (s1 EN s2)"}},
      {10, {"NIET (s1 OF s2)", true}},
      {11, {"NIET (s1 OF s2)"}},
      {12, {"s1 EN s2 EN s3"}},
      {13, {"s1 OF s2 OF s3"}},
      {14, {"(s1 EN s2) OF s3"}},
      {15, {"s1 EN (s2 OF s3)"}},
      {16, {"NIET s1 EN s2"}},
      {17, {"NIET (s1 OF s2)", false, true}},
      {18, {"NIET (s1 OF s2)", false, false, false}},
      {19, {"(s1 EN NIET s2) OF (NIET s1 EN s2)"}},
      {20, {"s1 EN NIET s2"}},
      {25, {"(s1 OF s2) EN NIET s3"}},
  };
  return lijst;
}

}  // namespace

Les3Beeld les3Beeld(int stap) {
  if (stap == 3) return Les3Beeld::Symbolen;
  if (stap >= 21 && stap <= kLes3WerkboekStap) return Les3Beeld::Tabel;  // also while it is copied
  return les3Schakeling(stap) ? Les3Beeld::Schakeling : Les3Beeld::Geen;
}

const Les3Schakeling* les3Schakeling(int stap) {
  const auto it = schakelingen().constFind(stap);
  return it == schakelingen().constEnd() ? nullptr : &*it;
}

PaginaTekst les3Pagina(int stap) {
  if (stap < 1 || stap > kLes3Paginas) return {};
  return paginas().at(stap - 1);
}

QStringList les3Zinnen(int stap) { return les3Pagina(stap).zinnen; }

int les3Knoppen(const Les3Schakeling& schakeling) {
  QString fout;
  const auto e = SchakelExpressie::lees(schakeling.formule, fout);
  return e ? std::max(1, e->hoogsteKnop()) : 1;
}

namespace {

// "a", "a en b", "a, b en c".
QString opsomming(const QStringList& delen) {
  if (delen.size() < 2) return delen.join(QString());
  return delen.mid(0, delen.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" en ") + delen.last();
}

// How to work exactly the circuit's inputs without an interface.
QStringList zonderInterface(int knoppen) {
  QStringList toetsen, ingangen;
  for (int k = 1; k <= knoppen; ++k) {
    toetsen.append(QStringLiteral("F%1").arg(k));
    ingangen.append(QStringLiteral("s%1").arg(k));
  }
  return {QString(), QStringLiteral("Heb je geen interface?"),
          QStringLiteral("Houd dan %1 ingedrukt voor %2.").arg(opsomming(toetsen), opsomming(ingangen))};
}

}  // namespace

QString les3HelpTekst(int stap) {
  static const QList<QStringList> hulp = {
      {"In deze les maak je ook opdrachten in je werkboek.", "", "Tijdens de toets mag je dat werkboek ook gebruiken."},
      {"Een poort werkt met spanning: hoog of laag.", "Hoog noemen we 1, laag noemen we 0.", "",
       "Een ingedrukte knop geeft een 1."},
      {"Het teken in de rechthoek zegt wat de poort doet.", "& spreek je uit als 'en'.",
       "≥1 betekent: minstens één ingang is 1."},
      {"Een rode lijn is 1, een donkerblauwe lijn is 0.", "Naast de poort staat de waarde van zijn uitgang.",
       "De poort laat je pas verder als je alle standen geprobeerd hebt."},
      {"Bij een OF-poort is één ingang die 1 is genoeg.", "Denk aan les 1: de schakelaars stonden parallel."},
      {"Invertor komt van inverteren: omkeren.", "Als je niets indrukt, brandt E1 dus wel."},
      {"Een chip heet ook wel een IC: een geïntegreerde schakeling.",
       "De pootjes zijn genummerd, zo weet je welke ingang welke is."},
      {"Volg de lijnen van links naar rechts.", "Eerst de EN-poort, dan de NIET-poort."},
      {"Het rondje is dezelfde NIET-poort als op de vorige bladzijde,", "alleen veel kleiner getekend."},
      {"Volg de lijnen van links naar rechts.", "Eerst de OF-poort, dan de NIET-poort."},
      {"Vergelijk de NOF met de OF:", "waar de OF 1 geeft, geeft de NOF 0."},
      {"Tel de standen: s1 kan 0 of 1 zijn, s2 ook en s3 ook.", "Dat zijn 2 x 2 x 2 = 8 standen."},
      {"Er is maar één stand waarbij de uitgang 0 is:", "als je geen enkele knop indrukt."},
      {"Kijk eerst naar de EN-poort, daarna naar de OF-poort.", "Met s3 alleen brandt E1 al."},
      {"Wat tussen haakjes staat, reken je eerst uit.", "Zonder s1 brandt E1 nooit."},
      {"De NIET-poort staat alleen in de draad van s1.", "s2 gaat rechtstreeks naar de EN-poort."},
      {"Maak een tabeltje met s1, s2 en E1.", "Vergelijk het met de poorten die je al kent."},
      {"Een NOF geeft alleen een 1 als alle ingangen 0 zijn."},
      {"Op de trap zet je de lamp beneden aan en boven weer uit.", "Dat lukt met elke schakelaar, welke stand de andere ook heeft."},
      {"s1 EN NIET s2 betekent:", "s1 is ingedrukt en s2 is niet ingedrukt."},
      {"Een tabel met alle standen van de ingangen", "en de uitgang heet een waarheidstabel."},
      {"NEN is het omgekeerde van EN,", "NOF is het omgekeerde van OF."},
      {"1 ingang: 2 standen, 2 ingangen: 4 standen,", "3 ingangen: 8 standen, 4 ingangen: 16 standen."},
      {"Wanneer je het werkboek goed ingevuld hebt,", "kun je dat prima gebruiken bij de toets."},
      {"Reken eerst (s1 OF s2) uit en kijk dan naar s3.", "Als s3 is ingedrukt, brandt E1 nooit."},
  };
  static const QStringList overzicht = {"Bij het overzicht is geen hulp meer beschikbaar.",
                                        "Je kunt natuurlijk nog wel terug bladeren."};
  if (stap >= 1 && stap <= hulp.size()) {
    QStringList regels = hulp.at(stap - 1);
    if (const Les3Schakeling* schakeling = les3Schakeling(stap))
      regels += zonderInterface(les3Knoppen(*schakeling));
    return regels.join(vbCr);
  }
  if (stap > hulp.size() && stap <= kLes3Paginas) return overzicht.join(vbCr);
  return QStringLiteral("Nog niet klaar.");
}

QString les3Weigering(int knoppen) {
  switch (knoppen) {
    case 1: return QStringLiteral("Druk eerst s1 in en laat hem weer los!");
    case 2: return QStringLiteral("Probeer eerst alle 4 standen van s1 en s2 uit!");
    default: return QStringLiteral("Probeer eerst alle 8 standen van s1, s2 en s3 uit!");
  }
}

QString les3WerkboekVraag() { return QStringLiteral("Heb je de tabel en de symbolen netjes in je werkboek getekend?"); }

}  // namespace kwil

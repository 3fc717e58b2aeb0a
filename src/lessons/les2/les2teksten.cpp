#include "lessons/les2/les2teksten.h"

#include <QList>

#include "platform/vb.h"

namespace kwil {

namespace {

struct VastePagina {
  QStringList zinnen;
  QString opmaak;
};

const QList<VastePagina>& paginas() {
  static const QList<VastePagina> lijst = {
      {{"In deze les wordt het volgende besproken...", "- Wat een waarheidstabel is.",
        "- Hoe je een waarheidstabel invult met de schakelaars.", "- Hoe je een schakeling herkent aan haar tabel.",
        "Aan het eind van de les maak je een toets."},
       "1 +5 T10.2 +5 T10.3 +5 T10.4 / 5"},
      {{"Hierboven zie je de WEL schakeling uit les 1 met haar waarheidstabel.",
        "In een waarheidstabel staat voor elke stand van de schakelaars", "wat de uitgang doet.",
        "Links staan de schakelaars, rechts staat de uitgang E1."},
       "1 / 2 3 / 4"},
      {{"In een waarheidstabel schrijven we alleen nullen en enen.", "Bij een schakelaar:", "0 = onbediend,",
        "1 = bediend (ingedrukt).", "Bij de uitgang:", "0 = uit: de bel gaat niet, de Led brandt niet,",
        "1 = aan: de bel gaat, de Led brandt."},
       "1 / 2.T20.3 T20.4 +5 5.T20.6 T20.7"},
      {{"Elke schakelaar heeft 2 standen: 0 en 1.", "Met elke schakelaar erbij verdubbelt het aantal regels:",
        "- 1 schakelaar geeft 2 regels,", "- 2 schakelaars geven 4 regels,", "- 3 schakelaars geven 8 regels.",
        "Hierboven zie je de tabel van een schakeling met 3 schakelaars."},
       "1 / 2 T5.3 T5.4 T5.5 / 6"},
      {{"De regels staan altijd in dezelfde volgorde: je telt.", "Met 2 schakelaars: 00, 01, 10, 11.",
        "Met 3 schakelaars: 000, 001, 010, 011, 100, 101, 110, 111.",
        "In de bovenste regel zijn alle schakelaars onbediend,", "in de onderste regel zijn ze allemaal bediend."},
       "1 / 2 3 / 4 5"},
      {{"Teken nu in je werkboek een lege waarheidstabel", "voor 2 schakelaars: s1, s2 en de uitgang E1.",
        "Schrijf de standen van s1 en s2 in de goede volgorde.", "Hierboven zie je hoe het moet."},
       "1 2 / 3 / 4"},
      {{"Hierboven staat de WEL schakeling met s1 en Led E1.", "Bedien s1 op de interface en laat hem weer los.",
        "De regel van de stand die je bedient licht op.", "E1 wordt ingevuld zodra je die stand geprobeerd hebt."},
       "1 / 2 / 3 / 4"},
      {{"Dit is de NIET schakeling: s1 is een verbreekcontact.", "Vul de tabel in met s1.",
        "Vergelijk de tabel met die van de WEL schakeling."},
       "1 / 2 / 3"},
      {{"Nu de EN schakeling: s1 en s2 staan in serie.", "Er zijn 4 standen. Probeer ze allemaal:",
        "niets, alleen s2, alleen s1, en s1 en s2 samen."},
       "1 / 2 3"},
      {{"De OF schakeling: s1 en s2 staan parallel.", "Vul ook deze tabel helemaal in.",
        "Let op: bij welke standen brandt E1?"},
       "1 / 2 / 3"},
      {{"Een EN schakeling kan ook 3 schakelaars hebben.", "s1, s2 en s3 staan in serie.",
        "Met 3 schakelaars zijn er 8 standen.", "Probeer ze alle 8 met s1, s2 en s3."},
       "1 / 2 / 3 / 4"},
      {{"Zo ziet een OF schakeling met 3 schakelaars eruit.", "s1, s2 en s3 staan parallel.",
        "Vul de 8 regels van de tabel in."},
       "1 / 2 / 3"},
      {{"Een tabel lezen: wanneer is de uitgang 1?", "Bij EN is E1 maar in 1 regel 1:",
        "alleen als alle schakelaars bediend zijn.", "Bij OF is E1 in elke regel 1, behalve in de bovenste.",
        "Bij NIET is E1 juist 1 als s1 onbediend is."},
       "1 / 2 3 / 4 / 5"},
      {{"Schakelingen kun je ook combineren.", "Hier staan s1 en s2 in serie, en s3 staat daar parallel aan.",
        "Dat schrijven we zo: (s1 EN s2) OF s3.", "Vul de tabel in met s1, s2 en s3."},
       "1 / 2 / 3 / 4"},
      {{"Nog een combinatie: s1 EN NIET s2.", "s1 is een maakcontact, s2 is een verbreekcontact.",
        "Ze staan in serie.", "Vul de tabel in met s1 en s2."},
       "1 / 2 3 / 4"},
      {{"Bij s1 EN NIET s2 is E1 maar in 1 regel 1:", "als s1 = 1 en s2 = 0.",
        "Dus als s1 bediend is EN s2 NIET bediend is.", "Zo lees je in de tabel wat een schakeling doet."},
       "1 2 / 3 / 4"},
      {{"Op de interface zit nu een onbekende schakeling.", "Het schema zie je nog niet.",
        "Vul de tabel in met s1 en s2.", "Klik daarna op de naam van de schakeling."},
       "1 2 / 3 / 4"},
      {{"Deze schakeling heeft 3 takken naast elkaar:", "s1, s2, en s1 en s2 in serie.",
        "Vul de tabel in met s1 en s2.", "Vergelijk de tabel met die van de vorige bladzijde."},
       "1 2 / 3 / 4"},
      {{"De tabel is precies gelijk aan die van de OF schakeling.", "Twee schakelingen met dezelfde waarheidstabel",
        "doen bij elke stand van de schakelaars hetzelfde,", "ook al zien ze er in het schema anders uit."},
       "1 / 2 3 4"},
      {{"Hier staan twee verbreekcontacten in serie.", "Wat doet E1? Voorspel dat eerst:",
        "klik op de vakjes in de kolom 'Jij' en kies 0 of 1.", "Controleer je voorspelling daarna met s1 en s2."},
       "1 / 2 3 / 4"},
      {{"Een alarm in een huis: E1 is de sirene.", "s1 = het alarm staat aan,",
        "s2 = de deur gaat open, s3 = het raam gaat open.", "De schakeling is: s1 EN (s2 OF s3).",
        "Vul de tabel in met s1, s2 en s3."},
       "1 / 2 3 / 4 / 5"},
      {{"Wanneer gaat het alarm af?", "Alleen als het alarm aanstaat (s1 = 1)",
        "EN de deur OF het raam opengaat.", "In de tabel is E1 daarom in 3 regels 1."},
       "1 / 2 3 / 4"},
      {{"Een pers in een fabriek mag alleen werken", "als je met twee handen drukt: s1 EN s2.",
        "s3 is de noodstop, een verbreekcontact.", "De schakeling is: s1 EN s2 EN NIET s3.", "Vul de tabel in."},
       "1 2 / 3 / 4 / 5"},
      {{"Schrijf de waarheidstabel van de pers in je werkboek.", "Let op de volgorde van de regels:",
        "000, 001, 010, 011, 100, 101, 110, 111.", "In welke regel werkt de pers?"},
       "1 / 2 3 / 4"},
      {{"Nog een onbekende schakeling op de interface.", "Vul de tabel in met s1 en s2.",
        "Klik daarna op de naam van de schakeling."},
       "1 / 2 / 3"},
      {{"Overzicht... (1 van 2.)", "In een waarheidstabel staat voor elke stand",
        "van de schakelaars wat de uitgang doet.", "0 = onbediend of uit, 1 = bediend of aan.",
        "1, 2 of 3 schakelaars geven 2, 4 of 8 regels."},
       "1 +10 2 3 / 4 / 5"},
      {{"Overzicht... (2 van 2.)", "EN: E1 = 1 alleen als alle schakelaars bediend zijn.",
        "OF: E1 = 1 als minstens 1 schakelaar bediend is.", "NIET: E1 = 1 als de schakelaar onbediend is.",
        "Dezelfde tabel: de schakelingen doen hetzelfde."},
       "1 +10 2 3 4 / 5"},
      {{"Vul in je werkboek de waarheidstabellen in", "van de schakelingen WEL, NIET, EN en OF.",
        "Kijk in het overzicht als je het niet meer weet."},
       "1 2 / 3"},
      {{"Les 2 is nu klaar.", "Klik op Verder om de toets te beginnen.", "De vragen en antwoorden worden voorgelezen",
        "als je erop klikt.", "Veel succes met het maken van de toets."},
       "1 2 / 3 4 / 5"},
  };
  return lijst;
}

const QStringList kMetSchakelaars = {"", "Gebruik de knoppen s1, s2 en s3 op de interface.",
                                     "Heb je geen interface? Houd dan F1, F2 en F3 ingedrukt.", "",
                                     "Probeer elke stand: de tabel is vol als elke regel een uitgang heeft."};

}  // namespace

PaginaTekst les2Pagina(int stap) {
  if (stap < 1 || stap > kLes2Paginas) return {};
  const VastePagina& vast = paginas().at(stap - 1);
  return pagina(vast.zinnen, vast.opmaak);
}

QStringList les2Zinnen(int stap) { return les2Pagina(stap).zinnen; }

QString les2HelpTekst(int stap) {
  static const QStringList overzicht = {"Bij het overzicht is geen hulp meer beschikbaar.",
                                        "Je kunt natuurlijk nog wel terug bladeren."};
  static const QList<QStringList> hulp = {
      {"In deze les maak je ook opdrachten in je werkboek.", "", "Tijdens de toets mag je dat werkboek ook gebruiken."},
      {"Een waarheidstabel is een lijstje.", "Elke regel is een stand van de schakelaars,",
       "met daarachter wat de uitgang dan doet."},
      {"Een 1 bij een schakelaar: hij is ingedrukt.", "Een 0 bij een schakelaar: hij is niet ingedrukt.", "",
       "Een 1 bij de uitgang: de Led brandt.", "Een 0 bij de uitgang: de Led brandt niet."},
      {"Elke schakelaar kan 0 of 1 zijn.", "Met 2 schakelaars: 2 x 2 = 4 regels.", "Met 3 schakelaars: 2 x 2 x 2 = 8 regels."},
      {"Lees de standen van de schakelaars als een getal.", "00, 01, 10, 11 is tellen in het tweetallig stelsel:",
       "0, 1, 2, 3. Daarover leer je meer in les 5."},
      {"Een lege tabel heeft wel de standen van de schakelaars,", "maar nog geen uitgangen.",
       "Zet s1 in de eerste kolom, s2 in de tweede en E1 in de laatste."},
      {"Gebruik de knop s1 op de interface.", "Heb je geen interface? Houd dan F1 ingedrukt.", "",
       "De tabel is vol als beide regels een uitgang hebben."},
      {"Bij de NIET schakeling brandt E1", "als je NIET op s1 drukt.",
       "Gebruik s1 op de interface, of F1 zonder interface."},
      {"Gebruik de knoppen s1 en s2 op de interface.", "Heb je geen interface? Houd dan F1 en F2 ingedrukt.", "",
       "Druk s1 en s2 ook een keer tegelijk in."},
      {"Bij OF brandt E1 als s1 OF s2 bediend is,", "en ook als ze allebei bediend zijn.",
       "Gebruik s1 en s2, of F1 en F2 zonder interface."},
      QStringList{"Bij EN met 3 schakelaars brandt E1 alleen", "als s1, s2 en s3 alle drie bediend zijn."} + kMetSchakelaars,
      QStringList{"Bij OF met 3 schakelaars is 1 bediende schakelaar", "al genoeg om E1 te laten branden."} +
          kMetSchakelaars,
      {"Tel bij EN en bij OF de regels waarin E1 = 1 is.", "EN: alleen de onderste regel.",
       "OF: alle regels behalve de bovenste."},
      {"Volg de stroom in het schema van boven naar beneden.", "Via s1 en s2 samen, of via s3, komt de stroom bij E1.",
       "", "Gebruik s1, s2 en s3, of F1, F2 en F3 zonder interface."},
      {"Een verbreekcontact laat stroom door als je hem NIET bedient.",
       "E1 brandt dus als s1 bediend is en s2 niet.", "", "Gebruik s1 en s2, of F1 en F2 zonder interface."},
      {"Zoek in de tabel de regels waarin E1 = 1 is.", "Lees dan welke schakelaars daar 1 en 0 zijn."},
      {"Gebruik s1 en s2, of F1 en F2 zonder interface.", "Kijk daarna wanneer E1 = 1 is:",
       "alleen als alles bediend is? Of als er iets bediend is?", "Of juist als er niets bediend is?"},
      {"Via elke tak kan de stroom naar E1.", "Gebruik s1 en s2, of F1 en F2 zonder interface."},
      {"Het schema mag anders zijn:", "als de tabel gelijk is, doen de schakelingen hetzelfde."},
      {"Klik op een vakje in de kolom 'Jij' om 0 of 1 te kiezen.", "Klik nog eens om het te veranderen.", "",
       "Als elk vakje een 0 of 1 heeft, probeer je alle standen", "met s1 en s2, of met F1 en F2."},
      {"De sirene gaat alleen als het alarm aanstaat.", "Dan is de deur OF het raam genoeg.", "",
       "Gebruik s1, s2 en s3, of F1, F2 en F3 zonder interface."},
      {"Tel de regels waarin E1 = 1 is.", "In al die regels is s1 = 1."},
      {"De noodstop is een verbreekcontact:", "als je hem bedient, stopt de pers altijd.", "",
       "Gebruik s1, s2 en s3, of F1, F2 en F3 zonder interface."},
      {"Schrijf eerst de standen van s1, s2 en s3 op,", "daarna de uitgang E1.",
       "Wanneer je het werkboek goed ingevuld hebt,", "kun je dat prima gebruiken bij de toets."},
      {"Gebruik s1 en s2, of F1 en F2 zonder interface.", "Is E1 alleen 1 als alles bediend is,",
       "of al als er iets bediend is?"},
      overzicht,
      overzicht,
      {"Schrijf bij elke schakeling eerst de standen van de schakelaars,", "daarna de uitgang E1.",
       "Het overzicht op de vorige bladzijden helpt je daarbij.", "",
       "Wanneer je het werkboek goed ingevuld hebt,", "kun je dat prima gebruiken bij de toets."},
      {"De toets heeft 10 vragen.", "Kies bij elke vraag een antwoord en klik op Bevestig.",
       "Na de laatste vraag zie je je cijfer.", "", "Tijdens de toets mag je je werkboek gebruiken."},
  };
  if (stap >= 1 && stap <= hulp.size()) return hulp.at(stap - 1).join(vbCr);
  return QStringLiteral("Nog niet klaar.");
}

QString les2Werkboekvraag(int stap) {
  switch (stap) {
    case 6: return QStringLiteral("Heb je de lege waarheidstabel netjes in je werkboek getekend?");
    case 24: return QStringLiteral("Heb je de tabel van de pers netjes in je werkboek geschreven?");
    case 28: return QStringLiteral("Heb je de tabellen netjes in je werkboek ingevuld?");
    default: return {};
  }
}

QString les2TabelNietVol() { return QStringLiteral("Hallo wel eerst FF alle standen van de schakelaars proberen!"); }
QString les2NogNietBenoemd() { return QStringLiteral("Welke schakeling is het? Klik eerst op de goede naam!"); }
QString les2NogNietVoorspeld() { return QStringLiteral("Hallo wel eerst FF de kolom 'Jij' invullen!"); }
QString les2EerstTabelVol() { return QStringLiteral("Vul eerst de hele tabel in, dan weet je het zeker!"); }
QString les2VerkeerdeNaam() {
  return QStringLiteral("Nee, dat is hem niet.") + vbCr + vbCr +
         QStringLiteral("Kijk nog eens goed in welke regels E1 = 1 is.");
}
QString les2GoedeNaam(const QString& naam) {
  return QStringLiteral("Goed zo! Het is een %1 schakeling.").arg(naam);
}

}  // namespace kwil

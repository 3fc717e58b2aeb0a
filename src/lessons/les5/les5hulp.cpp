// The help of every page of lesson 5 and the messages of its gates.
#include <QList>
#include <QMap>

#include "lessons/les5/les5teksten.h"
#include "platform/vb.h"

namespace kwil {

namespace {

const QString kStreep86 = QStringLiteral("--------------------------------------------------------------------------------------");

// The help lines per page; "" stands for an empty line.
const QMap<int, QStringList>& hulpRegels() {
  static const QStringList werkboek = {"Stel de gevraagde waarde in."};
  static const QStringList captcha = {
      "We noemen dit captcha.", "", "completely automated public Turingtest to tell computers and humans apart.", "",
      "Dat is niet eenvoudig uit te leggen.", "",
      "De Turingtest is een manier om verschil tussen mens en computer te testen.", "",
      "Deze test brengt automatisch scheiding aan tussen mens en computer.", "",
      "Tegenwoordig is er een kans van 1 op 4 dat een computer deze code 'kraakt'.", "26 februari 2008."};
  static const QStringList geenHulp = {"Geen hulp meer aanwezig."};
  static const QString nogKiezen = QStringLiteral("Daarom kies je de de waarde die er het ");
  static const QMap<int, QStringList> regels = {
      {1, {"In deze les maak je ook opdrachten in je werkboek.", "", "Tijdens de toets mag je dat werkboek ook gebruiken."}},
      {2, {"In Duitsland wordt de computer 'Rechner' genoemd.", "", "In Frankrijk wordt de computer 'ordinateur' genoemd.", "",
           "Heel vrij vertaald betekent het...", "", "Machine die 'berekeningen' uit kan voeren.", "",
           "Programmeurs noemen de computer ook wel eens een 'rekendoos'"}},
      {3, {"De computer heeft net als je rekenmachine geen moeite met rekenen.", "",
           "Er zijn berekeningen waar zelfs een computer dagen over kan doen.", "",
           "Als mens zouden we aan zo'n berekening nooit beginnen."}},
      {4, {"Er wordt hard gewerkt aan programma's die beelden kunnen herkennen.", "",
           "Hiervoor zijn complexe 'berekeningen' nodig.", "", "Voor normaal werk zijn de huidige computers snel genoeg.", "",
           "Voor beeldherkenning heb je heel iets anders nodig."}},
      {5, {"Op internet kan een plaatje van een Ferrari de naam Porsche.jpg hebben.", "",
           "Google zal deze Ferrari echter als een Porsche 'zien'.", "",
           "De plaatjes voor Google worden eigenlijk door ons gesorteerd,", "door er een zinnige naam aan te geven."}},
      {6, {"RAM geheugen. (Random Acces Memory)", "", "Dit is het zogenaamde werkgeheugen van een computer.", "",
           "Het is veel sneller dan de harde schijf.", "",
           "Wanneer je de computer uitzet, raak je de opgeslagen gegevens kwijt.", "", kStreep86, "",
           "Harde schijf. (Harddisk)", "", "In deze behuizing zit een schijf die snel kan ronddraaien.", "",
           "Op deze schijf worden met behulp van magnetisme gegevens geschreven.", "",
           "Wanneer je de computer uitzet, raak je de opgeslagen gegevens niet kwijt."}},
      {7, {"De 'enen' van de figuur zijn wit en gemerkt.", "", "De figuur is nu duidelijk te herkennen.", "",
           "Een 0 wordt in de rechter figuur als een wit blokje getekend.",
           "Een 1 wordt in de rechter figuur als een zwart blokje getekend.", "",
           "Deze manier van opslaan wordt later uitgelegd."}},
      {8, {"Er zijn verschillende rekenstelsels.", "", "Vanaf je jeugd leer je te rekenen met", "", "het DECIMALE stelsel.",
           "", "We noemen dit ook wel het tientallige stelsel.", "", "Het cijfer tien is de basis voor dit stelsel.", "",
           "-------------------------------------------------------", "", "Het BINAIRE stelsel.", "",
           "We noemen dit ook wel het tweetallige stelsel.", "", "Het cijfer twee is de basis voor dit stelsel.", "",
           "Hoe dat werkt wordt in deze les uitgelegd."}},
      {9, {"Een bit is 1 geheugen plaatsje.", "", "Een bit kan alleen maar nul of èèn zijn.", "",
           "Op het scherm zijn 8 bits getekend", "", "8 bits bijelkaar noemen we een Byte."}},
      {10, {"Het getal 256 komt in de informatica veel voor.", "", "Wanneer je bijvoorbeeld in mspaint een plaatje",
            "opslaat, kun je kiezen voor 256 kleuren.", "", "Voor elk puntje in de tekening zijn dan 8 bits beschikbaar."}},
      {11, {"Er zijn 256 instellingen mogelijk met 8 bits.", "", "Omdat we beginnen te tellen bij nul eindigt", "het met 255.",
            "", "Van 0 tot en met 255 geeft dus 256 mogelijkheden."}},
      {12, {"Bij elk getal is 2 de basis van de berekening.", "", "Het machtsverheffen toont hoe we aan de getallen", "",
            "1 2 4 8 16 32 64 en 128", "", "komen."}},
      {13, {"Onder elke machtsverheffing staat de berekende waarde.", "", "Onder 2 tot de macht 4 staat 16.", "",
            "Onder 2 tot de macht 7 staat 128"}},
      {14, {"Heb je de vragen klaar, dan kun je Verder gaan.", "", ""}},
      {15, {"In de gele hokjes staan de getallen 1 tot en met 128.", "",
            "In de witte hokjes kan alleen maar een 0 of een 1 staan.", "",
            "Je kunt van een 0 een 1 maken door op het knopje dat er", "onder staat te klikken.", "",
            "Voordat je verder kunt moet je van de 0,", "die onder de 4, staat een 1 maken."}},
      {16, {"Vergeet niet de 1 onder de 4 uit te zetten."}},
      {17, {"Vergeet niet de 1 onder de 16 uit te zetten."}},
      {18, {"Wanneer je 2 bitjes SET moet je de betreffende decimale getallen bij elkaar optellen."}},
      {19, {"Vergeet niet de 1 onder de 64 uit te zetten.", "", "SET daarna de bitjes onder de decimale 1 en 2.", "",
            "In het vakje onder Decimaal zie je meteen de berekende waarde.", "", "Op dit moment is dat "}},
      {20, {"SET de bitjes zo dat de decimale waarde 86 is.", "", "Dat is gelijk aan Binair 01010110."}},
      {21, {"Het is misschien handig even je rekenmachine te gebruiken.", "", "Decimaal 86 is gelijk aan Binair 01010110."}},
      {22, {"128 Is het grootste getal dat je kunt kiezen.", "", "Het is wel kleiner dan 153.", "",
            "Daarom beginnen we met 128"}},
      {23, {"Je kunt nu niet het bitje onder de 64 aanzetten.", "", "De waarde zou dan 128 + 64 = 192 worden.", "",
            "Dat is groter dan 153.", "", "--------------------------------------------------------------", "",
            "Je moet het getal 25 nog bijtellen.", "", "Dat komt niet voor in de gele hokjes.", "", nogKiezen,
            "dichtst bij ligt maar toch kleiner is.", "", "In dit geval 16."}},
      {24, {"Je moet het getal 9 nog bijtellen.", "", "Dat komt niet voor in de gele hokjes.", "", nogKiezen,
            "dichtst bij ligt maar toch kleiner is.", "", "In dit geval 8."}},
      {25, {"Je moet het getal 1 nog bijtellen.", "", "Dat komt voor in de gele hokjes.", "",
            "Selecteer dus het bitje onder de decimale 1."}},
      {26, {"Op deze manier slaat een computer dus decimale getallen op.", "",
            "Er worden alleen maar nullen en enen gebruikt.", "", "Wil je grotere getallen dan 255 gebruiken,",
            "dan moet je meer bitjes gebruiken.", "", "Veel gebruikte waarden zijn 16, 32 en 64 bits.", "",
            "Voer in je rekenmachine maar eens 2 tot de macht 64 in.", "", "Dat is 18.446.744.073.709.551.616"}},
      {27, {"Wanneer je de vragen zorgvuldig gemaakt hebt, kun je 'Verder' gaan."}},
      {28, werkboek},
      {29, werkboek},
      {30, werkboek},
      {31, {"Je leest momenteel tekst op het beeldscherm.", "", "Maar hoe kun je nou door alleen enen en nullen",
            "te gebruiken tekst schrijven?", "", "Dat gaan we nu bekijken."}},
      {32, captcha},
      {33, captcha},
      {34, {"Het gaat hierbij niet alleen om de letters maar ook om", "", "- cijfers", "", "- speciale tekens en", "",
            "- besturingscodes."}},
      {35, {"Deze ascii tabel wordt wereldwijd gebruikt.", "", "Er is een standaard- en een uitgebreide ascii tabel.", "",
            "De standaard tabel loopt van 0 tot 128. (7 bits)", "De uitgebreide tabel loopt van 0 tot 256. (8 bits)"}},
      {36, {"De cijfers 0 tot en met 9 staan niet op het scherm.", "", "Op internet vind je eenvoudig de volledige tabel."}},
      {37, {"Wanneer je de computer aanzet dan zie je meestal tekst en lijnen op het scherm.", "",
            "De lijnen zijn in principe ook tekens.", "",
            "In de tekst staat meestal hoeveel geheugen enz. in de computer zit."}},
      {38, {"Zonder opmaak wil zeggen dat de tekst", "", "- niet vet,", "- niet cursief,", "- niet gekleurd,",
            "- zonder plaatjes,", "- enz. is.", "", "Een groot voordeel is dat je zelfs met een trage",
            "internetverbindig snel tekst kunt versturen."}},
      {39, {"Dit is precies wat er bedoeld wordt met digitalisering.", "", "Alle informatie wordt omgezet in enen en mullen.",
            "", "Of het nou muziek, film, boeken, foto's of wat dan ook is."}},
      {40, {"Gelukig hoe je dit niet uit je hoofd te leren.", "", "Wel kun je hier zien dat je op deze manier",
            "tekst met enen en nullen kunt schrijven."}},
      {41, geenHulp},
      {42, geenHulp},
      {43, geenHulp},
      {44, geenHulp},
      {45, {"Wanneer je het werkboek goed ingevuld hebt,", "kun je dat prima gebruiken bij de toets."}},
  };
  return regels;
}

struct Poort {
  int byte;
  const char* eerste;
  const char* patroon;  // "Dus ..." line, or nullptr
};
const char* const kAlleenHetBitje = "Zet eerst 'alleen' het bitje aan dat met 1 aangegeven wordt!";
const char* const kAlleenDeBitjes = "Zet eerst 'alleen' de bitjes aan die met 1 aangegeven worden!";
const char* const kJuisteBitjes = "Zet de juiste bitjes aan.";

// The byte gates, keyed on the step the pupil asks for.
const QMap<int, Poort>& poorten() {
  static const QMap<int, Poort> p = {
      {16, {4, kAlleenHetBitje, "Dus 0 0 0 0 0 1 0 0"}},
      {17, {16, kAlleenHetBitje, "Dus 0 0 0 1 0 0 0 0"}},
      {18, {64, kAlleenHetBitje, "Dus 0 1 0 0 0 0 0 0"}},
      {20, {3, kAlleenDeBitjes, "Dus 0 0 0 0 0 0 1 1"}},
      {21, {86, kAlleenDeBitjes, "Dus 0 1 0 1 0 1 1 0"}},
      {23, {128, "Zet alleen het bitje onder de 128 aan!", nullptr}},
      {24, {144, "Zet de bitjes onder de 128 en 16 aan.", nullptr}},
      {25, {152, "Zet de bitjes onder de 128, 16 en 8 aan.", nullptr}},
      {26, {153, "Zet de bitjes onder de 128, 16, 8 en 1 aan.", nullptr}},
      {29, {19, kJuisteBitjes, nullptr}},
      {30, {43, kJuisteBitjes, nullptr}},
      {31, {170, kJuisteBitjes, nullptr}},
  };
  return p;
}

}  // namespace

QString les5HelpTekst(int stap, const QString& decimaal) {
  const auto gevonden = hulpRegels().constFind(stap);
  if (gevonden == hulpRegels().constEnd()) return QStringLiteral("Nog niet klaar.");
  QString tekst = gevonden->join(vbCr);
  if (stap == 19) tekst += decimaal;
  return tekst;
}

int les5GevraagdeByte(int nieuweStap) {
  const auto p = poorten().constFind(nieuweStap);
  return p == poorten().constEnd() ? -1 : p->byte;
}

QString les5Weigering(int nieuweStap, int byte) {
  const auto p = poorten().constFind(nieuweStap);
  if (p == poorten().constEnd()) return {};
  QString eerste = QString::fromUtf8(p->eerste);
  // Bit 2 still on beside the new bit 4: the pupil forgot to switch the first one off.
  if (nieuweStap == 17 && byte == 20) eerste = QStringLiteral("Je bent vergeten het bitje onder de 4 uit te zetten...");
  if (p->patroon) return eerste + vbCr + vbCr + QString::fromUtf8(p->patroon);
  if (nieuweStap >= 29)
    return eerste + vbCr + vbCr + QStringLiteral("Op dit moment heb je ") + Str(byte) + QStringLiteral(" ingesteld.");
  return eerste;
}

QString les5Werkboekvraag(int nieuweStap) {
  QString vraag;
  if (nieuweStap == 15) vraag = QStringLiteral("Heb je de vragen 54 tot en met 63 in je werkboek zorvuldig gemaakt?");
  if (nieuweStap == 28) vraag = QStringLiteral("Heb je vraag 72 en 73 in je werkboek zorvuldig gemaakt?");
  if (vraag.isEmpty()) return {};
  return QStringLiteral("Zo... jij kunt snel vragen maken.") + vbCr + vbCr + vraag;
}

}  // namespace kwil

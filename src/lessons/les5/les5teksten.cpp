#include "lessons/les5/les5teksten.h"

namespace kwil {

namespace {

using S = Les5Stuk::Soort;

constexpr std::int32_t kBlauw = kLes5Blauw, kRood = kLes5Rood, kGeel = kLes5Geel, kGroen = kLes5Groen;

Les5Stuk stuk(const QString& tekst, int kolom, bool einde, std::int32_t kleur = -1) {
  Les5Stuk s;
  s.soort = S::Tekst;
  s.tekst = tekst;
  s.kolom = kolom;
  s.einde = einde;
  s.kleur = kleur;
  return s;
}
Les5Stuk R(const QString& t) { return stuk(t, 0, true); }        // a line
Les5Stuk Z(const QString& t) { return stuk(t, 0, false); }       // the row stays open
Les5Stuk T(int k, const QString& t) { return stuk(t, k, true); }  // at column k
Les5Stuk TZ(int k, const QString& t) { return stuk(t, k, false); }
Les5Stuk K(const QString& t, std::int32_t kleur, bool einde = false) { return stuk(t, 0, einde, kleur); }
Les5Stuk leeg() { return {}; }
Les5Stuk gap(int g) {
  Les5Stuk s;
  s.soort = S::Omlaag;
  s.hoogte = g;
  return s;
}

// The search engine's name, letter by letter in its colours.
Les5Stuk google() {
  Les5Stuk s = Z(QStringLiteral("Google "));
  s.kleurDelen = {{"G", kBlauw}, {"o", kRood}, {"o", kGeel}, {"g", kBlauw}, {"l", kGroen}, {"e ", kRood}};
  return s;
}

// "2" with its exponent raised after it, and the explanation from column 8.
Les5Pagina macht(const QString& exponent, const QString& uitleg) {
  return {Z("2"), gap(-6), Z(exponent), gap(6), T(8, uitleg)};
}

// One sum of the conversion of 153: five pieces at their columns, in the step's colour.
Les5Pagina som(int nummer) {
  struct Som {
    const char* delen[5];
    int kolommen[5];
    std::int32_t kleur;
  };
  static const Som sommen[] = {
      {{"153", "-", "128", "=", "25"}, {58, 63, 65, 70, 72}, kBlauw},
      {{"25", "-", "16", "=", "9"}, {59, 63, 66, 70, 73}, kRood},
      {{"9", "-", "8", "=", "1"}, {60, 63, 67, 70, 73}, kGeel},
      {{"1", "-", "1", "=", "0"}, {60, 63, 67, 70, 73}, kGroen},
  };
  const Som& s = sommen[nummer - 1];
  Les5Pagina uit;
  for (int i = 0; i < 5; ++i) uit.append(stuk(QString::fromUtf8(s.delen[i]), s.kolommen[i], i == 4, s.kleur));
  return uit;
}

const QString kZet = QStringLiteral("Zet, voor je verder gaat, de binaire waarde op  ");
const QString kHieronder = QStringLiteral(". Zet hieronder ook een 1.");

Les5Pagina pagina1tot14(int stap) {
  switch (stap) {
    case 1:
      return {R("In deze les wordt het volgende besproken:"), gap(3),
              T(10, "- Waar is een computer goed en slecht in!"), gap(3), T(10, "- Rekenkundige bewerkingen."), gap(3),
              T(10, "- Het binaire stelsel."), gap(3), T(10, "- De Ascii tabel."), gap(3),
              R("Lees of luister goed. Deze les wordt afgesloten met een toets.")};
    case 2:
      return {R("Een computer is een apparaat dat bepaalde bewerkingen heel"), R("snel kan uitvoeren."), leeg(),
              R("Bewerkingen zijn bijvoorbeeld rekenen en sorteren."), leeg(),
              R("Wanneer een computer 'weet' hoe iets berekend moet worden,"), R("is hij door mensen niet te verslaan.")};
    case 3:
      return {R("Een computer is bijvoorbeeld erg goed in rekenen."), leeg(),
              R("De som hierboven is door deze computer uitgerekend."), leeg(),
              R("Dat duurde maar een klein deel van een seconde."), leeg(),
              R("Een mens doet er wat langer over.")};
    case 4:
      return {R("Meer moeite heeft een computer met beeldherkenning."), leeg(),
              R("Wij zien binnen een deel van een seconde dat dit een auto is."),
              R("We herkennen zelfs het merk, de koplampen, de spiegels en de spoiler."), leeg(),
              R("Daar heeft een gewone computer meer tijd voor nodig.")};
    case 5:
      return {Z("Je zou kunnen denken dat "), google(), R("afbeeldingen herkent."),
              Z("Maar "), google(), R("'bekijkt' alleen maar de bestandsnaam!"), leeg(),
              Z("Op internet staat bijvoorbeeld het bestand "), K("Porsche carrera", kBlauw), Z("."), K("jpg", kRood, true),
              gap(5), K("Porsche carrera ", kBlauw), R("is de beschrijving van het bestand."),
              gap(5), K("jpg ", kRood), R("Geeft aan dat dit bestand een afbeelding is.")};
    case 6:
      return {R("Getallen, afbeeldingen, muziek en tekst worden door een computer"), R("in het geheugen opgeslagen."),
              leeg(), R("Dat kan intern RAM geheugen zijn of een harde schijf."), leeg(),
              R("In het geheugen van een computer kunnen alleen maar"),
              R("'nullen' en 'enen' geschreven worden. Dus waar of niet waar.")};
    case 7:
      return {R("Die 'nullen' en 'enen' worden op het beeldscherm weer omgezet"), R("in getallen of afbeeldingen."),
              leeg(), R("Een voorbeeld van een afbeelding is hierboven getekend."),
              R("Klik op 'Help me' voor een duidelijk voorbeeld."), leeg(),
              R("Hoe getallen worden opgeslagen bekijken we in deze les.")};
    case 8:
      return {R("De computer slaat getallen op in het Binaire stelsel."), leeg(),
              R("In het binaire stelsel komen maar twee waarden voor. (0 en 1)"),
              R("Het wordt daarom ook wel het tweetallige stelsel genoemd."), leeg(),
              R("Door meer 'nullen' en 'enen' achter elkaar te zetten, maak je"), R("grotere getallen.")};
    case 9:
      return {R("Elk plekje in het geheugen wordt een bit genoemd."), leeg(),
              R("Hierboven zijn 8 bit's naast elkaar getekend."), R("Een groep van acht bit's wordt 1 Byte genoemd."),
              leeg(), R("Elk bitje kun je 0 (ReSetten) of 1 (Setten) maken door op het"), R("knopje er onder te klikken.")};
    case 10:
      return {R("Met 8 bit's zijn 256 verschillende instellingen mogelijk."), leeg(),
              Z("De eerste"), T(15, "= 00000000"), Z("De tweede"), T(15, "= 00000001"), Z("De derde"), T(15, "= 00000010"),
              Z("De vierde"), T(15, "= 00000011"), Z("De vijfde"), T(15, "= 00000100")};
    case 11:
      return {Z("De laatste"), T(16, "= 11111111"), leeg(), R("In 1 Byte kun je getallen van 0 tot en met 255 opslaan."),
              leeg(), R("Elk bitje heeft een bepaalde waarde."), leeg(),
              R("Met andere woorden, bij elk bitje hoort een ander getal.")};
    case 12:
      return Les5Pagina{R("De waarde van elk bitje wordt berekend met machtsverheffen."),
                        R("Bij machtsverheffen gebruik je 2 getallen."), gap(10)} +
             macht("2", "Spreek je uit als '2 tot de macht 2' of '2 kwadraat'.") +
             Les5Pagina{T(8, "Het is hetzelfde als 2 x 2, dat is 4."), gap(10)} +
             macht("3", "Spreek je uit als '2 tot de macht 3'.") +
             Les5Pagina{T(8, "Het is hetzelfde als 2 x 2 x 2 dat is 8. (Dus NIET 3 x 2!)")};
    case 13:
      return Les5Pagina{gap(6)} + macht("4", "Spreek je uit als '2 tot de macht 4'.") +
             Les5Pagina{T(8, "Het is hetzelfde als 2 x 2 x 2 x 2 = 16. (Dus NIET 4 x 2 !)"), gap(10)} +
             macht("5", "Spreek je uit als '2 tot de macht 5'.") +
             Les5Pagina{T(8, "Het is hetzelfde als 2 x 2 x 2 x 2 x 2 = 32."), leeg(),
                        R("In de figuur hierboven is voor elk bitje de waarde berekend.")};
    case 14:
      return {R("Maak nu eerst vraag 54 tot en met 63 in je werkboek."), leeg(),
              R("Je mag natuurlijk 'Terug' bladeren om het goede antwoord"), R("op te zoeken.")};
    default:
      return {};
  }
}

Les5Pagina pagina15tot31(int stap) {
  switch (stap) {
    case 15:
      return {Z("De getallen in de..."), T(25, "- gele hokjes zijn de decimale waarden."), gap(6),
              T(25, "- witte hokjes zijn de binaire waarden."), leeg(),
              R("De binaire 'nullen' en 'enen' bepalen de Decimale waarde."), leeg(), R(kZet + "0 0 0 0 0 1 0 0.")};
    case 16:
      return {R("Het bitje, dat je aangezet hebt, staat onder de decimale 4."), leeg(),
              R("Binair 00000100 is daarom gelijk aan decimaal 4."), leeg(), leeg(), R(kZet + "0 0 0 1 0 0 0 0.")};
    case 17:
      return {R("Het bitje dat je aangezet hebt, staat onder de decimale 16."), leeg(),
              R("Binair 00010000 is daarom gelijk aan decimaal 16."), leeg(), leeg(), R(kZet + "0 1 0 0 0 0 0 0.")};
    case 18:
      return {R("Het bitje dat je aangezet hebt, staat onder de decimale 64."), leeg(),
              R("Binair  01000000 is daarom gelijk aan decimaal 64."), leeg(), leeg(),
              R("Wanneer je meer 'enen' aanzet, dan moet je de decimale"), R("waarden bij elkaar optellen.")};
    case 19:
      return {R("Wanneer je Binair  0 0 0 0 0 0 1 1  invoert, moet je de"), R("bijhorende decimale waarden optellen."),
              leeg(), R("Op deze manier: 2 + 1 = 3."), leeg(), R(kZet + "0 0 0 0 0 0 1 1.")};
    case 20:
      return {R("De decimale waarde van elk bitje dat '1' is moet opgeteld worden."),
              R("Dat kan soms best veel rekenwerk zijn."), leeg(), R(kZet + "0 1 0 1 0 1 1 0.")};
    case 21:
      return {R("Onder de getallen 64, 16, 4 en 2 staat een 1."), leeg(),
              R("Deze getallen moet je dus bij elkaar optellen."), leeg(), R("64 + 16 + 4 + 2 = 86."), leeg(),
              R("Binair  0 1 0 1 0 1 1 0  is daarom gelijk aan decimaal 86.")};
    case 22:
      return {R("De binaire waarde van 153 bepaal je als volgt."), leeg(),
              R("Zoek in de tabel de waarde die kleiner is of gelijk aan 153."), leeg(), R("In dit geval is dat 128."),
              leeg(), R("Zet een 1 onder de 128 en zet de rest op 0.")};
    case 23:
      return Les5Pagina{Z("Van de 153 heb je er 128.")} + som(1) +
             Les5Pagina{leeg(), Z("Je komt nog "), K("153 - 128 = 25 ", kBlauw), R("te kort."), leeg(),
                        R("Zoek in de tabel de waarde die kleiner is of gelijk aan 25."), leeg(),
                        Z("In dit geval is dat "), K("16", kRood), R(kHieronder)};
    case 24:
      return Les5Pagina{Z("Je komt nog "), K("25 - 16 = 9 ", kRood), Z("te kort.")} + som(1) + som(2) +
             Les5Pagina{R("Zoek in de tabel de waarde die kleiner is,"), R("of gelijk aan 9."), leeg(),
                        Z("In dit geval is dat "), K("8", kGeel), R(kHieronder)};
    case 25:
      return Les5Pagina{Z("Je komt nog "), K("9 - 8 = 1", kGeel), Z(" te kort.")} + som(1) + som(2) +
             Les5Pagina{Z("Zoek in de tabel de waarde die kleiner is,")} + som(3) +
             Les5Pagina{R("of gelijk aan 1."), leeg(), Z("In dit geval is dat "), K("1", kGroen), R(kHieronder)};
    case 26:
      return Les5Pagina{Z("Je houdt nog 1 - 1 = 0 over.")} + som(1) + som(2) + som(3) +
             Les5Pagina{Z("In het rechter venster staat 153.")} + som(4) +
             Les5Pagina{leeg(), R("In het geheugen van de computer wordt het"), R("getal 153 dus opgeslagen als 10011001.")};
    case 27:
      return {R("Maak nu eerst vraag 64 en 65 in je werkboek."), leeg(),
              R("Je kunt de antwoorden controleren door ze hierboven in te voeren."), leeg(),
              R("Het is dus onnodig dat je foute antwoorden laat staan!")};
    case 28:
      return {R("Je gaat nu een aantal oefeningen op de computer uitvoeren."), leeg(),
              R("Stel hierboven binair de decimale waarde 19 in."), leeg(), R("Gebruik daarvoor de bovenstaande knoppen.")};
    case 29:
    case 30:
      return {R(QStringLiteral("Stel hierboven binair de decimale waarde %1 in.").arg(stap == 29 ? 43 : 170)), leeg(),
              R("Gebruik daarvoor de bovenstaande knoppen.")};
    case 31:
      return {R("De computer gebruikt dus het binaire stelsel om getallen"), R("op te slaan."), leeg(),
              R("Maar hoe worden dan letters in het geheugen gezet?"), leeg(),
              R("Dat ga je op de volgende bladzijden bekijken.")};
    default:
      return {};
  }
}

Les5Pagina pagina32tot45(int stap) {
  switch (stap) {
    case 32:
      return {R("Net als bij de foto's, begrijpt een computer niet wat er op"), R("het beeldscherm geschreven staat."),
              gap(8), R("Hierboven zie je een aantal letters en cijfers."),
              R("Ze zijn expres een beetje scheef en rommelig getekend."), gap(8),
              R("Deze letters staan in een afbeelding en zijn dus slecht leesbaar"), R("voor een computer.")};
    case 33:
      return {R("Wil je een MSN of Google account, dan moet je tijdens"), R("het aanmelden zulke letters overtypen."),
              leeg(), R("De computer herkent de letters slechts moeizaam."), leeg(),
              R("Zo kunnen computers van spammers zich niet vanzelf"), R("aanmelden voor zo'n dienst.")};
    case 34:
      return {R("In een tekstverwerker worden letters niet als plaatje opgeslagen."), leeg(),
              R("Dat zou te veel geheugenruimte kosten en erg traag werken."), leeg(),
              R("Elke letter wordt opgeslagen als een getal."), leeg(),
              R("Er worden (niet toevallig) getallen van 0 tot en met 255 gebruikt.")};
    case 35:
      return {R("In de bovenstaande tabel staat welke waarde bij een letter hoort."), leeg(),
              R("Dit wordt de 'ascii' tabel genoemd."), leeg(), Z("Voor de"), T(14, "- A wordt 65"),
              T(14, "- B wordt 66"), TZ(14, "- C wordt 67"), T(31, "gebruikt.")};
    case 36:
      return {R("Hoofdletters hebben een andere waarde dan kleine letters."), leeg(), Z("Hoofdletter"),
              T(17, "F heeft ascii code 70."), Z("Kleine letter"), T(17, "f heeft ascii code 102."), leeg(),
              R("Ook de cijfers 0 tot en met 9 hebben een eigen code.")};
    case 37:
      return {R("De ascii tabel loopt van 0 tot en met 127. (7 bits)"), leeg(),
              R("De uitgebreide ascii tabel loopt van 0 tot en met 255. (8 bits)"), leeg(),
              R("In de uitgebreide ascii tabel staan bijzondere tekens."), leeg(),
              R("Alleen bij het aanzetten van de computer zie je ze nog.")};
    case 38:
      return {R("Soms wordt gevraagd een tekst in ascii formaat te versturen."),
              R("Er wordt dan eigenlijk 'platte tekst' bedoeld."), leeg(),
              R("Je slaat dan alleen maar letters en cijfers zonder opmaak op."),
              R("Dus geen lettertype of grootte, kleur, vet of cursief."), leeg(),
              R("Elk computer programma kan deze tekst dan 'lezen'.")};
    case 39:
      return {R("Op een USB stick kunnen alleen maar nullen en enen geschreven"), R("worden."), leeg(),
              R("Die nullen en enen kunnen weer omgezet worden in getallen,"),
              R("muziek, films en afbeeldingen."), leeg(), R("De getallen kunnen letters en of cijfers voorstellen.")};
    case 40: {
      Les5Pagina p;
      for (const auto& [binair, getal, letter] : {std::tuple{"01000001", "65", "A"}, {"01100001", "97", "a"},
                                                  {"01110000", "112", "p"}})
        p += Les5Pagina{Z(QStringLiteral("Binair %1").arg(binair)), TZ(21, QStringLiteral("=  decimaal %1").arg(getal)),
              T(40, QStringLiteral("=  de letter %1").arg(letter))};
      return p + Les5Pagina{leeg(), R("In het geheugen of op de USB stick wordt het woord 'Aap' dus als"),
                            R("010000010110000101110000 geschreven.")};
    }
    case 41:
      return {R("Overzicht... (1 van 4.)"), gap(10), Z("Een computer..."), T(22, "- kan snel rekenen en sorteren."),
              T(22, "- niet snel een figuur herkennen."), T(22, "- werkt met 'enen' en 'nullen'."),
              T(22, "- slaat gegevens op met 'enen' en 'nullen'.")};
    case 42:
      return Les5Pagina{R("Overzicht... (2 van 4.)"), gap(10), R("Machtsverheffen is een wiskundige bewerking."), gap(6)} +
             macht("4", "Spreek je uit als '2 tot de macht 4'.") +
             Les5Pagina{T(8, "Het is hetzelfde als 2 x 2 x 2 x 2 dat is 16."), leeg(), R("Het is dus NIET 2 x 4 !")};
    case 43:
      return {R("Overzicht... (3 van 4.)"), gap(10), Z("Het binaire stelsel..."),
              T(25, "- wordt ook wel het 'tweetallige stelsel' genoemd."), T(25, "- gebruikt alleen de waarden 0 en 1."),
              T(25, "- is voor mensen erg onoverzichtelijk."), T(25, "- heeft 8 bits nodig voor getallen 0 tot en met 255."),
              gap(10), R("Een groep van 8 bits is gelijk aan 1 Byte.")};
    case 44:
      return {R("Overzicht... (4 van 4.)"), gap(10), R("Letters worden in de computer omgezet in 'enen' en 'nullen'."),
              leeg(), Z("In de ascii tabel..."), T(23, "- staan letters; cijfers en speciale tekens."),
              T(23, "- zie je welke waarde bij een letter hoort."), T(23, "- worden de getallen 0 tot en met 127 gebruikt.")};
    case 45:
      return {R("Les 5 is nu klaar."), leeg(), R("Wanneer je op verder klikt, start de toets."), leeg(),
              R("Veel succes met het maken van de toets.")};
    default:
      return {};
  }
}

}  // namespace

Les5Pagina les5Pagina(int stap) {
  if (stap <= 14) return pagina1tot14(stap);
  if (stap <= 31) return pagina15tot31(stap);
  return pagina32tot45(stap);
}

QStringList les5Zinnen(int stap) {
  QStringList zinnen;
  for (const Les5Stuk& s : les5Pagina(stap))
    if (s.soort == Les5Stuk::Soort::Tekst) zinnen.append(s.tekst);
  return zinnen;
}

}  // namespace kwil

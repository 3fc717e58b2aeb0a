#include "lessons/les1/les1teksten.h"

#include <QList>

#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

struct VastePagina {
  QStringList zinnen;
  QString opmaak;
};

// Pages 1 to 33 in their plain form; the pages that depend on the circumstances are
// adjusted in les1Pagina.
const QList<VastePagina>& vastePaginas() {
  static const QList<VastePagina> paginas = {
      {{"In deze les wordt het volgende besproken...", "Symbolen van elektrische onderdelen.",
        "- Stroomkringschema's.", "- De schakelingen 'WEL', 'NIET', 'EN' en 'OF'.",
        "Aan het eind van de les maak je een toets."},
       "1 +5 T10.2 +5 T10.3 +5 T10.4 / 5"},
      {{"Een schakeling bestaat uit een aantal onderdelen die met draden",
        "met elkaar verbonden zijn.", "Een voorbeeld is de bel bij de voordeur.", "De onderdelen zijn:",
        "Bel; Drukknop; Transformator of Batterijen en Draden."},
       "1 2 / 3 / 4 5"},
      {{"Hierboven staat een foto van een zogenaamde ratelbel.",
        "Deze bel kan werken op", "gelijk- of op wisselspanning.",
        "Behalve ratelbellen heb je ook zoemers en gongen (ding-dong)."},
       "1 / 2 3 / 4"},
      {{"Hierboven is nu ook het symbool van een bel getekend.", "Zo'n symbool gebruik je in een schema.",
        "Teken het symbool van de bel in je werkboek bij vraag 1 op blz. 6.",
        "Onthoud goed hoe je een symbool tekent."},
       "1 / 2 / 3 / 4"},
      {{"Bij de voordeur zit meestal een drukknopje waarmee je belt.",
        "Druk je op het knopje, dan gaat de bel een keer.", "Een ingedrukte knop noemen we 'bediend'.",
        "Bedien de bel van Dhr. Vonkel!"},
       "1 / 2 / 3 / 4"},
      {{"Een drukknop in een schema wordt ook met een symbool getekend.",
        "Bel nu eens aan bij de deur van Dhr. Tak.", "Kijk goed hoe het symbool van zijn drukknop verandert.",
        "Een bediende drukknop kan stroom doorlaten."},
       "1 / 2 / 3 / 4"},
      {{"De transformator zorgt voor een veilige spanning.", "Dat is 3, 5, 8 of 12 Volt.",
        "Het is altijd wisselspanning.", "Meestal zit de transformator in de meterkast."},
       "1 / 2 / 3 / 4"},
      {{"De transformator moet aan de volgende eisen voldoen.", "- Kortsluitvast: hij kan niet stuk door kortsluiting.",
        "- Je moet hem uit kunnen schakelen.", "Draadloze bellen werken vaak op batterijen."},
       "1 +6 2 3 / 4"},
      {{"Het symbool van de transformator is er naast getekend.",
        "In een schema schrijven we meestal alleen de spanning op,", "de transformator zelf laten we weg.",
        "Teken het symbool van de transformator", "in je werkboek."},
       "1 / 2 3 / 4 5"},
      {{"De symbolen van de:", "- draden,", "- bel en", "- drukknop", "vormen samen een stroomkringschema.",
        "Klik op de drukknop en kijk hoe het schema verandert."},
       "1.T25.2 T25.3 T25.4 +10 5 / 6"},
      {{"Deze schakelaar noemen we een maakcontact.", "Dit schema is een 'WEL' schakeling:",
        "druk je op de knop, dan gaat de bel WEL.", "Teken het maakcontact in je werkboek,",
        "Bediend en Onbediend."},
       "1 / 2 3 / 4 5"},
      {{"Deze schakelaar noemen we een verbreekcontact.", "Vergelijk hem maar eens met het maakcontact.",
        "Klik op de drukknop en kijk wat er gebeurt.", "Zou Dhr. Tingel blij zijn met zo'n verbreekcontact?"},
       "1 / 2 / 3 / 4"},
      {{"", "De bel is aan zolang er niemand belt.", "Met een verbreekcontact gaat de bel als niemand drukt.",
        "Zo'n schakeling noemen we ook wel een 'NIET'.", "Teken het verbreekcontact in je werkboek,",
        "Bediend en Onbediend."},
       "2 / 3 4 / 5 6"},
      {{"We hebben een enkelpolige schakelaar besproken.", "WEL is een maakcontact,",
        "NIET is een verbreekcontact.", "'bediend' betekent ingedrukt,", "'onbediend' betekent niet ingedrukt."},
       "1 / 2 3 / 4 5"},
      {{"", "", "We noemen dit een interface.", "Het zet signalen van en naar de computer om."}, "2 / 3 4"},
      {{"Deze interface heeft 8 uitgangen en 5 tot 8 ingangen.", "De computer kan:",
        "- de uitgangen aan en uit zetten,", "- de ingangen lezen.", "Probeer de knoppen s1 en s2 maar eens uit."},
       "1 / 2.T25.3 T25.4 / 5"},
      {{"Dit jaar mag je misschien zelf een interface maken.", "Dit programma heeft zo'n interface nodig.",
        "Straks gebruik je de knoppen s1 en s2."},
       "1 / 2 / 3"},
      {{"Vaak worden 2 of meer schakelaars gebruikt.", "Test de schakeling hierboven met s1 en s2.",
        "De bel gaat bij:", "- s1,", "- s2,", "- s1 en s2 samen."},
       "1 / 2 / 3.T30.4 T30.5 T30.6"},
      {{"Deze schakeling wordt 'OF' genoemd.", "De schakelaars staan PARALLEL:",
        "boven aan boven en onder aan onder.", "De bel gaat bij s1 OF bij s2."},
       "1 / 2 / 3 / 4"},
      {{"De twee schakelaars zijn nu anders aangesloten.", "Test de nieuwe schakeling met s1 en s2.",
        "De bel gaat alleen als 's1 EN s2' samen ingedrukt zijn."},
       "1 / 2 / 3"},
      {{"Deze schakeling wordt 'EN' genoemd.", "De schakelaars staan in SERIE:",
        "de onderkant van s1 zit vast aan de bovenkant van s2."},
       "1 / 2 / 3"},
      {{"De interface heeft 8 bijzondere dioden.", "LED betekent Light Emitting Diode: een diode die licht geeft.",
        "Leds zijn er in veel kleuren.", "Druk op s2 tot en met s5 om ze te zien."},
       "1 / 2 / 3 / 4"},
      {{"Het grote voordeel van een Led is dat er weinig stroom nodig is.", "Toch geven ze tegenwoordig veel licht.",
        "Door een diode gaat de stroom maar in een richting.", "Daarom moet je een Led goed om aansluiten."},
       "1 / 2 / 3 / 4"},
      {{"In de tekening zie je dat er 1 langere aansluiting is.", "De lange aansluiting is de Anode. (Plus)",
        "De korte aansluiting is de Kathode. (Min)", "Sluit je hem verkeerd om aan, dan brandt de Led niet."},
       "1 / 2 / 3 / 4"},
      {{"In het schema is een Led aangesloten.", "De Led brandt als je s1 bedient.",
        "Op de interface gaat dan E1 ook branden.", "Over de Led staat maar 2 Volt."},
       "1 / 2 / 3 / 4"},
      {{"Bij led's gaan we meestal uit van de stroom. (10 - 20 mA)",
        "Die stroom begrenzen we met een weerstand.", "Test E1, E2 en E3 met s1 en s2.",
        "Waarom kan E2 niet branden?"},
       "1 / 2 / 3 / 4"},
      {{"Bij Led E2 zijn de anode en kathode omgedraaid.",
        "De stroom gaat alleen van anode naar kathode door een Led.", "Daarom spert E2 de stroom."},
       "1 / 2 / 3"},
      {{"Overzicht... (1 van 5.)", "Een onderdeel tekenen we meestal als symbool.", "Een stroomkringschema:",
        "- bestaat uit symbolen en lijnen,", "- lees je van boven naar beneden,",
        "- laat eenvoudig zien hoe het werkt."},
       "1 +10 2 / 3.T33.4 T33.5 T33.6"},
      {{"Overzicht... (2 van 5.)", "Er zijn maakcontacten en verbreekcontacten.",
        "Onbediend laat een maakcontact geen stroom door.", "Onbediend laat een verbreekcontact wel stroom door."},
       "1 +10 2 / 3 / 4"},
      {{"Overzicht... (3 van 5.)", "'Bediend' betekent ingedrukt.", "'Onbediend' betekent niet ingedrukt."},
       "1 +10 2 / 3"},
      {{"Overzicht... (4 van 5.)", "In een OF schakeling staan de schakelaars parallel.",
        "In een EN schakeling staan de schakelaars in serie."},
       "1 +10 2 / 3"},
      {{"Overzicht... (5 van 5.)", "Een LED is een Light Emitting Diode.", "De lange aansluiting:",
        "- is de plus,", "- heet de anode.", "De korte aansluiting:", "- is de min,", "- heet de kathode."},
       "1 +10 2 +10 3.T33.4 T33.5 6.T33.7 T33.8"},
      {{"Les 1 is nu klaar.", "Klik op Verder om de toets te beginnen.", "De vragen en antwoorden worden voorgelezen",
        "als je erop klikt.", "Veel succes met het maken van de toets."},
       "1 2 / 3 4 / 5"},
  };
  return paginas;
}

// The first line of step 15 for a pupil who has already used the interface.
QString alGebruikt(int soort) {
  switch (soort) {
    case SoortParallel: return QStringLiteral("Je hebt het bovenstaande kastje al gebruikt.");
    case SoortVelleman: return QStringLiteral("Je hebt de USB interface met de K8055 kaart al gebruikt.");
    case SoortICP12: return QStringLiteral("Je hebt de USB interface met iCP12 al gebruikt.");
    case SoortArduino: return QStringLiteral("Je hebt de USB Interface met Arduino al gebruikt.");
    default: return {};
  }
}

}  // namespace

PaginaTekst les1Pagina(int stap, const Les1Omstandigheden& o) {
  if (stap < 1 || stap > kLes1Paginas) return {};
  const VastePagina& vast = vastePaginas().at(stap - 1);
  PaginaTekst p = pagina(vast.zinnen, vast.opmaak);
  switch (stap) {
    case 1:
      p.voorvoegsel.insert(2, QStringLiteral("- "));
      break;
    case 5:
      if (o.voortgang >= 1) p = pagina(vast.zinnen.mid(0, 3), QStringLiteral("1 / 2 / 3"));
      break;
    case 13:
      if (o.vorigeStap == 12) {
        p.zinnen[0] = QStringLiteral("Ik denk van niet. ");
        p.afdruk = leesOpmaak(QStringLiteral("1; 2 / 3 4 / 5 6"));
      }
      break;
    case 15:
      if (o.interfaceGebruikt) {
        p.zinnen[0] = alGebruikt(o.interfaceSoort);
        p.afdruk = leesOpmaak(QStringLiteral("1 / 3 4"));
      } else {
        p.zinnen[1] = o.interfaceSoort == SoortParallel
                          ? QStringLiteral("Het bovenstaande kastje moet bij jou op de tafel staan.")
                          : QStringLiteral("De bovenstaande print moet bij jou op de tafel liggen.");
      }
      break;
    default:
      break;
  }
  return p;
}

QStringList les1Zinnen(int stap, const Les1Omstandigheden& o) { return les1Pagina(stap, o).zinnen; }

QString les1HelpTekst(int stap) {
  static const QList<QStringList> hulp = {
      {"In deze les maak je ook opdrachten in je werkboek.", "", "Tijdens de toets mag je dat werkboek ook gebruiken."},
      {"Elk genoemd onderdeel wordt besproken.", "", "Een schakeling bestaat uit onderdelen",
       "die met draden met elkaar verbonden zijn."},
      {"Het verschil tussen gelijk- en wisselspanning", "wordt in een ander programma uitgelegd.", "",
       "Voor deze les heb je dat niet nodig."},
      {"Een symbool is een eenvoudige tekening.", "Met symbolen kun je snel en duidelijk tekenen.",
       "Dit symbool teken je met een liniaal."},
      {"Wanneer je op de knop drukt gaat de bel.", "Een belknop verbindt twee draden met elkaar;",
       "zo'n knop noemen we een schakelaar.", "", "De bel van Dhr. Vonkel bedienen betekent:",
       "op de knop bij zijn naambordje drukken."},
      {"Op het scherm zijn 3 symbolen getekend.", "Het zijn eenvoudige tekeningen van schakelaars.",
       "Als je op een bel drukt, zie je hoe ze werken."},
      {"Transformeren betekend 'omvormen'.", "Deze transformator vormt 230 Volt om",
       "naar een lage spanning die veilig is."},
      {"Kortsluitvast wil zeggen dat de transformator", "niet door kan branden door kortsluiting.",
       "Meestal zet je hem uit met een schakelaar die erop zit.", "Soms steek je hem in een stopcontact."},
      {"Een transformator bestaat uit 2 spoelen,", "op de ene spoel staat 230 Volt,", "op de andere zit de bel.",
       "Een spoel teken je met halve cirkels.", "",
       "In een stroomkringschema zie je snel hoe een schakeling werkt."},
      {"De draden...", "lopen van de 12 Volt naar nul en hebben een kleur.", "",
       "De drukknop...", "bedien je door op de bel te klikken; hij heet 's'.", "",
       "De bel...", "wordt rood als je klikt, maakt veel lawaai en heet 'H'."},
      {"Voor een schakelaar betekent:", "bediend: ingedrukt,", "onbediend: niet ingedrukt."},
      {"Wanneer je NIET op de schakelaar drukt,", "gaat de bel WEL."},
      {"Omdat het zoveel herrie maakt is de bel", "op de computer uitgezet.",
       "Druk je op de schakelaar, dan is de bel stil."},
      {"Bediend...", "Ook een bel is bediend als hij gaat,", "en onbediend als hij niet gaat."},
      {"Zonder zo'n print kun je deze les niet afmaken.", "De print kan ook in een kastje zijn ingebouwd.", "",
       "Twijfel je? Vraag het dan aan je leraar."},
      {"Wanneer je op s1 drukt, schuift de interface naar links.", "Met s2 schuift hij naar rechts.",
       "De andere knoppen veranderen alleen het getal rechtsboven.", "",
       "Heb je geen interface? Gebruik dan F1 tot en met F5 als knoppen.",
       "De laatste 2 vragen van de toets kun je dan niet goed maken."},
      {"Met de drukknoppen s1 en s2 ga je straks", "een paar schakelingen testen,",
       "misschien op een print die je zelf maakt.", "Dat kies jij of dat kiest je leraar."},
      {"Gebruik de knoppen op de interface.", "Met s1 en s2 van de interface", "bedien je s1 en s2 in het schema.",
       "Druk s1 en s2 ook een keer tegelijk in."},
      {"De rails van de trein lopen parallel.", "Net als de rails liggen s1 en s2 naast elkaar.",
       "Dat noemen we een parallelschakeling."},
      {"Gebruik de knoppen op de interface.", "Met s1 en s2 van de interface", "bedien je s1 en s2 in het schema.",
       "De bel gaat alleen wanneer je s1 en s2 gelijktijdig indrukt."},
      {"In een SERIE schakeling staan de onderdelen achter elkaar.",
       "In een parallelschakeling staan ze naast elkaar.",
       "De bel gaat alleen wanneer je s1 en s2 gelijktijdig indrukt."},
      {"Even een Engelse les...", "Light = licht, Emitting = uitzendend, Diode = diode.",
       "Leds geven tegenwoordig veel meer licht dan vroeger.", "Met s5 zie je een Led die heel veel licht geeft."},
      {"Sluit je een diode verkeerd om aan,", "", "dan zal de diode niet kunnen branden."},
      {"Een Led heeft dus 2 aansluitingen", "die de anode en de kathode heten.",
       "De stroom gaat alleen van anode naar kathode.", "De plus komt aan het lange pootje."},
      {"Wanneer je een Led direct op 12 Volt aansluit, gaat hij direct stuk.",
       "Daarom staat er hier maar 2 Volt over de Led.", "Een weerstand verlaagt de spanning;",
       "daarom zitten er weerstanden in de interface."},
      {"De bovenkant van de schakeling is de plus.", "E2 kan niet branden, want hij is verkeerd om getekend.",
       "s2 is een verbreekcontact,", "daarom brandt E3 als s2 niet bediend is."},
      {"De doorlaatrichting is van Anode naar Kathode.", "", "De sperrichting is van Kathode naar Anode."},
      {"Wanneer je het werkboek goed ingevuld hebt,", "kun je dat prima gebruiken bij de toets."},
  };
  static const QStringList overzicht = {"Bij het overzicht is geen hulp meer beschikbaar.",
                                        "Je kunt natuurijk nog wel terug bladeren."};
  if (stap >= 1 && stap <= hulp.size()) return hulp.at(stap - 1).join(vbCr);
  if (stap > hulp.size() && stap <= kLes1Paginas) return overzicht.join(vbCr);
  return QStringLiteral("Nog niet klaar.");
}

}  // namespace kwil

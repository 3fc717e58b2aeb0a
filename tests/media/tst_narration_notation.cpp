// What the narration says where a text writes bits or formulas: read as a Dutch teacher reads
// them aloud, both for lines as the lessons write them and for the lines of the question banks.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "narration.h"
#include "spokenforms.h"
#include "toetsen/vraagbank.h"

using namespace kwil;
using namespace kwil::media;

class TestNarrationNotation : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void linesAsATeacherReadsThem_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("spoken");
    // Bit patterns, digit by digit.
    QTest::newRow("a binary number named so") << QStringList{"het binaire getal 101?"} << "het binaire getal één nul één?";
    QTest::newRow("a pattern with a leading nought") << QStringList{"0011"} << "nul nul één één";
    QTest::newRow("a pattern of four digits") << QStringList{"1100"} << "één één nul nul";
    QTest::newRow("a list of patterns") << QStringList{"s1 s2 = 00, 01, 10 en 11."}
                                        << "es1 es2: nul nul, nul één, één nul en één één.";
    QTest::newRow("a row of inputs, one digit each") << QStringList{"s1 s2 = 10"} << "es1 es2: één nul";
    QTest::newRow("a byte after an equals sign") << QStringList{"De eerste", "= 00000101"}
                                                 << "De eerste is nul nul nul nul nul één nul één";
    QTest::newRow("binary beside decimal") << QStringList{"Binair  01000000 is daarom gelijk aan decimaal 64."}
                                           << "Binair nul één nul nul nul nul nul nul is daarom gelijk aan decimaal 64.";
    QTest::newRow("a stored byte") << QStringList{"getal 153 dus opgeslagen als 10011001."}
                                   << "getal 153 dus opgeslagen als één nul nul één één nul nul één.";
    QTest::newRow("truth table row, single digits") << QStringList{"    s1 = 0  geeft  E1 = 1"} << "es1 gelijk aan 0 geeft E1 gelijk aan 1";
    // Ordinary numbers stay numbers.
    QTest::newRow("a decimal answer") << QStringList{"101"} << "101";
    QTest::newRow("ten is a number") << QStringList{"Met welke knoppen maak je samen het getal 10?"}
                                     << "Met welke knoppen maak je samen het getal 10?";
    QTest::newRow("numbers in a sentence") << QStringList{"Met 8 bit's zijn 256 verschillende instellingen mogelijk."}
                                           << "Met 8 bit's zijn 256 verschillende instellingen mogelijk.";
    QTest::newRow("names with digits") << QStringList{"s1 zet E1 aan (waarde 1), s2 zet E2 aan (waarde 2),"}
                                       << "es1 zet E1 aan (waarde 1), es2 zet E2 aan (waarde 2),";
    QTest::newRow("a list of decimal numbers") << QStringList{"Onder de getallen 64, 16, 4 en 2 staat een 1."}
                                               << "Onder de getallen 64, 16, 4 en 2 staat een 1.";
    // Formulas, as the lessons teach them.
    QTest::newRow("the point is EN") << QStringList{"Dus:  E = a . b    spreek je uit als:  E is a EN b."}
                                     << "Dus: E is gelijk aan a punt b, spreek je uit als: E is a *en* b.";
    QTest::newRow("the middle dot is EN") << QStringList{"E1 = s1 · s2"} << "E1 is es1 *en* es2";
    QTest::newRow("the plus is OF") << QStringList{"E = a + b + c"} << "E is a *of* b *of* c";
    QTest::newRow("signs mixed with brackets") << QStringList{"E = (a + b) . c"} << "E is, haakje openen, a *of* b, haakje sluiten, *en* c";
    QTest::newRow("a letter with a bar") << QStringList{"    E = a + b\u0305"} << "E is a *of* *niet* b";
    QTest::newRow("a bar printed above the letter")
        << QStringList{"_", "E =", "a", "spreek je uit als:  E is NIET a"}
        << "E is gelijk aan a met een streep erboven, spreek je uit als: E is *niet* a";
    QTest::newRow("a bar above the last letter")
        << QStringList{"_", "E = a .", "b"} << "E is a *en* *niet* b";
    QTest::newRow("a formula in words") << QStringList{"E1 = s1 EN NIET s2"} << "E1 is es1 *en* *niet* es2";
    QTest::newRow("a formula turned round") << QStringList{"Voor beide schema's geldt:  a EN b = E."}
                                            << "Voor beide schema's geldt: a *en* b is E.";
    QTest::newRow("the signs themselves")
        << QStringList{"- staat de . voor de EN.", "- staat de + voor de OF."}
        << "- staat de punt voor de *en*. - staat de plus voor de *of*.";
    QTest::newRow("a point that names itself") << QStringList{"- gebruikt voor de EN functie een . (PUNT)"}
                                               << "- gebruikt voor de *en* functie een (*punt*)";
    QTest::newRow("a sentence ends, no formula") << QStringList{"De bel gaat. Klaar."} << "De bel gaat. Klaar.";
    QTest::newRow("a full stop after a formula")
        << QStringList{"De formule is E1 = (s1 OF s2) EN s3.", "s1 is bediend."}
        << "De formule is: E1 is, haakje openen, es1 *of* es2, haakje sluiten, *en* es3. Es1 is bediend.";
    QTest::newRow("a question about a value") << QStringList{"Bij welke standen van s1 en s2 is E1 = 1?"}
                                              << "Bij welke standen van es1 en es2 is E1 gelijk aan 1?";
    // Sums stay sums.
    QTest::newRow("a sum") << QStringList{"64 + 16 + 4 + 2 = 86."} << "64 + 16 + 4 + 2 is 86.";
    QTest::newRow("a difference") << QStringList{"Je komt nog 153 - 128 = 25 te kort."}
                                  << "Je komt nog 153 min 128 is 25 te kort.";
    QTest::newRow("a product") << QStringList{"Het is hetzelfde als 2 x 2 x 2 dat is 8."}
                               << "Het is hetzelfde als 2 keer 2 keer 2 dat is 8.";
    QTest::newRow("a range stays a range") << QStringList{"(10 - 20 mA)"} << "(10 tot 20 milliampère)";
    // A sentence end is never a word, and the voice hears where a sentence starts.
    QTest::newRow("a full stop printed apart")
        << QStringList{"In dit geval is dat ", "16", ". Zet hieronder ook een 1."}
        << "In dit geval is dat 16. Zet hieronder ook een 1.";
    QTest::newRow("a point before a gate name is the sign")
        << QStringList{"voor de", "EN een .", "OF een +", "E = a . b"}
        << "voor de *en* een punt, en voor de *of* een plus. E is a *en* b.";
    QTest::newRow("rows of a table end") << QStringList{"a = een WEL", "b = een NIET", "Beide schema's"}
                                         << "a is een *wel*. B is een *niet*. Beide schema's.";
    QTest::newRow("a list line ends, a sentence goes on")
        << QStringList{"Als eerste de NIET", "Als tweede de EN", "E1 ook"}
        << "Als eerste de *niet*. Als tweede de *en* E1 ook.";
    QTest::newRow("a bracket that ends a sentence")
        << QStringList{"(Zonder interface.)", "Wanneer? (Plus)", "De korte"}
        << "(Zonder interface.) Wanneer? (Plus). De korte.";
    QTest::newRow("columns apart on one line")
        << QStringList{"a is een WEL   b is een NIET"} << "a is een *wel*, b is een *niet*";
    QTest::newRow("a gate name starts a sentence")
        << QStringList{"het omgekeerde van EN en OF.", "NIET: keert om."}
        << "het omgekeerde van *en* en *of*. *Niet*: keert om.";
    QTest::newRow("an ellipsis goes on")
        << QStringList{"Dat wil zeggen... wanneer a = 1"} << "Dat wil zeggen... wanneer a 1 is.";
    // "=" as the sentence around it needs.
    QTest::newRow("a name and what it stands for")
        << QStringList{"s1 = het alarm staat aan,", "s2 = de deur gaat open."}
        << "es1 betekent: het alarm staat aan, es2 betekent: de deur gaat open.";
    QTest::newRow("a condition, its verb last")
        << QStringList{"als s1 = 1 en s2 = 0."} << "als es1 1 is en es2 0 is.";
    QTest::newRow("conditions joined by gate words")
        << QStringList{"wanneer a = 1 EN b = 1", "OF", "wanneer c = 1", "DAN"}
        << "wanneer a 1 is *en* b 1 is *of* wanneer c 1 is *dan*";
    QTest::newRow("a condition with its verb")
        << QStringList{"Tel de regels waarin E1 = 1 is."} << "Tel de regels waarin E1 1 is.";
    QTest::newRow("values after bij")
        << QStringList{"Alleen bij s1 = 0 en s2 = 1."} << "Alleen bij es1 gelijk aan 0 en es2 gelijk aan 1.";
    QTest::newRow("a value in a main clause")
        << QStringList{"EN: E1 = 1 alleen als"} << "*en*: E1 is 1 alleen als";
    // Gate names in capitals are stressed, never spelled or heard as joining words.
    QTest::newRow("gate names stressed") << QStringList{"de schakelingen WEL, NIET, EN en OF."}
                                         << "de schakelingen *wel*, *niet*, *en* en *of*.";
    QTest::newRow("gate names in English") << QStringList{"De EN (AND) de OF (OR) en de NIET (NOT)."}
                                           << "De *en* (#and#) de *of* (#or#) en de *niet* (#not#).";
    QTest::newRow("a gate name in a word")
        << QStringList{"Een NEN-poort, ENKEL een LED."} << "Een *nen*-poort, ENKEL een LED.";
    QTest::newRow("signs the voice would take for markup")
        << QStringList{"a < b > c"} << "a kleiner dan b groter dan c";
    // What the voice would say wrongly, said as a teacher says it.
    QTest::newRow("a switch name, never a hiss") << QStringList{"Druk op s2 tot en met s5, F1 of E1."}
                                                 << "Druk op es2 tot en met es5, F1 of E1.";
    QTest::newRow("words spoken as Dutch says them") << QStringList{"ASCII, een byte, RAM, de spoiler, een relais."}
                                                     << "aski, een bajt, ram, de spojler, een [[r@l'E:]].";
    QTest::newRow("English in the English voice") << QStringList{"LED betekent Light Emitting Diode."}
                                                  << "LED betekent #Light Emitting Diode#.";
    QTest::newRow("one, not an article") << QStringList{"de stroom maar in een richting."}
                                         << "de stroom maar in één richting.";
    QTest::newRow("the case of a letter") << QStringList{"Binair 01000001 = decimaal 65 = de letter A", "de letter a."}
                                          << "Binair nul één nul nul nul nul nul één is decimaal 65, dat is de "
                                             "hoofdletter A de kleine letter a.";
    // Brackets: round a part of a formula said, so that answers that differ only in them sound
    // different; a remark in brackets stays a remark.
    QTest::newRow("a bracket after NIET") << QStringList{"E1 = NIET (s1 OF s2)"}
                                          << "E1 is *niet*, haakje openen, es1 *of* es2, haakje sluiten";
    QTest::newRow("a remark in brackets") << QStringList{"als een deur open is (s1 of s2), maar"}
                                          << "als een deur open is (es1 of es2), maar";
    QTest::newRow("a plus between letters, said again in words")
        << QStringList{"In dit geval boven de a + b (a OF b)"} << "In dit geval boven de a *of* b";
    QTest::newRow("points named in brackets") << QStringList{"- heeft dan meer. .. (Punten)"}
                                              << "- heeft dan meer (Punten)";
    QTest::newRow("a condition before its main clause") << QStringList{"a = 1 dan geldt dat E is 0."}
                                                        << "a 1 is, dan geldt dat E is 0.";
    // Powers.
    QTest::newRow("a power") << QStringList{"2\u00B2", "Spreek je uit als"}
                             << "2 met een kleine 2 erboven. Spreek je uit als.";
    QTest::newRow("a power of two digits")
        << QStringList{"2\u00B9\u2070 = 1024"} << "2 tot de macht 10 is 1024";
  }
  void linesAsATeacherReadsThem() {
    QFETCH(QStringList, lines);
    QFETCH(QString, spoken);
    QCOMPARE(spokenText(lines), stressed(spoken));
    // Spoken text read again says the same: a lesson may hand over text already spoken.
    QCOMPARE(spokenText({stressed(spoken)}), stressed(spoken));
  }

  // The lines of the question banks that write bits or formulas (answer 0 is the question).
  void bankLinesAsATeacherReadsThem_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<int>("vraag");
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("les 2 vraag 7")
        << 2 << 7 << 0
        << "Een schakeling met één schakelaar heeft deze waarheidstabel: "
           "es1 gelijk aan 0 geeft E1 gelijk aan 1. Es1 gelijk aan 1 geeft E1 gelijk aan 0. Welke schakeling is dit?";
    QTest::newRow("les 2 vraag 9") << 2 << 9 << 0
                                   << "Op de interface is nu een andere schakeling nagebootst met es1 en es2. "
                                      "Maak de waarheidstabel door es1 en es2 uit te proberen. "
                                      "(Zonder interface houd je F1 en F2 ingedrukt.) "
                                      "Je schrijft de regels op in deze volgorde: "
                                      "es1 es2: nul nul, nul één, één nul en één één. Welke kolom E1 hoort bij deze schakeling?";
    QTest::newRow("les 2 vraag 9 B") << 2 << 9 << 2 << "E1 is 0, 1, 1, 1";
    QTest::newRow("les 4 vraag 1 B") << 4 << 1 << 2 << "E1 is es1 *en* es2";
    QTest::newRow("les 4 vraag 1 C") << 4 << 1 << 3 << "E1 is *niet* es1 *en* es2";
    QTest::newRow("les 4 vraag 1 D") << 4 << 1 << 4 << "E1 is *niet*, haakje openen, es1 *of* es2, haakje sluiten";
    QTest::newRow("les 4 vraag 9 B") << 4 << 9 << 2 << "E1 is, haakje openen, es1 *of* es2, haakje sluiten, *en* es3";
    QTest::newRow("les 4 vraag 6")
        << 4 << 6 << 0
        << "Een schakeling heeft deze schakelformule: E is a *en* b. Wanneer is de uitgang E aan?";
    QTest::newRow("les 4 vraag 7")
        << 4 << 7 << 0
        << "Een schakeling heeft deze schakelformule: E is a *of* *niet* b. Wanneer is de uitgang E aan?";
    QTest::newRow("les 4 vraag 9 A") << 4 << 9 << 1 << "E1 is es1 *en*, haakje openen, es2 *of* es3, haakje sluiten";
    QTest::newRow("les 5 vraag 2") << 5 << 2 << 0 << "Wat is de decimale waarde van het binaire getal één nul één?";
    QTest::newRow("les 5 vraag 2 D") << 5 << 2 << 4 << "101";
    QTest::newRow("les 5 vraag 3 A") << 5 << 3 << 1 << "één nul één nul";
    QTest::newRow("les 5 vraag 3 B") << 5 << 3 << 2 << "nul nul één één";
    QTest::newRow("les 5 vraag 3 C") << 5 << 3 << 3 << "één één één nul";
    QTest::newRow("les 5 vraag 3 D") << 5 << 3 << 4 << "één één nul nul";
    QTest::newRow("les 5 vraag 4 B") << 5 << 4 << 2 << "255";
    QTest::newRow("les 5 vraag 9 D") << 5 << 9 << 4 << "Met es2 en es4.";
  }
  void bankLinesAsATeacherReadsThem() {
    QFETCH(int, les);
    QFETCH(int, vraag);
    QFETCH(int, antwoord);
    QFETCH(QString, spoken);
    QString fout;
    const std::optional<Vraagbank> bank = vraagbank(les, &fout);
    QVERIFY2(bank, qPrintable(fout));
    const ToetsVraag& v = bank->vragen.at(vraag - 1);
    const QStringList lines = antwoord == 0 ? v.vraag : v.antwoorden[static_cast<std::size_t>(antwoord - 1)];
    QCOMPARE(spokenText(lines), stressed(spoken));
  }

  // What the voice makes of a switch name after "is": its letter's name and then the number,
  // not a hiss that melts into "is één".
  void aSwitchNameIsHeardAsItsName() {
    if (QStandardPaths::findExecutable("espeak-ng").isEmpty()) QSKIP("espeak-ng missing");
    QProcess espeak;
    espeak.start("espeak-ng", {"-q", "-x", "-m", "-v", "nl", spokenText({"E1 is s1 EN s2"})});
    QVERIFY(espeak.waitForFinished());
    const QString phonemes = QString::fromUtf8(espeak.readAllStandardOutput());
    static const QRegularExpression isEsOne(QStringLiteral("_\\|Is\\s+_!'Es\\s+_!\\s*[',]?e:n"));
    QVERIFY2(isEsOne.match(phonemes).hasMatch(), qPrintable(phonemes));
  }

  // Pages as they are read: the lesson's own lines in reading order.
  void pagesAsATeacherReadsThem_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("part");
    QTest::newRow("a column of sums read together, without the one the sentence says")
        << "Hoofdstuk 5/Kwil 5-25.mp3"
        << "Je komt nog 9 min 8 is 1 te kort. 153 min 128 is 25. 25 min 16 is 9. Zoek in de tabel de "
           "waarde die kleiner is, of gelijk aan 1. In dit geval is dat 1. Zet";
    QTest::newRow("a sum the sentence says is said once")
        << "Hoofdstuk 5/Kwil 5-23.mp3"
        << "Van de 153 heb je er 128. Je komt nog 153 min 128 is 25 te kort. Zoek";
    QTest::newRow("a column read between sentences is read whole")
        << "Hoofdstuk 5/Kwil 5-26.mp3"
        << "over. 153 min 128 is 25. 25 min 16 is 9. 9 min 8 is 1. In het rechter venster staat 153. In het";
    QTest::newRow("a power whose spoken form is taught")
        << "Hoofdstuk 5/Kwil 5-12.mp3"
        << "2 getallen. 2 met een kleine 2 erboven. Spreek je uit als '2 tot de macht 2'";
    QTest::newRow("a formula whose spoken form is taught")
        << "Hoofdstuk 4/Kwil 4-16.mp3"
        << "is: E is gelijk aan a punt b plus c, spreek je uit als: E is a <emphasis>en</emphasis> b "
           "<emphasis>of</emphasis> c.";
    QTest::newRow("a bar over two letters")
        << "Hoofdstuk 4/Kwil 4-18.mp3"
        << "In dit geval boven de a <emphasis>of</emphasis> b. De <emphasis>niet</emphasis> heeft de hoogste "
           "voorrang. Dus eerst de <emphasis>niet</emphasis> over a <emphasis>of</emphasis> b samen, en daarna "
           "pas de <emphasis>en</emphasis> c.";
    QTest::newRow("a page that stops without a mark") << "Hoofdstuk 4/Kwil 4-17.mp3" << "in je werkboek.";
    QTest::newRow("a column of its own starts a line") << "Hoofdstuk 5/Kwil 5-10.mp3"
                                                       << "nul nul nul. De tweede is nul";
    QTest::newRow("pieces of one row make one line") << "Hoofdstuk 5/Kwil 5-5.mp3"
                                                     << "het bestand Porsche carrera.jpg. Porsche carrera is";
    QTest::newRow("a test question's rows") << "Hoofdstuk 2/Toets/Vraag 07.mp3"
                                            << "geeft E1 gelijk aan 1. Es1 gelijk aan 1 geeft E1 gelijk aan 0.";
  }
  void pagesAsATeacherReadsThem() {
    QFETCH(QString, file);
    QFETCH(QString, part);
    QString text;
    for (const auto& provider : narrationProviders())
      for (const NarrationText& t : provider())
        if (t.fileName == file) text = t.text;
    QVERIFY2(text.contains(part), qPrintable(text));
  }

 private:
  // The expected texts write a stressed word as *word*, words in the English voice as #words#.
  static QString stressed(QString text) {
    static const QRegularExpression marked(QStringLiteral("\\*(\\w+)\\*"));
    static const QRegularExpression english(QStringLiteral("#([\\w ]+)#"));
    return text.replace(marked, QStringLiteral("<emphasis>\\1</emphasis>"))
        .replace(english, QStringLiteral("<voice xml:lang=\"en\">\\1</voice>"));
  }
};

QTEST_GUILESS_MAIN(TestNarrationNotation)
#include "tst_narration_notation.moc"

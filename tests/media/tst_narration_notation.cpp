// What the narration says where a text writes bits or formulas: read as a Dutch teacher reads
// them aloud, both for lines as the lessons write them and for the lines of the question banks.
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
                                        << "s1 s2 is nul nul, nul één, één nul en één één.";
    QTest::newRow("a row of inputs, one digit each") << QStringList{"s1 s2 = 10"} << "s1 s2 is één nul";
    QTest::newRow("a byte after an equals sign") << QStringList{"De eerste", "= 00000101"}
                                                 << "De eerste is nul nul nul nul nul één nul één";
    QTest::newRow("binary beside decimal") << QStringList{"Binair  01000000 is daarom gelijk aan decimaal 64."}
                                           << "Binair nul één nul nul nul nul nul nul is daarom gelijk aan decimaal 64.";
    QTest::newRow("a stored byte") << QStringList{"getal 153 dus opgeslagen als 10011001."}
                                   << "getal 153 dus opgeslagen als één nul nul één één nul nul één.";
    QTest::newRow("truth table row, single digits") << QStringList{"    s1 = 0  geeft  E1 = 1"} << "s1 is 0 geeft E1 is 1";
    // Ordinary numbers stay numbers.
    QTest::newRow("a decimal answer") << QStringList{"101"} << "101";
    QTest::newRow("ten is a number") << QStringList{"Met welke knoppen maak je samen het getal 10?"}
                                     << "Met welke knoppen maak je samen het getal 10?";
    QTest::newRow("numbers in a sentence") << QStringList{"Met 8 bit's zijn 256 verschillende instellingen mogelijk."}
                                           << "Met 8 bit's zijn 256 verschillende instellingen mogelijk.";
    QTest::newRow("names with digits") << QStringList{"s1 zet E1 aan (waarde 1), s2 zet E2 aan (waarde 2),"}
                                       << "s1 zet E1 aan (waarde 1), s2 zet E2 aan (waarde 2),";
    QTest::newRow("a list of decimal numbers") << QStringList{"Onder de getallen 64, 16, 4 en 2 staat een 1."}
                                               << "Onder de getallen 64, 16, 4 en 2 staat een 1.";
    // Formulas, as the lessons teach them.
    QTest::newRow("the point is EN") << QStringList{"Dus:  E = a . b    spreek je uit als:  E is a EN b."}
                                     << "Dus: E is a en b spreek je uit als: E is a en b.";
    QTest::newRow("the middle dot is EN") << QStringList{"E1 = s1 · s2"} << "E1 is s1 en s2";
    QTest::newRow("the plus is OF") << QStringList{"E = a + b + c"} << "E is a of b of c";
    QTest::newRow("signs mixed with brackets") << QStringList{"E = (a + b) . c"} << "E is (a of b) en c";
    QTest::newRow("a letter with a bar") << QStringList{"    E = a + b\u0305"} << "E is a of niet b";
    QTest::newRow("a bar printed above the letter") << QStringList{"_", "E =", "a", "spreek je uit als:  E is NIET a"}
                                                    << "E is niet a spreek je uit als: E is niet a";
    QTest::newRow("a bar above the last letter") << QStringList{"_", "E = a .", "b"} << "E is a en niet b";
    QTest::newRow("a formula in words") << QStringList{"E1 = s1 EN NIET s2"} << "E1 is s1 en niet s2";
    QTest::newRow("a formula turned round") << QStringList{"Voor beide schema's geldt:  a EN b = E."}
                                            << "Voor beide schema's geldt: a en b is E.";
    QTest::newRow("the signs themselves") << QStringList{"- staat de . voor de EN.", "- staat de + voor de OF."}
                                          << "- staat de punt voor de en. - staat de + voor de of.";
    QTest::newRow("a point that names itself") << QStringList{"- gebruikt voor de EN functie een . (PUNT)"}
                                               << "- gebruikt voor de en functie een (punt)";
    QTest::newRow("a sentence ends, no formula") << QStringList{"De bel gaat. Klaar."} << "De bel gaat. Klaar.";
    QTest::newRow("a full stop after a formula") << QStringList{"De formule is E1 = (s1 OF s2) EN s3.", "s1 is bediend."}
                                                 << "De formule is E1 is (s1 of s2) en s3. s1 is bediend.";
    QTest::newRow("a question about a value") << QStringList{"Bij welke standen van s1 en s2 is E1 = 1?"}
                                              << "Bij welke standen van s1 en s2 is E1 gelijk aan 1?";
    // Sums stay sums.
    QTest::newRow("a sum") << QStringList{"64 + 16 + 4 + 2 = 86."} << "64 + 16 + 4 + 2 is 86.";
    QTest::newRow("a difference") << QStringList{"Je komt nog 153 - 128 = 25 te kort."}
                                  << "Je komt nog 153 min 128 is 25 te kort.";
    QTest::newRow("a product") << QStringList{"Het is hetzelfde als 2 x 2 x 2 dat is 8."}
                               << "Het is hetzelfde als 2 keer 2 keer 2 dat is 8.";
    QTest::newRow("a range stays a range") << QStringList{"(10 - 20 mA)"} << "(10 tot 20 milliampère)";
  }
  void linesAsATeacherReadsThem() {
    QFETCH(QStringList, lines);
    QFETCH(QString, spoken);
    QCOMPARE(spokenText(lines), spoken);
    // Spoken text read again says the same: a lesson may hand over text already spoken.
    QCOMPARE(spokenText({spoken}), spoken);
  }

  // The lines of the question banks that write bits or formulas (answer 0 is the question).
  void bankLinesAsATeacherReadsThem_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<int>("vraag");
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("les 2 vraag 7") << 2 << 7 << 0
                                   << "Een schakeling met één schakelaar heeft deze waarheidstabel: "
                                      "s1 is 0 geeft E1 is 1 s1 is 1 geeft E1 is 0 Welke schakeling is dit?";
    QTest::newRow("les 2 vraag 9") << 2 << 9 << 0
                                   << "Op de interface is nu een andere schakeling nagebootst met s1 en s2. "
                                      "Maak de waarheidstabel door s1 en s2 uit te proberen. "
                                      "(Zonder interface houd je F1 en F2 ingedrukt.) "
                                      "Je schrijft de regels op in deze volgorde: "
                                      "s1 s2 is nul nul, nul één, één nul en één één. Welke kolom E1 hoort bij deze schakeling?";
    QTest::newRow("les 2 vraag 9 B") << 2 << 9 << 2 << "E1 is 0, 1, 1, 1";
    QTest::newRow("les 4 vraag 1 B") << 4 << 1 << 2 << "E1 is s1 en s2";
    QTest::newRow("les 4 vraag 6") << 4 << 6 << 0
                                   << "Een schakeling heeft deze schakelformule: E is a en b Wanneer is de uitgang E aan?";
    QTest::newRow("les 4 vraag 7") << 4 << 7 << 0
                                   << "Een schakeling heeft deze schakelformule: E is a of niet b Wanneer is de uitgang E aan?";
    QTest::newRow("les 4 vraag 9 A") << 4 << 9 << 1 << "E1 is s1 en (s2 of s3)";
    QTest::newRow("les 5 vraag 2") << 5 << 2 << 0 << "Wat is de decimale waarde van het binaire getal één nul één?";
    QTest::newRow("les 5 vraag 2 D") << 5 << 2 << 4 << "101";
    QTest::newRow("les 5 vraag 3 A") << 5 << 3 << 1 << "één nul één nul";
    QTest::newRow("les 5 vraag 3 B") << 5 << 3 << 2 << "nul nul één één";
    QTest::newRow("les 5 vraag 3 C") << 5 << 3 << 3 << "één één één nul";
    QTest::newRow("les 5 vraag 3 D") << 5 << 3 << 4 << "één één nul nul";
    QTest::newRow("les 5 vraag 4 B") << 5 << 4 << 2 << "255";
    QTest::newRow("les 5 vraag 9 D") << 5 << 9 << 4 << "Met s2 en s4.";
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
    QCOMPARE(spokenText(lines), spoken);
  }
};

QTEST_GUILESS_MAIN(TestNarrationNotation)
#include "tst_narration_notation.moc"

// The question banks as the program carries them, the reading of a bank a teacher corrected
// (and its faults), the circuits of interface questions, the mark rule and the spoken texts.
#include <QSet>
#include <QTest>

#include "shared/schakeling.h"
#include "toetsen/toetsresultaat.h"
#include "toetsen/toetsvoorlezen.h"
#include "toetsen/vraagbank.h"

using namespace kwil;

namespace {

// A bank of `aantal` well-formed questions, the right answer always B.
QString goedeBank(int aantal = 10) {
  QString t = QStringLiteral("# een bank\n");
  for (int v = 1; v <= aantal; ++v)
    t += QStringLiteral("Vraag %1\nV: Vraag nummer %1?\nA: een\nB: twee\nC: drie\nD: vier\nGoed: B\n\n")
             .arg(v);
  return t;
}

// The good bank with question 3's block replaced.
QString bankMetVraag3(const QString& blok) {
  QString t = goedeBank();
  const qsizetype begin = t.indexOf(QStringLiteral("Vraag 3\n"));
  const qsizetype eind = t.indexOf(QStringLiteral("Vraag 4\n"));
  return t.replace(begin, eind - begin, blok);
}

std::array<bool, 5> knoppen(int masker) {
  std::array<bool, 5> s{};
  for (int k = 0; k < 5; ++k) s[static_cast<std::size_t>(k)] = (masker >> k) & 1;
  return s;
}

}  // namespace

class TestVraagbank : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void programBanksAreSound_data() {
    QTest::addColumn<int>("les");
    for (int les = 1; les <= 5; ++les) QTest::newRow(qPrintable(QStringLiteral("les %1").arg(les))) << les;
  }
  void programBanksAreSound() {
    QFETCH(int, les);
    QString fout;
    const std::optional<Vraagbank> bank = vraagbank(les, &fout);
    QVERIFY2(bank, qPrintable(fout));
    QCOMPARE(bank->vragen.size(), 10);
    const QString sleutel = bank->sleutel();
    QCOMPARE(sleutel.size(), 10);
    // The right answer's place is spread: every letter two or three times.
    for (QChar letter : QStringLiteral("ABCD")) {
      const auto n = sleutel.count(letter);
      QVERIFY2(n >= 2 && n <= 3,
               qPrintable(QStringLiteral("%1 staat %2 keer in %3").arg(letter).arg(n).arg(sleutel)));
    }
    int metInterface = 0;
    for (const ToetsVraag& v : bank->vragen) {
      QVERIFY(v.vraag.size() >= 1 && v.vraag.size() <= 9);
      for (const QStringList& a : v.antwoorden) QVERIFY(a.size() >= 1 && a.size() <= 3);
      metInterface += v.gebruiktInterface() ? 1 : 0;
      // A circuit must react to the buttons: some combination switches some output on and off.
      if (v.gebruiktInterface()) {
        QSet<bool> gezien;
        for (int m = 0; m < 32; ++m)
          for (const SchakelRegel& r : v.schakeling) gezien.insert(r.aan(knoppen(m)));
        QCOMPARE(gezien.size(), 2);
      }
    }
    QVERIFY2(metInterface >= 1, "every test has a question that uses the interface");
  }

  // Where the four answers of an interface question are themselves switching formulas, the
  // right one (and only that one) behaves as the circuit the pupil operates.
  void formulaAnswersMatchTheirCircuit_data() {
    QTest::addColumn<int>("les");
    for (int les = 1; les <= 5; ++les) QTest::newRow(qPrintable(QStringLiteral("les %1").arg(les))) << les;
  }
  void formulaAnswersMatchTheirCircuit() {
    QFETCH(int, les);
    const Vraagbank bank = *vraagbank(les);
    for (int nr = 1; nr <= bank.vragen.size(); ++nr) {
      const ToetsVraag& v = bank.vragen.at(nr - 1);
      if (!v.gebruiktInterface()) continue;
      QList<SchakelRegel> formules;
      for (const QStringList& a : v.antwoorden) {
        QString fout;
        if (auto r = SchakelRegel::lees(a.join(QLatin1Char(' ')), fout)) formules.append(*r);
      }
      if (formules.size() != 4) continue;
      for (int k = 1; k <= 4; ++k) {
        const SchakelRegel& formule = formules.at(k - 1);
        bool zelfde = false;
        for (const SchakelRegel& r : v.schakeling) {
          if (r.uitgang() != formule.uitgang()) continue;
          zelfde = true;
          for (int m = 0; m < 32; ++m) zelfde = zelfde && r.aan(knoppen(m)) == formule.aan(knoppen(m));
        }
        QVERIFY2(zelfde == (k == v.goed), qPrintable(QStringLiteral("les %1 vraag %2 antwoord %3")
                                                         .arg(les)
                                                         .arg(nr)
                                                         .arg(QChar('A' + k - 1))));
      }
    }
  }

  void faultsAreFoundWithTheirLine_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("regel");
    QTest::addColumn<QString>("fout");
    QTest::newRow("nine questions") << goedeBank(9) << 0 << "9 vragen in plaats van 10";
    QTest::newRow("question skipped")
        << QString(goedeBank()).replace("Vraag 4\n", "Vraag 5\n") << 26 << "vraag 4 verwacht";
    QTest::newRow("ten question lines")
        << bankMetVraag3("Vraag 3\n" + QStringLiteral("V: regel\n").repeated(10) +
                         "A: a\nB: b\nC: c\nD: d\nGoed: A\n")
        << 28 << "ten hoogste 9 regels";
    QTest::newRow("four answer lines")
        << bankMetVraag3("Vraag 3\nV: v\nA: a\nB: b\nB: b\nB: b\nB: b\nC: c\nD: d\nGoed: A\n") << 24
        << "antwoord B heeft ten hoogste 3 regels";
    QTest::newRow("answer missing") << bankMetVraag3("Vraag 3\nV: v\nA: a\nB: b\nD: d\nGoed: A\n") << 18
                                    << "vraag 3: antwoord C ontbreekt";
    QTest::newRow("right answer missing")
        << bankMetVraag3("Vraag 3\nV: v\nA: a\nB: b\nC: c\nD: d\n") << 18 << "Goed: ontbreekt";
    QTest::newRow("right answer E") << bankMetVraag3("Vraag 3\nV: v\nA: a\nB: b\nC: c\nD: d\nGoed: E\n") << 24
                                    << "A, B, C of D";
    QTest::newRow("two answers alike") << bankMetVraag3("Vraag 3\nV: v\nA: Ja\nB: ja\nC: c\nD: d\nGoed: A\n")
                                       << 18 << "twee antwoorden zijn gelijk";
    QTest::newRow("no question text")
        << bankMetVraag3("Vraag 3\nA: a\nB: b\nC: c\nD: d\nGoed: A\n") << 18 << "(V:) ontbreekt";
    QTest::newRow("unknown line") << bankMetVraag3("Vraag 3\nV: v\nX: x\n") << 20 << "onbekende regel";
    QTest::newRow("line before the first question") << "V: los\n" + goedeBank() << 1 << "niet bij een vraag";
    QTest::newRow("output 9") << bankMetVraag3("Vraag 3\nV: v\nE9 = s1\n") << 20 << "E1 tot E8";
    QTest::newRow("button 6") << bankMetVraag3("Vraag 3\nV: v\nE1 = s6\n") << 20
                              << "\"S6\" is geen schakelaar";
    QTest::newRow("circuit ends early") << bankMetVraag3("Vraag 3\nV: v\nE1 = s1 EN\n") << 20 << "te vroeg";
    QTest::newRow("bracket not closed") << bankMetVraag3("Vraag 3\nV: v\nE1 = (s1 OF s2\n") << 20 << "haakje";
    QTest::newRow("word left over") << bankMetVraag3("Vraag 3\nV: v\nE1 = s1 s2\n") << 20 << "onverwacht";
  }
  void faultsAreFoundWithTheirLine() {
    QFETCH(QString, tekst);
    QFETCH(int, regel);
    QFETCH(QString, fout);
    const VraagbankUitslag u = leesVraagbank(tekst);
    QVERIFY(!u.bank);
    QVERIFY2(u.fout.contains(fout), qPrintable(u.fout));
    QCOMPARE(u.regel, regel);
  }

  void aCorrectedBankIsRead() {
    const VraagbankUitslag u =
        leesVraagbank(bankMetVraag3("vraag 3\n  V: Eerste regel\nV:Tweede regel\nA: a1\na: a2\nB: b\nC: "
                                    "c\nD: d\ngoed: c\ne2 = niet s1\n"));
    QVERIFY2(u.bank, qPrintable(u.fout));
    const ToetsVraag& v = u.bank->vragen.at(2);
    QCOMPARE(v.vraag, QStringList({"Eerste regel", "Tweede regel"}));
    QCOMPARE(v.antwoorden[0], QStringList({"a1", "a2"}));
    QCOMPARE(v.goed, 3);
    QCOMPARE(v.schakeling.size(), 1);
    QCOMPARE(v.schakeling.first().uitgang(), 2);
    QCOMPARE(u.bank->sleutel(), QStringLiteral("BBCBBBBBBB"));
  }

  // A question keeps its layout: the blanks that indent a line (a column of a truth table, a
  // formula set apart) stay; one blank after the colon and the blanks at the end go.
  void linesKeepTheirIndent_data() {
    QTest::addColumn<QString>("regel");
    QTest::addColumn<QString>("vraag");
    QTest::addColumn<QString>("antwoordA");
    QTest::newRow("plain") << "V: Wat is dit?" << "Wat is dit?" << "a";
    QTest::newRow("indented question line") << "V:     s1 = 0  geeft  E1 = 1" << "    s1 = 0  geeft  E1 = 1" << "a";
    QTest::newRow("no blank after the colon") << "V:s1 s2" << "s1 s2" << "a";
    QTest::newRow("blanks at the end go") << "V: Wat is dit?   \t" << "Wat is dit?" << "a";
    QTest::newRow("indented line in front of the field") << "   V:   E = a . b" << "  E = a . b" << "a";
    QTest::newRow("indented answer") << "V: v\nA:    1010" << "v" << "   1010";
  }
  void linesKeepTheirIndent() {
    QFETCH(QString, regel);
    QFETCH(QString, vraag);
    QFETCH(QString, antwoordA);
    QString blok = "Vraag 3\n" + regel + "\n";
    if (!regel.contains("A:")) blok += "A: a\n";
    const VraagbankUitslag u = leesVraagbank(bankMetVraag3(blok + "B: b\nC: c\nD: d\nGoed: A\n"));
    QVERIFY2(u.bank, qPrintable(u.fout));
    const ToetsVraag& v = u.bank->vragen.at(2);
    QCOMPARE(v.vraag, QStringList{vraag});
    QCOMPARE(v.antwoorden[0], QStringList{antwoordA});
  }

  void aLineOfBlanksIsEmpty() {
    const VraagbankUitslag u = leesVraagbank(bankMetVraag3("Vraag 3\nV:      \nA: a\nB: b\nC: c\nD: d\nGoed: A\n"));
    QVERIFY(!u.bank);
    QVERIFY2(u.fout.contains("lege regel na V:"), qPrintable(u.fout));
  }

  void circuitsFollowTheirWords_data() {
    QTest::addColumn<QString>("regel");
    QTest::addColumn<int>("ingedrukt");  // bit k-1 = s<k>
    QTest::addColumn<bool>("aan");
    QTest::newRow("EN before OF, s2 alone") << "E1 = s1 OF s2 EN s3" << 0b010 << false;
    QTest::newRow("EN before OF, s1 alone") << "E1 = s1 OF s2 EN s3" << 0b001 << true;
    QTest::newRow("brackets first") << "E1 = (s1 OF s2) EN s3" << 0b001 << false;
    QTest::newRow("NIET takes one button") << "E1 = NIET s1 EN s2" << 0b010 << true;
    QTest::newRow("NIET takes one button, s1 held") << "E1 = NIET s1 EN s2" << 0b011 << false;
    QTest::newRow("NIET of a bracket") << "E1 = NIET (s1 EN s2)" << 0b011 << false;
    QTest::newRow("NIET of a bracket, one held") << "E1 = NIET (s1 EN s2)" << 0b001 << true;
    QTest::newRow("double NIET") << "E1 = niet niet s5" << 0b10000 << true;
    QTest::newRow("constant 1") << "E8 = 1" << 0 << true;
    QTest::newRow("constant 0 OF s4") << "E8 = 0 OF s4" << 0b01000 << true;
  }
  void circuitsFollowTheirWords() {
    QFETCH(QString, regel);
    QFETCH(int, ingedrukt);
    QFETCH(bool, aan);
    QString fout;
    const std::optional<SchakelRegel> r = SchakelRegel::lees(regel, fout);
    QVERIFY2(r, qPrintable(fout));
    QCOMPARE(r->aan(knoppen(ingedrukt)), aan);
  }

  void markIsRightAnswersAtLeastOne_data() {
    QTest::addColumn<QString>("antwoorden");
    QTest::addColumn<int>("cijfer");
    QTest::newRow("none right") << "abcdabcdab" << 1;
    QTest::newRow("one right") << "aBcdabcdab" << 1;
    QTest::newRow("two right") << "aBcDabcdab" << 2;
    QTest::newRow("seven right") << "ABCDabCDAb" << 7;
    QTest::newRow("all right") << "ABCDABCDAB" << 10;
  }
  void markIsRightAnswersAtLeastOne() {
    QFETCH(QString, antwoorden);
    QFETCH(int, cijfer);
    QCOMPARE(ToetsCijfer(antwoorden), cijfer);
  }

  void spokenTextsFollowTheBanks_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<int>("vraag");
    QTest::addColumn<QString>("nummer");
    QTest::newRow("les 1 vraag 1") << 1 << 1 << "01";
    QTest::newRow("les 3 vraag 9") << 3 << 9 << "09";
    QTest::newRow("les 5 vraag 10") << 5 << 10 << "10";
  }
  void spokenTextsFollowTheBanks() {
    QFETCH(int, les);
    QFETCH(int, vraag);
    QFETCH(QString, nummer);
    QMap<QString, QString> teksten;
    for (const ToetsVoorleesTekst& t : toetsVoorleesTeksten()) teksten.insert(t.bestand, t.tekst);
    QCOMPARE(teksten.size(), 5 * 10 * 5);
    const ToetsVraag& v = vraagbank(les)->vragen.at(vraag - 1);
    const QString map = QStringLiteral("Hoofdstuk %1/Toets/").arg(les);
    QCOMPARE(teksten.value(map + "Vraag " + nummer + ".mp3"), v.vraag.join('\n'));
    for (int k = 1; k <= 4; ++k)
      QCOMPARE(teksten.value(map + QStringLiteral("Antwoord %1-%2.mp3").arg(nummer).arg(k)),
               v.antwoorden[static_cast<std::size_t>(k - 1)].join('\n'));
  }
};

QTEST_GUILESS_MAIN(TestVraagbank)
#include "tst_vraagbank.moc"

// The printed class report: printed to a PDF file and read back with pdftotext, so what is
// checked is what lands on paper.
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "leraar_omgeving.h"
#include "teacher/klasrapport.h"
#include "teacher/printservice.h"

using namespace kwil;
using namespace kwil::leraartest;

Q_DECLARE_METATYPE(QList<QVariantList>)

namespace {

// The text of the PDF with its layout kept, one page after another.
QString pdfTekst(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// Every word of the PDF with its box on the page (the first place a word occurs).
QMap<QString, QRectF> pdfWoorden(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  QMap<QString, QRectF> woorden;
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return woorden;
  static const QRegularExpression woord(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (auto it = woord.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
    const auto m = it.next();
    if (woorden.contains(m.captured(5))) continue;
    woorden.insert(m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
  }
  return woorden;
}

// The words after the name on the report line of that pupil; empty when there is no line.
QStringList cijfersVan(const QString& tekst, const QString& naam) {
  for (const QString& regel : tekst.split(QLatin1Char('\n'))) {
    const QString r = regel.simplified();
    if (r.startsWith(naam + QLatin1Char(' '))) return r.mid(naam.size() + 1).split(QLatin1Char(' '));
  }
  return {};
}

}  // namespace

class TstKlasrapport : public QObject {
  Q_OBJECT

 private:
  LeraarOmgeving o;

  QString pdf() const { return o.werkPad(QStringLiteral("rapport.pdf")); }

 private Q_SLOTS:
  void initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QFAIL("pdftotext (poppler-utils) is needed");
  }
  void init() {
    o.begin();
    o.print->pad = pdf();
  }
  void cleanup() { o.end(); }

  // rows: klas, voornaam, tussenvoegsel, achternaam, then the marks of lessons 1 to 8 (an
  // invalid QVariant = none); expected: the name as printed and the eight printed marks.
  void rapport_data() {
    QTest::addColumn<QString>("klas");
    QTest::addColumn<QList<QVariantList>>("leerlingen");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QList<QStringList>>("cijfers");
    const QVariant geen;
    QTest::newRow("gewone klas") << "3A"
                                 << QList<QVariantList>{{"3A", "Anna", "de", "Vries", 7, 8, geen, geen, geen,
                                                         geen, geen, geen},
                                                        {"3A", "Bram", "", "Bakker", 10, 0, 6, 5, 9, 1, 2, 3},
                                                        {"4B", "Dirk", "", "Jansen", 4, 4, 4, 4, 4, 4, 4, 4}}
                                 << QStringList{"Anna de Vries", "Bram Bakker"}
                                 << QList<QStringList>{{"7", "8", "-", "-", "-", "-", "-", "-"},
                                                       {"10", "0", "6", "5", "9", "1", "2", "3"}};
    QTest::newRow("klas met quote, geen cijfers")
        << "3'B"
        << QList<QVariantList>{{"3'B", "Eva", "van der", "Berg", geen, geen, geen, geen, geen, geen, geen,
                                geen},
                               {"3A", "Bram", "", "Bakker", 1, 1, 1, 1, 1, 1, 1, 1}}
        << QStringList{"Eva van der Berg"} << QList<QStringList>{QStringList(8, QStringLiteral("-"))};
  }
  void rapport() {
    QFETCH(QString, klas);
    QFETCH(QList<QVariantList>, leerlingen);
    QFETCH(QStringList, namen);
    QFETCH(QList<QStringList>, cijfers);
    for (const QVariantList& l : leerlingen) {
      const qint64 id = o.voegToe({l[0].toString(), l[1].toString(), l[2].toString(), l[3].toString()});
      for (int les = 1; les <= 8; ++les) o.zet(id, QStringLiteral("cijferles%1").arg(les), l[3 + les]);
    }
    o.toon();
    o.kiesKlas(klas);
    o.klik(Printen);
    QCOMPARE(o.print->keer, 1);
    QCOMPARE(o.print->naam, QStringLiteral("Cijferlijst klas ") + klas);
    QCOMPARE(o.meldingen(), QStringList{QStringLiteral("De cijferlijst is opgeslagen in ") + pdf()});
    const QString tekst = pdfTekst(pdf());
    QVERIFY2(tekst.contains(QStringLiteral("Cijferlijst klas ") + klas), qPrintable(tekst));
    QVERIFY(tekst.contains(QStringLiteral("Datum: ") +
                           QDate::currentDate().toString(QStringLiteral("d-M-yyyy"))));
    QVERIFY(tekst.contains(QStringLiteral("Pagina 1 van 1")));
    QCOMPARE(cijfersVan(tekst, QStringLiteral("Naam")),
             QStringList({"Les", "1", "Les", "2", "Les", "3", "Les", "4", "Les", "5", "Les", "6", "Les", "7",
                          "Les", "8"}));
    for (int i = 0; i < namen.size(); ++i) QCOMPARE(cijfersVan(tekst, namen[i]), cijfers[i]);
    // Pupils of other classes are not on it.
    QVERIFY(!tekst.contains(QStringLiteral("Jansen")));
    if (klas != QLatin1String("3A")) QVERIFY(!tekst.contains(QStringLiteral("Bakker")));
  }

  // A long class runs over several pages, every pupil exactly once, each page numbered.
  void meerderePaginas() {
    for (int i = 1; i <= 70; ++i)
      o.voegToe(
          {QStringLiteral("5C"), QStringLiteral("Leerling%1").arg(i), QString(), QStringLiteral("Achter")});
    o.toon();
    o.klik(Printen);
    const QString tekst = pdfTekst(pdf());
    const QStringList paginas = tekst.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(paginas.size() >= 2);
    for (int p = 1; p <= paginas.size(); ++p)
      QVERIFY2(paginas[p - 1].contains(QStringLiteral("Pagina %1 van %2").arg(p).arg(paginas.size())),
               qPrintable(paginas[p - 1]));
    for (int i = 1; i <= 70; ++i) {
      static const QRegularExpression spatie(QStringLiteral("\\s+"));
      const QString naam = QStringLiteral(" Leerling%1 Achter ").arg(i);
      QCOMPARE(QString(tekst).replace(spatie, QStringLiteral(" ")).count(naam), 1);
    }
    QVERIFY(paginas.last().contains(QStringLiteral("Cijferlijst klas 5C")));
  }

  void geannuleerd() {
    o.voegToe({QStringLiteral("3A"), QStringLiteral("Anna"), QString(), QStringLiteral("Vries")});
    o.print->pad.clear();
    o.toon();
    o.klik(Printen);
    QCOMPARE(o.print->keer, 1);
    QVERIFY(o.meldingen().isEmpty());
  }

  // A file that cannot be written is reported, not passed over in silence.
  void nietTeSchrijven() {
    o.voegToe({QStringLiteral("3A"), QStringLiteral("Anna"), QString(), QStringLiteral("Vries")});
    o.print->pad = o.werkPad(QStringLiteral("bestaat/niet/rapport.pdf"));
    o.toon();
    o.klik(Printen);
    QCOMPARE(o.meldingen(), QStringList{QStringLiteral("Het afdrukken is mislukt.")});
  }

  // A class name may hold characters a file name cannot: the suggested PDF file is one file in
  // the chosen folder, never a path into another.
  void veiligeBestandsnaam_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("bestand");
    QTest::newRow("gewoon") << "Cijferlijst klas 3A" << "Cijferlijst klas 3A";
    QTest::newRow("schuine streep") << "Cijferlijst klas 2A/B" << "Cijferlijst klas 2A-B";
    QTest::newRow("andere streep en dubbele punt") << "klas 2\\3:B" << "klas 2-3-B";
    QTest::newRow("tekens die Windows weigert") << "a*b?c\"d<e>f|g" << "a-b-c-d-e-f-g";
    QTest::newRow("stuurteken") << QStringLiteral("klas\t4\n") << "klas-4-";
    QTest::newRow("naar een hogere map") << "../../etc/passwd" << "-..-etc-passwd";
    QTest::newRow("punten en blanks aan de randen") << " .klas 5. " << "klas 5";
    QTest::newRow("niets over") << " . " << "Cijferlijst";
    QTest::newRow("quote en letters met accent") << "3'B Zoë" << "3'B Zoë";
  }
  void veiligeBestandsnaam() {
    QFETCH(QString, naam);
    QFETCH(QString, bestand);
    QCOMPARE(kwil::veiligeBestandsnaam(naam), bestand);
  }

  // A long name is read whole on paper: smaller when that is enough, over more lines when not,
  // never cut off at the edge of its column.
  void langeNaamPastInZijnVak_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("kleiner");
    QTest::addColumn<bool>("gebroken");
    QTest::newRow("kort") << "Anna de Vries" << false << false;
    QTest::newRow("iets te lang") << "Anna-Maria Wilhelmina van den Heuvel-Oosterhout" << true << false;
    QTest::newRow("veel te lang") << "Anna-Maria Wilhelmina Josephina Theodora van den Heuvel tot Oosterhout-Bergen"
                                  << true << true;
    QTest::newRow("lang zonder blanks") << QString("Oosterhout").repeated(8) << true << true;
  }
  void langeNaamPastInZijnVak() {
    QFETCH(QString, naam);
    QFETCH(bool, kleiner);
    QFETCH(bool, gebroken);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(o.werkPad(QStringLiteral("maat.pdf")));
    QFont basis(QStringLiteral("DejaVu Sans"));
    basis.setPointSizeF(10);
    const QFontMetricsF maat(basis, &printer);
    // The name column of an A4 page: about 76 mm, one and a half lines high.
    const QSizeF vak(printer.resolution() * 76 / 25.4, maat.height() * 1.6);
    const NaamOpmaak opmaak = naamOpmaak(naam, vak, basis, &printer);
    QCOMPARE(opmaak.lettertype.pointSizeF() < 10, kleiner);
    QCOMPARE((opmaak.vlaggen & (Qt::TextWordWrap | Qt::TextWrapAnywhere)) != 0, gebroken);
    const QRectF nodig =
        QFontMetricsF(opmaak.lettertype, &printer).boundingRect(QRectF(QPointF(0, 0), vak), opmaak.vlaggen, naam);
    QVERIFY(nodig.width() <= vak.width());
    QVERIFY(nodig.height() <= vak.height());
    QVERIFY(opmaak.lettertype.pointSizeF() >= 4);
  }

  // On paper too: the whole of a long name stands left of the marks' first column (text cut
  // off at a clip would still be in the PDF, but run on under the marks).
  void langeNaamOpPapier() {
    o.voegToe({QStringLiteral("3A"), QStringLiteral("Anna-Maria Wilhelmina"), QStringLiteral("van den"),
               QStringLiteral("Heuvel-Oosterhout")});
    o.toon();
    o.kiesKlas(QStringLiteral("3A"));
    o.klik(Printen);
    const QMap<QString, QRectF> woorden = pdfWoorden(pdf());
    QVERIFY(woorden.contains(QStringLiteral("Les")));
    const double eersteKolom = woorden.value(QStringLiteral("Les")).left();
    for (const char* woord : {"Anna-Maria", "Wilhelmina", "van", "den", "Heuvel-Oosterhout"}) {
      QVERIFY2(woorden.contains(QString::fromUtf8(woord)), woord);
      QVERIFY2(woorden.value(QString::fromUtf8(woord)).right() < eersteKolom, woord);
    }
  }

  void cijferAlsTekst_data() {
    QTest::addColumn<QVariant>("cijfer");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("geen") << QVariant() << " -";
    QTest::newRow("nul") << QVariant(qint64(0)) << "0";
    QTest::newRow("tien") << QVariant(qint64(10)) << "10";
  }
  void cijferAlsTekst() {
    QFETCH(QVariant, cijfer);
    QFETCH(QString, tekst);
    QCOMPARE(rapportCijfer(cijfer), tekst);
  }
};

QTEST_MAIN(TstKlasrapport)
#include "tst_klasrapport.moc"

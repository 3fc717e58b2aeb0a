#include <QTest>

#include "shared/kwilstate.h"
#include "shared/zinnen.h"
#include "support/fakes.h"

using namespace kwil;

using Lines = QMap<int, QString>;

class TestZinnen : public QObject {
  Q_OBJECT
  fake::Fakes fakes_{};

  static void setLines(const Lines& lines) {
    for (auto it = lines.begin(); it != lines.end(); ++it) state().Zin[it.key()] = it.value();
  }

 private Q_SLOTS:
  void init() { fakes_ = fake::installBasicFakes(); }

  void copyToClipboard_data() {
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QString>("copied");
    Lines all;
    QString allCopied;
    for (int i = 1; i <= 25; ++i) {
      all[i] = QString::number(i);
      allCopied += QString::number(i) + QLatin1Char('\r');
    }
    QTest::newRow("all empty") << Lines{} << "";
    QTest::newRow("one line") << Lines{{1, "Een schakelaar."}} << "Een schakelaar.\r";
    QTest::newRow("empty line between leaves no trace") << Lines{{1, "a"}, {3, "c"}} << "a\rc\r";
    QTest::newRow("blank-only line is copied") << Lines{{2, "   "}, {4, "d"}} << "   \rd\r";
    QTest::newRow("line 25 alone") << Lines{{25, "laatste"}} << "laatste\r";
    QTest::newRow("all 25 lines") << all << allCopied;
    QTest::newRow("accents kept") << Lines{{5, "één of twee?"}} << "één of twee?\r";
  }
  void copyToClipboard() {
    QFETCH(Lines, lines);
    QFETCH(QString, copied);
    fakes_.clipboard->setText(QStringLiteral("oude tekst"));
    setLines(lines);

    KopieerZinnen();

    QCOMPARE(fakes_.clipboard->clears, 1);
    QVERIFY(fakes_.clipboard->hasText);
    QCOMPARE(fakes_.clipboard->text.toUtf8(), copied.toUtf8());
    QVERIFY(!fakes_.clipboard->text.contains(QLatin1Char('\n')));
    for (int i = 1; i <= 25; ++i) QCOMPARE(state().Zin[i], lines.value(i));
  }

  void clearAllLines() {
    Lines all;
    for (int i = 1; i <= 25; ++i) all[i] = QStringLiteral("regel ") + QString::number(i);
    setLines(all);
    fakes_.clipboard->setText(QStringLiteral("oude tekst"));

    MaakAlleZinnenLeeg();

    for (int i = 1; i <= 25; ++i) QVERIFY2(state().Zin[i].isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(fakes_.clipboard->clears, 1);
    QVERIFY(!fakes_.clipboard->hasText);

    KopieerZinnen();
    QVERIFY(fakes_.clipboard->hasText);
    QCOMPARE(fakes_.clipboard->text, QString());
  }
};

QTEST_GUILESS_MAIN(TestZinnen)
#include "tst_zinnen.moc"

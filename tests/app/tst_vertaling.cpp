// Qt's own dialog texts read Dutch in a Dutch course: the standard buttons of every message
// box, and the file and print dialogs through the same catalogue.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include "app/vertaling.h"

class TestVertaling : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { QVERIFY2(kwil::installDutchTranslations(*qApp), "Qt's Dutch translations are not installed"); }

  void standardButtonsAreDutch_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << "&Ja";
    QTest::newRow("No") << int(QDialogButtonBox::No) << "&Nee";
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << "Annuleren";
    QTest::newRow("Open") << int(QDialogButtonBox::Open) << "Openen";
  }
  void standardButtonsAreDutch() {
    QFETCH(int, button);
    QFETCH(QString, text);
    QDialogButtonBox box{QDialogButtonBox::StandardButton(button)};
    QCOMPARE(box.button(QDialogButtonBox::StandardButton(button))->text(), text);
  }
};

QTEST_MAIN(TestVertaling)
#include "tst_vertaling.moc"

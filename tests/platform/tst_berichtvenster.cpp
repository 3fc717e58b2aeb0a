// The message box on the screen: wide enough that its title is read in full, however short its
// message ("Cijfer: 7" at the end of a test), and still as wide as a long message needs.
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "platform/real/qtdialogs.h"

using namespace kwil;

class TestBerichtVenster : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void titleAndTextFit_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<int>("knoppen");
    QTest::newRow("a mark") << "Cijfer: 7" << "Kwilmora" << 0;
    QTest::newRow("a mark, long title") << "Cijfer: 10" << "Kwilmora - toets van les 5 - binaire getallen" << 0;
    QTest::newRow("a question") << "Stoppen?" << "Kwilmora" << int(DialogService::YesNo);
    QTest::newRow("a long message") << QString("De gegevens konden niet worden opgeslagen.\rMeld dit bij je docent. ")
                                           .repeated(2)
                                    << "Kwilmora" << int(DialogService::Critical);
  }
  void titleAndTextFit() {
    QFETCH(QString, tekst);
    QFETCH(QString, titel);
    QFETCH(int, knoppen);
    const std::unique_ptr<QMessageBox> box = berichtVenster(tekst, knoppen, titel, nullptr);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QFontMetrics titelMaat(QApplication::font("QMdiSubWindowTitleBar"));
    QVERIFY2(box->width() >= titelMaat.horizontalAdvance(titel) + 60, qPrintable(QString::number(box->width())));
    QVERIFY(box->width() >= 300);
    // The message itself is shown whole.
    const auto labels = box->findChildren<QLabel*>();
    bool gevonden = false;
    for (const QLabel* label : labels) {
      if (label->text() != QString(tekst).replace('\r', '\n')) continue;
      gevonden = true;
      QVERIFY(label->width() >= label->sizeHint().width());
    }
    QVERIFY(gevonden);
    QCOMPARE(box->standardButtons() == (QMessageBox::Yes | QMessageBox::No), knoppen == DialogService::YesNo);
  }
};

QTEST_MAIN(TestBerichtVenster)
#include "tst_berichtvenster.moc"

#include <QTest>

#include "shared/kwilstate.h"

using namespace kwil;

class TestState : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void boundsAreThoseOfTheVariable_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("inside");
    QTest::newRow("below Zin") << 0 << false;
    QTest::newRow("first Zin") << 1 << true;
    QTest::newRow("last Zin") << 25 << true;
    QTest::newRow("beyond Zin") << 26 << false;
  }
  void boundsAreThoseOfTheVariable() {
    QFETCH(int, index);
    QFETCH(bool, inside);
    resetState();
    bool threw = false;
    try {
      state().Zin[index] = QStringLiteral("x");
    } catch (const std::out_of_range&) {
      threw = true;
    }
    QCOMPARE(threw, !inside);
  }
  void startValuesAreEmpty() {
    state().InterfaceSoort = SoortArduino;
    state().Zin[3] = QStringLiteral("regel");
    state().Cijfers[5] = 7;
    resetState();
    QCOMPARE(state().InterfaceSoort, SoortParallel);
    QVERIFY(!state().StapToegestaan);
    QVERIFY(state().Zin[3].isEmpty());
    QCOMPARE(state().Cijfers[5], 0);
    QVERIFY(state().MediaBesturing == nullptr);
  }
};

QTEST_GUILESS_MAIN(TestState)
#include "tst_vbarray.moc"

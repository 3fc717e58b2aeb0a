// The byte of lesson 5: bits toggled by the bit buttons and by the push buttons s1 to s5 (read
// through the parallel port), shown in the bit boxes and in decimal, written to the outputs;
// the hover colours of the two button groups and the keys that skip the page animation.
#include <QTest>

#include "lessons/frame/invoer.h"
#include "les5/les5_omgeving.h"
#include "platform/forms/keys.h"

using namespace kwil;

namespace {
constexpr std::int32_t kAan = 0xFAE5D5, kUit = 0xFFFFFF;

// The raw parallel-port value with the push buttons s1..s5 (bits 0..4 of `knoppen`) held.
std::int16_t parallelMet(int knoppen) {
  std::array<bool, 5> held{};
  for (int k = 0; k < 5; ++k) held[k] = (knoppen >> k) & 1;
  return static_cast<std::int16_t>(ingangenVanFToetsen(SoortParallel, held));
}
}  // namespace

class Les5Byte : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  // The lesson on page `stap`, its byte 0, nothing recorded yet.
  Binstel& op(int stap) {
    Binstel& les = lestest::toonLes5(1);
    state().Stap = stap;
    state().VorigeStap = stap;
    les.Plaatstekst();
    omgeving.uitgangen();
    omgeving.geluiden();
    return les;
  }
  // The pupil holds the push buttons `knoppen`; one polling tick reads them.
  void houd(Binstel& les, int knoppen) {
    omgeving.hw->parallel->answer = parallelMet(knoppen);
    les.TijdInterval_Timer();
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les5Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  // Clicks on bit buttons (bit numbers) and what they leave: the byte, the boxes, the
  // outputs written (one per click) and the relay sounds.
  void bitKnoppen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QList<int>>("bits");
    QTest::addColumn<bool>("omgekeerd");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QList<int>>("geschreven");
    QTest::addColumn<QStringList>("geluiden");
    const QString aan = QStringLiteral("SndRelaisDown.wav"), uit = QStringLiteral("SndRelaisUp.wav");
    QTest::newRow("bit 0 on") << 9 << QList<int>{0} << false << 1 << QList<int>{1} << QStringList{aan};
    QTest::newRow("bit 7 on and off again") << 15 << QList<int>{7, 7} << false << 0 << QList<int>{128, 0}
                                            << QStringList{aan, uit};
    QTest::newRow("170 on the exercise page") << 30 << QList<int>{1, 3, 5, 7} << false << 170
                                              << QList<int>{2, 10, 42, 170} << QStringList{aan, aan, aan, aan};
    QTest::newRow("inverted outputs") << 29 << QList<int>{0, 1} << true << 3 << QList<int>{254, 252}
                                      << QStringList{aan, aan};
    QTest::newRow("page 18 toggles nothing, writes again") << 18 << QList<int>{2, 6} << false << 0
                                                           << QList<int>{0, 0} << QStringList{};
    QTest::newRow("page 31 toggles nothing") << 31 << QList<int>{0} << false << 0 << QList<int>{0} << QStringList{};
  }
  void bitKnoppen() {
    QFETCH(int, stap);
    QFETCH(QList<int>, bits);
    QFETCH(bool, omgekeerd);
    QFETCH(int, byte);
    QFETCH(QList<int>, geschreven);
    QFETCH(QStringList, geluiden);
    state().UitgangenInverteren = omgekeerd;
    Binstel& les = op(stap);
    for (int b : bits) les.Command_Click(5 + b);
    QCOMPARE(state().Uitgangen, byte);
    QCOMPARE(les.panelen()(42).Caption(), QString::number(byte));
    QCOMPARE(omgeving.uitgangen(), geschreven);
    QCOMPARE(omgeving.geluiden(), geluiden);
    for (int b = 0; b < 8; ++b) {
      const bool aan = (byte >> b) & 1;
      QCOMPARE(les.panelen()(34 + b).Caption(), aan ? QStringLiteral("1") : QStringLiteral("0"));
      QCOMPARE(les.panelen()(34 + b).BackColor(), aan ? kAan : kUit);
    }
    // The focus stays on the last bit button clicked.
    QCOMPARE(QApplication::focusWidget(), les.knoppen()(5 + bits.last()).widget());
  }

  // The push buttons held one after another (each entry one tick): every button held when the
  // value changes toggles its bit; releases toggle nothing.
  void ingangen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QList<int>>("reeks");
    QTest::addColumn<int>("byte");
    QTest::newRow("s1, s2 and s5 one after another") << 28 << QList<int>{1, 0, 2, 0, 16, 0} << 19;
    QTest::newRow("s1 held, s2 pressed and let go") << 28 << QList<int>{1, 3, 1} << 3;
    QTest::newRow("s1 held: one toggle, however long") << 9 << QList<int>{1, 1, 1} << 1;
    QTest::newRow("s3 and s4 together, then released") << 16 << QList<int>{12, 0} << 12;
    QTest::newRow("s1 pressed twice") << 22 << QList<int>{1, 0, 1, 0} << 0;
    QTest::newRow("page 26 toggles nothing") << 26 << QList<int>{1, 0, 2} << 0;
    QTest::newRow("page 30: the inputs do nothing") << 30 << QList<int>{1, 0} << 0;
  }
  void ingangen() {
    QFETCH(int, stap);
    QFETCH(QList<int>, reeks);
    QFETCH(int, byte);
    Binstel& les = op(stap);
    QList<int> verwacht;
    int waarde = 0;
    int vorige = 0;
    for (int knoppen : reeks) {
      houd(les, knoppen);
      if (knoppen != vorige) {  // every change is published, toggled or not
        for (int b = 0; b < 5; ++b)
          if (Binstel::ingangStap(stap) && ((knoppen >> b) & 1)) waarde ^= 1 << b;
        verwacht.append(waarde);
      }
      vorige = knoppen;
    }
    QCOMPARE(state().Uitgangen, byte);
    QCOMPARE(omgeving.uitgangen(), verwacht);
    QCOMPARE(lestest::bitVakken(les), QStringLiteral("%1").arg(byte, 8, 2, QLatin1Char('0')));
    QCOMPARE(state().VorigeIngangen, int(parallelMet(reeks.last())));
    QVERIFY(!state().InterfaceGebruikt);  // this lesson does not report the interface used
  }

  // A bit button clicked while the tick's read lets events run: the input change that read
  // found is still acted on once, and the click's bit stays.
  void klikTijdensHetLezen_data() {
    QTest::addColumn<int>("knoppen");
    QTest::addColumn<int>("byte");
    QTest::newRow("s1 pressed while bit 7 is clicked") << 1 << 129;
    QTest::newRow("nothing pressed while bit 7 is clicked") << 0 << 128;
  }
  void klikTijdensHetLezen() {
    QFETCH(int, knoppen);
    QFETCH(int, byte);
    Binstel& les = op(28);
    bool geklikt = false;
    omgeving.basis.events->onPump = [&] {
      if (geklikt) return;
      geklikt = true;
      les.Command_Click(12);
    };
    houd(les, knoppen);
    omgeving.basis.events->onPump = nullptr;
    QVERIFY(geklikt);
    QCOMPARE(state().Uitgangen, byte);
    houd(les, knoppen);  // nothing new: nothing doubled
    QCOMPARE(state().Uitgangen, byte);
    QCOMPARE(les.panelen()(42).Caption(), QString::number(byte));
    QVERIFY(les.timer().Enabled());
  }

  // A toggle follows the box's caption, the only record of the bit besides the byte.
  void bitVakBeslist_data() {
    QTest::addColumn<QString>("opschrift");
    QTest::addColumn<int>("byte");
    QTest::newRow("box shows 1: the bit goes off") << "1" << 32 - 8;
    QTest::newRow("box shows 0: the bit goes on") << "0" << 32 + 8;
    QTest::newRow("anything else: nothing") << "x" << 32;
  }
  void bitVakBeslist() {
    QFETCH(QString, opschrift);
    QFETCH(int, byte);
    Binstel& les = op(10);
    state().Uitgangen = 32;
    les.panelen()(37).setCaption(opschrift);
    les.wisselBit(3);
    QCOMPARE(state().Uitgangen, byte);
  }

  // Hover colours: each group resets only a button of its own group.
  void hover_data() {
    QTest::addColumn<QList<int>>("over");  // Command indexes, 0 = a panel
    QTest::addColumn<int>("onderMuis");
    QTest::addColumn<QList<int>>("knoppen");
    QTest::addColumn<QList<int>>("kleuren");
    using L = QList<int>;
    QTest::newRow("bit button") << L{7} << 7 << L{7, 8} << L{0x865B38, 0xE0E0E0};
    QTest::newRow("bit to bit") << L{7, 8} << 8 << L{7, 8} << L{0xE0E0E0, 0x865B38};
    QTest::newRow("Verder then a bit button: Verder stays lit") << L{1, 9} << 9 << L{1, 9} << L{0xFAE5D5, 0x865B38};
    QTest::newRow("bit button then a panel") << L{9, 0} << 0 << L{9} << L{0xE0E0E0};
    QTest::newRow("Lees voor then Stop") << L{13, 4} << 4 << L{13, 4} << L{0xFFDBBF, 0xFAE5D5};
  }
  void hover() {
    QFETCH(QList<int>, over);
    QFETCH(int, onderMuis);
    QFETCH(QList<int>, knoppen);
    QFETCH(QList<int>, kleuren);
    Binstel& les = op(9);
    for (int i : over) {
      if (i == 0)
        les.panelen().events().MouseMove(2, 0, 0, 0, 0);
      else
        les.knoppen().events().MouseMove(i, 0, 0, 0, 0);
    }
    QCOMPARE(state().KnopOnderMuis, onderMuis);
    for (int k = 0; k < knoppen.size(); ++k) QCOMPARE(les.knoppen()(knoppen[k]).BackColor(), kleuren[k]);
  }

  // A key pressed with Shift, Ctrl or Alt skips the next page animation; the flag ends at a
  // key release with no modifier held any more. F1 to F5 stand for nothing here.
  void toetsen_data() {
    QTest::addColumn<QList<int>>("omlaag");  // modifier masks of the key presses
    QTest::addColumn<QList<int>>("omhoog");  // modifier masks at the releases
    QTest::addColumn<bool>("zonderAnimatie");
    using L = QList<int>;
    QTest::newRow("Ctrl") << L{vbCtrlMask} << L{} << true;
    QTest::newRow("Alt") << L{vbAltMask} << L{} << true;
    QTest::newRow("a key without a modifier") << L{0} << L{} << false;
    QTest::newRow("released while Shift still held") << L{vbShiftMask} << L{vbShiftMask} << true;
    QTest::newRow("released with nothing held") << L{vbShiftMask} << L{0} << false;
  }
  void toetsen() {
    QFETCH(QList<int>, omlaag);
    QFETCH(QList<int>, omhoog);
    QFETCH(bool, zonderAnimatie);
    Binstel& les = op(9);
    for (int m : omlaag) les.keyDown('A', m);
    for (int m : omhoog) les.keyUp('A', m);
    QCOMPARE(state().ShiftIngedrukt, zonderAnimatie);
    les.Command_Click(1);
    if (zonderAnimatie)
      QCOMPARE(les.laatsteSchuif(), QList<int>{0});
    else
      QVERIFY(les.laatsteSchuif().size() > 100);  // the page rose into place
    QVERIFY(!state().ShiftIngedrukt);
  }
  void fToetsenDoenNiets() {
    Binstel& les = op(9);
    les.keyDown(vbKeyF1, 0);
    les.keyUp(vbKeyF1, 0);
    QVERIFY(!state().ToetsEmulatie);
    QCOMPARE(state().Uitgangen, 0);
    QCOMPARE(omgeving.uitgangen(), QList<int>{});
  }
};

QTEST_MAIN(Les5Byte)
#include "tst_les5_byte.moc"

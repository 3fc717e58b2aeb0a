// The program's start-up in the selection window: its order, its three fatal endings with
// their exact messages, the interface kind it settles on, and what it leaves behind.
#include <memory>

#include "interface/drivers.h"
#include "tst_selectie_support.h"

using namespace kwil;
using seltest::Omgeving;

namespace {

const QString kNietGevonden = QStringLiteral("Het database bestand is niet gevonden.\rGeef een nieuw pad op.");
const QString kVerkeerdBestand = QStringLiteral("Dit is niet het juiste database bestand.");
const QString kGeenGeluid = QStringLiteral("Geen geluidskaart gevonden. Deze is nodig voor dit programma!");
const QString kResolutie = QStringLiteral("De resolutie is te laag. (640) Stel een hogere waarde in.");

}  // namespace

class TestSelectieStartup : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { installFontSubstitutes(); }

  // Everything outside the window happens in one fixed order.
  void startupOrder() {
    Omgeving o;
    o.hw->serial->addPort();  // a port without an Arduino behind it
    o.k8055->present = 0;
    QVERIFY(o.start());
    // The Arduino probe first (its start-up wait, then the probe), then screen, database,
    // sound device, card search, outputs off and the first read of the inputs.
    const QStringList verwacht = {
        QStringLiteral("sleep 2000"),        QStringLiteral("send 90/"),
        QStringLiteral("maximise"),          QStringLiteral("setting DataPath"),
        QStringLiteral("waveOutGetNumDevs"), QStringLiteral("SearchDevices"),
        QStringLiteral("Out32 888 0"),       QStringLiteral("Inp32 889"),
    };
    QStringList gezien;
    for (const QString& regel : o.log())
      if (verwacht.contains(regel) && !gezien.contains(regel)) gezien.append(regel);
    QCOMPARE(gezien, verwacht);
    QCOMPARE(o.einden, 0);
    QVERIFY(o.berichten().isEmpty());
  }

  // The three conditions that end the program before anyone can log in, each with exactly
  // its own messages; a check that comes later never shows.
  void fatalEndings_data() {
    QTest::addColumn<int>("breedte");
    QTest::addColumn<bool>("database");
    QTest::addColumn<int>("geluidskaarten");
    QTest::addColumn<QString>("gekozen");  // file chosen in the dialog, "" = cancelled
    QTest::addColumn<QStringList>("berichten");
    QTest::addColumn<bool>("padOpgeslagen");

    QTest::newRow("640 wide, nothing else checked") << 640 << false << 0 << "" << QStringList{kResolutie} << false;
    QTest::newRow("no database, dialog cancelled")
        << 1024 << false << 1 << "" << QStringList{kNietGevonden, kVerkeerdBestand} << false;
    QTest::newRow("no database, another file")
        << 1024 << false << 1 << "/school/Leerlingen.db" << QStringList{kNietGevonden, kVerkeerdBestand} << false;
    QTest::newRow("no database, name in other case")
        << 1024 << false << 1 << "/school/kwilmora.db" << QStringList{kNietGevonden, kVerkeerdBestand} << false;
    QTest::newRow("no database, right file")
        << 1024 << false << 1 << "/school/share/Kwilmora.db"
        << QStringList{kNietGevonden,
                       QStringLiteral("Het pad naar de gegevens is ingesteld op: \r/school/share/Kwilmora.db\r"
                                      "Start het programma opnieuw")}
        << true;
    QTest::newRow("no sound device") << 1024 << true << 0 << "" << QStringList{kGeenGeluid} << false;
    QTest::newRow("no sound device and no database")
        << 1024 << false << 0 << "" << QStringList{kNietGevonden, kVerkeerdBestand} << false;
  }
  void fatalEndings() {
    QFETCH(int, breedte);
    QFETCH(bool, database);
    QFETCH(int, geluidskaarten);
    QFETCH(QString, gekozen);
    QFETCH(QStringList, berichten);
    QFETCH(bool, padOpgeslagen);
    Omgeving o;
    o.screen->size = QSize(breedte, 480 * breedte / 640);
    o.wav->deviceCount = geluidskaarten;
    if (!database) o.settings->values.insert(QStringLiteral("DataPath"), o.werkPad(QStringLiteral("weg/Kwilmora.db")));
    o.basis.dialogs->fileAnswers.push_back(gekozen);

    QVERIFY(!o.start());
    QCOMPARE(o.einden, 1);
    QCOMPARE(o.meldingen(), berichten);
    for (const auto& m : o.berichten()) {
      QCOMPARE(m.buttons, 0);
      QCOMPARE(m.title, QStringLiteral("Kwilmora"));
    }
    QCOMPARE(o.settings->values.value(QStringLiteral("DataPath")) == gekozen, padOpgeslagen);
    // The program ended where it said so: the interface was never touched after the checks.
    QVERIFY(!o.log().contains(QStringLiteral("SearchDevices")));
    QVERIFY(!o.log().contains(QStringLiteral("Out32 888 0")));
  }

  // Widths other than exactly 640 run, smaller ones too; the factors follow the inner size.
  void scaleFactors_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<float>("schaalX");
    QTest::addColumn<float>("schaalY");
    QTest::newRow("800x600") << QSize(800, 600) << 1.25f << 1.25f;
    QTest::newRow("1024x768") << QSize(1024, 768) << 1.6f << 1.6f;
    QTest::newRow("600x400") << QSize(600, 400) << 0.9375f << float(400.0f / 480.0f);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 3.0f << 2.25f;
  }
  void scaleFactors() {
    QFETCH(QSize, scherm);
    QFETCH(float, schaalX);
    QFETCH(float, schaalY);
    Omgeving o;
    o.screen->size = scherm;
    Selectie* s = o.start();
    QVERIFY(s);
    QCOMPARE(state().SchaalX, schaalX);
    QCOMPARE(state().SchaalY, schaalY);
    QVERIFY(state().FormGeschaald[1]);
    // Buttons inside a panel keep a whole number of pixels in height, rounded down.
    const int hoogte = int(480 * schaalY / 15) * 15;
    QCOMPARE(int(s->Command(3).Height()), hoogte);
  }

  // The interface in use after start-up, for every way it can be settled.
  void interfaceKind_data() {
    QTest::addColumn<bool>("arduino");
    QTest::addColumn<int>("usb");
    QTest::addColumn<int>("kaarten");
    QTest::addColumn<int>("soort");
    QTest::addColumn<int>("comPoort");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("analoog");
    QTest::addColumn<int>("zoekacties");
    QTest::addColumn<int>("berichten");

    QTest::newRow("arduino answers, stored 0, card present") << true << 0 << 1 << 3 << 2 << "Arduino op com 2" << false << 0 << 0;
    QTest::newRow("arduino answers, stored 1") << true << 1 << 0 << 3 << 2 << "Arduino op com 2" << false << 0 << 0;
    QTest::newRow("stored 3, no arduino") << false << 3 << 1 << 3 << 0 << "" << false << 0 << 0;
    QTest::newRow("stored 0, cards 0 and 2") << false << 0 << 5 << 1 << 0 << "USB" << true << 1 << 1;
    QTest::newRow("stored 1, no card") << false << 1 << 0 << 1 << 0 << "USB" << true << 1 << 0;
    QTest::newRow("stored 2, no arduino") << false << 2 << 0 << 0 << 0 << "Parallel" << false << 1 << 0;
    QTest::newRow("stored 0, nothing") << false << 0 << 0 << 0 << 0 << "Parallel" << false << 1 << 0;
  }
  void interfaceKind() {
    QFETCH(bool, arduino);
    QFETCH(int, usb);
    QFETCH(int, kaarten);
    QFETCH(int, soort);
    QFETCH(int, comPoort);
    QFETCH(QString, caption);
    QFETCH(bool, analoog);
    QFETCH(int, zoekacties);
    QFETCH(int, berichten);
    Omgeving o;
    o.hw->serial->addPort();
    if (arduino) o.sluitArduinoAan(2);
    QVERIFY(o.database().setUsb(usb).ok());
    o.k8055->present = std::int16_t(kaarten);
    o.k8055->analog1 = {204, 0, 0, 0};

    Selectie* s = o.start();
    QVERIFY(s);
    QCOMPARE(int(state().InterfaceSoort), soort);
    QCOMPARE(int(state().ComPoort), comPoort);
    QCOMPARE(s->Panel(17).Caption(), caption);
    QCOMPARE(s->Panel(31).Visible(), analoog);
    QCOMPARE(s->Panel(32).Visible(), analoog);
    QCOMPARE(o.k8055->searches, zoekacties);
    QCOMPARE(o.berichten().size(), berichten);
    if (kaarten != 0 && soort == 1) {
      QCOMPARE(state().VorigAnaloog1, 204);
      QCOMPARE(s->Panel(31).FloodPercent(), 80);
    }
  }

  // After start-up: the outputs are off, the inputs read once with nothing to react to, the
  // settings taken over, and both interface tests run.
  void stateAfterStartup() {
    Omgeving o;
    QVERIFY(o.database().setInverteer(true).ok());
    o.hw->parallel->answer = 0x58;
    state().Bezig = true;
    Selectie* s = o.start();
    QVERIFY(s);
    KwilState& st = state();
    QVERIFY(st.StapToegestaan);
    QVERIFY(st.UitgangenInverteren);
    QVERIFY(!st.Bezig);
    QCOMPARE(st.DatabasePad, o.db);
    QCOMPARE(st.AantalGeluidskaarten, 1);
    QCOMPARE(st.Uitgangen, 0);
    QCOMPARE(st.Ingangen, 0x58);
    QCOMPARE(st.VorigeIngangen, st.Ingangen);
    QVERIFY(s->TijdInterval.Enabled());
    QCOMPARE(s->TijdInterval.Interval(), 2000);
    QVERIFY(s->TijdintervalIngangen.Enabled());
    QCOMPARE(s->TijdintervalIngangen.Interval(), 10);
    QCOMPARE(st.SelectieStap, std::int16_t(1));
    // Inverted outputs: "all off" reaches the parallel port as the complement.
    QVERIFY(o.log().contains(QStringLiteral("Out32 888 255")));
  }

  // The title: eight dark copies forming a shadow down and right, the light face on top.
  void shadowedTitle() {
    Omgeving o;
    Selectie* s = o.start();
    QVERIFY(s);
    const QImage& beeld = s->PictureBox(1).image();
    QVERIFY(!beeld.isNull());
    // Bounding boxes of the face, the shadow and the background colour.
    QRect licht, schaduw;
    int achtergrond = 0;
    for (int y = 0; y < beeld.height(); ++y) {
      for (int x = 0; x < beeld.width(); ++x) {
        const QRgb p = beeld.pixel(x, y) & 0xFFFFFF;
        if (p == 0x9BBBE3) licht |= QRect(x, y, 1, 1);
        else if (p == 0x017BC0) schaduw |= QRect(x, y, 1, 1);
        else if (p == 0x000040) ++achtergrond;
      }
    }
    QVERIFY(licht.width() > 100);
    QVERIFY(achtergrond > beeld.width() * beeld.height() / 2);
    // The shadow runs 8 pixels down and to the right; the face starts up and left of it.
    QVERIFY2(qAbs(schaduw.right() - licht.right() - 8) <= 1, qPrintable(QStringLiteral("%1 %2").arg(schaduw.right()).arg(licht.right())));
    QVERIFY(qAbs(schaduw.bottom() - licht.bottom() - 8) <= 1);
    QVERIFY(licht.left() < schaduw.left());
    QVERIFY(licht.top() < schaduw.top());
  }
};

QTEST_MAIN(TestSelectieStartup)
#include "tst_selectie_startup.moc"

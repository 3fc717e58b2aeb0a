// The selection window while it is active: the output and input tests, the analogue bars,
// F11/F12, leaving and returning, the help and version boxes, hover colours and "Stoppen".
#include "interface/drivers.h"
#include "selection/selectie_teksten.h"
#include "tst_selectie_support.h"

using namespace kwil;
using seltest::Omgeving;

class TestSelectieInterfacetest : public QObject {
  Q_OBJECT

  std::unique_ptr<Omgeving> o_;
  Selectie* s_ = nullptr;

  void begin(int kaarten = 0, bool arduino = false) {
    s_ = nullptr;
    o_.reset();
    o_ = std::make_unique<Omgeving>();
    o_->k8055->present = std::int16_t(kaarten);
    if (arduino) o_->sluitArduinoAan(1);
    o_->registreerNepVenster(WindowId::Hoofdmenu);
    s_ = o_->start();
    QVERIFY(s_);
    o_->berichten().clear();
    o_->log().clear();
  }

 private Q_SLOTS:
  void initTestCase() { installFontSubstitutes(); }
  void cleanup() {
    s_ = nullptr;
    o_.reset();
  }

  // Patterns 1 to 255 only, lamps and outputs alike, about half of them on the lower four
  // outputs only; the instruction line blinks along.
  void outputTest() {
    begin();
    int laag = 0;
    std::int32_t vorigeKleur = s_->Panel(8).ForeColor();
    const int tikken = 400;
    for (int i = 0; i < tikken; ++i) {
      o_->basis.clock->advance(2.0);
      s_->TijdInterval.fire();
      const std::int32_t u = state().Uitgangen;
      QVERIFY(u >= 1 && u <= 255);
      laag += u < 16 ? 1 : 0;
      for (int bit = 0; bit <= 7; ++bit) QCOMPARE(s_->Panel(18 + bit).BackColor(), (u >> bit) & 1 ? 255 : 128);
      QCOMPARE(o_->hw->parallel->writes.last(), qMakePair(0x378, int(u)));
      const std::int32_t kleur = s_->Panel(8).ForeColor();
      QVERIFY(kleur != vorigeKleur);
      QVERIFY(kleur == 0xFAE5D5 || kleur == 0xC07B01);
      vorigeKleur = kleur;
    }
    QVERIFY2(laag > tikken * 0.4 && laag < tikken * 0.6, qPrintable(QString::number(laag)));
  }

  // The input lamps follow the buttons, but only when the raw value changes.
  void inputTest_data() {
    QTest::addColumn<QList<int>>("waarden");       // raw values of K8055 card 0, one per tick
    QTest::addColumn<QList<int>>("herschilderd");  // ticks at which the lamps were painted
    QTest::addColumn<int>("laatste");              // buttons lit at the end, bit 0 = s1
    QTest::newRow("s1 pressed and held") << QList<int>{1, 1, 1} << QList<int>{0} << 1;
    QTest::newRow("s1 then s5 with s3") << QList<int>{1, 0x14} << QList<int>{0, 1} << 0x14;
    QTest::newRow("released") << QList<int>{0x1F, 0} << QList<int>{0, 1} << 0;
    QTest::newRow("held since start-up") << QList<int>{0} << QList<int>{} << 0;
  }
  void inputTest() {
    QFETCH(QList<int>, waarden);
    QFETCH(QList<int>, herschilderd);
    QFETCH(int, laatste);
    begin(/*kaarten=*/1);
    std::int32_t geschilderd[5] = {};
    for (int tik = 0; tik < waarden.size(); ++tik) {
      o_->k8055->digital[0] = waarden[tik];
      for (int lamp = 26; lamp <= 30; ++lamp) s_->Panel(lamp).setBackColor(0x123456);
      s_->TijdintervalIngangen.fire();
      QCOMPARE(s_->Panel(26).BackColor() != 0x123456, herschilderd.contains(tik));
      if (herschilderd.contains(tik))
        for (int knop = 0; knop < 5; ++knop) geschilderd[knop] = s_->Panel(26 + knop).BackColor();
    }
    if (herschilderd.isEmpty()) return;
    for (int knop = 0; knop < 5; ++knop) QCOMPARE(geschilderd[knop], (laatste >> knop) & 1 ? 0xFFFF : 0x4040);
  }

  // A bar moves only when its input moved by two steps or more from the value shown.
  void analogBars_data() {
    QTest::addColumn<QList<int>>("waarden");
    QTest::addColumn<QList<int>>("procenten");
    QTest::newRow("one step is ignored") << QList<int>{0, 1, 2} << QList<int>{0, 0, 1};
    QTest::newRow("reference moves along") << QList<int>{51, 52, 53, 54} << QList<int>{20, 20, 21, 21};
    QTest::newRow("down by two") << QList<int>{255, 254, 253} << QList<int>{100, 100, 99};
  }
  void analogBars() {
    QFETCH(QList<int>, waarden);
    QFETCH(QList<int>, procenten);
    begin(/*kaarten=*/1);
    for (int i = 0; i < waarden.size(); ++i) {
      o_->k8055->analog1[0] = waarden[i];
      o_->k8055->analog2[0] = 255 - waarden[i];
      s_->TijdintervalIngangen.fire();
      QCOMPARE(s_->Panel(31).FloodPercent(), procenten[i]);
      QCOMPARE(s_->Panel(32).FloodPercent(), 100 - procenten[i]);
    }
  }

  // F11 and F12 choose the interface anew and show it.
  void searchKeys_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<int>("kaarten");
    QTest::addColumn<int>("soort");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("analoog");
    QTest::addColumn<int>("berichten");
    QTest::newRow("F11, no card") << 122 << 0 << 0 << "Parallel" << false << 0;
    QTest::newRow("F11, card 1") << 122 << 2 << 1 << "Velleman" << true << 1;
    QTest::newRow("F12, no board") << 123 << 0 << 0 << "Parallel" << false << 0;
    QTest::newRow("other key") << 121 << 2 << 0 << "Parallel" << false << 0;
  }
  void searchKeys() {
    QFETCH(int, toets);
    QFETCH(int, kaarten);
    QFETCH(int, soort);
    QFETCH(QString, caption);
    QFETCH(bool, analoog);
    QFETCH(int, berichten);
    begin();
    o_->k8055->present = std::int16_t(kaarten);
    s_->keyDown(toets, 0);
    QCOMPARE(int(state().InterfaceSoort), soort);
    QCOMPARE(s_->Panel(17).Caption(), caption);
    QCOMPARE(s_->Panel(31).Visible(), analoog);
    QCOMPARE(o_->berichten().size(), berichten);
  }

  // Leaving the window stops the tests, switches the outputs off and darkens the lamps;
  // coming back starts the selection and the tests again and shows the interface.
  void leaveAndReturn_data() {
    QTest::addColumn<int>("kaarten");
    QTest::addColumn<bool>("arduino");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("uit");  // what "all outputs off" looks like on the interface
    QTest::newRow("parallel") << 0 << false << "Parallel" << "Out32 888 0";
    QTest::newRow("K8055") << 1 << false << "USB" << "WriteAllDigital 0";
    QTest::newRow("arduino") << 0 << true << "Arduino op com 1" << "send 1/0/";
  }
  void leaveAndReturn() {
    QFETCH(int, kaarten);
    QFETCH(bool, arduino);
    QFETCH(QString, caption);
    QFETCH(QString, uit);
    begin(kaarten, arduino);
    s_->TijdInterval.fire();
    QTest::mouseClick(&s_->Command(2), Qt::LeftButton);  // any state to come back from
    static_cast<Form*>(window(WindowId::Hoofdmenu))->Show();
    QVERIFY(!s_->TijdInterval.Enabled());
    QVERIFY(!s_->TijdintervalIngangen.Enabled());
    QVERIFY2(o_->log().contains(uit), qPrintable(o_->log().join(QLatin1Char('|'))));
    for (int lamp = 18; lamp <= 25; ++lamp) QCOMPARE(s_->Panel(lamp).BackColor(), 128);

    QTest::mouseClick(&s_->Command(3), Qt::LeftButton);
    s_->Show();
    QVERIFY(s_->TijdInterval.Enabled());
    QVERIFY(s_->TijdintervalIngangen.Enabled());
    QCOMPARE(int(state().SelectieStap), 1);
    QVERIFY(!s_->Command(5).Enabled());
    QCOMPARE(s_->Panel(17).Caption(), caption);
    QCOMPARE(s_->Panel(31).Visible(), kaarten != 0);
  }

  // The help message of each step, with the buttons' current captions in quotes.
  void helpTexts_data() {
    QTest::addColumn<QStringList>("knoppen");  // buttons clicked before Help
    QTest::addColumn<int>("kaarten");
    QTest::addColumn<QString>("tekst");
    const QString stap1 = QStringLiteral(
        "Kijk goed of je klas in de lijst staat!\rStaat je klas in de lijst, klik daar dan 1 keer op.\r\r"
        "Staat je klas niet in de lijst, klik dan op:\r'Mijn klas staat niet in de lijst.'\r\r"
        "Is de interface aangesloten dan zullen de uitgangen willekeurig aan- en uitgaan.\r"
        "Wordt er op een interface knop gedrukt, dan zie je dat op het scherm.\r");
    const QString streep(108, QLatin1Char('-'));
    QTest::newRow("step 1, parallel") << QStringList{} << 0 << stap1;
    QTest::newRow("step 1, K8055") << QStringList{} << 1
                                   << stap1 + "\r\r" + streep +
                                          "\r\rDe analoge WelkeInterface ingangen (A1 en A2) worden ook weergegeven.\r\r"
                                          "Dat geldt alleen voor de WelkeInterface kaart met het laagste nummer.\r\r" +
                                          streep + "\r\rKlik eerst op OK.";
    QTest::newRow("step 5") << QStringList{"4"} << 0
                            << "Typ de naam van je klas in.\rLet er op dat je dit goed doet.\r\r"
                               "Heb je iets verkeerd gedaan, klik dan op:\r'&Oeps.... Ik heb iets fout gedaan.'";
    QTest::newRow("step 7") << QStringList{"3"} << 0
                            << "Je moet het wachtwoord voor de leraarmodule invoeren.\rDit onderdeel is alleen voor "
                               "leraren.\r\rHeb je iets verkeerd gedaan, klik dan op:\r'&Oeps.... Ik heb iets fout gedaan.'";
  }
  void helpTexts() {
    QFETCH(QStringList, knoppen);
    QFETCH(int, kaarten);
    QFETCH(QString, tekst);
    begin(kaarten);
    for (const QString& k : knoppen) QTest::mouseClick(&s_->Command(k.toInt()), Qt::LeftButton);
    QTest::mouseClick(&s_->Command(2), Qt::LeftButton);
    QCOMPARE(o_->berichten().size(), 1);
    QCOMPARE(o_->berichten().first().text, tekst);
    QCOMPARE(o_->berichten().first().title, QStringLiteral("Kwilmora"));
    // Help changes nothing.
    QCOMPARE(int(state().SelectieStap), knoppen.isEmpty() ? 1 : (knoppen.first() == "4" ? 5 : 7));
    QCOMPARE(helpTekst(0, 0, {}, {}), QStringLiteral("Nog niet klaar."));
  }

  // The help of the steps the rows above do not reach, with the captions the window passes.
  void helpTextsOfTheOtherSteps_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("tekst");
    const QString oeps = QStringLiteral("\r'&Oeps.... Ik heb iets fout gedaan.'");
    QTest::newRow("step 2") << 2
                            << "Kijk goed of je naam in de lijst staat!\rStaat je naam in de lijst, klik daar dan 1 keer "
                               "op.\r\rStaat je naam niet in de lijst, klik dan op:\r'Mijn naam staat niet in de lijst.'"
                               "\r\rHeb je iets fout gedaan, klik dan op:" + oeps;
    QTest::newRow("step 3") << 3
                            << "Je hebt nog geen wachtwoord.\rJe mag er nu 1 verzinnen.\r\rVergeet je wachtwoord niet."
                               "\r\rHeb je iets fout gedaan, klik dan op:" + oeps;
    QTest::newRow("step 4") << 4
                            << "Voer je wachtwoord in.\rLet er op dat je dit goed doet.\r\rHeb je een verkeerde naam "
                               "gekozen, klik dan op:" + oeps;
    QTest::newRow("step 6") << 6
                            << "Typ je voornaam en achternaam in.\rEen tussenvoegsel is bijvoorbeeld 'van de'.\r\rHeb je "
                               "iets verkeerd gedaan, klik dan op:" + oeps;
  }
  void helpTextsOfTheOtherSteps() {
    QFETCH(int, stap);
    QFETCH(QString, tekst);
    QCOMPARE(helpTekst(stap, 0, QStringLiteral("Mijn naam staat niet in de lijst."),
                       QStringLiteral("&Oeps.... Ik heb iets fout gedaan.")),
             tekst);
  }

  // A click on the logo shows the version box, every line ended by a carriage return.
  void versionBox() {
    begin();
    QTest::mouseClick(s_->ImageLogo, Qt::LeftButton);
    QCOMPARE(o_->berichten().size(), 1);
    const QString tekst = o_->berichten().first().text;
    QVERIFY(tekst.endsWith(QStringLiteral("- Database bladeren aangepast (bug).\r")));
    const QStringList regels = tekst.split(QLatin1Char('\r'));
    QCOMPARE(regels.size(), 10);
    QVERIFY(regels[0].contains(QStringLiteral("de Kwilmora-ontwikkelaars")));
    QVERIFY(QRegularExpression(QStringLiteral("^Versie: \\d+\\.\\d+\\.\\d+$")).match(regels[2]).hasMatch());
    QCOMPARE(regels[3], QStringLiteral("Zondag 17-9-2023"));
  }

  // At most one of the buttons and the list is drawn in the hover colour. The pointer really
  // moves over each control, so the way a move reaches the window's handlers counts too.
  void hover_data() {
    QTest::addColumn<QStringList>("bewegingen");  // "knop N", "lijst", "label", "paneel", "tekst", "titel",
                                                  // "logo", "venster"; "klik N" clicks a button first
    QTest::addColumn<int>("knop");                // button in the hover colour, 0 = none
    QTest::addColumn<bool>("lijst");
    QTest::newRow("button to button") << QStringList{"knop 2", "knop 4"} << 4 << false;
    QTest::newRow("same button again") << QStringList{"knop 2", "knop 2"} << 2 << false;
    QTest::newRow("list to button") << QStringList{"lijst", "knop 1"} << 1 << false;
    QTest::newRow("button to list") << QStringList{"knop 5", "lijst"} << 0 << true;
    QTest::newRow("button to text box") << QStringList{"klik 3", "knop 3", "tekst"} << 3 << false;
    QTest::newRow("button to title") << QStringList{"knop 1", "titel"} << 1 << false;
    QTest::newRow("list to logo") << QStringList{"lijst", "logo"} << 0 << true;
    QTest::newRow("button to label") << QStringList{"klik 3", "knop 3", "label"} << 0 << false;
    QTest::newRow("list to panel") << QStringList{"lijst", "paneel"} << 0 << false;
    QTest::newRow("button to background") << QStringList{"knop 1", "venster"} << 0 << false;
  }
  void hover() {
    QFETCH(QStringList, bewegingen);
    QFETCH(int, knop);
    QFETCH(bool, lijst);
    begin();
    QTest::mouseMove(s_, QPoint(1, 1));  // the pointer enters the window
    for (const QString& b : bewegingen) {
      const int n = b.section(QLatin1Char(' '), 1).toInt();
      QWidget* onder = nullptr;
      if (b.startsWith(QLatin1String("klik"))) QTest::mouseClick(&s_->Command(n), Qt::LeftButton);
      else if (b.startsWith(QLatin1String("knop"))) onder = &s_->Command(n);
      else if (b == QLatin1String("lijst")) onder = s_->List->viewport();
      else if (b == QLatin1String("label")) onder = &s_->Label(4);
      else if (b == QLatin1String("paneel")) onder = &s_->Panel(4);
      else if (b == QLatin1String("tekst")) onder = &s_->Text(4);
      else if (b == QLatin1String("titel")) onder = &s_->PictureBox(1);
      else if (b == QLatin1String("logo")) onder = s_->ImageLogo;
      else if (b == QLatin1String("venster")) onder = s_;
      if (onder) QTest::mouseMove(onder, QPoint(3, 3));
    }
    for (int i = 1; i <= 5; ++i)
      QCOMPARE(s_->Command(i).BackColor(), i == knop ? KleurKnopOnderMuis : KleurKnopNormaal);
    QCOMPARE(s_->List->BackColor(), lijst ? KleurKnopOnderMuis : KleurKnopNormaal);
    QCOMPARE(state().KnopOnderMuis, knop);
    QCOMPARE(state().LijstOnderMuis, lijst ? 1 : 0);
  }

  // "Stoppen": outputs off, the card library closed, an iCP12's outputs cleared, the end.
  void stop_data() {
    QTest::addColumn<bool>("arduino");
    QTest::addColumn<QStringList>("commandos");  // iCP12 clear commands known, "" = none
    QTest::addColumn<QStringList>("verstuurd");
    QTest::newRow("parallel") << false << QStringList{} << QStringList{};
    QTest::newRow("arduino, no iCP12 seen") << true << QStringList{} << QStringList{"1/0/"};
    QTest::newRow("open port with clear commands")
        << true << QStringList{"a", "b", "c", "d", "e", "f", "g", "h"}
        << QStringList{"1/0/", "a", "b", "c", "d", "e", "f", "g", "h"};
  }
  void stop() {
    QFETCH(bool, arduino);
    QFETCH(QStringList, commandos);
    QFETCH(QStringList, verstuurd);
    begin(0, arduino);
    for (int i = 0; i < commandos.size(); ++i) state().UitCommando[i + 1] = commandos[i];
    if (arduino) o_->hw->serial->port(1).sends.clear();
    try {
      s_->Command.events().Click(1);
      QFAIL("the program went on");
    } catch (const ProgramEnded&) {
    }
    QCOMPARE(o_->einden, 1);
    QCOMPARE(o_->k8055->closes, 1);
    if (!arduino) QVERIFY(o_->log().contains(QStringLiteral("Out32 888 0")));
    QStringList gezien;
    if (arduino)
      for (const QByteArray& b : o_->hw->serial->port(1).sends) gezien.append(QString::fromLatin1(b));
    QCOMPARE(gezien, verstuurd);
  }
};

QTEST_MAIN(TestSelectieInterfacetest)
#include "tst_selectie_interfacetest.moc"

// The test window driven as a pupil drives it: whole tests of every lesson answered with the
// mouse and the keyboard, the stored answers and mark, the way back to the main menu and its
// refusal of the lesson, narration, interface questions, locking, and the unstored result.
#include <QFontMetrics>

#include "toets_omgeving.h"

using namespace kwil;
using namespace kwil::toetstest;

namespace {

enum Manier { Muis, Cijfertoetsen, Lettertoetsen };

QString weigering(int les, int cijfer) {
  return QStringLiteral(
             "Deze les heb je al gedaan.\r\rAlleen na overleg met je docent kun je een les overdoen.\r\r"
             "Het door jou behaalde cijfer voor les %1 is een  %2.")
      .arg(les)
      .arg(cijfer);
}

}  // namespace

class TestToetsen : public QObject {
  Q_OBJECT
  ToetsOmgeving o;

  void beantwoordAlles(const QString& patroon, Manier manier) {
    for (int v = 0; v < 10; ++v) {
      const bool goed = patroon.at(v) == QLatin1Char('1');
      if (manier == Muis)
        o.klikAntwoord(goed);
      else
        o.toetsAntwoord(goed, manier == Cijfertoetsen);
    }
  }

 private Q_SLOTS:
  void initTestCase() { o.maakProgrammaMap(); }
  void init() { o.begin(); }
  void cleanup() { o.end(); }

  void wholeTestIsStoredAndTheLessonRefused_data() {
    QTest::addColumn<int>("les");
    QTest::addColumn<QString>("patroon");  // 1 = right answer
    QTest::addColumn<int>("manier");
    QTest::addColumn<int>("cijfer");
    QTest::newRow("les 1 all right by mouse") << 1 << "1111111111" << int(Muis) << 10;
    QTest::newRow("les 2 seven right by 1-4") << 2 << "1101101101" << int(Cijfertoetsen) << 7;
    QTest::newRow("les 3 none right by A-D") << 3 << "0000000000" << int(Lettertoetsen) << 1;
    QTest::newRow("les 4 one right by mouse") << 4 << "0000000001" << int(Muis) << 1;
    QTest::newRow("les 5 two right by mouse") << 5 << "1000000001" << int(Muis) << 2;
  }
  void wholeTestIsStoredAndTheLessonRefused() {
    QFETCH(int, les);
    QFETCH(QString, patroon);
    QFETCH(int, manier);
    QFETCH(int, cijfer);
    Toetsen& t = o.startToets(les);
    QCOMPARE(state().VraagNummer, QStringLiteral("1"));
    QCOMPARE(state().AntwoordSleutel, vraagbank(les)->sleutel());
    beantwoordAlles(patroon, Manier(manier));

    const QString letters = verwachteLetters(les, patroon);
    QCOMPARE(state().GegevenAntwoorden, letters);
    QCOMPARE(state().VraagNummer, QStringLiteral("11"));
    QCOMPARE(o.veld(QStringLiteral("AntwLes%1").arg(les)).toString(), letters);
    QCOMPARE(o.veld(QStringLiteral("CijferLes%1").arg(les)).toInt(), cijfer);
    const int andereLes = les % 5 + 1;
    QVERIFY(o.veld(QStringLiteral("CijferLes%1").arg(andereLes)).isNull());
    QCOMPARE(state().Cijfers[les], cijfer);
    QCOMPARE(o.basis.dialogs->messages.size(), 1);
    QCOMPARE(o.basis.dialogs->messages.first().text, QStringLiteral("Cijfer: %1").arg(cijfer));

    auto* menu = windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
    QVERIFY(menu->isVisible());
    QVERIFY(!t.isVisible());
    QVERIFY(menu->TijdInterval.Enabled());
    QVERIFY(!t.TijdInterval.Enabled());
    QCOMPARE(state().Hoofdstuk, 0);
    menu->StartLes(les);
    QCOMPARE(o.basis.dialogs->messages.last().text, weigering(les, cijfer));
    QVERIFY(menu->isVisible());
    QVERIFY(!kwil::window(lessonWindow(les))->isVisible());
  }

  void eachQuestionShowsItsAnswersShuffled() {
    Toetsen& t = o.startToets(3);
    QSet<QString> ordes;
    for (int v = 1; v <= 10; ++v) {
      QCOMPARE(state().VraagNummer, QString::number(v));
      QCOMPARE(t.Label(1).Caption(), huidigeVraag().vraag.join('\r'));
      QSet<int> nummers;
      QString orde;
      for (int box = 1; box <= 4; ++box) {
        const int nr = state().Volgorde[box];
        nummers.insert(nr);
        orde += QString::number(nr);
        QCOMPARE(t.Ribbon(box).Caption(), huidigeVraag().antwoorden[std::size_t(nr - 1)].join('\r'));
        QVERIFY(!t.Ribbon(box).Value());
      }
      QCOMPARE(nummers.size(), 4);
      ordes.insert(orde);
      o.klikAntwoord(true);
    }
    // Ten shuffles of four answers are not all the same order (chance 1 in 24^9).
    QVERIFY(ordes.size() > 1);
  }

  void aChoiceCanChangeUntilConfirmed() {
    Toetsen& t = o.startToets(1);
    QVERIFY(!t.Command(1).isEnabled());
    t.keyDown(vbKeyReturn, 0);  // nothing chosen: nothing happens
    QCOMPARE(state().VraagNummer, QStringLiteral("1"));
    const int fout = boxVan(bankAntwoord(false));
    const int goed = boxVan(bankAntwoord(true));
    QTest::mouseClick(&t.Ribbon(fout), Qt::LeftButton);
    QCOMPARE(state().GekozenAntwoord, fout);
    QTest::mouseClick(&t.Ribbon(fout), Qt::LeftButton);  // a second click keeps the choice
    QVERIFY(t.Ribbon(fout).Value());
    t.keyDown('A' + goed - 1, 0);
    QCOMPARE(state().GekozenAntwoord, goed);
    for (int box = 1; box <= 4; ++box) QCOMPARE(t.Ribbon(box).Value(), box == goed);
    t.keyDown(vbKeyReturn, 0);
    QCOMPARE(state().GegevenAntwoorden, QString(state().AntwoordSleutel.at(0)));
    // The next question starts without a choice; the answer given stays.
    QCOMPARE(state().GekozenAntwoord, 0);
    QVERIFY(!t.Command(1).isEnabled());
    t.keyDown(vbKeyReturn, 0);
    QCOMPARE(state().GegevenAntwoorden.size(), 1);
  }

  void nothingIsAcceptedWhileTheMarkIsShown() {
    Toetsen& t = o.startToets(2);
    o.basis.dialogs->onMessage = [&](const fake::FakeDialogs::Shown&) {
      QCOMPARE(state().KnoppenVergrendeld, 1);
      QTest::mouseClick(&t.Ribbon(2), Qt::LeftButton);
      t.keyDown('3', 0);
      t.keyDown(vbKeyReturn, 0);
      QTest::mouseClick(&t.Command(1), Qt::LeftButton);
    };
    beantwoordAlles(QStringLiteral("1111111111"), Muis);
    QCOMPARE(o.basis.dialogs->messages.size(), 1);
    QCOMPARE(state().GegevenAntwoorden, state().AntwoordSleutel);
  }

  void aNewShowStartsANewTest() {
    o.startToets(1);
    beantwoordAlles(QStringLiteral("1111111111"), Muis);
    Toetsen& t = o.startToets(4);
    QVERIFY(t.isVisible());
    QCOMPARE(state().VraagNummer, QStringLiteral("1"));
    QCOMPARE(state().GegevenAntwoorden, QString());
    QCOMPARE(state().AntwoordSleutel, vraagbank(4)->sleutel());
    QCOMPARE(t.Panel(1).Caption(), QStringLiteral("Toets van les 4"));
  }

  void narrationOfQuestionsNineAndTen_data() {
    QTest::addColumn<int>("vraag");
    QTest::addColumn<QString>("nummer");
    QTest::newRow("question 9") << 9 << "09";
    QTest::newRow("question 10") << 10 << "10";
  }
  void narrationOfQuestionsNineAndTen() {
    QFETCH(int, vraag);
    QFETCH(QString, nummer);
    const QString map = QStringLiteral("Teksten/Hoofdstuk 2/Toets/");
    o.maakBestand(map + "Vraag " + nummer + ".mp3");
    for (int k = 1; k <= 4; ++k) o.maakBestand(map + QStringLiteral("Antwoord %1-%2.mp3").arg(nummer).arg(k));
    Toetsen& t = o.startToets(2);
    for (int v = 1; v < vraag; ++v) o.klikAntwoord(true);
    auto& spelers = o.geluid.narration->players;
    spelers.clear();  // choosing the earlier answers read them aloud

    QTest::mousePress(&t.Label(1), Qt::LeftButton);
    QCOMPARE(spelers.size(), 1);
    QCOMPARE(spelers.last()->rendered,
             QStringList(
                 QDir(qEnvironmentVariable("KWIL_PROGRAM_DIR")).filePath(map + "Vraag " + nummer + ".mp3")));
    QCOMPARE(spelers.last()->runs, 1);
    for (int box = 1; box <= 4; ++box) {
      QTest::mousePress(&t.Ribbon(box), Qt::LeftButton);
      QTest::mouseRelease(&t.Ribbon(box), Qt::LeftButton);
      QCOMPARE(spelers.size(), 1 + box);
      const QString bestand = QStringLiteral("Antwoord %1-%2.mp3").arg(nummer).arg(state().Volgorde[box]);
      QCOMPARE(spelers.last()->rendered.value(0).section('/', -1), bestand);
      QVERIFY(spelers.at(box - 1)->destroyed);  // the new narration replaced the one before
    }
    QCOMPARE(state().GegevenAntwoorden.size(), vraag - 1);
  }

  void noNarrationWithoutASoundDevice() {
    Toetsen& t = o.startToets(1);
    state().AantalGeluidskaarten = 0;
    QTest::mousePress(&t.Label(1), Qt::LeftButton);
    QTest::mouseClick(&t.Ribbon(3), Qt::LeftButton);
    QCOMPARE(o.geluid.narration->players.size(), 0);
    QCOMPARE(state().GekozenAntwoord, 3);
  }

  void interfaceQuestionShowsTheCircuit() {
    // Lesson 1, question 5: E1 = s1 OF s2.
    Toetsen& t = o.startToets(1);
    QVERIFY(!t.Panel(7).Visible());
    for (int v = 1; v < 5; ++v) o.klikAntwoord(true);
    QVERIFY(t.Panel(7).Visible());
    QCOMPARE(state().Uitgangen, 0);
    auto led = [&](int e) { return t.Panel(Toetsen::kEerstePanelUitgang + e - 1).BackColor() == 0x0000FF; };

    o.hw->k8055->digital[0] = 0b10;  // s2 pressed
    t.TijdInterval.fire();
    QCOMPARE(state().Uitgangen, 1);
    QCOMPARE(o.hw->k8055->writes.last().second, 1);
    QVERIFY(led(1));
    QVERIFY(!led(2));
    QVERIFY(t.TijdInterval.Enabled());

    o.hw->k8055->digital[0] = 0;
    t.TijdInterval.fire();
    QCOMPARE(state().Uitgangen, 0);
    QVERIFY(!led(1));

    t.keyDown(112, 0);  // F1 held stands in for s1
    QCOMPARE(state().Uitgangen, 1);
    QCOMPARE(t.Panel(Toetsen::kEerstePanelKnop).BackColor(), 0x00FFFF);
    t.keyUp(112, 0);
    QCOMPARE(state().Uitgangen, 0);

    // The next question has no circuit: the outputs go off and the frame goes away.
    t.keyDown(113, 0);
    QCOMPARE(state().Uitgangen, 1);
    o.klikAntwoord(true);
    QVERIFY(!t.Panel(7).Visible());
    QCOMPARE(state().Uitgangen, 0);
  }

  void resultNotStoredIsSaid_data() {
    QTest::addColumn<bool>("databaseWeg");
    QTest::addColumn<QString>("reden");
    QTest::newRow("pupil deleted") << false << "Je naam staat niet meer in de lijst met leerlingen.";
    QTest::newRow("database gone") << true << "Het database bestand is er niet (meer).";
  }
  void resultNotStoredIsSaid() {
    QFETCH(bool, databaseWeg);
    QFETCH(QString, reden);
    o.startToets(1);
    for (int v = 1; v < 10; ++v) o.klikAntwoord(true);
    if (databaseWeg)
      QVERIFY(QFile::remove(o.db));
    else
      dbtest::query(o.db, QStringLiteral("DELETE FROM leerlingen"));
    o.klikAntwoord(true);
    // A database that is away may come back: the pupil is asked first (the fake says no).
    QCOMPARE(o.basis.dialogs->messages.size(), databaseWeg ? 2 : 1);
    if (databaseWeg) QVERIFY(o.basis.dialogs->messages.first().text.endsWith(QStringLiteral("Opnieuw proberen?")));
    const QString bericht = o.basis.dialogs->messages.last().text;
    QVERIFY2(bericht.startsWith(QStringLiteral("Cijfer: 10\r\rLet op: dit cijfer is NIET bewaard.\r")),
             qPrintable(bericht));
    QVERIFY2(bericht.contains(reden), qPrintable(bericht));
    QVERIFY(bericht.endsWith(QStringLiteral("\rMeld dit bij je docent.")));
    QCOMPARE(state().Cijfers[1], 0);
    QVERIFY(windowAs<Hoofdmenu>(WindowId::Hoofdmenu)->isVisible());
  }

  // A push button held while the window loads is read then, and is no change to react to.
  void firstLoadReadsTheButtonsAlreadyHeld() {
    o.hw->k8055->digital[0] = 0b1;  // s1 held
    o.startToets(1);
    QVERIFY(state().Ingang[3]);
    QCOMPARE(state().VorigeIngangen, state().Ingangen);
  }

  void windowScalesWithoutRefusingOrRounding_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<int>("knopHoogte");  // Command(1), design 32 pixels
    QTest::newRow("1024 x 768") << QSize(1024, 768) << 51;
    QTest::newRow("640 x 480") << QSize(640, 480) << 32;
    QTest::newRow("800 x 570") << QSize(800, 570) << 38;  // 32 * 1.1875 = 38; rounding to 15 gives 30
  }
  void windowScalesWithoutRefusingOrRounding() {
    QFETCH(QSize, scherm);
    QFETCH(int, knopHoogte);
    o.basis.screen->size = scherm;
    Toetsen& t = o.startToets(1);
    QVERIFY(state().FormGeschaald[9]);
    QVERIFY(o.basis.dialogs->messages.isEmpty());
    QCOMPARE(int(t.Command(1).Height()), knopHoogte);
    QCOMPARE(t.width(), scherm.width());
  }

  void everyQuestionFitsItsBoxes_data() {
    QTest::addColumn<int>("les");
    for (int les = 1; les <= 5; ++les) QTest::newRow(qPrintable(QStringLiteral("les %1").arg(les))) << les;
  }
  void everyQuestionFitsItsBoxes() {
    QFETCH(int, les);
    Toetsen& t = o.startToets(les);
    for (int v = 1; v <= 10; ++v) {
      const QFontMetrics vraagMaat(t.Label(1).font());
      const QRect vraagVlak = t.Label(1).contentsRect().marginsRemoved(t.Label(1).contentsMargins());
      QVERIFY(vraagMaat.lineSpacing() * kMaxVraagRegels <= vraagVlak.height());
      for (const QString& regel : huidigeVraag().vraag)
        QVERIFY2(vraagMaat.horizontalAdvance(regel) <= vraagVlak.width(), qPrintable(regel));
      for (int box = 1; box <= 4; ++box) {
        const RibbonButton& r = t.Ribbon(box);
        const QFontMetrics maat(r.font());
        // Border, bevel and padding take 4 pixels on each side.
        QVERIFY(maat.lineSpacing() * kMaxAntwoordRegels <= r.height() - 8);
        for (const QString& regel : huidigeVraag().antwoorden[std::size_t(state().Volgorde[box] - 1)])
          QVERIFY2(maat.horizontalAdvance(regel) <= r.width() - 8, qPrintable(regel));
      }
      o.klikAntwoord(true);
    }
  }
};

QTEST_MAIN(TestToetsen)
#include "tst_toetsen.moc"

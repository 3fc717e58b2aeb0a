// Choosing class and pupil, registering and logging in, driven through the real window with
// mouse clicks and keys against a real database file.
#include "tst_selectie_support.h"

using namespace kwil;
using seltest::Omgeving;
using programmatest::klikRegel;
using programmatest::typ;

namespace {

const QString kGeenWachtwoord = QStringLiteral(
    "Je hebt nog geen wachtwoord.\rJe mag er zelf 1 verzinnen.\r\rProbeer wel je wachtwoord te onthouden.\r"
    "Je hebt het de volgende keer nodig.\r\rKlik eerst op 'OK'.");

}  // namespace

class TestSelectieKeuze : public QObject {
  Q_OBJECT

  std::unique_ptr<Omgeving> o_;
  Selectie* s_ = nullptr;
  QTemporaryDir sjabloonMap_;
  QString sjabloon_;  // the filled database, copied for every test (opening one costs time)

  // Pupils in the order they are stored: a class with a case twin, a pupil without and with
  // a password, one whose password is a single blank, and two pupils of the same name.
  void vulDatabase(const QString& pad) {
    const StudentDatabase db(pad);
    struct Rij {
      const char* klas;
      const char* voornaam;
      const char* achternaam;
      const char* wachtwoord;
    };
    const Rij rijen[] = {{"3B", "Piet", "Jansen", nullptr}, {"3B", "Anna", "Berg", "Geheim"},
                         {"3b", "Kees", "Vries", " "},      {"4A", "Jan", "Dubbel", "een"},
                         {"4A", "Jan", "Dubbel", "twee"},   {"4A", "Zoë", "Müller", "é'🙂"}};
    for (const Rij& r : rijen) {
      const NewPupil p{QString::fromUtf8(r.klas), QString::fromUtf8(r.voornaam), QString(),
                       QString::fromUtf8(r.achternaam), QDate(2026, 1, 5), QTime(9, 0)};
      QVERIFY(db.registerPupil(p).ok());
    }
    // The second "Dubbel Jan" gets its own password by id; the first by the usual lookup.
    dbtest::query(pad, QStringLiteral("UPDATE leerlingen SET wachtwoord = ? WHERE id = (SELECT MAX(id) FROM "
                                             "leerlingen WHERE achternaam = 'Dubbel')"),
                  {QStringLiteral("twee")});
    for (const Rij& r : rijen) {
      if (!r.wachtwoord || QByteArray(r.wachtwoord) == "twee") continue;
      QVERIFY(db.setPupilPassword(QString::fromUtf8(r.klas),
                                  QString::fromUtf8(r.achternaam) + QLatin1Char(' ') + QString::fromUtf8(r.voornaam),
                                  QString::fromUtf8(r.wachtwoord))
                  .value);
    }
    QVERIFY(db.storeTestResult(QStringLiteral("3B"), QStringLiteral("Berg Anna"), 2, QStringLiteral("ABCDabcdAB"), 7)
                .value);
  }

  // Runs one action of a scenario: "regel X" clicks a line, "enter-lijst X" selects a line
  // with the keyboard and presses Enter, "knop N" clicks a button, "typ N X" types into a
  // box, "enter N" presses Enter in a box.
  void doe(const QString& actie) {
    const QString soort = actie.section(QLatin1Char(' '), 0, 0);
    const QString rest = actie.section(QLatin1Char(' '), 1);
    if (soort == QLatin1String("regel")) {
      klikRegel(*s_->List, rest);
    } else if (soort == QLatin1String("enter-lijst")) {
      const QList<QListWidgetItem*> items = s_->List->findItems(rest, Qt::MatchExactly);
      if (!items.isEmpty()) s_->List->setCurrentItem(items.first());
      QTest::keyClick(s_->List, Qt::Key_Return);
    } else if (soort == QLatin1String("knop")) {
      QTest::mouseClick(&s_->Command(rest.toInt()), Qt::LeftButton);
    } else if (soort == QLatin1String("typ")) {
      typ(s_->Text(rest.section(QLatin1Char(' '), 0, 0).toInt()), rest.section(QLatin1Char(' '), 1));
    } else if (soort == QLatin1String("enter")) {
      QTest::keyClick(&s_->Text(rest.toInt()), Qt::Key_Return);
    } else {
      QFAIL(qPrintable(QStringLiteral("unknown action ") + actie));
    }
  }

  void speel(const QStringList& acties) {
    for (const QString& a : acties) {
      doe(a);
      if (QTest::currentTestFailed()) return;
    }
  }

  QStringList lijstRegels() const {
    QStringList r;
    for (int i = 0; i < s_->List->ListCount(); ++i) r.append(s_->List->List(i));
    return r;
  }

  QString zichtbareFrames() const {
    QStringList z;
    for (int p : {9, 11, 13, 15})
      if (s_->Panel(p).Visible()) z.append(QString::number(p));
    return z.join(QLatin1Char(','));
  }

 private Q_SLOTS:
  void initTestCase() {
    installFontSubstitutes();
    sjabloon_ = dbtest::freshDatabase(sjabloonMap_.filePath(QStringLiteral("Kwilmora.db")));
    vulDatabase(sjabloon_);
  }

  // A fresh run on a copy of the filled database; with the stand-in windows unless asked.
  void begin(bool metVensters = true) {
    s_ = nullptr;
    o_.reset();
    o_ = std::make_unique<Omgeving>();
    QVERIFY(QFile::remove(o_->db) && QFile::copy(sjabloon_, o_->db));
    if (metVensters) {
      o_->registreerNepVenster(WindowId::Hoofdmenu);
      o_->registreerNepVenster(WindowId::Leraarmodule);
    }
    s_ = o_->start();
    QVERIFY(s_);
    o_->berichten().clear();
  }

  void init() { begin(); }
  void cleanup() {
    s_ = nullptr;
    o_.reset();
  }

  // Every transition of the step machine and what the window shows after it.
  void transitions_data() {
    QTest::addColumn<QStringList>("acties");
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("instructie");
    QTest::addColumn<QString>("kop");          // caption above the list
    QTest::addColumn<QStringList>("lijst");
    QTest::addColumn<bool>("lijstAan");
    QTest::addColumn<QString>("frames");       // visible: 9 password, 11 class, 13 pupil, 15 logo
    QTest::addColumn<QString>("knoppenAan");   // Command 1, 4, 5 enabled: e.g. "1 4 -"
    QTest::addColumn<QStringList>("berichten");

    const QStringList klassen = {QStringLiteral("3B"), QStringLiteral("3b"), QStringLiteral("4A")};
    const QString klasKop = QStringLiteral("Ingevoerde klassen.");
    QTest::newRow("start: the classes once each") << QStringList{} << 1 << "Klik in de onderstaande lijst op je klas."
                                                  << klasKop << klassen << true << "15" << "1 4 -" << QStringList{};
    QTest::newRow("class by click") << QStringList{"regel 3B"} << 2 << "Klik in de onderstaande lijst op je naam."
                                    << "Leerlingen van klas:\r3B" << QStringList{"Berg Anna", "Jansen Piet"} << true
                                    << "15" << "1 4 5" << QStringList{};
    QTest::newRow("class by Enter, case twin apart")
        << QStringList{"enter-lijst 3b"} << 2 << "Klik in de onderstaande lijst op je naam." << "Leerlingen van klas:\r3b"
        << QStringList{"Vries Kees"} << true << "15" << "1 4 5" << QStringList{};
    QTest::newRow("Enter with nothing selected") << QStringList{"enter-lijst -"} << 1
                                                 << "Klik in de onderstaande lijst op je klas." << klasKop << klassen
                                                 << true << "15" << "1 4 -" << QStringList{};
    QTest::newRow("pupil without password") << QStringList{"regel 3B", "regel Jansen Piet"} << 3
                                            << "Invoeren van het wachtwoord." << "Piet\rJansen" << QStringList{} << true
                                            << "9" << "1 - 5" << QStringList{kGeenWachtwoord};
    QTest::newRow("pupil with password") << QStringList{"regel 3B", "regel Berg Anna"} << 4
                                         << "Invoeren van het wachtwoord." << "Anna\rBerg" << QStringList{} << true
                                         << "9" << "1 - 5" << QStringList{};
    QTest::newRow("a blank is a password") << QStringList{"regel 3b", "regel Vries Kees"} << 4
                                           << "Invoeren van het wachtwoord." << "Kees\rVries" << QStringList{} << true
                                           << "9" << "1 - 5" << QStringList{};
    QTest::newRow("new class") << QStringList{"knop 4"} << 5 << "Klas toevoegen." << klasKop << klassen << false << "11"
                               << "- 4 5" << QStringList{};
    QTest::newRow("new class, button again") << QStringList{"knop 4", "knop 4"} << 5 << "Klas toevoegen." << klasKop
                                             << klassen << false << "11" << "- 4 5" << QStringList{};
    QTest::newRow("new class named") << QStringList{"knop 4", "typ 5 5C", "enter 5"} << 5 << "Klas toevoegen." << klasKop
                                     << klassen << false << "13" << "- 4 5" << QStringList{};
    QTest::newRow("new pupil in a class") << QStringList{"regel 4A", "knop 4"} << 6 << "Leerlingnaam toevoegen."
                                          << "Leerlingen van klas:\r4A"
                                          << QStringList{"Dubbel Jan", "Dubbel Jan", "Müller Zoë"} << false << "13"
                                          << "- - 5" << QStringList{};
    QTest::newRow("teacher") << QStringList{"knop 3"} << 7 << "Leraarmodule.... Voer het wachtwoord in."
                             << "Leraarmodule." << klassen << false << "9" << "1 - 5" << QStringList{};
    QTest::newRow("teacher while a class is typed")
        << QStringList{"knop 4", "knop 3"} << 7 << "Leraarmodule.... Voer het wachtwoord in." << "Leraarmodule."
        << klassen << false << "9,11" << "- - 5" << QStringList{};
    QTest::newRow("oops") << QStringList{"regel 3B", "knop 5"} << 1 << "Klik in de onderstaande lijst op je klas."
                          << klasKop << klassen << true << "15" << "1 4 -" << QStringList{};
    QTest::newRow("oops after the teacher")
        << QStringList{"knop 4", "knop 3", "knop 5"} << 1 << "Klik in de onderstaande lijst op je klas." << klasKop
        << klassen << true << "15" << "1 4 -" << QStringList{};
  }
  void transitions() {
    QFETCH(QStringList, acties);
    QFETCH(int, stap);
    QFETCH(QString, instructie);
    QFETCH(QString, kop);
    QFETCH(QStringList, lijst);
    QFETCH(bool, lijstAan);
    QFETCH(QString, frames);
    QFETCH(QString, knoppenAan);
    QFETCH(QStringList, berichten);
    speel(acties);
    QCOMPARE(int(state().SelectieStap), stap);
    QCOMPARE(s_->Panel(8).Caption(), instructie);
    QCOMPARE(s_->Panel(3).Caption(), kop);
    QCOMPARE(lijstRegels(), lijst);
    QCOMPARE(s_->List->Enabled(), lijstAan);
    QCOMPARE(zichtbareFrames(), frames);
    const QString aan = QStringLiteral("%1 %2 %3")
                            .arg(s_->Command(1).Enabled() ? "1" : "-")
                            .arg(s_->Command(4).Enabled() ? "4" : "-")
                            .arg(s_->Command(5).Enabled() ? "5" : "-");
    QCOMPARE(aan, knoppenAan);
    QVERIFY(s_->Command(2).Enabled() && s_->Command(3).Enabled());
    QCOMPARE(o_->meldingen(), berichten);
  }

  // A taken pupil: name in the frame, marks (Null as 0), the stored password, the first of
  // two pupils with the same name.
  void pupilTaken_data() {
    QTest::addColumn<QString>("klas");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("wachtwoord");
    QTest::addColumn<int>("cijfer2");
    QTest::newRow("marks") << "3B" << "Berg Anna" << "Geheim" << 7;
    QTest::newRow("first of two equal names") << "4A" << "Dubbel Jan" << "een" << 0;
    QTest::newRow("accents and emoji") << "4A" << "Müller Zoë" << "é'🙂" << 0;
  }
  void pupilTaken() {
    QFETCH(QString, klas);
    QFETCH(QString, naam);
    QFETCH(QString, wachtwoord);
    QFETCH(int, cijfer2);
    speel({QStringLiteral("regel ") + klas, QStringLiteral("regel ") + naam});
    const KwilState& st = state();
    QCOMPARE(st.Klas, klas);
    QCOMPARE(st.LeerlingNaam, naam);
    QCOMPARE(st.Achternaam + QLatin1Char(' ') + st.Voornaam, naam);
    QCOMPARE(st.LeerlingWachtwoord, wachtwoord);
    QCOMPARE(s_->Panel(4).Caption(), naam + QStringLiteral("\rklas ") + klas);
    for (int les = 1; les <= 5; ++les) QCOMPARE(st.Cijfers[les], les == 2 ? cijfer2 : 0);
    QCOMPARE(s_->Panel(10).Caption(), QStringLiteral("Vul hieronder je wachtwoord in.\rDruk daarna op enter."));
    QCOMPARE(s_->Text(4).PasswordChar(), QStringLiteral("*"));
  }

  // Enter in each box: messages, where the pupil or teacher ends up, and the window shown.
  void enterInBoxes_data() {
    QTest::addColumn<QStringList>("acties");
    QTest::addColumn<QStringList>("berichten");
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("venster");  // window shown, "" = the selection stays
    QTest::addColumn<int>("focus");        // text box with the focus, 0 = not checked

    const QString verkeerd = QStringLiteral("Verkeerde wachtwoord.");
    QTest::newRow("first password") << QStringList{"regel 3B", "regel Jansen Piet", "typ 4 Nieuw1", "enter 4"}
                                    << QStringList{kGeenWachtwoord} << 3 << "Hoofdmenu" << 0;
    QTest::newRow("known password") << QStringList{"regel 3B", "regel Berg Anna", "typ 4 Geheim", "enter 4"}
                                    << QStringList{} << 4 << "Hoofdmenu" << 0;
    QTest::newRow("password in other case") << QStringList{"regel 3B", "regel Berg Anna", "typ 4 geheim", "enter 4"}
                                            << QStringList{verkeerd} << 1 << "" << 0;
    QTest::newRow("blank password, empty box") << QStringList{"regel 3b", "regel Vries Kees", "enter 4"}
                                               << QStringList{verkeerd} << 1 << "" << 0;
    QTest::newRow("blank password, blank typed") << QStringList{"regel 3b", "regel Vries Kees", "typ 4  ", "enter 4"}
                                                 << QStringList{} << 4 << "Hoofdmenu" << 0;
    QTest::newRow("accented password") << QStringList{"regel 4A", "regel Müller Zoë", "typ 4 é'🙂", "enter 4"}
                                       << QStringList{} << 4 << "Hoofdmenu" << 0;
    QTest::newRow("second of two names has its own password")
        << QStringList{"regel 4A", "regel Dubbel Jan", "typ 4 twee", "enter 4"} << QStringList{verkeerd} << 1 << "" << 0;
    QTest::newRow("teacher") << QStringList{"knop 3", "typ 4 leraar", "enter 4"} << QStringList{} << 7
                             << "Leraarmodule" << 0;
    QTest::newRow("teacher, wrong") << QStringList{"knop 3", "typ 4 Leraar", "enter 4"}
                                    << QStringList{"Niet het goede wachtwoord."} << 1 << "" << 0;
    QTest::newRow("no class name") << QStringList{"knop 4", "enter 5"}
                                   << QStringList{"Er moet wel een naam ingevuld worden."} << 5 << "" << 5;
    QTest::newRow("first name on to prefix") << QStringList{"regel 3B", "knop 4", "typ 1  ", "enter 1"} << QStringList{}
                                             << 6 << "" << 2;
    QTest::newRow("prefix on to surname") << QStringList{"regel 3B", "knop 4", "enter 2"} << QStringList{} << 6 << "" << 3;
    QTest::newRow("no first name") << QStringList{"regel 3B", "knop 4", "enter 1"}
                                   << QStringList{"Graag een voornaam invoeren."} << 6 << "" << 1;
    QTest::newRow("no surname") << QStringList{"regel 3B", "knop 4", "typ 1 Jan", "enter 3"}
                                << QStringList{"Voor- en achternaam moeten beide ingevuld worden!"} << 6 << "" << 3;
    QTest::newRow("no first name, surname given")
        << QStringList{"regel 3B", "knop 4", "typ 3 Berg", "enter 3"}
        << QStringList{"Voor- en achternaam moeten beide ingevuld worden!"} << 6 << "" << 1;
    QTest::newRow("registered") << QStringList{"knop 4", "typ 5 5C", "enter 5", "typ 1 Ann", "typ 3 Smit", "enter 3"}
                                << QStringList{"Je gegevens zijn toegevoegd."} << 1 << "" << 0;
  }
  void enterInBoxes() {
    QFETCH(QStringList, acties);
    QFETCH(QStringList, berichten);
    QFETCH(int, stap);
    QFETCH(QString, venster);
    QFETCH(int, focus);
    speel(acties);
    QCOMPARE(o_->meldingen(), berichten);
    QCOMPARE(int(state().SelectieStap), stap);
    auto* hoofdmenu = o_->nep(WindowId::Hoofdmenu);
    auto* leraar = o_->nep(WindowId::Leraarmodule);
    QCOMPARE(hoofdmenu && hoofdmenu->activaties > 0, venster == QLatin1String("Hoofdmenu"));
    QCOMPARE(leraar && leraar->activaties > 0, venster == QLatin1String("Leraarmodule"));
    QCOMPARE(s_->isVisible(), venster.isEmpty());
    // Enter in the password box always closes the password frame.
    if (acties.last() == QLatin1String("enter 4")) QVERIFY(!s_->Panel(9).Visible());
    if (!venster.isEmpty()) {
      QVERIFY(!s_->TijdInterval.Enabled());
      QVERIFY(!s_->TijdintervalIngangen.Enabled());
      QCOMPARE(state().Uitgangen, 0);
      for (int i = 1; i <= 5; ++i) QVERIFY(s_->Text(i).Text().isEmpty() || venster == QLatin1String("Leraarmodule"));
    }
    if (focus != 0) QCOMPARE(s_->focusWidget(), static_cast<QWidget*>(&s_->Text(focus)));
  }

  // What registration and the first password store, field by field.
  void storedRows_data() {
    QTest::addColumn<QStringList>("acties");
    QTest::addColumn<QStringList>("rij");  // klas, voornaam, tussenvoegsel, achternaam, wachtwoord ("<null>")
    QTest::newRow("new class, no prefix")
        << QStringList{"knop 4", "typ 5 5C", "enter 5", "typ 1 Zoë", "enter 1", "enter 2", "typ 3 O'Brien", "enter 3"}
        << QStringList{"5C", "Zoë", " ", "O'Brien", "<null>"};
    QTest::newRow("chosen class, prefix")
        << QStringList{"regel 3B", "knop 4", "typ 1 Jan", "typ 2 van de", "typ 3 Berg", "enter 3"}
        << QStringList{"3B", "Jan", "van de", "Berg", "<null>"};
    QTest::newRow("same names twice")
        << QStringList{"regel 3B", "knop 4", "typ 1 Piet", "typ 3 Jansen", "enter 3"}
        << QStringList{"3B", "Piet", " ", "Jansen", "<null>"};
    QTest::newRow("blanks kept") << QStringList{"knop 4", "typ 5  7 D ", "enter 5", "typ 1 Jo ", "typ 3  Ek", "enter 3"}
                                 << QStringList{" 7 D ", "Jo ", " ", " Ek", "<null>"};
  }
  void storedRows() {
    QFETCH(QStringList, acties);
    QFETCH(QStringList, rij);
    speel(acties);
    const QList<QVariantList> rows = dbtest::query(
        o_->db, QStringLiteral("SELECT klas, voornaam, tussenvoegsel, achternaam, wachtwoord, Aanmaakdatum, "
                                  "Aanmaaktijd, computernaam, AntwLes1, CijferLes1, cijferles8 FROM leerlingen "
                                  "ORDER BY id DESC LIMIT 1"));
    QCOMPARE(rows.size(), 1);
    const QVariantList& r = rows.first();
    for (int i = 0; i < 4; ++i) QCOMPARE(r[i].toString(), rij[i]);
    QVERIFY(r[4].isNull());
    QCOMPARE(r[5].toString(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const QTime tijd = QTime::fromString(r[6].toString(), QStringLiteral("HH:mm:ss"));
    QVERIFY(tijd.isValid());
    QVERIFY(qAbs(tijd.secsTo(QTime::currentTime())) < 60);
    for (int i = 7; i < r.size(); ++i) QVERIFY2(r[i].isNull(), qPrintable(QString::number(i)));
    // The new class and the new pupil are in the lists at once.
    QVERIFY(lijstRegels().contains(rij[0]));
    klikRegel(*s_->List, rij[0]);
    QVERIFY(lijstRegels().contains(rij[3] + QLatin1Char(' ') + rij[1]));
  }

  // The first password is stored with the pupil it belongs to, an empty one as one blank.
  void firstPasswordStored_data() {
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("opgeslagen");
    QTest::newRow("typed") << "Nieuw 1" << "Nieuw 1";
    QTest::newRow("empty") << "" << " ";
    QTest::newRow("quotes") << "a'b\"c" << "a'b\"c";
  }
  void firstPasswordStored() {
    QFETCH(QString, getypt);
    QFETCH(QString, opgeslagen);
    speel({QStringLiteral("regel 3B"), QStringLiteral("regel Jansen Piet"), QStringLiteral("typ 4 ") + getypt,
           QStringLiteral("enter 4")});
    QCOMPARE(dbtest::cell(o_->db, QStringLiteral("SELECT wachtwoord FROM leerlingen WHERE achternaam = 'Jansen'"))
                 .toString(),
             opgeslagen);
    // Nobody else's password changed.
    QCOMPARE(dbtest::cell(o_->db, QStringLiteral("SELECT COUNT(*) FROM leerlingen WHERE wachtwoord IS NULL")).toInt(), 0);
  }

  // The boxes keep their maximum lengths.
  void maximumLengths() {
    const int lengtes[] = {20, 10, 20, 10, 10};
    for (int i = 1; i <= 5; ++i) {
      s_->Text(i).setText(QString(30, QLatin1Char('x')));
      QCOMPARE(s_->Text(i).Text().size(), lengtes[i - 1]);
    }
  }

  // Without a main menu or teacher module registered, a good password leaves the selection
  // window in place at the class list.
  void noWindowToShow() {
    begin(/*metVensters=*/false);
    speel({QStringLiteral("regel 3B"), QStringLiteral("regel Berg Anna"), QStringLiteral("typ 4 Geheim"),
           QStringLiteral("enter 4")});
    QVERIFY(s_->isVisible());
    QCOMPARE(int(state().SelectieStap), 1);
    speel({QStringLiteral("knop 3"), QStringLiteral("typ 4 leraar"), QStringLiteral("enter 4")});
    QVERIFY(s_->isVisible());
    QVERIFY(s_->TijdintervalIngangen.Enabled());
  }

  // The teacher password is read at every attempt: a change counts at once.
  void teacherPasswordReadEachTime() {
    QVERIFY(o_->database().setTeacherPassword(QStringLiteral("nieuw")).ok());
    speel({QStringLiteral("knop 3"), QStringLiteral("typ 4 leraar"), QStringLiteral("enter 4")});
    QCOMPARE(o_->meldingen(), QStringList{QStringLiteral("Niet het goede wachtwoord.")});
    speel({QStringLiteral("knop 3"), QStringLiteral("typ 4 nieuw"), QStringLiteral("enter 4")});
    QCOMPARE(state().LeraarWachtwoord, QStringLiteral("nieuw"));
    QVERIFY(!s_->isVisible());
  }

  // A database that is gone after start-up: a message, and the typed names stay for another
  // try instead of being reported as stored.
  void databaseGoneAfterStartup() {
    speel({QStringLiteral("regel 3B"), QStringLiteral("knop 4"), QStringLiteral("typ 1 Jan"), QStringLiteral("typ 3 Berg")});
    QVERIFY(QFile::remove(o_->db));
    doe(QStringLiteral("enter 3"));
    QCOMPARE(o_->berichten().size(), 1);
    QVERIFY(o_->berichten().first().text != QStringLiteral("Je gegevens zijn toegevoegd."));
    QVERIFY(!o_->berichten().first().text.isEmpty());
    QCOMPARE(s_->Text(1).Text(), QStringLiteral("Jan"));
    QCOMPARE(s_->Text(3).Text(), QStringLiteral("Berg"));
    QVERIFY(s_->Panel(13).Visible());
    QCOMPARE(int(state().SelectieStap), 6);
  }
};

QTEST_MAIN(TestSelectieKeuze)
#include "tst_selectie_keuze.moc"

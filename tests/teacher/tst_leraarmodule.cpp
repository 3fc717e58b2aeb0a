// The teacher module's pupils: browsing a class, editing and storing, refused values,
// deleting, the class filter, and a result stored meanwhile by a pupil elsewhere.
#include "leraar_omgeving.h"
#include "support/form_test_helpers.h"

using namespace kwil;
using namespace kwil::leraartest;

Q_DECLARE_METATYPE(QList<int>)

class TstLeraarmodule : public QObject {
  Q_OBJECT

 private:
  LeraarOmgeving o;
  qint64 anna = 0, bram = 0, cas = 0, dirk = 0;

 private Q_SLOTS:
  void init() {
    o.begin();
    // Class 3A has three pupils; Dirk of 4B was registered between them.
    anna = o.voegToe(
        {QStringLiteral("3A"), QStringLiteral("Anna"), QStringLiteral("de"), QStringLiteral("Vries")});
    dirk = o.voegToe({QStringLiteral("4B"), QStringLiteral("Dirk"), QString(), QStringLiteral("Jansen")});
    bram = o.voegToe({QStringLiteral("3A"), QStringLiteral("Bram"), QString(), QStringLiteral("Bakker")});
    cas = o.voegToe({QStringLiteral("3A"), QStringLiteral("Cas"), QString(), QStringLiteral("Smit")});
    o.zet(anna, QStringLiteral("wachtwoord"), QStringLiteral("geheim"));
    o.zet(anna, QStringLiteral("CijferLes1"), 6);
    o.zet(anna, QStringLiteral("CijferLes2"), 8);
    o.zet(anna, QStringLiteral("AntwLes2"), QStringLiteral("ABCDabcdAB"));
  }
  void cleanup() { o.end(); }

  void bladeren_data() {
    QTest::addColumn<QList<int>>("knoppen");
    QTest::addColumn<QString>("voornaam");
    QTest::addColumn<QString>("positie");
    QTest::newRow("start bij de eerste") << QList<int>{} << "Anna"
                                         << " Leerling 1 van 3";
    QTest::newRow("volgende") << QList<int>{Volgende} << "Bram"
                              << " Leerling 2 van 3";
    QTest::newRow("laatste") << QList<int>{Laatste} << "Cas"
                             << " Leerling 3 van 3";
    QTest::newRow("volgende na de laatste") << QList<int>{Laatste, Volgende} << "Cas"
                                            << " Leerling 3 van 3";
    QTest::newRow("vorige voor de eerste") << QList<int>{Vorige} << "Anna"
                                           << " Leerling 1 van 3";
    QTest::newRow("laatste, vorige") << QList<int>{Laatste, Vorige} << "Bram"
                                     << " Leerling 2 van 3";
    QTest::newRow("laatste, eerste") << QList<int>{Laatste, Eerste} << "Anna"
                                     << " Leerling 1 van 3";
  }
  void bladeren() {
    QFETCH(QList<int>, knoppen);
    QFETCH(QString, voornaam);
    QFETCH(QString, positie);
    Leraarmodule& m = o.toon();
    QCOMPARE(m.gekozenKlas(), QStringLiteral("3A"));
    for (int knop : knoppen) o.klik(knop);
    QCOMPARE(o.vak(QStringLiteral("voornaam")).Text(), voornaam);
    QCOMPARE(m.Panel(2).Caption(), positie);
    QCOMPARE(m.Overzicht->ListIndex(), m.huidigeLeerling());
    QVERIFY(o.meldingen().isEmpty());
  }

  void toontAlleVelden() {
    o.toon();
    QCOMPARE(o.vak(QStringLiteral("tussenvoegsel")).Text(), QStringLiteral("de"));
    QCOMPARE(o.vak(QStringLiteral("klas")).Text(), QStringLiteral("3A"));
    QCOMPARE(o.vak(QStringLiteral("aanmaakdatum")).Text(), QStringLiteral("2024-09-02"));
    QCOMPARE(o.vak(QStringLiteral("aanmaaktijd")).Text(), QStringLiteral("08:30:00"));
    QCOMPARE(o.vak(QStringLiteral("antwles2")).Text(), QStringLiteral("ABCDabcdAB"));
    QCOMPARE(o.vak(QStringLiteral("cijferles1")).Text(), QStringLiteral("6"));
    QCOMPARE(o.vak(QStringLiteral("cijferles3")).Text(), QString());
    // The overview: one line per pupil, an empty mark as "-".
    QCOMPARE(o.module->Overzicht->ListCount(), 3);
    QCOMPARE(o.module->Overzicht->List(0).split(QLatin1Char(' '), Qt::SkipEmptyParts),
             QStringList({"Anna", "de", "Vries", "6", "8", "-", "-", "-", "-"}));
  }

  // A field longer than its box shows its beginning, however it came into view.
  void langeVeldenTonenHunBegin_data() {
    QTest::addColumn<QString>("veld");
    QTest::newRow("voornaam") << "voornaam";
    QTest::newRow("tussenvoegsel") << "tussenvoegsel";
    QTest::newRow("achternaam") << "achternaam";
    QTest::newRow("computernaam") << "computernaam";
  }
  void langeVeldenTonenHunBegin() {
    QFETCH(QString, veld);
    const QString lang = QStringLiteral("Begin-") + QStringLiteral("heel-lang-").repeated(6) + QStringLiteral("Eind");
    o.zet(anna, veld, lang);
    o.toon();
    TextBox& vak = o.vak(veld);
    QCOMPARE(vak.Text(), lang);
    QVERIFY(QFontMetrics(vak.font()).horizontalAdvance(lang) > vak.width());
    QCOMPARE(vak.cursorPosition(), 0);
  }

  // Each edit stores exactly the changed field; every other field of the row stays.
  void bewerken_data() {
    QTest::addColumn<QString>("veld");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QVariant>("opgeslagen");
    QTest::newRow("voornaam") << "voornaam"
                              << "Annie" << QVariant(QStringLiteral("Annie"));
    QTest::newRow("cijfer gegeven") << "cijferles3"
                                    << "7" << QVariant(qint64(7));
    QTest::newRow("cijfer verbeterd") << "cijferles1"
                                      << "10" << QVariant(qint64(10));
    QTest::newRow("cijfer 0") << "cijferles6"
                              << "0" << QVariant(qint64(0));
    QTest::newRow("cijfer met spaties") << "cijferles4"
                                        << " 9 " << QVariant(qint64(9));
    QTest::newRow("cijfer gewist: les opnieuw") << "cijferles2"
                                                << "" << QVariant();
    QTest::newRow("wachtwoord gewist: nieuw kiezen") << "wachtwoord"
                                                     << "" << QVariant();
    QTest::newRow("wachtwoord") << "wachtwoord"
                                << "Nieuw1" << QVariant(QStringLiteral("Nieuw1"));
    QTest::newRow("datum") << "aanmaakdatum"
                           << "2025-01-31" << QVariant(QStringLiteral("2025-01-31"));
    QTest::newRow("tijd") << "aanmaaktijd"
                          << "13:05:59" << QVariant(QStringLiteral("13:05:59"));
    QTest::newRow("antwoorden les 6") << "antwles6"
                                      << "abcdABCDab" << QVariant(QStringLiteral("abcdABCDab"));
    QTest::newRow("computernaam") << "computernaam"
                                  << "lokaal-12" << QVariant(QStringLiteral("lokaal-12"));
    QTest::newRow("klas met quote") << "klas"
                                    << "3'A" << QVariant(QStringLiteral("3'A"));
  }
  void bewerken() {
    QFETCH(QString, veld);
    QFETCH(QString, tekst);
    QFETCH(QVariant, opgeslagen);
    o.toon();
    const QVariantList voor = o.rij(anna);
    o.vak(veld).setText(tekst);
    o.klik(Opslaan);
    QVERIFY2(o.meldingen().isEmpty(), qPrintable(o.meldingen().join(QLatin1Char('|'))));
    const QVariant waarde = o.lees(anna, veld);
    QCOMPARE(waarde.isValid() && !waarde.isNull(), opgeslagen.isValid());
    if (opgeslagen.isValid()) QCOMPARE(waarde.toString(), opgeslagen.toString());
    // Only that column differs from before.
    const QVariantList na = o.rij(anna);
    int verschillen = 0;
    for (int i = 0; i < voor.size(); ++i) verschillen += voor[i] == na[i] ? 0 : 1;
    QCOMPARE(verschillen, 1);
    if (veld == QLatin1String("klas")) {
      // The pupil has left the class on screen and is found under the new class.
      QCOMPARE(o.module->aantalLeerlingen(), 2);
      QVERIFY(!o.module->KlasLijst->findItems(tekst, Qt::MatchExactly).isEmpty());
      return;
    }
    // Read back: the box shows what is stored now.
    QCOMPARE(o.vak(veld).Text(), opgeslagen.isValid() ? opgeslagen.toString() : QString());
  }

  // Moving to another pupil stores the edit, as leaving the window does.
  void bewarenBijBladerenEnVerlaten() {
    o.toon();
    o.vak(QStringLiteral("cijferles5")).setText(QStringLiteral("5"));
    o.klik(Volgende);
    QCOMPARE(o.lees(anna, QStringLiteral("cijferles5")).toInt(), 5);
    QCOMPARE(o.vak(QStringLiteral("voornaam")).Text(), QStringLiteral("Bram"));
    o.vak(QStringLiteral("computernaam")).setText(QStringLiteral("pc7"));
    o.klik(Hoofdmenu);
    QCOMPARE(o.lees(bram, QStringLiteral("computernaam")).toString(), QStringLiteral("pc7"));
    QVERIFY(!o.module->isVisible());
    QVERIFY(window(WindowId::Selectie)->isVisible());
  }

  void geweigerd_data() {
    QTest::addColumn<QString>("veld");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("melding");
    const QString cijfer = QStringLiteral("moet leeg zijn of een heel getal van 0 tot en met 10");
    QTest::newRow("11") << "cijferles1"
                        << "11" << cijfer;
    QTest::newRow("-1") << "cijferles1"
                        << "-1" << cijfer;
    QTest::newRow("+7") << "cijferles2"
                        << "+7" << cijfer;
    QTest::newRow("7,5") << "cijferles2"
                         << "7,5" << cijfer;
    QTest::newRow("7.5") << "cijferles3"
                         << "7.5" << cijfer;
    QTest::newRow("zeven") << "cijferles6"
                           << "zeven" << cijfer;
    QTest::newRow("1 0") << "cijferles4"
                         << "1 0" << cijfer;
    QTest::newRow("100") << "cijferles5"
                         << "100" << cijfer;
    QTest::newRow("datum") << "aanmaakdatum"
                           << "2-9-2024"
                           << "De datum";
    QTest::newRow("tijd") << "aanmaaktijd"
                          << "25:00:00"
                          << "De tijd";
    QTest::newRow("lege klas") << "klas"
                               << ""
                               << "De klas mag niet leeg zijn.";
  }
  // A refused value stores nothing, also not the good edits made with it, keeps the texts for
  // the teacher to correct, and keeps the pupil on screen.
  void geweigerd() {
    QFETCH(QString, veld);
    QFETCH(QString, tekst);
    QFETCH(QString, melding);
    o.toon();
    const QVariantList voor = o.rij(anna);
    o.vak(QStringLiteral("voornaam")).setText(QStringLiteral("Annie"));
    o.vak(veld).setText(tekst);
    o.klik(Opslaan);
    QCOMPARE(o.meldingen().size(), 1);
    QVERIFY2(o.meldingen().first().contains(melding), qPrintable(o.meldingen().first()));
    QVERIFY(o.meldingen().first().endsWith(QStringLiteral("Er is niets opgeslagen.")));
    o.klik(Volgende);
    QCOMPARE(o.meldingen().size(), 2);
    QCOMPARE(o.rij(anna), voor);
    QCOMPARE(o.vak(veld).Text(), tekst);
    QCOMPARE(o.vak(QStringLiteral("voornaam")).Text(), QStringLiteral("Annie"));
    QCOMPARE(o.module->huidigeLeerling(), 0);
  }

  void geweigerdCijferNoemtDeLes() {
    QCOMPARE(leraar::cijferFout(4).section(vbCr, 0, 0),
             QStringLiteral("Het cijfer van les 4 moet leeg zijn of een heel getal van 0 tot en met 10."));
  }

  void verwijderen_data() {
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<int>("rijen");
    QTest::addColumn<QString>("daarna");
    QTest::newRow("ja") << int(DialogService::Yes) << 3 << "Cas";
    QTest::newRow("nee") << int(DialogService::No) << 4 << "Bram";
  }
  void verwijderen() {
    QFETCH(int, antwoord);
    QFETCH(int, rijen);
    QFETCH(QString, daarna);
    o.toon();
    o.klik(Volgende);  // Bram
    o.basis.dialogs->answers.push_back(antwoord);
    o.klik(Verwijderen);
    QCOMPARE(o.basis.dialogs->messages.size(), 1);
    const auto& vraag = o.basis.dialogs->messages.first();
    QCOMPARE(vraag.text, QStringLiteral("Wil je Bram Bakker uit klas 3A echt verwijderen?"));
    QCOMPARE(vraag.buttons, int(DialogService::YesNo));
    QCOMPARE(vraag.title, QStringLiteral("Vraagje"));
    QCOMPARE(o.aantalRijen(), rijen);
    QCOMPARE(o.vak(QStringLiteral("voornaam")).Text(), daarna);
    QCOMPARE(o.module->Overzicht->ListCount(), rijen - 1);
  }

  // Deleting the only pupil of a class removes the class; the module goes on with another.
  void laatsteVanDeKlasVerwijderen() {
    o.toon();
    o.kiesKlas(QStringLiteral("4B"));
    o.basis.dialogs->answers.push_back(DialogService::Yes);
    o.klik(Verwijderen);
    QCOMPARE(o.module->KlasLijst->ListCount(), 1);
    QCOMPARE(o.module->gekozenKlas(), QStringLiteral("3A"));
    QCOMPARE(o.vak(QStringLiteral("voornaam")).Text(), QStringLiteral("Anna"));
  }

  // Class names are never pasted into a query: each class shows exactly its own pupils.
  void klasfilter_data() {
    QTest::addColumn<QString>("klas");
    QTest::newRow("quote") << "3'B";
    QTest::newRow("quote aan het eind") << "3B'";
    QTest::newRow("sql in de naam") << "x' OR '1'='1";
    QTest::newRow("commentaar") << "x'; --";
    QTest::newRow("gewone klas") << "3A";
  }
  void klasfilter() {
    QFETCH(QString, klas);
    for (const QString& k : {QStringLiteral("3'B"), QStringLiteral("3B'"), QStringLiteral("x' OR '1'='1"),
                             QStringLiteral("x'; --")}) {
      o.voegToe({k, QStringLiteral("Eerste"), QString(), k});
      o.voegToe({k, QStringLiteral("Tweede"), QString(), k});
    }
    o.toon();
    QCOMPARE(o.module->KlasLijst->ListCount(), 6);
    o.kiesKlas(klas);
    const int verwacht =
        dbtest::cell(o.db, QStringLiteral("SELECT COUNT(*) FROM leerlingen WHERE klas = ?"), {klas}).toInt();
    QCOMPARE(o.module->aantalLeerlingen(), verwacht);
    QCOMPARE(o.module->Overzicht->ListCount(), verwacht);
    for (int i = 0; i < verwacht; ++i) {
      o.module->Overzicht->setListIndex(i);
      QCOMPARE(o.vak(QStringLiteral("klas")).Text(), klas);
    }
  }

  // A pupil finishes a test on another computer while the teacher has them on screen: the
  // teacher's edit of another field must not put the old (empty) result back.
  void resultaatVanElders() {
    o.toon();
    o.klik(Laatste);  // Cas Smit
    o.vak(QStringLiteral("computernaam")).setText(QStringLiteral("pc3"));
    o.vak(QStringLiteral("cijferles1")).setText(QStringLiteral("4"));
    const DbResult<bool> elders = StudentDatabase(o.db).storeTestResult(
        QStringLiteral("3A"), QStringLiteral("Smit Cas"), 2, QStringLiteral("ABCDABCDAB"), 9);
    QVERIFY(elders.ok() && elders.value);
    o.klik(Opslaan);
    QCOMPARE(o.lees(cas, QStringLiteral("cijferles2")).toInt(), 9);
    QCOMPARE(o.lees(cas, QStringLiteral("antwles2")).toString(), QStringLiteral("ABCDABCDAB"));
    QCOMPARE(o.lees(cas, QStringLiteral("cijferles1")).toInt(), 4);
    QCOMPARE(o.lees(cas, QStringLiteral("computernaam")).toString(), QStringLiteral("pc3"));
    QCOMPARE(o.vak(QStringLiteral("cijferles2")).Text(), QStringLiteral("9"));
  }

  // Another copy of the program deleted the pupil the teacher is editing.
  void leerlingIntussenVerwijderd() {
    o.toon();
    StudentDatabase(o.db).deletePupil(anna);
    o.vak(QStringLiteral("voornaam")).setText(QStringLiteral("Annie"));
    o.klik(Opslaan);
    QCOMPARE(o.meldingen().size(), 1);
    QVERIFY(o.meldingen().first().contains(QStringLiteral("intussen verwijderd")));
    QCOMPARE(o.module->aantalLeerlingen(), 2);
    QCOMPARE(o.aantalRijen(), 3);
  }

  void wachtwoordVerborgen() {
    o.toon();
    TextBox& vak = o.vak(QStringLiteral("wachtwoord"));
    QCOMPARE(vak.Text(), QStringLiteral("geheim"));
    QCOMPARE(vak.echoMode(), QLineEdit::Password);
    o.klik(Wachtwoord);
    QCOMPARE(vak.echoMode(), QLineEdit::Normal);
    o.klik(Wachtwoord);
    QCOMPARE(vak.echoMode(), QLineEdit::Password);
    o.klik(Wachtwoord);
    o.klik(Hoofdmenu);
    o.module->Show();
    QCOMPARE(vak.echoMode(), QLineEdit::Password);
  }

  // The hover colour: only the button under the pointer, none after the background or exit.
  void hover_data() {
    QTest::addColumn<QList<int>>("over");  // buttons moved over in turn; 0 = the window itself
    QTest::addColumn<int>("onderMuis");
    QTest::newRow("een knop") << QList<int>{4} << 4;
    QTest::newRow("van knop 2 naar 4") << QList<int>{2, 4} << 4;
    QTest::newRow("knop 12") << QList<int>{12} << 12;
    QTest::newRow("knop dan venster") << QList<int>{9, 0} << 0;
    QTest::newRow("dezelfde knop twee keer") << QList<int>{1, 1} << 1;
  }
  void hover() {
    QFETCH(QList<int>, over);
    QFETCH(int, onderMuis);
    Leraarmodule& m = o.toon();
    for (int knop : over) {
      if (knop == 0)
        formtest::moveOver(&m, QPoint(2, m.height() - 2));
      else
        formtest::moveOver(&m.Command(knop), QPoint(3, 3));
    }
    QCOMPARE(state().KnopOnderMuis, onderMuis);
    for (int knop = 1; knop <= 12; ++knop)
      QCOMPARE(m.Command(knop).BackColor(), knop == onderMuis ? KleurKnopOnderMuis : KleurKnopNormaal);
    o.klik(Hoofdmenu);
    for (int knop = 1; knop <= 12; ++knop) QCOMPARE(m.Command(knop).BackColor(), KleurKnopNormaal);
  }

  void schaling() {
    Leraarmodule& m = o.toon();
    QVERIFY(state().FormGeschaald[10]);
    QCOMPARE(state().SchaalX, 1.6f);
    // Button heights are scaled without rounding to whole twips: 26 * 1.6 = 41.6.
    QCOMPARE(m.Command(Opslaan).Height(), 42.0f);
    QCOMPARE(m.Command(Opslaan).FontSize(), 8.25f * 1.6f);
  }

  void schermVan640Geweigerd() {
    o.basis.screen->size = QSize(640, 480);
    auto* m = windowAs<Leraarmodule>(WindowId::Leraarmodule);
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, m->Show());
    QCOMPARE(o.einden, 1);
    QCOMPARE(o.meldingen(), QStringList{kResolutieTeLaag});
  }

  void legeDatabase() {
    StudentDatabase db(o.db);
    for (qint64 id : {anna, bram, cas, dirk}) db.deletePupil(id);
    Leraarmodule& m = o.toon();
    QCOMPARE(m.huidigeLeerling(), -1);
    QVERIFY(!m.Command(Verwijderen).isEnabled());
    QVERIFY(!o.vak(QStringLiteral("voornaam")).isEnabled());
    o.klik(Printen);
    QCOMPARE(o.meldingen(), QStringList{QStringLiteral("Er is geen klas om af te drukken.")});
    QCOMPARE(o.print->keer, 0);
  }
};

QTEST_MAIN(TstLeraarmodule)
#include "tst_leraarmodule.moc"

// Lesson 2's tables worked with the switches: every table page filled from the interface and
// from F1 to F3 in every position, positions tried twice, switches let go in any order, the
// gates refusing until the work is done; naming the unknown circuits, predicting a column, the
// workbook questions, the help of every page, the footer and the hand-over to the test.
#include <QTest>

#include "les2/les2_omgeving.h"

using namespace kwil;

namespace {

constexpr std::int32_t kRijKleur = 0x80FFFF;  // the lit row
constexpr std::int32_t kLedKleur = 0x0000FF;  // an output cell that is 1
constexpr std::int32_t kGoedKleur = 0x90EE90, kFoutKleur = 0xC0C0FF;

int rijVanKnoppen(int n, int knoppen) { return rijVan(n, knoppen & 1, knoppen & 2, knoppen & 4); }

}  // namespace

class Les2Gedrag : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;
  bool fToetsen_ = false;
  int gehouden_ = 0;

  // Moves the switches to `knoppen` and returns every position the lesson's polling saw on
  // the way: the interface changes at once; F-keys are let go (then a tick), then pressed one
  // by one (each press ticks).
  QList<int> houd(Waarheidstabel& les, int knoppen) {
    QList<int> gezien;
    if (!fToetsen_) {
      omgeving.hw->k8055->digital[0] = knoppen;
      les.timer().fire();
      if (knoppen != gehouden_) gezien.append(knoppen);
      gehouden_ = knoppen;
      return gezien;
    }
    const int los = gehouden_ & ~knoppen, vast = knoppen & ~gehouden_;
    for (int k = 0; k < 3; ++k)
      if (los & (1 << k)) les.keyUp(vbKeyF1 + k, 0);
    if (los) {
      gehouden_ &= ~los;
      les.timer().fire();
      gezien.append(gehouden_);
    }
    for (int k = 0; k < 3; ++k) {
      if (!(vast & (1 << k))) continue;
      gehouden_ |= 1 << k;
      les.keyDown(vbKeyF1 + k, 0);
      gezien.append(gehouden_);
    }
    return gezien;
  }

  void begin(bool fToetsen) {
    fToetsen_ = fToetsen;
    gehouden_ = 0;
    if (!fToetsen) omgeving.k8055ZonderKnoppen();
  }

  // The grid after the rows in `gezien` were tried, with the switches now in row `rij`.
  static void vergelijkTabel(Waarheidstabel& les, const QSet<int>& gezien, int rij, const QString& waar) {
    const TabelPagina p = tabelOpPagina(state().Stap);
    const int n = gegevens(p.schakeling).schakelaars;
    const int uitKolom = n + (p.weergave == Weergave::Voorspellen ? 2 : 1);
    QString kolom;
    for (int r = 0; r < aantalRijen(n); ++r) {
      kolom += gezien.contains(r) ? (uitgangInRij(p.schakeling, r) ? "1" : "0") : "-";
      QVERIFY2((les.cel(r + 1, 1).BackColor() == kRijKleur) == (r == rij), qPrintable(waar + ": lit row"));
      const bool rood = gezien.contains(r) && uitgangInRij(p.schakeling, r);
      QVERIFY2((les.cel(r + 1, uitKolom).BackColor() == kLedKleur) == rood, qPrintable(waar + ": output colour"));
    }
    QVERIFY2(lestest::uitgangKolom(les) == kolom, qPrintable(waar + ": " + lestest::uitgangKolom(les) + " not " + kolom));
    QVERIFY2(les.huidigeRij() == rij, qPrintable(waar));
  }

  // Verder on a page that is not done: refused with `tekst`, the page and its table kept.
  void geweigerd(Waarheidstabel& les, const QString& tekst, const QString& waar) {
    const int stap = state().Stap;
    const QString kolom = lestest::uitgangKolom(les);
    omgeving.basis.dialogs->messages.clear();
    les.Command_Click(1);
    QVERIFY2(state().Stap == stap, qPrintable(waar + ": not refused"));
    QCOMPARE(omgeving.basis.dialogs->messages.size(), 1);
    QCOMPARE(omgeving.basis.dialogs->messages[0].text, tekst);
    QCOMPARE(lestest::uitgangKolom(les), kolom);
    omgeving.basis.dialogs->messages.clear();
  }

  void klikNaam(Waarheidstabel& les, const QString& naam) {
    for (int knop = Waarheidstabel::kEersteNaamKnop; knop < Waarheidstabel::kEersteNaamKnop + 4; ++knop)
      if (les.knoppen()(knop).Caption() == naam) les.Command_Click(knop);
  }

 private Q_SLOTS:
  void initTestCase() { lestest::maakLes2Map(omgeving); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  // Every table page, from the interface and from the F-keys: each position lights its row
  // and writes its output once tried, E1 follows the circuit, the gate refuses until the
  // table is full (and the circuit named), then lets the pupil on.
  void tabelInvullen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("fToetsen");
    for (int stap : waarheidstabelConfig().timerStappen) {
      QTest::addRow("step %d, interface", stap) << stap << false;
      QTest::addRow("step %d, F-keys", stap) << stap << true;
    }
  }
  void tabelInvullen() {
    QFETCH(int, stap);
    QFETCH(bool, fToetsen);
    begin(fToetsen);
    Waarheidstabel& les = lestest::toonLes2(stap);
    const TabelPagina p = tabelOpPagina(stap);
    const int n = gegevens(p.schakeling).schakelaars, rijen = aantalRijen(n);
    QSet<int> gezien;
    if (p.weergave == Weergave::Voorspellen) {
      geweigerd(les, les2NogNietVoorspeld(), "before predicting");
      for (int r = 0; r < rijen; ++r) {
        les.celKlik(Waarheidstabel::celIndex(r + 1, n + 1));
        if (uitgangInRij(p.schakeling, r)) les.celKlik(Waarheidstabel::celIndex(r + 1, n + 1));
      }
    }
    gezien.insert(0);  // the rest position, held when the page (or its last prediction) came
    vergelijkTabel(les, gezien, 0, "on arrival");
    QCOMPARE(state().Uitgangen, uitgangInRij(p.schakeling, 0) ? 1 : 0);
    // Every row, the first one tried twice with the rest position in between.
    QList<int> volgorde = {rijen - 1, 0, rijen - 1};
    for (int r = rijen - 2; r >= 1; --r) volgorde.append(r);
    for (int rij : volgorde) {
      if (gezien.size() < rijen) geweigerd(les, les2TabelNietVol(), QStringLiteral("before row %1").arg(rij));
      for (int knoppen : houd(les, lestest::knoppenVanRij(n, rij))) gezien.insert(rijVanKnoppen(n, knoppen));
      const QString waar = QStringLiteral("row %1").arg(rij);
      vergelijkTabel(les, gezien, rij, waar);
      if (QTest::currentTestFailed()) return;
      QVERIFY2(state().Uitgangen == (uitgangInRij(p.schakeling, rij) ? 1 : 0), qPrintable(waar + ": E1"));
      // The circuit follows the switches, unless it is still to be named.
      if (p.weergave != Weergave::Raden) QCOMPARE(les.plaatjeIn(2), plaatjeInRij(p.schakeling, rij));
    }
    QCOMPARE(gezien.size(), rijen);
    houd(les, 0);
    if (p.weergave == Weergave::Raden) {
      QVERIFY(!les.panelen()(Waarheidstabel::kPlaatjePaneel).Visible());
      geweigerd(les, les2NogNietBenoemd(), "full, not named");
      klikNaam(les, QString::fromLatin1(gegevens(p.schakeling).naam));
      omgeving.basis.dialogs->messages.clear();
    }
    les.Command_Click(1);
    QCOMPARE(state().Stap, stap + 1);
    QVERIFY(omgeving.basis.dialogs->messages.isEmpty());
  }

  // F1 to F3 held together and let go in any order: every position passed is a row tried.
  void loslatenInElkeVolgorde_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<QList<int>>("loslaten");  // F-keys in the order they are let go
    QTest::addColumn<QString>("kolom");        // the output column afterwards
    // Pressing F1, F2, F3 passes 100, 110 and 111; rest (000) was there at the start.
    QTest::newRow("EN: 1, 2, 3 (011, 001)") << 11 << QList<int>{1, 2, 3} << "00-00-01";
    QTest::newRow("EN: 3, 2, 1 (back the same way)") << 11 << QList<int>{3, 2, 1} << "0---0-01";
    QTest::newRow("EN: 2, 3, 1 (101)") << 11 << QList<int>{2, 3, 1} << "0---0001";
    QTest::newRow("alarm: 2, 1, 3 (101, 001)") << 21 << QList<int>{2, 1, 3} << "00--0111";
    QTest::newRow("press: 1, 3, 2 (011, 010)") << 23 << QList<int>{1, 3, 2} << "0-000-10";
  }
  void loslatenInElkeVolgorde() {
    QFETCH(int, stap);
    QFETCH(QList<int>, loslaten);
    QFETCH(QString, kolom);
    Waarheidstabel& les = lestest::toonLes2(stap);
    for (int f = 1; f <= 3; ++f) les.keyDown(vbKeyF1 + f - 1, 0);
    for (int f : loslaten) {
      les.keyUp(vbKeyF1 + f - 1, 0);
      les.timer().fire();
    }
    QCOMPARE(lestest::uitgangKolom(les), kolom);
    QCOMPARE(les.huidigeRij(), 0);
    QCOMPARE(state().Uitgangen, 0);
  }

  // The same position seen again changes nothing; a page left and entered again keeps its
  // table; a new start from the main menu begins with empty tables.
  void tabelBlijftTotNieuweStart() {
    Waarheidstabel& les = lestest::toonLes2(9);
    for (int knoppen : {2, 0, 2, 0}) {
      state().Ingangen = static_cast<std::int16_t>(ingangenVanFToetsen(state().InterfaceSoort, {bool(knoppen & 1), bool(knoppen & 2), false, false, false}));
      state().ToetsEmulatie = true;
      les.TijdInterval_Timer();
    }
    QCOMPARE(lestest::uitgangKolom(les), QStringLiteral("00--"));
    state().ToetsEmulatie = false;
    les.Command_Click(2);
    QCOMPARE(state().Stap, 8);
    state().Stap = 9;
    les.Plaatstekst();
    QCOMPARE(lestest::uitgangKolom(les), QStringLiteral("00--"));
    les.Command_Click(4);  // Stop
    QVERIFY(!les.isVisible());
    state().Stap = 9;
    les.Show();
    QCOMPARE(lestest::uitgangKolom(les), QStringLiteral("0---"));
  }

  void naamKiezen_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<bool>("vol");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("melding");
    QTest::addColumn<bool>("benoemd");
    QTest::newRow("17: a name before the table is full") << 17 << false << "OF" << les2EerstTabelVol() << false;
    QTest::newRow("17: a wrong name") << 17 << true << "EN" << les2VerkeerdeNaam() << false;
    QTest::newRow("17: WEL is wrong too") << 17 << true << "WEL" << les2VerkeerdeNaam() << false;
    QTest::newRow("17: the right name") << 17 << true << "OF" << les2GoedeNaam("OF") << true;
    QTest::newRow("25: a wrong name") << 25 << true << "OF" << les2VerkeerdeNaam() << false;
    QTest::newRow("25: the right name") << 25 << true << "EN" << les2GoedeNaam("EN") << true;
  }
  void naamKiezen() {
    QFETCH(int, stap);
    QFETCH(bool, vol);
    QFETCH(QString, naam);
    QFETCH(QString, melding);
    QFETCH(bool, benoemd);
    Waarheidstabel& les = lestest::toonLes2(stap);
    QVERIFY(les.panelen()(Waarheidstabel::kRaadPaneel).Visible());
    QVERIFY(!les.panelen()(Waarheidstabel::kPlaatjePaneel).Visible());
    const QList<int> standen = vol ? QList<int>{1, 2, 3, 0} : QList<int>{1, 0};
    for (int knoppen : standen) houd(les, knoppen);
    klikNaam(les, naam);
    QCOMPARE(omgeving.meldingen(), QStringList{melding});
    QCOMPARE(les.voortgang(stap).benoemd, benoemd);
    QCOMPARE(les.panelen()(Waarheidstabel::kRaadPaneel).Visible(), !benoemd);
    QCOMPARE(les.panelen()(Waarheidstabel::kPlaatjePaneel).Visible(), benoemd);
    if (benoemd) QCOMPARE(les.plaatjeIn(2), plaatjeInRij(tabelOpPagina(stap).schakeling, 0));
    // The name buttons do nothing on another page.
    omgeving.basis.dialogs->messages.clear();
    state().Stap = 18;
    les.Plaatstekst();
    klikNaam(les, naam);
    QVERIFY(omgeving.basis.dialogs->messages.isEmpty());
    QVERIFY(!les.panelen()(Waarheidstabel::kRaadPaneel).Visible());
  }

  // The prediction page: the switches fill nothing until the column "Jij" is full; then each
  // position tried shows whether the prediction came true.
  void voorspellen() {
    Waarheidstabel& les = lestest::toonLes2(20);
    QCOMPARE(les.cel(0, 3).Caption(), QStringLiteral("Jij"));
    QCOMPARE(les.cel(0, 4).Caption(), QStringLiteral("E1"));
    houd(les, 1);
    QCOMPARE(lestest::uitgangKolom(les), QStringLiteral("----"));
    QCOMPARE(les.huidigeRij(), 2);  // the row lights up all the same
    QCOMPARE(state().Uitgangen, 0);
    // The circuit shows no state until the column is full, whatever is held.
    QCOMPARE(les.plaatjeIn(2), QStringLiteral("ImgTabelNietNietStroomloos.bmp"));
    houd(les, 3);
    QCOMPARE(les.plaatjeIn(2), QStringLiteral("ImgTabelNietNietStroomloos.bmp"));
    houd(les, 0);
    // Clicks on the header, on a switch column and on the output column predict nothing.
    for (int index : {Waarheidstabel::celIndex(0, 3), Waarheidstabel::celIndex(1, 1), Waarheidstabel::celIndex(1, 4),
                      Waarheidstabel::kTabelPaneel})
      les.celKlik(index);
    QCOMPARE(les.voortgang(20).voorspelling(0), -1);
    // Predicted: 1, 1, 0, 0 (the second row wrong: NIET s1 EN NIET s2 is 1, 0, 0, 0), the
    // cells clicked with the mouse.
    const QList<int> klikken = {2, 2, 1, 1};
    for (int rij = 1; rij <= 4; ++rij)
      for (int k = 0; k < klikken[rij - 1]; ++k) QTest::mouseClick(les.cel(rij, 3).widget(), Qt::LeftButton);
    QCOMPARE(les.cel(1, 3).Caption(), QStringLiteral("1"));
    QCOMPARE(les.cel(3, 3).Caption(), QStringLiteral("0"));
    QCOMPARE(lestest::uitgangKolom(les), QStringLiteral("1---"));  // the rest position, now checked
    QCOMPARE(state().Uitgangen, 1);
    QCOMPARE(les.plaatjeIn(2), QStringLiteral("ImgTabelNietNietOnbediend.bmp"));
    QCOMPARE(les.cel(1, 3).BackColor(), kGoedKleur);
    houd(les, 2);  // s2: row 01
    QCOMPARE(lestest::uitgangKolom(les), QStringLiteral("10--"));
    QCOMPARE(les.plaatjeIn(2), QStringLiteral("ImgTabelNietNietS2Bediend.bmp"));
    QCOMPARE(les.cel(2, 3).BackColor(), kFoutKleur);
    QCOMPARE(state().Uitgangen, 0);
    geweigerd(les, les2TabelNietVol(), "half checked");
  }

  void werkboek_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<double>("wachten");
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<bool>("verder");
    QTest::newRow("6, Yes") << 6 << 3.0 << int(DialogService::Yes) << true;
    QTest::newRow("6, No") << 6 << 9.0 << int(DialogService::No) << false;
    QTest::newRow("6, after ten seconds") << 6 << 10.0 << 0 << true;
    QTest::newRow("24, No") << 24 << 0.0 << int(DialogService::No) << false;
    QTest::newRow("28, Yes") << 28 << 1.0 << int(DialogService::Yes) << true;
  }
  void werkboek() {
    QFETCH(int, stap);
    QFETCH(double, wachten);
    QFETCH(int, antwoord);
    QFETCH(bool, verder);
    Waarheidstabel& les = lestest::toonLes2(stap);
    omgeving.basis.clock->advance(wachten);
    if (antwoord) omgeving.basis.dialogs->answers.push_back(antwoord);
    les.Command_Click(1);
    QCOMPARE(state().Stap, verder ? stap + 1 : stap);
    const auto& berichten = omgeving.basis.dialogs->messages;
    if (!antwoord) {
      QVERIFY(berichten.isEmpty());
      return;
    }
    QCOMPARE(berichten.size(), 1);
    QCOMPARE(berichten[0].text, QStringLiteral("Zo... jij kunt snel tekenen.\r\r") + les2Werkboekvraag(stap));
    QCOMPARE(berichten[0].title, QStringLiteral("Vraagje"));
    QVERIFY(les2Werkboekvraag(stap).endsWith('?'));
  }

  // Text pages let the pupil on without a word.
  void tekstPaginasZonderPoort() {
    for (int stap : {1, 2, 3, 4, 5, 13, 16, 19, 22, 26, 27}) {
      Waarheidstabel& les = lestest::toonLes2(stap);
      les.Command_Click(1);
      QVERIFY2(state().Stap == stap + 1, qPrintable(QString::number(stap)));
      QVERIFY(omgeving.basis.dialogs->messages.isEmpty());
      resetWindows();
      lestest::LesOmgeving::registreerNepVensters({WindowId::Hoofdmenu, WindowId::Toetsen});
    }
  }

  void hulp_data() {
    QTest::addColumn<int>("stap");
    for (int stap = 1; stap <= kLes2Paginas; ++stap) QTest::addRow("step %d", stap) << stap;
  }
  void hulp() {
    QFETCH(int, stap);
    Waarheidstabel& les = lestest::toonLes2(stap);
    state().KnopOnderMuis = 3;
    les.knoppen()(3).setBackColor(KleurKnopOnderMuis);
    les.Command_Click(3);
    const QStringList meldingen = omgeving.meldingen();
    QCOMPARE(meldingen.size(), 1);
    const QString tekst = meldingen[0];
    QCOMPARE(tekst, les2HelpTekst(stap));
    QCOMPARE(les.knoppen()(3).BackColor(), KleurKnopNormaal);
    QCOMPARE(state().KnopOnderMuis, 0);
    QCOMPARE(state().Stap, stap);
    // The overview has no help; every other page its own (the last workbook page about the
    // workbook, the end page about the test), and a table page names the keys that stand in
    // for exactly its switches.
    const bool overzicht = stap == 26 || stap == 27;
    QCOMPARE(tekst.startsWith(QStringLiteral("Bij het overzicht is geen hulp")), overzicht);
    if (stap > 1 && !overzicht) QVERIFY(tekst != les2HelpTekst(stap - 1));
    if (stap >= 28)
      QVERIFY2(tekst.contains(stap == 28 ? QStringLiteral("werkboek") : QStringLiteral("toets")), qPrintable(tekst));
    const TabelPagina p = tabelOpPagina(stap);
    if (waarheidstabelConfig().timerStappen.count(stap)) {
      const int n = gegevens(p.schakeling).schakelaars;
      QVERIFY2(tekst.contains(QStringLiteral("F%1").arg(n)), qPrintable(tekst));
      QVERIFY2(!tekst.contains(QStringLiteral("F%1").arg(n + 1)), qPrintable(tekst));
    }
  }

  // A mouse press on a picture (the page or the circuit) copies the page's lines.
  void plaatjeKopieertTekst_data() {
    QTest::addColumn<int>("vak");
    QTest::newRow("page box") << 3;
    QTest::newRow("circuit") << 2;
  }
  void plaatjeKopieertTekst() {
    QFETCH(int, vak);
    Waarheidstabel& les = lestest::toonLes2(8);
    QCOMPARE(omgeving.basis.clipboard->text, QString());
    QTest::mousePress(les.plaatjes()(vak).widget(), Qt::LeftButton);
    QCOMPARE(omgeving.basis.clipboard->text, les2Zinnen(8).join('\r') + '\r');
  }

  // The name buttons light up under the pointer and go back when it moves on.
  void naamKnoppenOnderDeMuis() {
    Waarheidstabel& les = lestest::toonLes2(17);
    auto& knoppen = les.knoppen();
    knoppen.events().MouseMove(5, 0, 0, 0, 0);
    QCOMPARE(knoppen(5).BackColor(), KleurKnopOnderMuis);
    knoppen.events().MouseMove(6, 0, 0, 0, 0);
    QCOMPARE(knoppen(5).BackColor(), KleurKnopNormaal);
    QCOMPARE(knoppen(6).BackColor(), KleurKnopOnderMuis);
    QCOMPARE(int(state().KnopOnderMuis), 6);
    les.panelen().events().MouseMove(Waarheidstabel::kRaadPaneel, 0, 0, 0, 0);
    QCOMPARE(knoppen(6).BackColor(), KleurKnopNormaal);
    QCOMPARE(int(state().KnopOnderMuis), 0);
  }

  void voettekstEnOverdracht() {
    Waarheidstabel& les = lestest::toonLes2(1);
    QCOMPARE(les.windowTitle(), QStringLiteral("Waarheidstabellen"));
    QCOMPARE(state().AantalGeluidskaarten, omgeving.geluid.wav->deviceCount);
    for (int stap = 1; stap <= kLes2Paginas; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
      QCOMPARE(les.panelen()(130).Caption(), QStringLiteral("Les 2 stap %1 van 29").arg(stap));
    }
    les.Command_Click(1);
    QCOMPARE(state().Stap, 30);
    QCOMPARE(state().LesNummer, 2);
    QVERIFY(state().Verlaten);
    QVERIFY(!les.isVisible());
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QVERIFY(!les.timer().Enabled());
  }

  // The pupil's whole way with F1 to F3, from the first page to the test.
  void heleLesMetFToetsen() {
    Waarheidstabel& les = lestest::toonLes2(1);
    int vragen = 0;
    lestest::loopLes2MetFToetsen(les, *omgeving.basis.dialogs, vragen);
    QCOMPARE(vragen, 3);
    QCOMPARE(state().LesNummer, 2);
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
  }
};

QTEST_MAIN(Les2Gedrag)
#include "tst_les2_gedrag.moc"

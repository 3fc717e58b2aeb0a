// Every page of lesson 5 built on arrival from the page before and from the page after, and in
// place after a refusal: frames shown, lines stored, the byte and the weight marks, the footer;
// then the pages whose details matter most (captions, the title panel, the character table,
// the picture sizes, the coloured pieces) and the hand-over to the test.
#include <QTest>

#include "les5/les5_omgeving.h"
#include "platform/vb.h"
#include "shared/zinnen.h"

using namespace kwil;

namespace {
using L = QList<int>;
constexpr std::int32_t kBlauw = 0xFF4000, kRood = 0x132DD4, kGeel = 0x01B3E6, kGroen = 0x109802;

int gevuldeZinnen() {
  int n = 0;
  for (int i = 1; i <= 25; ++i) n += state().Zin[i].isEmpty() ? 0 : 1;
  return n;
}

// The colours of the weights 128, 16, 8 and 1 (the four the conversion of 153 marks).
L markeringen(Binstel& les) {
  return {les.panelen()(26).ForeColor(), les.panelen()(29).ForeColor(), les.panelen()(30).ForeColor(),
          les.panelen()(33).ForeColor()};
}
}  // namespace

class Les5Paginas : public QObject {
  Q_OBJECT
  lestest::LesOmgeving omgeving;

  // Walks page by page from `van` to `naar` (builds only, as Verder and Terug build).
  Binstel& loop(int van, int naar) {
    Binstel& les = lestest::toonLes5(van);
    lestest::bouwPaginas(les, van, naar);
    return les;
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakProgrammaMap(lestest::les5Plaatjes()); }
  void init() { omgeving.begin(); }
  void cleanup() { omgeving.end(); }

  void vooruit_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<L>("lijsten");
    QTest::addColumn<int>("zinnen");
    QTest::addColumn<QString>("eerste");
    auto rij = [](int stap, L lijsten, int zinnen, const char* eerste) {
      QTest::addRow("step %d", stap) << stap << lijsten << zinnen << QString::fromUtf8(eerste);
    };
    rij(1, {}, 6, "In deze les wordt het volgende besproken:");
    rij(2, {}, 5, "Een computer is een apparaat dat bepaalde bewerkingen heel");
    rij(3, {5}, 4, "Een computer is bijvoorbeeld erg goed in rekenen.");
    rij(4, {7}, 4, "Meer moeite heeft een computer met beeldherkenning.");
    rij(5, {7}, 14, "Je zou kunnen denken dat ");
    rij(6, {5, 7, 8, 48}, 5, "Getallen, afbeeldingen, muziek en tekst worden door een computer");
    rij(7, {7, 8}, 5, "Die 'nullen' en 'enen' worden op het beeldscherm weer omgezet");
    rij(8, {5}, 5, "De computer slaat getallen op in het Binaire stelsel.");
    rij(9, {9}, 5, "Elk plekje in het geheugen wordt een bit genoemd.");
    rij(10, {9}, 11, "Met 8 bit's zijn 256 verschillende instellingen mogelijk.");
    rij(11, {9}, 5, "De laatste");
    rij(12, {9}, 10, "De waarde van elk bitje wordt berekend met machtsverheffen.");
    rij(13, {9}, 9, "2");
    rij(14, {9}, 3, "Maak nu eerst vraag 54 tot en met 63 in je werkboek.");
    rij(15, {9, 43}, 5, "De getallen in de...");
    rij(16, {5, 9, 43}, 3, "Het bitje, dat je aangezet hebt, staat onder de decimale 4.");
    rij(17, {5, 9, 43}, 3, "Het bitje dat je aangezet hebt, staat onder de decimale 16.");
    rij(18, {5, 9, 43}, 4, "Het bitje dat je aangezet hebt, staat onder de decimale 64.");
    rij(19, {5, 9, 43}, 4, "Wanneer je Binair  0 0 0 0 0 0 1 1  invoert, moet je de");
    rij(20, {5, 9, 43}, 3, "De decimale waarde van elk bitje dat '1' is moet opgeteld worden.");
    rij(21, {5, 9, 43}, 4, "Onder de getallen 64, 16, 4 en 2 staat een 1.");
    rij(22, {5, 9, 43}, 4, "De binaire waarde van 153 bepaal je als volgt.");
    rij(23, {5, 9, 43}, 13, "Van de 153 heb je er 128.");
    rij(24, {5, 9, 43}, 18, "Je komt nog ");
    rij(25, {5, 9, 43}, 23, "Je komt nog ");
    rij(26, {5, 9, 43}, 24, "Je houdt nog 1 - 1 = 0 over.");
    rij(27, {9, 43}, 3, "Maak nu eerst vraag 64 en 65 in je werkboek.");
    rij(28, {9}, 3, "Je gaat nu een aantal oefeningen op de computer uitvoeren.");
    rij(29, {9}, 2, "Stel hierboven binair de decimale waarde 43 in.");
    rij(30, {9}, 2, "Stel hierboven binair de decimale waarde 170 in.");
    rij(31, {}, 4, "De computer gebruikt dus het binaire stelsel om getallen");
    rij(32, {7}, 6, "Net als bij de foto's, begrijpt een computer niet wat er op");
    rij(33, {7}, 5, "Wil je een MSN of Google account, dan moet je tijdens");
    rij(34, {}, 4, "In een tekstverwerker worden letters niet als plaatje opgeslagen.");
    rij(35, {50}, 7, "In de bovenstaande tabel staat welke waarde bij een letter hoort.");
    rij(36, {50}, 6, "Hoofdletters hebben een andere waarde dan kleine letters.");
    rij(37, {50}, 4, "De ascii tabel loopt van 0 tot en met 127. (7 bits)");
    rij(38, {50}, 5, "Soms wordt gevraagd een tekst in ascii formaat te versturen.");
    rij(39, {50}, 5, "Op een USB stick kunnen alleen maar nullen en enen geschreven");
    rij(40, {50}, 11, "Binair 01000001");
    rij(41, {}, 6, "Overzicht... (1 van 4.)");
    rij(42, {}, 7, "Overzicht... (2 van 4.)");
    rij(43, {}, 7, "Overzicht... (3 van 4.)");
    rij(44, {}, 6, "Overzicht... (4 van 4.)");
    rij(45, {}, 3, "Les 5 is nu klaar.");
  }
  void vooruit() {
    QFETCH(int, stap);
    QFETCH(L, lijsten);
    QFETCH(int, zinnen);
    QFETCH(QString, eerste);
    Binstel& les = loop(1, stap);
    QCOMPARE(lestest::zichtbareLijsten5(les), lijsten);
    QCOMPARE(gevuldeZinnen(), zinnen);
    QCOMPARE(state().Zin[1], eerste);
    QCOMPARE(les.panelen()(47).Caption(), QStringLiteral("Les 5 stap %1 van 45").arg(stap));
    QCOMPARE(state().VorigeStap, stap);
    // Going on never changes the byte (nobody set a bit) and marks the weights step by step.
    QCOMPARE(state().Uitgangen, 0);
    const L marks = stap == 23 ? L{kBlauw, 0, 0, 0}
                    : stap == 24 ? L{kBlauw, kRood, 0, 0}
                    : stap == 25 ? L{kBlauw, kRood, kGeel, 0}
                    : stap == 26 ? L{kBlauw, kRood, kGeel, kGroen}
                                 : L{0, 0, 0, 0};
    if (stap <= 26) QCOMPARE(markeringen(les), marks);
  }

  void achteruit_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<L>("lijsten");
    QTest::addColumn<int>("byte");
    QTest::addColumn<L>("marks");
    auto rij = [](int stap, L lijsten, int byte = 0, L marks = {0, 0, 0, 0}) {
      QTest::addRow("step %d", stap) << stap << lijsten << byte << marks;
    };
    for (int stap = 44; stap >= 41; --stap) rij(stap, {});
    for (int stap = 40; stap >= 35; --stap) rij(stap, {50});
    rij(34, {});
    rij(33, {7});
    rij(32, {7});
    rij(31, {});
    rij(30, {9});
    rij(29, {9});
    rij(28, {9});
    rij(27, {9, 43});
    const L vol = {kBlauw, kRood, kGeel, kGroen};
    rij(26, {5, 9, 43}, 153, vol);
    rij(25, {5, 9, 43}, 153, {kBlauw, kRood, kGeel, 0});
    rij(24, {5, 9, 43}, 153, {kBlauw, kRood, 0, 0});
    rij(23, {5, 9, 43}, 153, {kBlauw, 0, 0, 0});
    rij(22, {5, 9, 43}, 153);
    for (int stap = 21; stap >= 16; --stap) rij(stap, {5, 9, 43}, 153);
    rij(15, {9, 43}, 153);
    for (int stap = 14; stap >= 9; --stap) rij(stap, {9}, 153);
    rij(8, {5}, 153);
    rij(7, {7, 8}, 153);
    rij(6, {5, 7, 8, 48}, 153);
    rij(5, {7}, 153);
    rij(4, {7}, 153);
    rij(3, {5}, 153);
    rij(2, {}, 153);
    rij(1, {}, 153);
  }
  void achteruit() {
    QFETCH(int, stap);
    QFETCH(L, lijsten);
    QFETCH(int, byte);
    QFETCH(L, marks);
    Binstel& les = loop(45, stap);
    QCOMPARE(lestest::zichtbareLijsten5(les), lijsten);
    QCOMPARE(state().Uitgangen, byte);
    QCOMPARE(lestest::bitVakken(les), QStringLiteral("%1").arg(byte, 8, 2, QLatin1Char('0')));
    QCOMPARE(les.panelen()(42).Caption(), QString::number(byte));
    QCOMPARE(markeringen(les), marks);
    QCOMPARE(les.panelen()(47).Caption(), QStringLiteral("Les 5 stap %1 van 45").arg(stap));
  }

  // Built again in place (a refused Verder): the same frames, byte and lines, no animation;
  // the workbook pages restart their clock.
  void terPlaatse_data() {
    QTest::addColumn<int>("stap");
    for (int stap = 1; stap <= 45; ++stap) QTest::addRow("step %d", stap) << stap;
  }
  void terPlaatse() {
    QFETCH(int, stap);
    Binstel& les = loop(1, stap);
    les.Command_Click(5);  // a bit the pupil set (on the pages where the buttons work)
    const L lijsten = lestest::zichtbareLijsten5(les);
    const int byte = state().Uitgangen;
    QStringList zinnen;
    for (int i = 1; i <= 25; ++i) zinnen.append(state().Zin[i]);
    const QImage tekst = les.plaatjes()(1).image();
    omgeving.basis.clock->advance(5);
    const float klok = state().StapStartTijd;
    les.Plaatstekst();
    QCOMPARE(lestest::zichtbareLijsten5(les), lijsten);
    QCOMPARE(state().Uitgangen, byte);
    QVERIFY(les.titelBewegingen().isEmpty());
    for (int i = 1; i <= 25; ++i) QCOMPARE(state().Zin[i], zinnen.at(i - 1));
    QCOMPARE(les.plaatjes()(1).image(), tekst);
    QCOMPARE(state().StapStartTijd != klok, stap == 14 || stap == 27);
  }

  void pagina3Som() {
    Binstel& les = loop(1, 3);
    QCOMPARE(les.panelen()(6).Caption(), QStringLiteral("235,21 x 9652,34 = 2270326,8914"));
    // One line: the caption fits its panel.
    QVERIFY(les.plaatjes()(1).TextWidth(les.panelen()(6).Caption()) < les.panelen()(6).Width() / 15);
  }

  void pagina6FotosMetBijschrift() {
    Binstel& les = loop(1, 6);
    kwil::Panel& ram = les.panelen()(7);
    kwil::Panel& schijf = les.panelen()(8);
    QCOMPARE(ram.Top(), schijf.Top());
    QVERIFY(schijf.Left() > ram.Left() + ram.Width());
    for (const auto& [foto, bijschrift, tekst] :
         {std::tuple{7, 5, "RAM geheugen..."}, std::tuple{8, 48, "Harde schijf..."}}) {
      kwil::Panel& f = les.panelen()(foto);
      kwil::Panel& b = les.panelen()(bijschrift);
      QCOMPARE(b.Left(), f.Left());
      QCOMPARE(b.Width(), f.Width());
      QCOMPARE(b.Top(), f.Top() + f.Height());
      QCOMPARE(les.panelen()(bijschrift + 1).Caption(), QString::fromUtf8(tekst));
    }
    QCOMPARE(les.afbeeldingIn(1), QStringLiteral("ImgGeheugen.jpg"));
    QCOMPARE(les.afbeeldingIn(2), QStringLiteral("ImgHardDisk.jpg"));
  }

  // The title of the byte frame: which arrivals move it, and what it then reads.
  void titel_data() {
    QTest::addColumn<int>("van");
    QTest::addColumn<int>("naar");
    QTest::addColumn<int>("bewegingen");
    QTest::addColumn<QString>("titel");
    QTest::newRow("9 from 8") << 8 << 9 << 0 << "8 bit's = 1 Byte";
    QTest::newRow("11 from 10: no animation") << 10 << 11 << 0 << "8 bit's = 1 Byte";
    QTest::newRow("11 from 12: up and typed") << 12 << 11 << 1 << "8 bit's = 1 Byte.";
    QTest::newRow("12 from 11: down and typed") << 11 << 12 << 1 << "Machtsverheffen.";
    QTest::newRow("12 from 13: stays down") << 13 << 12 << 0 << "Machtsverheffen.";
    QTest::newRow("14 from 15: taller, down, typed") << 15 << 14 << 2 << "Machtsverheffen.";
    QTest::newRow("15 from 14: up, shorter, typed") << 14 << 15 << 2 << "Het Binaire Stelsel.";
    QTest::newRow("15 from 16: only the caption frame goes") << 16 << 15 << 0 << "Het Binaire Stelsel.";
  }
  void titel() {
    QFETCH(int, van);
    QFETCH(int, naar);
    QFETCH(int, bewegingen);
    QFETCH(QString, titel);
    Binstel& les = loop(1, van);
    state().Stap = naar;
    les.Plaatstekst();
    QCOMPARE(les.titelBewegingen().size(), bewegingen);
    QCOMPARE(les.panelen()(44).Caption(), titel);
  }

  void pagina5Gekleurd() {
    Binstel& les = loop(1, 5);
    const QList<QPair<QString, std::int32_t>> verwacht = {
        {"G", kBlauw}, {"o", kRood}, {"o", kGeel}, {"g", kBlauw}, {"l", kGroen}, {"e ", kRood},
        {"G", kBlauw}, {"o", kRood}, {"o", kGeel}, {"g", kBlauw}, {"l", kGroen}, {"e ", kRood},
        {"Porsche carrera", kBlauw}, {"jpg", kRood}, {"  Porsche carrera ", kBlauw}, {"  jpg ", kRood}};
    QCOMPARE(les.gekleurdGedrukt(), verwacht);
    QCOMPARE(les.plaatjes()(1).ForeColor(), 0x8E4522);
    les.plaatjes().events().MouseDown(3, 1, 0, 0, 0);
    const QStringList regels = omgeving.basis.clipboard->text.split(vbCr, Qt::SkipEmptyParts);
    QCOMPARE(regels.size(), 14);
    QCOMPARE(regels.at(1), QStringLiteral("Google "));
    QCOMPARE(regels.at(2), QStringLiteral("afbeeldingen herkent."));
  }

  void pagina26Vanaf27() {
    Binstel& les = loop(45, 27);
    omgeving.uitgangen();
    state().Stap = 26;
    les.Plaatstekst();
    QCOMPARE(lestest::bitVakken(les), QStringLiteral("10011001"));
    QCOMPARE(les.panelen()(42).Caption(), QStringLiteral("153"));
    QCOMPARE(omgeving.uitgangen(), L{153});
    QCOMPARE(les.panelen()(6).Caption(), QStringLiteral("Omrekenen van Decimaal 153 naar Binair..."));
    QCOMPARE(les.panelen()(6).BackColor(), 0x865B38);
    QCOMPARE(markeringen(les), (L{kBlauw, kRood, kGeel, kGroen}));
    QCOMPARE(gevuldeZinnen(), 24);
  }

  // The image on pages 32 and 33 takes the size of the page it was loaded for.
  void afbeelding32en33_data() {
    QTest::addColumn<int>("van");
    QTest::addColumn<int>("naar");
    QTest::addColumn<float>("breedte");  // design twips, times SchaalX
    QTest::addColumn<float>("hoogte");   // times SchaalY
    QTest::newRow("32 from 31") << 31 << 32 << 3600.0f << 1290.0f;
    QTest::newRow("33 from 32") << 32 << 33 << 3600.0f << 1290.0f;
    QTest::newRow("33 from 34") << 34 << 33 << 5100.0f << 1035.0f;
    QTest::newRow("32 from 33") << 33 << 32 << 3600.0f << 1290.0f;
  }
  void afbeelding32en33() {
    QFETCH(int, van);
    QFETCH(int, naar);
    QFETCH(float, breedte);
    QFETCH(float, hoogte);
    Binstel& les = loop(van == 34 ? 45 : 1, van);
    state().Stap = naar;
    les.Plaatstekst();
    const kwil::ImageBox& beeld = les.afbeeldingen()(1);
    QVERIFY(qAbs(beeld.Width() - breedte * state().SchaalX) <= 7.5f);
    QVERIFY(qAbs(beeld.Height() - hoogte * state().SchaalY) <= 7.5f);
    QCOMPARE(les.afbeeldingIn(1), QStringLiteral("ImgCodeTekst.jpg"));
    QVERIFY(les.panelen()(7).Visible());
  }

  // The character table drawn on arrival from 34 and from 41 is the same picture, and a page
  // between them does not draw it again.
  void asciiTabel() {
    Binstel& les = loop(1, 35);
    const QImage eerste = les.plaatjes()(2).image();
    QVERIFY(!eerste.isNull());
    QVERIFY(eerste.pixelColor(eerste.width() / 4, eerste.height() / 10) != Qt::transparent);
    state().Stap = 36;
    les.Plaatstekst();
    les.plaatjes()(2).image().fill(Qt::red);  // a page that does not draw leaves this
    state().Stap = 35;
    les.Plaatstekst();
    QCOMPARE(les.plaatjes()(2).image().pixelColor(1, 1), QColor(Qt::red));
    for (int stap = 36; stap <= 41; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
    }
    QVERIFY(!les.panelen()(50).Visible());
    state().Stap = 40;
    les.Plaatstekst();
    QVERIFY(les.panelen()(50).Visible());
    QCOMPARE(les.plaatjes()(2).image(), eerste);
  }

  // A second start from the main menu, after a Stop anywhere: the byte 0, every bit box "0",
  // no frame in view and the title up over the powers, ready for page 9.
  void tweedeStart_data() {
    QTest::addColumn<int>("gestopt");
    for (int stap : {6, 13, 20, 26, 30, 36}) QTest::addRow("stopped on %d", stap) << stap;
  }
  void tweedeStart() {
    QFETCH(int, gestopt);
    Binstel& les = loop(1, gestopt);
    les.Command_Click(5);
    les.Command_Click(4);
    QVERIFY(!les.isVisible());
    QCOMPARE(omgeving.uitgangen().last(), 0);
    state().Stap = 1;
    les.Show();
    QCOMPARE(lestest::zichtbareLijsten5(les), L{});
    QCOMPARE(lestest::bitVakken(les), QStringLiteral("00000000"));
    QCOMPARE(les.panelen()(42).Caption(), QStringLiteral("0"));
    QCOMPARE(markeringen(les), (L{0, 0, 0, 0}));
    for (int stap = 2; stap <= 9; ++stap) {
      state().Stap = stap;
      les.Plaatstekst();
    }
    const kwil::Panel& titel = les.panelen()(44);
    QVERIFY(titel.Top() + titel.Height() <= les.panelen()(34).Top());  // the bit boxes in view
    QCOMPARE(titel.Caption(), QStringLiteral("8 bit's = 1 Byte"));
  }

  void overdracht() {
    Binstel& les = loop(1, 45);
    QCOMPARE(omgeving.uitgangen().last(), 0);
    state().Voortgang = 3;
    state().Stap = 46;
    les.Plaatstekst();
    QCOMPARE(state().LesNummer, 5);
    QVERIFY(state().Verlaten);
    QVERIFY(!les.isVisible());
    QVERIFY(existingWindow(WindowId::Toetsen)->isVisible());
    QCOMPARE(state().Voortgang, 3);
    QCOMPARE(gevuldeZinnen(), 0);
    QCOMPARE(les.panelen()(47).Caption(), QStringLiteral("Les 5 stap 46 van 45"));
  }
};

QTEST_MAIN(Les5Paginas)
#include "tst_les5_paginas.moc"

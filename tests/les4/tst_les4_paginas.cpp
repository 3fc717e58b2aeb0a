// Every page of lesson 4 built on arrival from the page before, from the page after, and in
// place after a refusal: the frames shown, the pictures loaded, the outputs written, the lines
// stored, the footer; where the frames stand; the clipboard copy; the new layout terms.
#include <QTest>

#include "les4/les4_omgeving.h"
#include "lessons/les4/les4teksten.h"

using namespace kwil;

namespace {

using L = QList<int>;
constexpr int S = Formule::kSchemaLijst, P = Formule::kPoortLijst, F = Formule::kFormuleLijst;

int gevuldeZinnen() {
  int n = 0;
  for (int i = 1; i <= 25; ++i) n += state().Zin[i].isEmpty() ? 0 : 1;
  return n;
}

// Positions of controls on the window are whole pixels.
void ongeveer(float werkelijk, float verwacht, const char* wat) {
  QVERIFY2(qAbs(werkelijk - verwacht) <= 0.5f,
           qPrintable(
               QStringLiteral("%1: %2 instead of %3").arg(QLatin1String(wat)).arg(werkelijk).arg(verwacht)));
}

// The three frames side by side: gates centred, the circuit in the strip to the left, the
// formula in the strip to the right (each kept inside the window).
void zijAanZij(Formule& les, float poortVerschuiving = 0) {
  const auto& p = les.panelen();
  const float w = les.ScaleWidth();
  QCOMPARE(p(P).Width(), float(lestest::kPoortMaat.width() + 20));
  ongeveer(p(P).Left(), w / 2 - p(P).Width() / 2 + poortVerschuiving, "gates left");
  ongeveer(p(P).Top(), p(2).Top() / 2 - p(P).Height() / 2, "gates top");
  ongeveer(p(S).Left(), p(P).Left() / 2 - p(S).Width() / 2, "circuit left");
  if (p(F).Visible())
    ongeveer(p(F).Left(), (p(P).Left() + w + p(P).Width()) / 2 - p(F).Width() / 2, "formula left");
}

}  // namespace

class Les4Paginas : public QObject {
  Q_OBJECT
  lestest::Les4Omgeving omgeving;

  void pagina_data(bool vooruit) {
    QTest::addColumn<int>("stap");
    QTest::addColumn<L>("lijsten");
    QTest::addColumn<QStringList>("plaatjes");  // boxes 2, 3, 4 as the frames show them ("" = not checked)
    QTest::addColumn<L>("uit");                 // values written on arrival
    auto rij = [](int stap, L lijsten, QStringList plaatjes, L uit) {
      QTest::addRow("step %d", stap) << stap << lijsten << plaatjes << uit;
    };
    const QStringList en2 = {"ImgSchemaLedEnabOnbediend.bmp", "ImgLogPoortEn2Onbediend.bmp", ""};
    const QStringList of2 = {"ImgSchemaLedOfabOnbediend.bmp", "ImgLogPoortOf2Onbediend.bmp", ""};
    const QStringList niet = {"ImgSchemaLedNietaOnbediend.bmp", "ImgLogPoortNietOnbediend.bmp", ""};
    const QStringList enNiet = {"ImgSchemaLedEnaNietbOnbediend.bmp", "ImgLogPoortEnaNietbOnbediend.bmp", ""};
    const QStringList enOf = {"ImgSchemaLedEnOfabcOnbediend.bmp", "ImgLogPoortEnOfOnbediend.bmp", ""};
    const QStringList relais = {"ImgSchemaRelaisLedOfabNietEncOnbediend.bmp",
                                "ImgLogPoortOfabNietEncOnbediend.bmp", ""};
    auto met = [](QStringList twee, const char* formule) {
      twee[2] = QString::fromLatin1(formule);
      return twee;
    };
    const QStringList niets = {"", "", ""};
    if (vooruit) {
      rij(2, {S, P}, en2, {});
      rij(3, {S, P}, en2, {});
      rij(4, {S, P, F}, met(en2, "ImgAlgebraaENb.bmp"), {});
      rij(5, {S, P, F},
          {"ImgSchemaLedEnabcOnbediend.bmp", "ImgLogPoortEn3Onbediend.bmp", "ImgAlgebraaENbENc.bmp "}, {});
      rij(6, {}, niets, {});
      rij(7, {S, P}, of2, {});
      rij(8, {S, P, F}, met(of2, "ImgAlgebraaOFb.bmp "), {});
      rij(9, {}, niets, {});
      rij(10, {S, P}, niet, {1});
      rij(11, {S, P, F}, met(niet, "ImgAlgebraNIETa.bmp "), {});
      rij(12, {S, P}, enNiet, {0});
      rij(13, {S, P, F}, met(enNiet, "ImgAlgebraaENNIETb.bmp "), {});
      rij(14, {}, niets, {});
      rij(15, {S, P}, enOf, {});
      rij(16, {S, P, F}, met(enOf, "ImgAlgebraaENbOFc.bmp "), {});
      rij(17, {S, P}, relais, {});
      rij(18, {S, P, F}, met(relais, "ImgAlgebraaOFbNIETENc.bmp "), {});
      for (int stap = 19; stap <= 22; ++stap) rij(stap, {}, niets, {});
    } else {
      for (int stap = 21; stap >= 19; --stap) rij(stap, {}, niets, {});
      rij(18, {S, P, F}, met(relais, "ImgAlgebraaOFbNIETENc.bmp "), {});
      rij(17, {S, P}, relais, {});
      rij(16, {S, P, F}, met(enOf, "ImgAlgebraaENbOFc.bmp "), {});
      rij(15, {S, P}, enOf, {});
      rij(14, {}, niets, {});
      rij(13, {S, P, F}, met(enNiet, "ImgAlgebraaENNIETb.bmp "), {});
      rij(12, {S, P}, enNiet, {});
      rij(11, {S, P, F}, met(niet, "ImgAlgebraNIETa.bmp "), {1});
      rij(10, {S, P}, niet, {});
      rij(9, {}, niets, {0});
      rij(8, {S, P, F}, met(of2, "ImgAlgebraaOFb.bmp "), {});
      rij(7, {S, P}, of2, {});
      rij(6, {}, niets, {});
      rij(5, {S, P, F},
          {"ImgSchemaLedEnabcOnbediend.bmp", "ImgLogPoortEn3Onbediend.bmp", "ImgAlgebraaENbENc.bmp "}, {});
      rij(4, {S, P, F}, met(en2, "ImgAlgebraaENb.bmp"), {});
      rij(3, {S, P}, en2, {});
      rij(2, {S, P}, en2, {});
      rij(1, {}, niets, {});
    }
  }

  void controleer(Formule& les, int stap, const L& lijsten, const QStringList& plaatjes, const L& uit) {
    QCOMPARE(lestest::zichtbareLijsten(les), lijsten);
    for (int i = 0; i < 3; ++i)
      if (!plaatjes[i].isEmpty()) QCOMPARE(les.plaatjeIn(kSchemaVak + i), plaatjes[i]);
    QCOMPARE(omgeving.uitgangen(), uit);
    QCOMPARE(gevuldeZinnen(), les4Zinnen(stap).size());
    QCOMPARE(state().Zin[1], les4Zinnen(stap).value(0));
    QCOMPARE(les.panelen()(6).Caption(), QStringLiteral("Les 4 stap %1 van 22").arg(stap));
    QCOMPARE(state().VorigeStap, stap);
    // A picture that is shown is the file itself, whatever blank its name ends in.
    for (int p : lijsten) {
      const int vak = p == S ? kSchemaVak : p == P ? kPoortVak : kFormuleVak;
      QCOMPARE(les.plaatjes()(vak).Width() / TwipsPerPixel,
               float(lestest::les4Maat(les.plaatjeIn(vak).trimmed()).width()));
      QCOMPARE(les.panelen()(p).Height(),
               float(lestest::les4Maat(les.plaatjeIn(vak).trimmed()).height() + 20));
    }
  }

 private Q_SLOTS:
  void initTestCase() { omgeving.maakLes4Map(); }
  void init() { omgeving.begin(); }
  void cleanup() {
    omgeving.end();
    omgeving.basis.screen->size = QSize(1024, 768);
  }

  void vooruit_data() { pagina_data(true); }
  void vooruit() {
    QFETCH(int, stap);
    QFETCH(L, lijsten);
    QFETCH(QStringList, plaatjes);
    QFETCH(L, uit);
    Formule& les = lestest::bouwVan(1, stap - 1);
    omgeving.uitgangen();
    state().Stap = stap;
    les.Plaatstekst();
    controleer(les, stap, lijsten, plaatjes, uit);
    if (lijsten.size() >= 2 && stap != 17 && stap != 18) zijAanZij(les);
  }

  void achteruit_data() { pagina_data(false); }
  void achteruit() {
    QFETCH(int, stap);
    QFETCH(L, lijsten);
    QFETCH(QStringList, plaatjes);
    QFETCH(L, uit);
    Formule& les = lestest::bouwVan(1, stap + 1);
    omgeving.uitgangen();
    state().Stap = stap;
    les.Plaatstekst();
    controleer(les, stap, lijsten, plaatjes, uit);
  }

  // Built again where it stands (a refused Verder): only the text; page 9 hides the frames.
  void terPlaatse_data() {
    QTest::addColumn<int>("stap");
    for (int stap = 1; stap <= 22; ++stap) QTest::addRow("step %d", stap) << stap;
  }
  void terPlaatse() {
    QFETCH(int, stap);
    Formule& les = lestest::bouwVan(1, stap);
    for (int p : {S, P, F}) les.panelen()(p).setVisible(!les.panelen()(p).Visible());
    const QList<int> omgedraaid = lestest::zichtbareLijsten(les);
    const QStringList geladen = les.recentGeladen();
    const float klok = state().StapStartTijd;
    omgeving.basis.clock->advance(3);
    omgeving.uitgangen();
    les.Plaatstekst();
    QCOMPARE(lestest::zichtbareLijsten(les), stap == 9 ? QList<int>{} : omgedraaid);
    QCOMPARE(les.recentGeladen(), geladen);
    QCOMPARE(omgeving.uitgangen(), QList<int>{});
    QCOMPARE(gevuldeZinnen(), les4Zinnen(stap).size());
    QCOMPARE(state().StapStartTijd, stap == 14 ? klok + 3 : klok);
  }

  // Lines of a page that stand apart in the copy although they were printed in one row.
  void kopie_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("vak");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("4 on the page box") << 4 << 5
                                       << "Een formule... \r- begint met de uitgang. (Hier is dat E)\r"
                                          "- gebruikt voor de EN functie een . (PUNT)\r"
                                          "Dus:  E = a . b    spreek je uit als:  E is a EN b.\r";
    QTest::newRow("11 on the formula") << 11 << 4
                                       << "In een formule...\r- kunnen streepjes getekend worden.\r"
                                          "- stelt een streepje de NIET functie voor.\r_\rE =\ra\r"
                                          "spreek je uit als:  E is NIET a\r";
    QTest::newRow("15 on the circuit") << 15 << 2
                                       << "In een formule kan de EN samen met de OF gebruikt worden.\r"
                                          "Voor beide schema's geldt:  a EN b OF c = E.\rDat wil zeggen...\r"
                                          "wanneer a = 1 EN b = 1\rOF\rwanneer c = 1\rDAN\ris E ook 1.\r";
  }
  void kopie() {
    QFETCH(int, stap);
    QFETCH(int, vak);
    QFETCH(QString, tekst);
    Formule& les = lestest::bouwVan(1, stap);
    les.plaatjes().events().Click(vak);
    QCOMPARE(omgeving.basis.clipboard->text, tekst);
  }

  // The gate frame of the AND-OR circuit moves right on a narrow window only.
  void enOfOpSmalScherm_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<int>("naar");
    QTest::addColumn<float>("verschuiving");
    QTest::newRow("800, from 14") << QSize(800, 600) << 15 << 30.0f;
    QTest::newRow("800, back from 17") << QSize(800, 600) << 16 << 30.0f;
    QTest::newRow("1024, from 14") << QSize(1024, 768) << 15 << 0.0f;
  }
  void enOfOpSmalScherm() {
    QFETCH(QSize, scherm);
    QFETCH(int, naar);
    QFETCH(float, verschuiving);
    omgeving.basis.screen->size = scherm;
    Formule& les = naar == 15 ? lestest::bouwVan(1, 15) : lestest::bouwVan(17, 16);
    QVERIFY(les.ScaleWidth() <= 800 || verschuiving == 0);
    zijAanZij(les, verschuiving);
  }

  // The relay page's own layout, and the formula joining it on page 18.
  void relaisIndeling_data() {
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<bool>("lager");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << false;
    QTest::newRow("800 x 600") << QSize(800, 600) << true;
  }
  void relaisIndeling() {
    QFETCH(QSize, scherm);
    QFETCH(bool, lager);
    omgeving.basis.screen->size = scherm;
    Formule& les = lestest::bouwVan(15, 18);
    const auto& p = les.panelen();
    const float w = les.ScaleWidth();
    ongeveer(p(S).Left(), w / 3.5f - p(S).Width() / 2, "circuit left");
    ongeveer(p(P).Top(), p(S).Top() + (lager ? 30 * state().SchaalY : 0.0f), "gates top");
    ongeveer(p(P).Left(), (p(S).Left() + w + p(S).Width()) / 2 - p(P).Width() / 2, "gates left");
    ongeveer(p(F).Top() + p(F).Height(), p(S).Top() + p(S).Height(), "formula bottom");
    ongeveer(p(F).Left() + p(F).Width(), p(P).Left() + p(P).Width(), "formula right");
    // Back to 16 undoes the relay layout; back from 18 to 17 keeps it.
    state().Stap = 17;
    les.Plaatstekst();
    ongeveer(p(S).Left(), w / 3.5f - p(S).Width() / 2, "circuit left");
    state().Stap = 16;
    les.Plaatstekst();
    zijAanZij(les, les.ScaleWidth() <= 800 ? 30 : 0);
  }

  // An OR circuit wider than the strip left of the gates: a margin of 15 on its pages; any
  // other circuit is kept inside the window.
  void breedSchema_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("van");
    QTest::addColumn<int>("naar");
    QTest::addColumn<float>("links");
    QTest::newRow("OR, 6 to 7") << "ImgSchemaLedOfabOnbediend.bmp" << 6 << 7 << 15.0f;
    QTest::newRow("OR, 9 to 8") << "ImgSchemaLedOfabOnbediend.bmp" << 9 << 8 << 15.0f;
    QTest::newRow("AND, 1 to 2") << "ImgSchemaLedEnabOnbediend.bmp" << 1 << 2 << 0.0f;
  }
  void breedSchema() {
    QFETCH(QString, naam);
    QFETCH(int, van);
    QFETCH(int, naar);
    QFETCH(float, links);
    QImage breed(700, 110, QImage::Format_RGB32);
    breed.fill(Qt::white);
    omgeving.bewaarPlaatje(naam, breed);
    Formule& les = lestest::bouwVan(van, naar);
    QImage gewoon(lestest::kSchemaMaat, QImage::Format_RGB32);
    gewoon.fill(Qt::white);
    omgeving.bewaarPlaatje(naam, gewoon);
    QVERIFY(les.panelen()(P).Left() / 2 - les.panelen()(S).Width() / 2 < 0);
    QCOMPARE(les.panelen()(S).Left(), links);
  }

  void voettekst() {
    lestest::bouwVan(10, 11);
    QCOMPARE(windowAs<Formule>(WindowId::Formule)->panelen()(6).Caption(),
             QStringLiteral("Les 4 stap 11 van 22"));
  }

  // The layout terms for the bar over a letter and for two tabbed parts.
  void opmaak_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("soort");
    QTest::addColumn<QList<int>>("getallen");  // zin, tweede, kolom, kolom2, hoogte
    using A = Afdruk::Soort;
    QTest::newRow("raise") << "^10" << int(A::Omhoog) << QList<int>{0, 0, 0, 0, 10};
    QTest::newRow("two tabs") << "T22.5.T28.6" << int(A::TweeTabs) << QList<int>{5, 6, 22, 28, 0};
    QTest::newRow("split row still") << "3.T28.4" << int(A::Paar) << QList<int>{3, 4, 28, 0, 0};
  }
  void opmaak() {
    QFETCH(QString, term);
    QFETCH(int, soort);
    QFETCH(QList<int>, getallen);
    const QList<Afdruk> a = leesOpmaak(term);
    QCOMPARE(a.size(), 1);
    QCOMPARE(int(a[0].soort), soort);
    QCOMPARE((QList<int>{a[0].zin, a[0].tweede, a[0].kolom, a[0].kolom2, a[0].hoogte}), getallen);
  }
  void opmaakFouten_data() {
    QTest::addColumn<QString>("term");
    QTest::newRow("raise without a number") << "^";
    QTest::newRow("two tabs, one column") << "T22.5.T.6";
    QTest::newRow("raise negative") << "^-3";
  }
  void opmaakFouten() {
    QFETCH(QString, term);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, leesOpmaak(term));
  }

  // The bar stands above the letter: its row is raised by 10 canvas units and the formula
  // row by 5 more, unscaled, while the gaps between rows are scaled.
  void streepBovenDeLetter_data() {
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("rijen");
    QTest::addColumn<int>("tussenruimte");
    QTest::newRow("11") << 11 << 7 << 5;
    QTest::newRow("13") << 13 << 7 << 5;
    QTest::newRow("20") << 20 << 6 << 20;
  }
  void streepBovenDeLetter() {
    QFETCH(int, stap);
    QFETCH(int, rijen);
    QFETCH(int, tussenruimte);
    omgeving.basis.screen->size = QSize(1280, 960);  // SchaalY 2: scaled and unscaled differ
    Formule& les = lestest::bouwVan(stap - 1, stap);
    const kwil::PictureBox& canvas = les.plaatjes()(1);
    const float verwacht = float(rijen) * canvas.TextHeight() + float(tussenruimte) * state().SchaalY - 15;
    QVERIFY2(qAbs(canvas.CurrentY() - verwacht) < 0.01f,
             qPrintable(QStringLiteral("%1 instead of %2").arg(canvas.CurrentY()).arg(verwacht)));
  }
};

QTEST_MAIN(Les4Paginas)
#include "tst_les4_paginas.moc"

// The pages of lesson 5: what each page shows beside its text when it is entered from a
// neighbouring page, the title panel's movements, the character table, and the text itself.
#include <algorithm>

#include "interface/outputs.h"
#include "lessons/les5/binstel.h"
#include "platform/vb.h"
#include "shared/datafiles.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {
constexpr std::int32_t kBinairNaarDecimaal = 0x404040;
constexpr std::int32_t kDecimaalNaarBinair = 0x865B38;
constexpr std::int32_t kStap1 = kLes5Blauw, kStap2 = kLes5Rood, kStap3 = kLes5Geel, kStap4 = kLes5Groen;
const QString kNaarDecimaal = QStringLiteral("Omrekenen van Binair naar Decimaal...");
const QString kNaarBinair = QStringLiteral("Omrekenen van Decimaal 153 naar Binair...");
const QString kMachten = QStringLiteral("Machtsverheffen.");

// The product on page 3 in its printed form with a decimal comma: the number's text with its
// sign place, cut round the decimal point.
QString somMetKomma() {
  const QString getal = QStringLiteral(" 2270326.8914");  // 235.21 x 9652.34
  return QStringLiteral("235,21 x 9652,34 =") + getal.left(8) + QStringLiteral(",") + getal.mid(9);
}
}  // namespace

void Binstel::bouwPagina() {
  KwilState& s = state();
  const int stap = s.Stap, vorige = s.VorigeStap;
  titelBewegingen_.clear();
  gekleurd_.clear();
  if (stap == 45) SchrijfUitgangen(0);
  // A page rebuilt in place (after a refusal) only prints its text again.
  if (vorige != stap) {
    if (stap <= 14)
      aankomst1tot14(stap, vorige);
    else if (stap <= 31)
      aankomst15tot31(stap, vorige);
    else
      aankomst32tot46(stap, vorige);
  }
  // Entries made on every arrival, whatever the direction.
  if (stap == 2) {
    verberg(9);
    verberg(43);
  } else if (stap == 3) {
    bijschrift(5, 6, somMetKomma(), bijschriftBreedte(somMetKomma(), 0), 1215);
    toon(5);
  } else if (stap == 8) {
    const QString binair = QStringLiteral("Binair is alleen maar 0 of 1.");
    Panel(6).setFontSize(18 * s.SchaalY);
    bijschrift(5, 6, binair, bijschriftBreedte(binair, 18 * s.SchaalY), 1215);
    Panel(6).Refresh();
    toon(5);
  } else if (stap == 23) {
    Panel(26).setForeColor(kStap1);
  } else if (stap == 24) {
    Panel(29).setForeColor(kStap2);
  } else if (stap == 25) {
    Panel(30).setForeColor(kStap3);
  } else if (stap == 26) {
    Panel(30).setForeColor(kStap3);
    Panel(33).setForeColor(kStap4);
  } else if (stap == 35 || stap == 40) {
    toon(50);
  }
  drukPagina(les5Pagina(stap));
  if ((stap >= 9 && stap <= 11) || stap == 15) TijdInterval.setEnabled(true);
  if (stap == 14 || stap == 27) startTekenKlok();
}

void Binstel::aankomst1tot14(int stap, int vorige) {
  const KwilState& s = state();
  switch (stap) {
    case 2:
      if (vorige == 3) verberg(5);
      break;
    case 3:
      if (vorige == 4) verberg(7);
      break;
    case 4:
    case 5:
      if (vorige == stap - 1 || vorige == stap + 1) {
        for (int p : {5, 48, 7, 8}) verberg(p);
        if (stap == 4)
          foto(7, 1, 5760 * s.SchaalY, 3660 * s.SchaalY, QStringLiteral("ImgAuto.jpg"));
        else
          foto(7, 1, 9000, 4500, QStringLiteral("ImgGooglePorsche.bmp"));
        Panel(7).setLeft(60 * s.SchaalX);
        toon(7);
      }
      break;
    case 6:
      if (vorige == 5 || vorige == 7) {
        verberg(7);
        verberg(8);
        foto(7, 1, 200 * s.SchaalY * 15, 200 * s.SchaalY * 15, QStringLiteral("ImgGeheugen.jpg"));
        Panel(7).setLeft(20 * s.SchaalX);
        Panel(7).setTop(42 * s.SchaalY);
        foto(8, 2, 300 * s.SchaalY * 15, 200 * s.SchaalY * 15, QStringLiteral("ImgHardDisk.jpg"));
        Panel(8).setLeft(Panel(7).Left() + Panel(7).Width() + 20 * s.SchaalX);
        Panel(8).setTop(42 * s.SchaalY);
        bijschriftOnderFoto(5, 6, 7, QStringLiteral("RAM geheugen..."));
        bijschriftOnderFoto(48, 49, 8, QStringLiteral("Harde schijf..."));
        for (int p : {7, 8, 5, 48}) toon(p);
      }
      break;
    case 7:
      if (vorige == 6 || vorige == 8) {
        Panel(6).setFontSize(10 * s.SchaalY);
        for (int p : {5, 48, 7, 8}) verberg(p);
        foto(7, 1, 4800, 4800, QStringLiteral("ImgBitBinair.bmp"));
        Panel(7).setLeft(20 * s.SchaalX);
        foto(8, 2, 4800, 4800, QStringLiteral("ImgBinBitmap.bmp"));
        Panel(8).setLeft(Panel(7).Left() + Panel(7).Width() + 20 * s.SchaalX);
        toon(7);
        toon(8);
      }
      break;
    case 8:
      if (vorige == 9) {
        verberg(9);
        verberg(43);
      } else if (vorige == 7) {
        verberg(7);
        verberg(8);
      }
      break;
    case 9:
      if (vorige == 8) {
        Panel(6).setFontSize(10 * s.SchaalY);
        verberg(5);
        Panel(44).setCaption(QStringLiteral("8 bit's = 1 Byte"));
        toon(9);
      }
      break;
    case 11:
      if (vorige == 12) {
        Panel(44).setCaption({});
        schuifTitel(1275, 30, -5, false);
        typTitel(QStringLiteral("8 bit's = 1 Byte."));
      }
      break;
    case 12:
      if (vorige == 11) {
        Panel(44).setCaption({});
        schuifTitelOmlaag();
        typTitel(kMachten);
      }
      break;
    case 14:
      if (vorige == 15) {
        Panel(44).setCaption({});
        verberg(43);
        schuifTitel(680, 1245, 5, true);
        schuifTitelOmlaag();
        typTitel(kMachten);
      }
      break;
    default:
      break;
  }
}

void Binstel::aankomst15tot31(int stap, int vorige) {
  KwilState& s = state();
  switch (stap) {
    case 15:
      if (vorige == 14) {
        Panel(44).setCaption({});
        schuifTitel(1275, 30, -5, false);
        schuifTitel(1245, 680, -5, true);
        typTitel(QStringLiteral("Het Binaire Stelsel."));
        toon(43);
      } else if (vorige == 16) {
        verberg(5);
      }
      break;
    case 16:
      if (vorige == 15) conversieTitel(kNaarDecimaal, -1);
      break;
    case 21:
      if (vorige == 22) conversieTitel(kNaarDecimaal, kBinairNaarDecimaal);
      break;
    case 22:
      if (vorige == 21) conversieTitel(kNaarBinair, kDecimaalNaarBinair);
      if (vorige == 23) Panel(26).setForeColor(0);
      break;
    case 23:
    case 24:
    case 25:
      // Going back takes the mark of the weight the page after it added.
      if (vorige == stap + 1) Panel(stap == 23 ? 29 : stap == 24 ? 30 : 33).setForeColor(0);
      break;
    case 26:
      if (vorige == 27) {
        Panel(26).setForeColor(kStap1);
        Panel(29).setForeColor(kStap2);
        for (int b = 0; b < 8; ++b) zetBit(b, (153 >> b) & 1);
        s.Uitgangen = 153;
        SchrijfUitgangen(s.Uitgangen);
        Panel(42).setCaption(QString::number(s.Uitgangen));
        conversieTitel(kNaarBinair, kDecimaalNaarBinair);
      }
      break;
    case 27:
      if (vorige == 26) {
        verberg(5);
        wisByte();
      } else if (vorige == 28) {
        toon(9);
        toon(43);
      }
      break;
    case 28:
      if (vorige == 27 || vorige == 29) {
        wisByte();
        verberg(43);
      }
      break;
    case 29:
      if (vorige == 28 || vorige == 30) wisByte();
      break;
    case 30:
      if (vorige == 31) {
        verberg(43);
        toon(9);
      }
      if (vorige == 29 || vorige == 31) wisByte();
      break;
    case 31:
      if (vorige == 30) {
        verberg(9);
        verberg(43);
        wisByte();
      } else if (vorige == 32) {
        verberg(7);
      }
      break;
    default:
      break;
  }
}

void Binstel::aankomst32tot46(int stap, int vorige) {
  const KwilState& s = state();
  switch (stap) {
    case 32:
      if (vorige == 31 || vorige == 33) {
        for (int p : {5, 7, 8}) verberg(p);
        foto(7, 1, 3600 * s.SchaalX, 1290 * s.SchaalY, QStringLiteral("ImgCodeTekst.jpg"));
        Panel(7).setLeft(60 * s.SchaalX);
        toon(7);
      }
      break;
    case 33:
      if (vorige == 34) {
        foto(7, 1, 5100 * s.SchaalX, 1035 * s.SchaalY, QStringLiteral("ImgCodeTekst.jpg"));
        Panel(7).setLeft(60 * s.SchaalX);
        toon(7);
      }
      break;
    case 34:
      if (vorige == 33) verberg(7);
      if (vorige == 35) verberg(50);
      break;
    case 35:
      if (vorige == 34) tekenAsciiTabel(7);
      break;
    case 40:
      if (vorige == 41) tekenAsciiTabel(50);
      break;
    case 41:
      if (vorige == 40) verberg(50);
      break;
    default:
      break;
  }
}

// --- Frames --------------------------------------------------------------------------------------

// The width of a one-line caption: the text measured on the canvas (in `punten` points when
// given, else in the canvas's own font) plus a margin, in twips.
float Binstel::bijschriftBreedte(const QString& tekst, float punten) {
  kwil::PictureBox& canvas = PictureBox(1);
  const float bewaard = canvas.FontSize();
  if (punten > 0) canvas.setFontSize(punten);
  const float breedte = canvas.TextWidth(tekst) * 15 + 600 * state().SchaalX;
  canvas.setFontSize(bewaard);
  return breedte;
}

// A one-line caption in the inner panel, its frame sized round it and centred (not shown).
void Binstel::bijschrift(int buiten, int binnen, const QString& tekst, float breedte, float hoogte) {
  kwil::Panel& p = Panel(binnen);
  p.setHeight(hoogte * state().SchaalY);
  p.setWidth(breedte);
  p.setCaption(tekst);
  CentreerPanelEnPanel(buiten, binnen);
}

// A caption frame as wide as the photo frame above it, directly under it.
void Binstel::bijschriftOnderFoto(int buiten, int binnen, int foto, const QString& tekst) {
  bijschrift(buiten, binnen, tekst, Panel(foto).Width() * 15 - 300, 600);
  Panel(buiten).setLeft(Panel(foto).Left());
  Panel(buiten).setTop(Panel(foto).Top() + Panel(7).Height());
}

void Binstel::foto(int lijst, int beeld, float breedte, float hoogte, const QString& naam) {
  ImageBox(beeld).setWidth(breedte);
  ImageBox(beeld).setHeight(hoogte);
  laadAfbeelding(beeld, naam);
  CentreerPanelEnImageBox(lijst, beeld);
}

void Binstel::laadAfbeelding(int i, const QString& naam) {
  afbeeldingen_.insert(i, naam);
  const QString pad = dataFilePath(QStringLiteral("\\Afbeeldingen\\") + naam);
  // A missing picture leaves an empty frame; the page goes on.
  if (pad.isEmpty() || !ImageBox(i).setPicture(pad)) ImageBox(i).clearPicture();
}

// The caption frame of the conversions, under the title of the byte frame (kleur < 0: the
// inner panel keeps its colour).
void Binstel::conversieTitel(const QString& titel, std::int32_t kleur) {
  const KwilState& s = state();
  if (kleur >= 0) {
    verberg(5);
    Panel(6).setBackColor(kleur);
  }
  kwil::Panel& binnen = Panel(6);
  binnen.setHeight(600 * s.SchaalY);
  binnen.setWidth(Panel(44).Width() - 180);
  binnen.setCaption(titel);
  CentreerPanelEnPanel(5, 6);
  Panel(5).setTop(250 * s.SchaalY);
  Panel(5).setLeft(Panel(9).Left());
  toon(5);
}

// The character table: codes 65 to 124, ten rows of six columns, drawn afresh. The box is
// measured in the box's own type; the table is then printed in the largest type that fits the
// box, its rows spread over the box's height.
void Binstel::tekenAsciiTabel(int verbergen) {
  const KwilState& s = state();
  verberg(verbergen);
  kwil::PictureBox& tabel = PictureBox(2);
  tabel.setWidth(tabel.TextWidth(QString(87, QLatin1Char(' '))) * 15 + 600 * s.SchaalX);
  tabel.setHeight(3450 * s.SchaalY);
  tabel.clearPicture();
  tabel.Cls();
  CentreerPanelEnPictureBox(50, 2);
  Panel(50).setLeft(10 * s.SchaalX);
  Panel(50).setTop(Panel(46).Top() + Panel(46).Height() + 10);
  constexpr int kRijen = 10;
  constexpr float kRand = 20;  // above the first row and below the last
  const float eigen = tabel.FontSize();
  // A row reaches column 78; as much room again as the three columns before the first.
  auto past = [&](float punten) {
    tabel.setFontSize(punten);
    return tabel.TextWidth(QString(80, QLatin1Char('0'))) <= tabel.ScaleWidth() &&
           kRijen * tabel.TextHeight() <= tabel.ScaleHeight() - 2 * kRand;
  };
  float punten = eigen;
  while (past(punten + 0.5f)) punten += 0.5f;
  tabel.setFontSize(punten);
  const float regel = (tabel.ScaleHeight() - 2 * kRand - tabel.TextHeight()) / (kRijen - 1);
  for (int c = 65; c < 65 + kRijen; ++c) {
    tabel.setCurrentY(kRand + static_cast<float>(c - 65) * std::max(regel, tabel.TextHeight()));
    tabel.setCurrentX(10);
    for (int k = 0; k < 6; ++k) {
      const int code = c + 10 * k;
      tabel.PrintTab(4 + 13 * k);
      tabel.PrintPart(QString(QChar(code)));
      tabel.PrintTab(7 + 13 * k);
      tabel.PrintPart(QStringLiteral("="));
      tabel.PrintTab(9 + 13 * k);
      tabel.PrintPart(Str(code));
    }
    tabel.Print();
  }
  tabel.setFontSize(eigen);
}

// --- The title panel -------------------------------------------------------------------------------

// Moves the title panel's Top (or changes its Height) from van to tot x SchaalY in steps of
// `stap` twips, sleeping 5 ms and letting events run after each.
void Binstel::schuifTitel(float van, float tot, float stap, bool hoogte) {
  const KwilState& s = state();
  kwil::Panel& titel = Panel(44);
  TitelBeweging beweging;
  const float grens = tot * s.SchaalY;
  for (float y = van * s.SchaalY; stap > 0 ? y <= grens : y >= grens; y += stap) {
    if (hoogte)
      titel.setHeight(y);
    else
      titel.setTop(y);
    ++beweging.stappen;
    beweging.laatste = y;
    platform().clock->sleepMs(5);
    DoEvents();
  }
  titelBewegingen_.append(beweging);
}

// Slides the title panel down over the bit rows. The slide stops up to a step short of its
// bound, and the outline round the rows ends a third of a design pixel above that bound: where
// the pixels round down, the outline's bottom line stays in view under the panel, which then
// goes down that last pixel. (A panel still short from page 15, reached by a jump, is left.)
void Binstel::schuifTitelOmlaag() {
  schuifTitel(30, 1280, 5, false);
  kwil::Panel& titel = Panel(44);
  const int kort = Shape(9).geometry().bottom() - titel.geometry().bottom();
  if (kort == 1) titel.setTop(titel.Top() + TwipsPerPixel);
}

// Types the title a character at a time; no events run meanwhile, so each character is painted
// at once.
void Binstel::typTitel(const QString& titel) {
  kwil::Panel& paneel = Panel(44);
  for (int i = 1; i <= titel.size(); ++i) {
    paneel.setCaption(titel.left(i));
    paneel.Refresh();
    platform().clock->sleepMs(100);
  }
}

// --- The text --------------------------------------------------------------------------------------

void Binstel::drukPagina(const Les5Pagina& pagina) {
  using S = Les5Stuk::Soort;
  KwilState& s = state();
  kwil::PictureBox& c = PictureBox(1);
  auto inKleur = [&](const QString& tekst, std::int32_t kleur, bool einde) {
    if (kleur >= 0) {
      c.setForeColor(kleur);
      gekleurd_.append({tekst, kleur});
    }
    if (einde)
      c.Print(tekst);
    else
      c.PrintPart(tekst);
    c.setForeColor(kLes5TekstKleur);
  };
  int zin = 0;
  bool rijOpen = false;
  for (const Les5Stuk& stuk : pagina) {
    if (stuk.soort == S::Leeg) {
      c.Print();
      rijOpen = false;
      continue;
    }
    if (stuk.soort == S::Omlaag) {
      c.setCurrentY(c.CurrentY() + static_cast<float>(stuk.hoogte) * s.SchaalY);
      continue;
    }
    if (++zin <= 25) s.Zin[zin] = stuk.tekst;
    if (stuk.kolom > 0) c.PrintTab(stuk.kolom);
    const QString voor = stuk.kolom == 0 && !rijOpen ? QStringLiteral("  ") : QString();
    if (stuk.kleurDelen.isEmpty()) {
      inKleur(voor + stuk.tekst, stuk.kleur, stuk.einde);
    } else {
      c.PrintPart(voor);
      for (const auto& [deel, kleur] : stuk.kleurDelen) inKleur(deel, kleur, false);
      if (stuk.einde) c.Print();
    }
    rijOpen = !stuk.einde;
  }
}

}  // namespace kwil

#include "lessons/les2/les2schakelingen.h"

#include <algorithm>

namespace kwil {

const SchakelingGegevens& gegevens(Schakeling schakeling) {
  static const SchakelingGegevens tabel[] = {
      {1, "01", "ImgTabelWel", "WEL"},
      {1, "10", "ImgTabelNiet", "NIET"},
      {2, "0001", "ImgTabelEn", "EN"},
      {2, "0111", "ImgTabelOf", "OF"},
      {3, "00000001", "ImgTabelEn3", "EN"},
      {3, "01111111", "ImgTabelOf3", "OF"},
      {3, "01010111", "ImgTabelEnOf", ""},
      {2, "0010", "ImgTabelEnNiet", ""},
      {2, "0111", "ImgTabelOfAnders", ""},
      {2, "1000", "ImgTabelNietNiet", ""},
      {3, "00000111", "ImgTabelAlarm", ""},
      {3, "00000010", "ImgTabelPers", ""},
  };
  return tabel[static_cast<int>(schakeling)];
}

int aantalRijen(int schakelaars) { return 1 << std::clamp(schakelaars, 0, 3); }

int rijVan(int schakelaars, bool s1, bool s2, bool s3) {
  const int alle = (s1 ? 4 : 0) + (s2 ? 2 : 0) + (s3 ? 1 : 0);
  return alle >> (3 - std::clamp(schakelaars, 0, 3));
}

bool bediendInRij(int schakelaars, int rij, int k) { return (rij >> (schakelaars - k)) & 1; }

bool uitgangInRij(Schakeling schakeling, int rij) {
  const SchakelingGegevens& g = gegevens(schakeling);
  return rij >= 0 && rij < aantalRijen(g.schakelaars) && g.uitgang[rij] == '1';
}

QString plaatjeInRij(Schakeling schakeling, int rij) {
  const SchakelingGegevens& g = gegevens(schakeling);
  QString namen;
  for (int k = 1; k <= g.schakelaars; ++k)
    if (bediendInRij(g.schakelaars, rij, k)) namen += QStringLiteral("S%1").arg(k);
  if (g.schakelaars == 1) namen.clear();
  return QString::fromLatin1(g.plaatje) + (rij == 0 ? QStringLiteral("Onbediend") : namen + QStringLiteral("Bediend")) +
         QStringLiteral(".bmp");
}

QString plaatjeZonderStand(Schakeling schakeling) {
  return QString::fromLatin1(gegevens(schakeling).plaatje) + QStringLiteral("Stroomloos.bmp");
}

TabelPagina tabelOpPagina(int stap) {
  using W = Weergave;
  using S = Schakeling;
  switch (stap) {
    case 2:
    case 3: return {W::Ingevuld, S::Wel};
    case 4:
    case 5: return {W::Leeg, S::En3};
    case 6: return {W::Leeg, S::En};
    case 7: return {W::Invullen, S::Wel};
    case 8: return {W::Invullen, S::Niet};
    case 9: return {W::Invullen, S::En};
    case 10: return {W::Invullen, S::Of};
    case 11: return {W::Invullen, S::En3};
    case 12: return {W::Invullen, S::Of3};
    case 13: return {W::Ingevuld, S::En};
    case 14: return {W::Invullen, S::EnOf};
    case 15: return {W::Invullen, S::EnNiet};
    case 16: return {W::Ingevuld, S::EnNiet};
    case 17: return {W::Raden, S::Of};
    case 18: return {W::Invullen, S::OfAnders};
    case 19: return {W::Ingevuld, S::OfAnders};
    case 20: return {W::Voorspellen, S::NietNiet};
    case 21: return {W::Invullen, S::Alarm};
    case 22: return {W::Ingevuld, S::Alarm};
    case 23: return {W::Invullen, S::Pers};
    case 24: return {W::Ingevuld, S::Pers};
    case 25: return {W::Raden, S::En};
    default: return {};
  }
}

void TabelVoortgang::zie(int rij) {
  if (rij >= 0 && rij < rijen_) gezien_ |= static_cast<std::uint8_t>(1u << rij);
}

void TabelVoortgang::voorspel(int rij) {
  if (rij < 0 || rij >= rijen_) return;
  voorspelling_[rij] = voorspelling_[rij] == 0 ? 1 : 0;
}

bool TabelVoortgang::allesVoorspeld() const {
  return std::all_of(voorspelling_.begin(), voorspelling_.begin() + rijen_, [](int v) { return v >= 0; });
}

}  // namespace kwil

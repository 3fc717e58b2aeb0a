#include "lessons/frame/invoer.h"

#include <cmath>

#include "shared/kwilstate.h"

namespace kwil {

int ingangenVanFToetsen(int interfaceSoort, const std::array<bool, 5>& held, bool f5Positief) {
  if (interfaceSoort == SoortParallel) {
    // The status register form: s1..s4 pull bits 3..6 low, s5 sets bit 7.
    int waarde = 129;
    for (int k = 0; k < 4; ++k)
      if (held[k]) waarde += 8 << k;
    if (held[4]) waarde -= 128;
    return 255 - waarde;
  }
  int waarde = 0;
  for (int k = 0; k < 4; ++k)
    if (held[k]) waarde += 1 << k;
  if (held[4]) waarde += f5Positief ? 16 : -16;  // a negative value still has bit 4 set: s5
  return waarde;
}

int rondAf(double waarde) { return static_cast<int>(std::nearbyint(waarde)); }

QList<int> schuifOffsets(Schuif schuif, float schaalY, int hoogte) {
  const float afstand = static_cast<float>(hoogte) * schaalY;  // single precision, as the bounds are
  float start = 0, einde = 0, stap = 1;
  switch (schuif) {
    case Schuif::UitOmhoog: start = 0, einde = afstand, stap = 1; break;
    case Schuif::InVanOnder: start = -afstand, einde = 0, stap = 1; break;
    case Schuif::InVanBoven: start = afstand, einde = 0, stap = -1; break;
    case Schuif::UitOmlaag: start = 0, einde = -afstand, stap = -1; break;
  }
  QList<int> offsets;
  for (float o = start; stap > 0 ? o <= einde : o >= einde; o += stap) offsets.append(rondAf(o));
  return offsets;
}

}  // namespace kwil

#include "interface/interfacedisplay.h"

#include "interface/detection.h"
#include "shared/kwilstate.h"

namespace kwil {

bool ZoekInterfaceMetToets(int keyCode) {
  constexpr int kF11 = 122;
  constexpr int kF12 = 123;
  if (keyCode != kF11 && keyCode != kF12) return false;
  state().InterfaceSoort = SoortParallel;
  if (keyCode == kF11)
    ZoekVellemanKaarten();
  else
    ZoekICP12();
  ToonInterface();
  return true;
}

InterfaceDisplay& interfaceDisplay() {
  static InterfaceDisplay display;
  return display;
}

void toonInterfaceTekst(const QString& caption) {
  if (interfaceDisplay().setCaption) interfaceDisplay().setCaption(caption);
}

void toonAnaloog(bool zichtbaar) {
  if (interfaceDisplay().showAnalog) interfaceDisplay().showAnalog(zichtbaar);
}

void ToonInterface() {
  switch (state().InterfaceSoort) {
    case SoortParallel:
      toonInterfaceTekst(QStringLiteral("Parallel"));
      toonAnaloog(false);
      break;
    case SoortVelleman:
      toonInterfaceTekst(QStringLiteral("Velleman"));
      toonAnaloog(true);
      break;
    case SoortICP12:
      toonInterfaceTekst(QStringLiteral("iCP12 op com ") + QString::number(state().ComPoort));
      toonAnaloog(false);
      break;
    default:
      // The Arduino search has already put its caption up; other values show nothing.
      break;
  }
}

}  // namespace kwil

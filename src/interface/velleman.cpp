#include "interface/detection.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

void ZoekVellemanKaarten() {
  const std::int16_t gevonden = platform().k8055->searchDevices();
  if (gevonden <= 0) return;
  state().InterfaceSoort = SoortVelleman;
  state().VellemanKaarten = gevonden;

  QString bericht = QStringLiteral("De onderstaande WelkeInterface kaarten zijn gevonden.") + vbCr + vbCr;
  for (int kaart = 0; kaart <= 3; ++kaart) {
    if (gevonden & (1 << kaart)) bericht += QStringLiteral("Kaart %1 = aanwezig.").arg(kaart) + vbCr;
  }
  bericht += vbCr + QStringLiteral("Alle gevonden kaarten worden aangestuurd.");
  DoEvents();
  MsgBox(bericht);
}

}  // namespace kwil

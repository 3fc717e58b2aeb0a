// The program's start-up: the selection window's first loading checks the screen, finds the
// student database, checks the sound device, lays the window out and settles the interface.
#include <exception>

#include "interface/drivers.h"
#include "platform/endprogram.h"
#include "platform/vb.h"
#include "selection/database/databaselocation.h"
#include "selection/selectie.h"
#include "selection/selectie_logo.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

constexpr int kSlotSelectie = 1;

// Runs one start-up statement whose failure (a control or an interface that is not there)
// must not stop the start-up: the statement is skipped and the next one runs.
template <typename F>
void zonderFoutStop(F stap) {
  try {
    stap();
  } catch (const std::exception&) {
    state().Teller = 0;
  }
}

// The K8055 analogue inputs A1 and A2; both 0 when there is no K8055 library at all.
void leesAnaloog(std::int32_t& a1, std::int32_t& a2) {
  if (K8055Cards* kaarten = platform().k8055.get()) kaarten->readAllAnalog(a1, a2);
}

}  // namespace

Selectie::Selectie() {
  maakBesturing();
  ImageLogo->setPicture(selectieLogo());
}

Selectie::~Selectie() {
  // The interface display must not call into a window that is gone.
  interfaceDisplay() = {};
}

void Selectie::Form_Load() {
  KwilState& s = state();
  Show();
  s.StapToegestaan = true;
  s.InterfaceSoort = SoortParallel;
  ZoekArduino();

  if (!s.FormGeschaald[kSlotSelectie]) {
    maximiseAndMeasure(*this, /*refuse640=*/true);
    if (!findDatabaseAndReadSettings([] { EndProgram(); })) return;

    s.AantalGeluidskaarten = platform().wav->outputDeviceCount();
    if (s.AantalGeluidskaarten == 0) {
      MsgBox(QStringLiteral("Geen geluidskaart gevonden. Deze is nodig voor dit programma!"));
      EndProgram();
    }

    const ScaleOptions opties{.roundButtonHeight = true, .borderFactor = BorderBySchaalY};
    zonderFoutStop([&] { scaleArray(PictureBox, opties); });
    zonderFoutStop([&] { scaleArray(Panel, opties); });
    zonderFoutStop([&] { scaleArray(Command, opties); });
    zonderFoutStop([&] { scaleArray(Label, opties); });
    zonderFoutStop([&] { scaleArray(Text, opties); });
    zonderFoutStop([&] { scaleControl(*List, opties); });
    zonderFoutStop([&] { scaleControl(*ImageLogo, opties); });
    zonderFoutStop([&] { tekenTitel(); });
    zoekInterfaceBijStart();
    zonderFoutStop([] { SchrijfUitgangen(0); });
    zonderFoutStop([] { LeesIngangen(); });
    s.VorigeIngangen = s.Ingangen;
    s.FormGeschaald[kSlotSelectie] = true;
  }

  ToonInterface();
  s.Bezig = false;
  TijdInterval.setEnabled(true);
  TijdintervalIngangen.setEnabled(true);
}

// Unless an Arduino answered (or the stored kind is the Arduino), look for K8055 cards; the
// parallel port is the fallback only when no card kind is stored and no serial board is open.
void Selectie::zoekInterfaceBijStart() {
  KwilState& s = state();
  if (s.InterfaceSoort == SoortArduino) return;
  zonderFoutStop([] { ZoekVellemanKaarten(); });
  if (s.InterfaceSoort == SoortVelleman) {
    zonderFoutStop([&] {
      leesAnaloog(s.Analoog1, s.Analoog2);
      s.VorigAnaloog1 = s.Analoog1;
      s.VorigAnaloog2 = s.Analoog2;
      Panel(31).setFloodPercent(s.Analoog1 / 2.55);
      Panel(32).setFloodPercent(s.Analoog2 / 2.55);
    });
    return;
  }
  DoEvents();
  if (s.ComPoort == 0) s.InterfaceSoort = SoortParallel;
}

// The program's name with a solid shadow: eight dark copies running 8 pixels down and to the
// right, and the face in the window's light colour one pixel up and left of the last copy.
void Selectie::tekenTitel() {
  kwil::PictureBox& titel = PictureBox(1);
  const QString tekst = kAppTitle.trimmed();
  titel.Cls();
  auto drukAf = [&](std::int32_t kleur, float d) {
    titel.setForeColor(kleur);
    titel.setCurrentX((titel.ScaleWidth() - titel.TextWidth(tekst)) / 2 + d);
    titel.setCurrentY((titel.ScaleHeight() - titel.TextHeight(tekst)) / 2 + d);
    titel.Print(tekst);
  };
  for (int d = 60; d >= -45; d -= 15) drukAf(0xC07B01, float(d));
  drukAf(0xE3BB9B, -60);
}

}  // namespace kwil

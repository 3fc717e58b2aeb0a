// While the selection window is active it tests the interface: a random pattern on the eight
// outputs every two seconds, the five push buttons and the two analogue inputs every 10 ms.
#include <algorithm>
#include <cmath>
#include <exception>
#include <random>

#include "interface/drivers.h"
#include "platform/vb.h"
#include "selection/selectie.h"
#include "selection/selectie_teksten.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

constexpr std::int32_t kLampAan = 255;
constexpr std::int32_t kLampUit = 128;
constexpr std::int32_t kKnopIngedrukt = 0xFFFF;
constexpr std::int32_t kKnopLos = 0x4040;
constexpr std::int32_t kInstructieDonker = 0xC07B01;

// A pattern of 1 to 255, formed as 256 raised to a uniform power below 1: small values (only
// the lower outputs lit) come up as often as large ones. The generator is seeded from the
// clock at every call.
std::int32_t willekeurigPatroon() {
  const double seconden = platform().clock->secondsSinceMidnight();
  std::mt19937 generator(static_cast<std::uint32_t>(std::llround(seconden * 1000.0)));
  const double r = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
  return std::clamp(static_cast<std::int32_t>(std::pow(256.0, r)), 1, 255);
}

}  // namespace

void Selectie::Form_Activate() {
  KwilState& s = state();
  Command(5).setEnabled(false);
  s.LijstOnderMuis = 0;
  BeginOpnieuw();
  const bool kaarten = s.InterfaceSoort == SoortVelleman;
  if (kaarten) Panel(17).setCaption(QStringLiteral("USB"));
  if (s.InterfaceSoort == SoortParallel && s.ComPoort == 0) Panel(17).setCaption(QStringLiteral("Parallel"));
  if (s.InterfaceSoort == SoortVelleman || s.InterfaceSoort == SoortParallel) {
    Panel(31).setVisible(kaarten);
    Panel(32).setVisible(kaarten);
  }
  if (s.FormGeschaald[1]) {
    TijdInterval.setEnabled(true);
    TijdintervalIngangen.setEnabled(true);
  }
}

// Leaving the window leaves the interface with every output off and the lamps dark.
void Selectie::Form_Deactivate() {
  TijdInterval.setEnabled(false);
  TijdintervalIngangen.setEnabled(false);
  SchrijfUitgangen(0);
  for (int lamp = 18; lamp <= 25; ++lamp) Panel(lamp).setBackColor(kLampUit);
}

void Selectie::Form_KeyDown(int& keyCode, int) {
  ZoekInterfaceMetToets(keyCode);
}

void Selectie::ImageLogo_Click() { MsgBox(versieTekst()); }

void Selectie::TijdInterval_Timer() {
  KwilState& s = state();
  s.Uitgangen = willekeurigPatroon();
  SchrijfUitgangen(s.Uitgangen);
  for (int bit = 0; bit <= 7; ++bit) Panel(18 + bit).setBackColor((s.Uitgangen >> bit) & 1 ? kLampAan : kLampUit);
  kwil::Panel& instructie = Panel(8);
  instructie.setForeColor(instructie.ForeColor() == KleurKnopOnderMuis ? kInstructieDonker : KleurKnopOnderMuis);
}

void Selectie::TijdintervalIngangen_Timer() {
  KwilState& s = state();
  LeesIngangen();
  if (s.Ingangen != s.VorigeIngangen) {
    ZetIngangen();
    for (int i = 3; i <= 7; ++i) Panel(i + 23).setBackColor(s.Ingang[i] ? kKnopIngedrukt : kKnopLos);
    s.VorigeIngangen = s.Ingangen;
  }
  // Without a K8055 library the bars are hidden anyway; the test goes on without them.
  try {
    if (K8055Cards* kaarten = platform().k8055.get()) kaarten->readAllAnalog(s.Analoog1, s.Analoog2);
  } catch (const std::exception&) {
    return;
  }
  toonAnaloog(Panel(31), s.Analoog1, s.VorigAnaloog1);
  toonAnaloog(Panel(32), s.Analoog2, s.VorigAnaloog2);
}

// A bar follows its input only when it moved by two steps or more, so a value that
// flickers by one step does not make it jitter.
void Selectie::toonAnaloog(kwil::Panel& balk, std::int32_t waarde, std::int32_t& vorige) {
  if (waarde >= vorige - 1 && waarde <= vorige + 1) return;
  balk.setFloodPercent(waarde / 2.55);
  vorige = waarde;
}

}  // namespace kwil

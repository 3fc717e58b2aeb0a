#include "interface/outputs.h"

#include <QString>

#include "interface/serialport.h"
#include "platform/services.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

constexpr std::int16_t kDataRegister = 0x378;
constexpr int kLooplichtStapMs = 50;

void schrijfParallel(int waarde) {
  platform().parallel->out32(kDataRegister, static_cast<std::int16_t>(waarde));
}

// Every card found gets the same value, card 0 first.
void schrijfKaarten(int waarde) {
  K8055Cards& kaarten = *platform().k8055;
  for (int kaart = 0; kaart <= 3; ++kaart) {
    if (!(state().VellemanKaarten & (1 << kaart))) continue;
    kaarten.setCurrentDevice(kaart);
    kaarten.writeAllDigital(waarde);
  }
}

void stuurArduino(int waarde) {
  if (serialPort().PortOpen())
    serialPort().Output(QStringLiteral("1/") + QString::number(waarde) + QStringLiteral("/"));
}

// The iCP12 switches each output with a command of its own.
void stuurICP12(int waarde) {
  if (!serialPort().PortOpen()) return;
  for (int i = 1; i <= 8; ++i)
    serialPort().Output(waarde & (1 << (i - 1)) ? state().AanCommando[i] : state().UitCommando[i]);
}

// One step of a running light: only output `bit` lit (or, inverted, only that one dark).
void looplichtStap(int bit, bool ookNaarSeriele) {
  const bool omkeren = state().UitgangenInverteren;
  const int p = 1 << bit;
  switch (state().InterfaceSoort) {
    case SoortParallel:
      schrijfParallel(omkeren ? 255 - p : p);
      break;
    case SoortVelleman:
      schrijfKaarten(omkeren ? 255 - p : p);
      // An Arduino found before F11 switched to the cards keeps its port open and shows the
      // upward light too.
      if (ookNaarSeriele) stuurArduino(omkeren ? 255 - p : p);
      break;
    case SoortICP12:
      // One command per step and the others are left alone, so the light fills up.
      if (serialPort().PortOpen())
        serialPort().Output(omkeren ? state().UitCommando[bit + 1] : state().AanCommando[bit + 1]);
      break;
    case SoortArduino:
      stuurArduino(omkeren ? BitsOmgekeerd(p) : p);
      break;
    default:
      break;
  }
  platform().clock->sleepMs(kLooplichtStapMs);
}

}  // namespace

int BitsOmgekeerd(int waarde) {
  int omgekeerd = 0;
  for (int bit = 0; bit <= 7; ++bit)
    if (waarde & (1 << bit)) omgekeerd |= 1 << (7 - bit);
  return omgekeerd;
}

void SchrijfUitgangen(std::int32_t waarde) {
  state().Uitgangen = waarde;
  const bool omkeren = state().UitgangenInverteren;
  switch (state().InterfaceSoort) {
    case SoortParallel:
      schrijfParallel(omkeren ? 255 - waarde : waarde);
      break;
    case SoortVelleman:
      schrijfKaarten(omkeren ? BitsOmgekeerd(waarde) : waarde);
      break;
    case SoortICP12:
      stuurICP12(omkeren ? 255 - waarde : waarde);
      break;
    case SoortArduino:
      stuurArduino(omkeren ? BitsOmgekeerd(waarde) : waarde);
      break;
    default:
      break;
  }
}

void LooplichtOp() {
  for (int bit = 0; bit <= 7; ++bit) looplichtStap(bit, true);
  SchrijfUitgangen(state().Uitgangen);
}

void LooplichtNeer() {
  for (int bit = 7; bit >= 0; --bit) looplichtStap(bit, false);
  SchrijfUitgangen(state().Uitgangen);
}

}  // namespace kwil

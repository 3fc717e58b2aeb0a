#include "interface/comports.h"

#include "interface/detection.h"
#include "interface/serialport.h"
#include "platform/services.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

// A port exists when the machine has a device for that number and it can be opened; it is
// closed again at once and never configured for use.
bool poortBestaat(std::int16_t poort) {
  SerialPorts* ports = platform().serialPorts.get();
  if (!ports || poort < 1) return false;
  const QString pad = ports->pathOf(poort);
  if (pad.isEmpty()) return false;
  return ports->open(pad) != nullptr;
}

}  // namespace

bool ComPoortBestaat(std::int16_t poort) {
  return poortBestaat(poort);
}
bool ArduinoPoortBestaat(std::int16_t poort) {
  return poortBestaat(poort);
}

bool zoekBoardOpComPoorten(bool (*bestaat)(std::int16_t), bool (*antwoordt)(std::int16_t)) {
  state().ComPoort = 0;
  if (serialPort().PortOpen()) serialPort().setPortOpen(false);
  for (int p = 1; p <= kHoogsteComPoort; ++p) {
    const auto poort = static_cast<std::int16_t>(p);
    if (bestaat(poort) && antwoordt(poort)) return true;
  }
  serialPort().setPortOpen(false);
  state().ComPoort = 0;
  return false;
}

}  // namespace kwil

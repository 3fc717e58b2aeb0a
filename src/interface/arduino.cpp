#include "interface/comports.h"
#include "interface/detection.h"
#include "interface/interfacedisplay.h"
#include "interface/serialport.h"
#include "platform/services.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

// An Arduino restarts when its port is opened; it needs the first wait to come up and the
// second to answer the probe.
constexpr int kOpstartTijdMs = 2000;
constexpr int kAntwoordTijdMs = 1000;

bool arduinoAntwoordt(std::int16_t poort) {
  SerialPort& port = serialPort();
  port.CommPort = poort;
  port.setPortOpen(true);
  if (!port.PortOpen()) return false;
  platform().clock->sleepMs(kOpstartTijdMs);
  port.Output(QStringLiteral("90/"));
  platform().clock->sleepMs(kAntwoordTijdMs);
  state().ComPoort = poort;
  const QString antwoord = ontvangAlles(false);
  if (antwoord.contains(QStringLiteral("TM")) || antwoord.contains(QStringLiteral("ET"))) return true;
  state().ComPoort = 0;
  port.setPortOpen(false);
  return false;
}

}  // namespace

void ZoekArduino() {
  if (!zoekBoardOpComPoorten(ArduinoPoortBestaat, arduinoAntwoordt)) return;
  state().InterfaceSoort = SoortArduino;
  toonInterfaceTekst(QStringLiteral("Arduino op com ") + QString::number(state().ComPoort));
}

}  // namespace kwil

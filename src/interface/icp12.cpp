#include "interface/icp12.h"

#include "interface/comports.h"
#include "interface/detection.h"
#include "interface/interfacedisplay.h"
#include "interface/serialport.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

QString icp12Commando(const QString& lijst, int i) {
  return lijst.mid((i - 1) * 7, 6);
}

namespace {

// A board on USB cannot answer within one pass of the event loop, so the probe gives it a
// short while to start its reply before the one read; without this the board is never found.
constexpr int kAntwoordTijdMs = 100;
constexpr int kWachtStapMs = 5;

void wachtOpBeginAntwoord() {
  for (int gewacht = 0; gewacht < kAntwoordTijdMs && serialPort().InBufferCount() == 0;
       gewacht += kWachtStapMs)
    platform().clock->sleepMs(kWachtStapMs);
}

bool boardAntwoordt(std::int16_t poort) {
  SerialPort& port = serialPort();
  port.CommPort = poort;
  port.setPortOpen(true);
  if (!port.PortOpen()) return false;
  state().ComPoort = poort;
  port.Output(QStringLiteral("(ZMD)"));
  DoEvents();
  wachtOpBeginAntwoord();
  if (port.Input().contains(QStringLiteral("ZMD"))) return true;
  state().ComPoort = 0;
  port.setPortOpen(false);
  return false;
}

void stelPinnenIn() {
  for (int i = 1; i <= 8; ++i) {
    serialPort().Output(icp12Commando(kICP12PinInstelling, i));
    state().AanCommando[i] = icp12Commando(kICP12Aan, i);
    state().UitCommando[i] = icp12Commando(kICP12Uit, i);
  }
}

}  // namespace

void ZoekICP12() {
  if (!zoekBoardOpComPoorten(ComPoortBestaat, boardAntwoordt)) return;
  state().InterfaceSoort = SoortICP12;
  toonInterfaceTekst(QStringLiteral("iCP12 op com ") + QString::number(state().ComPoort));
  stelPinnenIn();
}

}  // namespace kwil

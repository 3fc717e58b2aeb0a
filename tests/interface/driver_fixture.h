#pragma once
// What every driver test starts from: fresh program-wide variables, fake dialogs/clock/events,
// fake interface hardware whose effects (and the clock's sleeps) land in one log, the serial
// port closed and no selection window attached.
#include "interface/drivers.h"
#include "shared/kwilstate.h"
#include "support/fake_hardware.h"
#include "support/fakes.h"

namespace kwil::test {

struct DriverFixture {
  fake::Fakes fakes{};
  fake::FakeHardware* hw = nullptr;
  QStringList captions;
  QList<bool> analogShown;

  void reset() {
    serialPort().setPortOpen(false);
    fakes = fake::installBasicFakes();
    hw = &fake::installFakeHardware(fakes.clock);
    captions.clear();
    analogShown.clear();
    interfaceDisplay().setCaption = [this](const QString& c) { captions << c; };
    interfaceDisplay().showAnalog = [this](bool shown) { analogShown << shown; };
  }

  // Opens COM n on the fake serial ports, as a search that found a board leaves it.
  fake::FakeSerialLine& openPort(int com) {
    fake::FakeSerialLine& line = hw->serial->port(com);
    serialPort().CommPort = com;
    serialPort().setPortOpen(true);
    state().ComPoort = static_cast<std::int16_t>(com);
    return line;
  }

  // The commands an iCP12 search leaves behind.
  static void fillICP12Commands() {
    const QStringList on{"(RA01)", "(RA11)", "(RA21)", "(RA31)", "(RA51)", "(RB01)", "(RB11)", "(RB21)"};
    const QStringList off{"(RA00)", "(RA10)", "(RA20)", "(RA30)", "(RA50)", "(RB00)", "(RB10)", "(RB20)"};
    for (int i = 1; i <= 8; ++i) {
      state().AanCommando[i] = on[i - 1];
      state().UitCommando[i] = off[i - 1];
    }
  }
};

}  // namespace kwil::test

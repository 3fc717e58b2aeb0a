#pragma once
// A simulated Arduino: "90/" is answered with probeReply, "1/v/" sets the 8 outputs,
// "7/" is answered with "DI", the buttons in decimal, CR and LF.
#include "support/pty_board.h"

namespace kwil::sim {

class ArduinoSim : public PtyBoard {
 public:
  int outputs() const;
  void setButtons(int buttons);
  QByteArray probeReply = "KWIL-TM 1.0\r\n";

 protected:
  QByteArray answer() override;

 private:
  QByteArray execute(int command);
  int outputs_ = 0;
  int buttons_ = 0;
  int pendingCommand_ = -1;  // 1 while the value of "1/v/" is awaited
};

}  // namespace kwil::sim

#pragma once
// A simulated iCP12 board: "(ZMD)" is answered with a text holding "ZMD", "(RAno)"/"(RBno)" make
// a pin an output, "(RAn1)"/"(RAn0)" set and clear it, "(DPC)" is answered with "DPC" and 8
// characters of which 1, 2, 3, 7 and 8 are s1..s5 ("1" = not pressed).
#include <QStringList>
#include <set>

#include "support/pty_board.h"

namespace kwil::sim {

class Icp12Sim : public PtyBoard {
 public:
  // The outputs E1..E8 as the pins RA0, RA1, RA2, RA3, RA5, RB0, RB1, RB2 stand.
  int outputs() const;
  // Pins made outputs, as "RA0", "RB2" ...
  std::set<QString> outputPins() const;
  QStringList commands() const;
  void setButtons(int buttons);

 protected:
  QByteArray answer() override;

 private:
  QByteArray execute(const QString& command);
  std::set<QString> outputPins_;
  std::set<QString> pinsHigh_;
  QStringList commands_;
  int buttons_ = 0;
};

}  // namespace kwil::sim

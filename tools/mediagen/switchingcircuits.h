#pragma once
// The circuit schemas of the switching formulas: push buttons a, b and c that light LED E
// through its series resistor, and a relay whose contact the buttons work through its coil.
#include "schematic.h"

#include <QStringList>

namespace kwil::media {

// One contact per input, one below the other, then the resistor and the LED. An input
// written with a bar ("!b") is a break contact.
Circuit seriesLedCircuit(const QStringList& contacts);
// a beside b, then the resistor and the LED.
Circuit parallelLedCircuit();
// a below b, beside c, then the resistor and the LED.
Circuit andOrLedCircuit();
// a beside b work coil K; c and K's break contact k-1 in series light the LED.
Circuit relayLedCircuit();

}  // namespace kwil::media

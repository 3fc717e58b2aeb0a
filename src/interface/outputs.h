#pragma once
// Writing the 8 outputs E1..E8 (bit 0 = E1) to the interface in use, and the running lights
// that a lesson page change shows on them.
#include <cstdint>

namespace kwil {

// Remembers waarde in Uitgangen and writes it, inverted when UitgangenInverteren is set.
void SchrijfUitgangen(std::int32_t waarde);
// A light runs from E1 to E8 (LooplichtOp) or E8 to E1 (LooplichtNeer), 50 ms a step; then the
// outputs go back to Uitgangen.
void LooplichtOp();
void LooplichtNeer();

// The 8-bit value with the bit order of waarde's low byte reversed (bit 0 <-> bit 7 ...).
int BitsOmgekeerd(int waarde);

}  // namespace kwil

#pragma once
// Pure rules of the lesson frame that need no window: the input value the F1 to F5 keys stand
// in for, and the source offsets of the page slides.
#include <QList>
#include <array>

namespace kwil {

// The raw input value that the held keys F1..F5 (held[0]..held[4]) stand for, in the form of
// the interface kind in use, so that ZetIngangen decodes it to exactly those keys. On the
// kinds other than the parallel port F5 counts -16 (bit 4 set in a negative value) unless
// f5Positief asks for +16.
int ingangenVanFToetsen(int interfaceSoort, const std::array<bool, 5>& held, bool f5Positief = false);

enum class Schuif {
  UitOmhoog,   // the shown page moves up and out
  InVanOnder,  // the new page rises into place
  InVanBoven,  // the page comes down into place
  UitOmlaag,   // the shown page moves down and out
};

// Nearest whole number, halves to the even one (as sizes and offsets are converted).
int rondAf(double waarde);

// The canvas rows (already rounded) at which each pass of a slide copies, in pass order:
// floor(hoogte x schaalY) + 1 passes.
QList<int> schuifOffsets(Schuif schuif, float schaalY, int hoogte = 134);

}  // namespace kwil

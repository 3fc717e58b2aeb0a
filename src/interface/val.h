#pragma once
#include <QString>

namespace kwil {

// The numeric value at the start of a text, read the way the boards' replies are read:
// blanks, tabs and line feeds are skipped wherever they stand; an optional sign, digits, a
// decimal point and an exponent (E or D) make a number, and "&H"/"&O" a hexadecimal or octal
// one; reading stops at the first character that cannot continue the number. No number is 0.
double Val(const QString& tekst);

}  // namespace kwil

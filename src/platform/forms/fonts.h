#pragma once
// The windows name fonts of their design platform; these map them onto installed ones.
namespace kwil {

// "Comic Sans MS" -> Comic Neue, "MS Sans Serif" -> DejaVu Sans. Call once at start, after
// the application object exists (the program and every test of a window).
void installFontSubstitutes();

}  // namespace kwil

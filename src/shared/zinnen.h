#pragma once
// The text lines of the current page (state().Zin[1] to [25]) and the clipboard.
namespace kwil {

// Puts the page's non-empty lines on the clipboard, in order, each followed by one carriage
// return (no line feeds); empty lines leave no trace. The lines themselves are not changed.
void KopieerZinnen();

// Empties all 25 lines and clears the clipboard.
void MaakAlleZinnenLeeg();

}  // namespace kwil

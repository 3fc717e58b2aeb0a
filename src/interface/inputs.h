#pragma once
// Reading the 5 push buttons s1..s5: LeesIngangen fetches the raw value of the interface in use
// into Ingangen, ZetIngangen decodes Ingangen into Ingang(3)..Ingang(7).
namespace kwil {

void LeesIngangen();
void ZetIngangen();

}  // namespace kwil

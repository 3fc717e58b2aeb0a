#pragma once
// The program-wide variables through which the windows and drivers talk to each other.
// One instance for the whole run (state()); every variable starts at 0, False, the empty
// text or nothing, as the program expects at start-up. Nothing here survives the run: what
// does is in the student database and the DataPath setting.
#include <QString>
#include <cstdint>

#include "shared/vbarray.h"

namespace kwil {

class NarrationPlayer;

// Kinds of interface, the values of InterfaceSoort.
enum : std::int16_t {
  SoortParallel = 0,
  SoortVelleman = 1,
  SoortICP12 = 2,
  SoortArduino = 3,
};

struct KwilState {
  // Interface, inputs and outputs.
  std::int16_t InterfaceSoort = SoortParallel;
  std::int16_t ComPoort = 0;
  std::int32_t VellemanKaarten = 0;
  VbArray<QString, 1, 8> AanCommando;
  VbArray<QString, 1, 8> UitCommando;
  bool UitgangenInverteren = false;
  std::int32_t Uitgangen = 0;
  std::int32_t Ingangen = 0;
  std::int32_t VorigeIngangen = 0;
  VbArray<bool, 0, 7> Ingang;
  VbArray<bool, 0, 7> IngangVerwerkt;
  bool ToetsEmulatie = false;
  VbArray<bool, 1, 5> FToetsIngedrukt;
  bool ShiftIngedrukt = false;
  bool InterfaceGebruikt = false;
  std::int32_t Analoog1 = 0;
  std::int32_t Analoog2 = 0;
  std::int32_t VorigAnaloog1 = 0;
  std::int32_t VorigAnaloog2 = 0;

  // Lesson state.
  std::int32_t Hoofdstuk = 0;
  std::int32_t Stap = 0;
  std::int32_t VorigeStap = 0;
  std::int16_t Voortgang = 0;
  bool StapToegestaan = false;
  float StapStartTijd = 0;  // seconds on the page clock when a workbook page was shown
  bool Bezig = false;
  bool Verlaten = false;
  VbArray<QString, 1, 25> Zin;

  // Pupil, login and database.
  QString DatabasePad;
  std::int16_t SelectieStap = 0;
  QString Klas;
  QString LeerlingNaam;
  QString Voornaam;
  QString Achternaam;
  QString LeerlingWachtwoord;
  QString LeraarWachtwoord;
  VbArray<int, 0, 10> Cijfers;

  // The test window's hand-off and state.
  std::int32_t LesNummer = 0;
  QString VraagNummer;
  QString GegevenAntwoorden;
  QString AntwoordSleutel;
  std::int32_t KnoppenVergrendeld = 0;
  VbArray<QString, 0, 8> VraagRegel;
  VbArray2<QString, 0, 5, 0, 2> AntwoordRegel;
  std::int16_t GekozenAntwoord = 0;
  VbArray<std::int32_t, 1, 4> Volgorde;
  VbArray<bool, 1, 12> FToetsSchakelaar;

  // Layout and hover.
  float SchaalX = 0;
  float SchaalY = 0;
  VbArray<bool, 1, 10> FormGeschaald;
  std::int32_t Teller = 0;
  std::int32_t KnopOnderMuis = 0;
  std::int32_t LijstOnderMuis = 0;
  std::int32_t IngedruktPlaatje = 0;
  std::int32_t OplichtendPlaatje = 0;

  // Sound and narration.
  std::int32_t AantalGeluidskaarten = 0;
  QString GeluidBestand;
  NarrationPlayer* MediaBesturing = nullptr;  // owned by the narration procedures
};

// The one shared instance.
KwilState& state();

// Puts every variable back to its start value (tests start each case from a fresh run).
void resetState();

}  // namespace kwil

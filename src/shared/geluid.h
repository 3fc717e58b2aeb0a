#pragma once
// The wav sound effects and the mp3 narration of lesson pages and test questions. Sound files
// lie under the program folder in "\Geluiden\", narration under "\Teksten\".
#include <QString>

namespace kwil {

// Each plays its fixed sound, without waiting; nothing at all without a sound device.
void SpeelGeluidTerug();
void SpeelGeluidDatIsSnel();
void SpeelGeluidMenuKlik();
void SpeelGeluidMenuOver();
void SpeelGeluidVerder();

// Plays sound 5 to 10 (door bells, whistle, relay); any other number repeats the sound
// played last.
void SpeelGeluid(int Nummer);

// Reads aloud: Soort 1 the current lesson page (Hoofdstuk, Stap); Soort 2 with Deel 1 the
// current test question (LesNummer, VraagNummer), with Deel 2 its answer AntwoordNr (1 to 4).
// Always makes a new narration player, which replaces (and so ends) the previous one; a
// missing recording is silence. Callers check AantalGeluidskaarten themselves.
void LeesTekstVoor(int Soort, int Deel, int AntwoordNr);

// Stops the narration player, if there is one.
void StopVoorlezen();

// The file a narration call reads, as the program names it under the program folder
// ("\Teksten\Hoofdstuk 1\Kwil 1-5.mp3"), or the empty text when the call reads nothing.
QString VoorleesBestand(int Soort, int Deel, int AntwoordNr);

}  // namespace kwil

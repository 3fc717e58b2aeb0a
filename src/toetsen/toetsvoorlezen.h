#pragma once
// What the spoken test questions and answers say, for the tool that records them: for every
// question of every bank the text of the question and of each of its four answers, under the
// file name the test window asks for ("Hoofdstuk 1/Toets/Vraag 07.mp3",
// "Hoofdstuk 1/Toets/Antwoord 07-3.mp3" for answer C as numbered in the bank).
#include <QList>
#include <QString>

namespace kwil {

struct ToetsVoorleesTekst {
  QString bestand;  // relative to the Teksten folder, with '/' between folders
  // The lines as the bank holds them, one a line, so that the voice can pause where a row ends.
  QString tekst;
};

// Question number as it appears in the file names: "01" to "09", then "10".
QString vraagNummerInBestand(int vraag);

// Every text of the five banks (a bank with a fault gives none).
QList<ToetsVoorleesTekst> toetsVoorleesTeksten();

}  // namespace kwil

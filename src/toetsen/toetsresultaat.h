#pragma once
// The outcome of a test: the letters of the answers given, the mark, and storing both with
// the pupil.
#include <QString>

namespace kwil {

// The letter of an answer for GegevenAntwoorden: the answer's letter A to D as numbered in the
// bank (bankNummer 1 to 4), upper case when it is the right one, lower case when not.
QChar antwoordLetter(int bankNummer, bool goed);

// The mark of a test: the number of right answers (upper-case letters), at least 1, since 0
// stands for "not done".
int ToetsCijfer(const QString& gegevenAntwoorden);

// What became of the result.
enum class Bewaard { Ja, LeerlingOnbekend, DatabaseFout };

struct BewaarUitslag {
  Bewaard bewaard = Bewaard::Ja;
  QString fout;  // the database's Dutch sentence when bewaard is DatabaseFout
};

// Writes GegevenAntwoorden and the mark into AntwLes<n> and CijferLes<n> (n = LesNummer) of
// the row of Klas and LeerlingNaam, and sets Cijfers(n) to the mark; when the row is gone
// or the database fails, nothing is written and Cijfers stays as it was.
BewaarUitslag BewaarToetsResultaat();

// The message that ends the test: "Cijfer: " and the mark, and when the result was not
// stored, why, and that the teacher should be told.
QString CijferBericht(int cijfer, const BewaarUitslag& uitslag);

}  // namespace kwil

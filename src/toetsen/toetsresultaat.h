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

// How hard a finished test is tried before the pupil is asked whether to try again: a copy of
// the program on another computer may hold the database for a while, and a slow share may
// keep it busy for longer than one wait.
struct Geduld {
  int pogingen = 40;  // tries in one round
  int wachtMs = 500;  // the longest one try waits for the lock of another copy
  int pauzeMs = 50;   // between two tries, after the window has handled what is waiting
};

// Writes GegevenAntwoorden and the mark into AntwLes<n> and CijferLes<n> (n = LesNummer) of
// the row of Klas and LeerlingNaam, and sets Cijfers(n) to the mark. A busy database is tried
// again for a round of tries, letting the window repaint and take clicks in between; when the
// database still fails, the pupil is asked "Opnieuw proberen?" and a yes starts another round.
// When the row is gone, or the pupil gives up, nothing is written and Cijfers stays as it was.
BewaarUitslag BewaarToetsResultaat(const Geduld& geduld = {});

// The message that ends the test: "Cijfer: " and the mark, and when the result was not
// stored, why, and that the teacher should be told.
QString CijferBericht(int cijfer, const BewaarUitslag& uitslag);

}  // namespace kwil

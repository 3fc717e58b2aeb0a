#pragma once
// The pupil fields the teacher sees and edits, and what an edit may store: a mark is empty or
// a whole number 0 to 10, a date and a time keep their stored form, a class is never empty.
// Only the fields whose text was changed are stored, so a test result that another copy of
// the program wrote meanwhile into another field of the same row stays.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace kwil {

struct PupilRow;

namespace leraar {

// The fields of the text boxes Text(1) .. Text(20), in that order.
const QStringList& getoondeVelden();
// Text box index (1 based) of a field; 0 when the field is not shown.
int tekstvakVan(const QString& veld);

// A stored value as the text box shows it: Null as the empty text.
QString alsTekst(const QVariant& waarde);
// The texts of every shown field of a row, in text box order.
QStringList teksten(const PupilRow& rij);

// The pupil's name as people write it: voornaam, tussenvoegsel and achternaam with single
// blanks (a prefix of one blank, as registration stores an empty one, disappears).
QString volledigeNaam(const PupilRow& rij);

struct Wijzigingen {
  QVariantMap velden;  // field -> value to store (an invalid QVariant stores Null)
  QString fout;        // a Dutch message when a value cannot be stored; then store nothing
  bool ok() const { return fout.isEmpty(); }
};

// Compares the texts as they were shown with the texts now in the boxes (both in text box
// order). Gives the changed fields in their stored form, or the message for the first text
// that cannot be stored.
Wijzigingen bepaalWijzigingen(const QStringList& getoond, const QStringList& nu);

// The message for a mark that is neither empty nor a whole number 0 to 10.
QString cijferFout(int les);

}  // namespace leraar
}  // namespace kwil

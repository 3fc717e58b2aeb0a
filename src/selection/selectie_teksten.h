#pragma once
// The fixed texts of the selection window: the instruction line per step, the help message
// per step and the version box. Kept apart from the window so that they can be checked
// letter for letter.
#include <QString>

namespace kwil {

// The instruction line at the top of the selection frame for a step of the login (empty for
// step 0 and any unknown step).
QString stapInstructie(int selectieStap);

// The help message of the "&Help" button. knop4 and knop5 are the current captions of the
// "not in the list" and "Oeps" buttons; interfaceSoort decides whether the step-1 help also
// explains the analogue inputs.
QString helpTekst(int selectieStap, int interfaceSoort, const QString& knop4, const QString& knop5);

// The message a pupil without a password sees before making one up.
QString geenWachtwoordTekst();

// The version box shown by a click on the logo.
QString versieTekst();

}  // namespace kwil

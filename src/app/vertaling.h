#pragma once
// Qt's own texts in Dutch: the standard buttons of the message boxes ("Ja", "Nee",
// "Annuleren"), the file dialog and the print dialog.
class QCoreApplication;

namespace kwil {

// Loads Qt's Dutch translations from Qt's translations folder and installs them. Returns
// false when they are not there (the texts then stay English; nothing else changes).
bool installDutchTranslations(QCoreApplication& app);

}  // namespace kwil

#include "selection/database/dbstatus.h"

namespace kwil {

QString DbStatus::message() const {
  switch (error) {
    case DbError::None:
      return {};
    case DbError::FileMissing:
      return QStringLiteral("Het database bestand is er niet (meer).");
    case DbError::CannotOpen:
      return QStringLiteral("Het database bestand kan niet geopend worden.");
    case DbError::NotADatabase:
      return QStringLiteral("Dit is geen Kwilmora database, of de database heeft een ander wachtwoord.");
    case DbError::Busy:
      return QStringLiteral("De database is te lang bezet door een andere computer. Probeer het zo nog eens.");
    case DbError::Damaged:
      return QStringLiteral("Het database bestand is beschadigd.");
    case DbError::DiskFull:
      return QStringLiteral("De schijf is vol. De gegevens konden niet bewaard worden.");
    case DbError::ReadOnly:
      return QStringLiteral("Het database bestand mag niet beschreven worden.");
    case DbError::FolderReadOnly:
      return QStringLiteral("In de map van het database bestand mag niet geschreven worden. "
                            "De gegevens konden niet bewaard worden.");
    case DbError::IoError:
      return QStringLiteral("Het database bestand kon niet gelezen of beschreven worden.");
    case DbError::WrongLayout:
      return QStringLiteral("De database heeft niet de juiste tabellen of velden.");
    case DbError::InvalidValue:
      return QStringLiteral("Deze waarde past niet in het veld.");
    case DbError::AlreadyExists:
      return QStringLiteral("Er staat al een bestand met die naam. Het wordt niet overschreven.");
    case DbError::Other:
      break;
  }
  return QStringLiteral("Er ging iets mis met de database.");
}

}  // namespace kwil

#pragma once
// Finding the student database at start-up, and the database of the running program.
#include <QString>
#include <functional>

#include "selection/database/studentdatabase.h"

namespace kwil {

// The file used when the DataPath setting is empty: KWILDB/Kwilmora.db in the program folder.
QString defaultDatabasePath();

// Sets DatabasePad from the DataPath setting (or the default path) and reads the settings
// row: UitgangenInverteren from Inverteer and, unless an Arduino already answered
// (InterfaceSoort 3), InterfaceSoort from USB. Gives true when that worked.
// Otherwise (no file, another file, a missing table or row, a Null in a field it reads) it
// tells the user, lets them choose the file, stores its path as DataPath when the name is
// right, and calls endProgram; it gives false, also when endProgram returns.
bool findDatabaseAndReadSettings(const std::function<void()>& endProgram);

// The student database at DatabasePad.
StudentDatabase studentDatabase();

}  // namespace kwil

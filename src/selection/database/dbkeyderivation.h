#pragma once
// How a password is stretched into the raw key of the student database. The program itself
// never stretches anything at run time: its own key is worked out once, when the program is
// built (tools/dbkey), and compiled in. This stays for that build step and for the tests that
// make databases with other keys.
#include <QByteArray>

namespace kwil {

// The raw key for password in the form the engine takes as-is: "x'" + 64 hex digits + "'".
// Slow on purpose (a strong PBKDF2); the same password always gives the same key.
QByteArray databaseKeyFor(const QByteArray& password);

}  // namespace kwil

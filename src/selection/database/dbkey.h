#pragma once
// The key the student database is encrypted with. The engine would stretch a password into a
// key on every open, which makes each open cost tens of milliseconds; the program stretches its
// password once and hands the engine the finished 256-bit key in its raw form, which the engine
// uses as it is.
#include <QByteArray>

namespace kwil {

// The raw key for password in the form the engine takes as-is: "x'" + 64 hex digits + "'".
// Slow on purpose (a strong PBKDF2); the same password always gives the same key.
QByteArray databaseKeyFor(const QByteArray& password);

// The key of the program's own database password, made on first use and kept for the life of
// the process.
const QByteArray& databaseKey();

}  // namespace kwil

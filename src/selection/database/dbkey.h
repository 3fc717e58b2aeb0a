#pragma once
// The key the student database is encrypted with. The engine would stretch a password into a
// key on every open, which makes each open cost tens of milliseconds; the program's password
// is a constant, so its stretched key is one too: it is worked out when the program is built
// and handed to the engine in its raw form, which the engine uses as it is.
#include <QByteArray>

namespace kwil {

// The raw key of the program's own database password: "x'" + 64 hex digits + "'".
const QByteArray& databaseKey();

}  // namespace kwil

// kwil-dbkey HEADER
// Stretches the program's fixed database password into its raw key and writes it as a C++
// header, so that the program starts without spending a tenth of a second on key stretching.
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "selection/database/dbkeyderivation.h"

namespace {

// The fixed password the student database is encrypted with.
constexpr char kDatabasePassword[] = "plonkar";

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("gebruik: kwil-dbkey HEADER\n", stderr);
    return 2;
  }
  const QByteArray header = "// Made by kwil-dbkey when the program is built.\n#pragma once\n\nnamespace kwil {\n"
                            "inline constexpr char kDatabaseRawKey[] = \"" +
                            kwil::databaseKeyFor(kDatabasePassword) + "\";\n}  // namespace kwil\n";
  QSaveFile file(QFile::decodeName(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size() || !file.commit()) {
    std::fprintf(stderr, "kwil-dbkey: kan %s niet schrijven\n", argv[1]);
    return 1;
  }
  return 0;
}

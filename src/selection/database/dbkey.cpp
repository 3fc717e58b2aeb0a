#include "selection/database/dbkey.h"

#include "databaserawkey.h"  // made by kwil-dbkey at build time

namespace kwil {

const QByteArray& databaseKey() {
  static const QByteArray key = QByteArray::fromRawData(kDatabaseRawKey, sizeof kDatabaseRawKey - 1);
  return key;
}

}  // namespace kwil

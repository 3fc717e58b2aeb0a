#include "selection/database/dbkeyderivation.h"

#include <openssl/evp.h>

#include <array>

namespace kwil {

namespace {

// Changing any of these gives another key, and every existing database stops opening.
constexpr char kKeySalt[] = "Kwilmora/leerlingendatabase/1";
constexpr int kKeyIterations = 256000;
constexpr int kKeyBytes = 32;

}  // namespace

QByteArray databaseKeyFor(const QByteArray& password) {
  std::array<unsigned char, kKeyBytes> key{};
  const int ok = PKCS5_PBKDF2_HMAC(password.constData(), int(password.size()),
                                   reinterpret_cast<const unsigned char*>(kKeySalt), int(sizeof kKeySalt - 1),
                                   kKeyIterations, EVP_sha512(), kKeyBytes, key.data());
  // Only fails when the crypto library cannot allocate memory; going on would encrypt with zeros.
  if (ok != 1) qFatal("database key could not be derived");
  const QByteArray hex = QByteArray(reinterpret_cast<const char*>(key.data()), kKeyBytes).toHex();
  return "x'" + hex + "'";
}

}  // namespace kwil

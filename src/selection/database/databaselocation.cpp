#include "selection/database/databaselocation.h"

#include "platform/services.h"
#include "platform/vb.h"
#include "shared/kwilstate.h"

namespace kwil {

namespace {

const QString kDataPathKey = QStringLiteral("DataPath");
const QString kDatabaseFileName = QStringLiteral("Kwilmora.db");

// Reads the settings row into the program-wide variables; false when anything it needs
// is missing.
bool readStartupSettings() {
  const DbResult<DbSettings> read = studentDatabase().readSettings();
  KwilState& s = state();
  const bool usbNeeded = s.InterfaceSoort != SoortArduino;
  if (!read.ok() || !read.value.inverteer || (usbNeeded && !read.value.usb)) return false;
  s.UitgangenInverteren = *read.value.inverteer;
  if (usbNeeded) s.InterfaceSoort = std::int16_t(*read.value.usb);
  return true;
}

// The user points at the file; its path is kept for the next start.
void chooseDatabaseFile() {
  MsgBox(QStringLiteral("Het database bestand is niet gevonden.") + vbCr + QStringLiteral("Geef een nieuw pad op."));
  const QString chosen = platform().dialogs->openFile(QString(), QStringLiteral("*.db"), QString());
  if (!chosen.contains(kDatabaseFileName, Qt::CaseSensitive)) {
    MsgBox(QStringLiteral("Dit is niet het juiste database bestand."));
    return;
  }
  platform().settings->setValue(kDataPathKey, chosen);
  MsgBox(QStringLiteral("Het pad naar de gegevens is ingesteld op: ") + vbCr + chosen + vbCr +
         QStringLiteral("Start het programma opnieuw"));
}

}  // namespace

QString defaultDatabasePath() { return programFolder() + QStringLiteral("/KWILDB/") + kDatabaseFileName; }

bool findDatabaseAndReadSettings(const std::function<void()>& endProgram) {
  const QString stored = platform().settings->value(kDataPathKey);
  state().DatabasePad = stored.isEmpty() ? defaultDatabasePath() : stored;
  if (readStartupSettings()) return true;
  chooseDatabaseFile();
  endProgram();
  return false;
}

StudentDatabase studentDatabase() { return StudentDatabase(state().DatabasePad); }

}  // namespace kwil

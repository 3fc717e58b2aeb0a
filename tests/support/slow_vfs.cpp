#include "support/slow_vfs.h"

#include <sqlcipher/sqlite3.h>

#include <chrono>
#include <thread>

namespace kwil::sim {

namespace {

Traagheid g_traag;
sqlite3_vfs* g_echt = nullptr;
sqlite3_vfs g_traagVfs;
sqlite3_io_methods g_methoden;

// The engine's file and, right behind it in the same block, the real file it wraps.
struct TraagBestand {
  sqlite3_file basis;
  sqlite3_file* echt;
};

sqlite3_file* echt(sqlite3_file* f) { return reinterpret_cast<TraagBestand*>(f)->echt; }
void wacht(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int traagClose(sqlite3_file* f) { return echt(f)->pMethods->xClose(echt(f)); }
int traagRead(sqlite3_file* f, void* buf, int n, sqlite3_int64 ofs) {
  return echt(f)->pMethods->xRead(echt(f), buf, n, ofs);
}
int traagWrite(sqlite3_file* f, const void* buf, int n, sqlite3_int64 ofs) {
  wacht(g_traag.writeMs);
  return echt(f)->pMethods->xWrite(echt(f), buf, n, ofs);
}
int traagTruncate(sqlite3_file* f, sqlite3_int64 size) { return echt(f)->pMethods->xTruncate(echt(f), size); }
int traagSync(sqlite3_file* f, int flags) {
  wacht(g_traag.syncMs);
  return echt(f)->pMethods->xSync(echt(f), flags);
}
int traagFileSize(sqlite3_file* f, sqlite3_int64* size) { return echt(f)->pMethods->xFileSize(echt(f), size); }
int traagLock(sqlite3_file* f, int lock) {
  wacht(g_traag.lockMs);
  return echt(f)->pMethods->xLock(echt(f), lock);
}
int traagUnlock(sqlite3_file* f, int lock) {
  wacht(g_traag.lockMs);
  return echt(f)->pMethods->xUnlock(echt(f), lock);
}
int traagCheckReservedLock(sqlite3_file* f, int* out) {
  return echt(f)->pMethods->xCheckReservedLock(echt(f), out);
}
int traagFileControl(sqlite3_file* f, int op, void* arg) { return echt(f)->pMethods->xFileControl(echt(f), op, arg); }
int traagSectorSize(sqlite3_file* f) { return echt(f)->pMethods->xSectorSize(echt(f)); }
int traagDeviceCharacteristics(sqlite3_file* f) { return echt(f)->pMethods->xDeviceCharacteristics(echt(f)); }
int traagShmMap(sqlite3_file* f, int pg, int size, int extend, void volatile** p) {
  return echt(f)->pMethods->xShmMap(echt(f), pg, size, extend, p);
}
int traagShmLock(sqlite3_file* f, int ofs, int n, int flags) {
  return echt(f)->pMethods->xShmLock(echt(f), ofs, n, flags);
}
void traagShmBarrier(sqlite3_file* f) { echt(f)->pMethods->xShmBarrier(echt(f)); }
int traagShmUnmap(sqlite3_file* f, int del) { return echt(f)->pMethods->xShmUnmap(echt(f), del); }
int traagFetch(sqlite3_file* f, sqlite3_int64 ofs, int n, void** p) {
  return echt(f)->pMethods->xFetch(echt(f), ofs, n, p);
}
int traagUnfetch(sqlite3_file* f, sqlite3_int64 ofs, void* p) { return echt(f)->pMethods->xUnfetch(echt(f), ofs, p); }

int traagOpen(sqlite3_vfs*, const char* naam, sqlite3_file* f, int flags, int* uitFlags) {
  auto* bestand = reinterpret_cast<TraagBestand*>(f);
  bestand->echt = reinterpret_cast<sqlite3_file*>(bestand + 1);
  bestand->basis.pMethods = nullptr;
  const int rc = g_echt->xOpen(g_echt, naam, bestand->echt, flags, uitFlags);
  if (bestand->echt->pMethods) {
    g_methoden.iVersion = bestand->echt->pMethods->iVersion;
    bestand->basis.pMethods = &g_methoden;
  }
  return rc;
}

}  // namespace

void installSlowFileSystem(const Traagheid& traagheid) {
  g_traag = traagheid;
  if (g_echt) return;
  g_echt = sqlite3_vfs_find(nullptr);
  g_methoden = sqlite3_io_methods{3,
                                  traagClose,
                                  traagRead,
                                  traagWrite,
                                  traagTruncate,
                                  traagSync,
                                  traagFileSize,
                                  traagLock,
                                  traagUnlock,
                                  traagCheckReservedLock,
                                  traagFileControl,
                                  traagSectorSize,
                                  traagDeviceCharacteristics,
                                  traagShmMap,
                                  traagShmLock,
                                  traagShmBarrier,
                                  traagShmUnmap,
                                  traagFetch,
                                  traagUnfetch};
  g_traagVfs = *g_echt;
  g_traagVfs.zName = "kwil-traag";
  g_traagVfs.szOsFile = int(sizeof(TraagBestand)) + g_echt->szOsFile;
  g_traagVfs.xOpen = traagOpen;
  g_traagVfs.pNext = nullptr;
  sqlite3_vfs_register(&g_traagVfs, 1);
}

}  // namespace kwil::sim

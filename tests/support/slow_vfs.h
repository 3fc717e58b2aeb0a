#pragma once
// A file system as slow as a busy school share, for the database engine: every sync, write
// and lock call on its files first waits a while. Installed as the engine's default for the
// whole process, so every database connection opened afterwards goes through it.
namespace kwil::sim {

struct Traagheid {
  int syncMs = 20;  // a sync reaches the server's disk
  int writeMs = 1;  // each write travels over the network
  int lockMs = 1;   // each lock or unlock is a round trip
};

void installSlowFileSystem(const Traagheid& traagheid);

}  // namespace kwil::sim

#include "platform/endprogram.h"

#include <cstdio>
#include <cstdlib>

namespace kwil {

namespace {
std::function<void()>& handler() {
  static std::function<void()> h;
  return h;
}
}  // namespace

void EndProgram() {
  if (handler()) {
    handler()();
    throw ProgramEnded{};
  }
  // The program ends here, in the middle of whatever window called: nothing may run after
  // this point. Unwinding or static destructors would tear down windows and Qt's own objects
  // while those are still in use (a crash at every end); nothing is left to save either, as
  // the outputs are off, the database is closed after every operation and the settings are
  // written at once. Only the standard streams are flushed.
  std::fflush(nullptr);
  std::_Exit(0);
}

void setEndProgramHandler(std::function<void()> h) { handler() = std::move(h); }

}  // namespace kwil

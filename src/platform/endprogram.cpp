#include "platform/endprogram.h"

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
  std::exit(0);
}

void setEndProgramHandler(std::function<void()> h) { handler() = std::move(h); }

}  // namespace kwil

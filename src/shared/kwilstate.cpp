#include "shared/kwilstate.h"

#include <memory>

namespace kwil {

namespace {
std::unique_ptr<KwilState>& instance() {
  static std::unique_ptr<KwilState> s = std::make_unique<KwilState>();
  return s;
}
}  // namespace

KwilState& state() { return *instance(); }

void resetState() { instance() = std::make_unique<KwilState>(); }

}  // namespace kwil

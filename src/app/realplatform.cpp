#include "app/realplatform.h"

#include "platform/real/qtdesktop.h"
#include "platform/real/systemclock.h"
#include "platform/services.h"

namespace kwil {

void installRealPlatform() {
  Platform& p = platform();
  p.clock = std::make_unique<SystemClock>();
  p.clipboard = std::make_unique<QtClipboard>();
  p.settings = std::make_unique<QtSettingsStore>();
  p.screen = std::make_unique<QtScreenInfo>();
  p.events = std::make_unique<QtEventPump>();
}

}  // namespace kwil

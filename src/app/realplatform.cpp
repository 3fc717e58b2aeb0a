#include "app/realplatform.h"

#include "platform/real/libusbk8055.h"
#include "platform/real/ppdevparallel.h"
#include "platform/real/qtdesktop.h"
#include "platform/real/qtdialogs.h"
#include "platform/real/qtsound.h"
#include "platform/real/systemclock.h"
#include "platform/real/termiosserial.h"
#include "platform/services.h"

namespace kwil {

void installRealPlatform() {
  Platform& p = platform();
  p.clock = std::make_unique<SystemClock>();
  p.clipboard = std::make_unique<QtClipboard>();
  p.settings = std::make_unique<QtSettingsStore>();
  p.screen = std::make_unique<QtScreenInfo>();
  p.events = std::make_unique<QtEventPump>();
  p.serialPorts = std::make_unique<TermiosSerialPorts>();
  p.parallel = std::make_unique<PpdevParallelPort>();
  p.k8055 = std::make_unique<LibusbK8055Cards>();
  p.wav = std::make_unique<QtWavPlayer>();
  p.narration = std::make_unique<QtNarrationFactory>();
  p.dialogs = std::make_unique<QtDialogService>();
}

}  // namespace kwil

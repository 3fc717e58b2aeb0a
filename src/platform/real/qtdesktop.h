#pragma once
// The small desktop services that Qt offers directly: clipboard, settings, screen, events.
#include "platform/services.h"

namespace kwil {

class QtClipboard : public Clipboard {
 public:
  void clear() override;
  void setText(const QString& text) override;
};

// QSettings with organisation and application "Kwilmora", group "Settings".
class QtSettingsStore : public SettingsStore {
 public:
  QString value(const QString& key) override;
  void setValue(const QString& key, const QString& value) override;
};

class QtScreenInfo : public ScreenInfo {
 public:
  QSize maximisedSize() override;
};

class QtEventPump : public EventPump {
 public:
  void processPending() override;
};

}  // namespace kwil

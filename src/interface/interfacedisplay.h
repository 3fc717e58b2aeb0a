#pragma once
// Where the kind of interface in use is shown: the selection window's caption panel and its
// two analogue-input bars. The selection window fills these hooks when it is built; until then
// showing the interface does nothing.
#include <QString>
#include <functional>

namespace kwil {

struct InterfaceDisplay {
  std::function<void(const QString&)> setCaption;  // Panel(17) caption
  std::function<void(bool)> showAnalog;            // Panel(31) and Panel(32) visible
};

InterfaceDisplay& interfaceDisplay();

// Shows the kind of interface in use on the selection window.
void ToonInterface();

// Small helpers for the searches and ToonInterface; silent when no hook is set.
void toonInterfaceTekst(const QString& caption);
void toonAnaloog(bool zichtbaar);

}  // namespace kwil

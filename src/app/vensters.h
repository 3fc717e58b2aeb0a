#pragma once

namespace kwil {
// Registers how each of the program's windows is made; the windows find each other only
// through the registry.
void registerProgramWindows();
}  // namespace kwil

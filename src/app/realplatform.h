#pragma once

namespace kwil {
// Installs the real implementation of every outside effect.
void installRealPlatform();
}  // namespace kwil

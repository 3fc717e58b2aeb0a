#pragma once
// Finding the interface: the K8055 cards, an iCP12 board or an Arduino on a COM port. A search
// that finds something makes it the kind of interface in use.
#include <cstdint>

namespace kwil {

// Looks for K8055 cards; when some answer, they become the interface and a message lists them.
void ZoekVellemanKaarten();
// Looks for an iCP12 board on COM 1 to 256; the port of the first that answers stays open.
void ZoekICP12();
// Looks for an Arduino on COM 1 to 256 (three seconds of waiting per existing port).
void ZoekArduino();

// The search keys of every window: F11 (key code 122) looks for K8055 cards, F12 (123) for an
// iCP12 board, each after falling back to the parallel port, and the result is shown. Returns
// false, doing nothing, for any other key.
bool ZoekInterfaceMetToets(int keyCode);

// True when COM poort exists and can be opened. One per search, as each search has its own.
bool ComPoortBestaat(std::int16_t poort);
bool ArduinoPoortBestaat(std::int16_t poort);

// The highest COM number the searches try.
constexpr int kHoogsteComPoort = 256;

}  // namespace kwil

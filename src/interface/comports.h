#pragma once
// What the iCP12 and Arduino searches share: walking the COM ports in ascending order.
#include <cstdint>

namespace kwil {

// Closes the serial port, sets ComPoort to 0, then tries COM 1 to 256: for every port that
// bestaat() accepts, antwoordt() probes it (leaving the port open and ComPoort set when a board
// answered). Returns true at the first board; with none the port is closed and ComPoort 0.
bool zoekBoardOpComPoorten(bool (*bestaat)(std::int16_t), bool (*antwoordt)(std::int16_t));

}  // namespace kwil

#pragma once
// The parallel port through Linux ppdev (/dev/parport0). Writes to the data register (&H378)
// and reads of the status register (&H379) go to the claimed port; without a port, or when it
// cannot be claimed, writes go nowhere and the status reads 120, the value of a box with no
// button pressed.
#include "platform/services.h"

namespace kwil {

class PpdevParallelPort : public ParallelPort {
 public:
  explicit PpdevParallelPort(const char* device = "/dev/parport0");
  ~PpdevParallelPort() override;
  PpdevParallelPort(const PpdevParallelPort&) = delete;
  PpdevParallelPort& operator=(const PpdevParallelPort&) = delete;

  void out32(std::int16_t port, std::int16_t value) override;
  std::int16_t inp32(std::int16_t port) override;

  static constexpr std::int16_t kDataRegister = 0x378;
  static constexpr std::int16_t kStatusRegister = 0x379;
  static constexpr std::int16_t kNoButtonPressed = 120;

 private:
  int fd_ = -1;
};

}  // namespace kwil

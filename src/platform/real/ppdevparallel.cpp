#include "platform/real/ppdevparallel.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kwil {

PpdevParallelPort::PpdevParallelPort(const char* device) {
  fd_ = ::open(device, O_RDWR | O_CLOEXEC);
  if (fd_ >= 0 && ::ioctl(fd_, PPCLAIM) != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

PpdevParallelPort::~PpdevParallelPort() {
  if (fd_ < 0) return;
  ::ioctl(fd_, PPRELEASE);
  ::close(fd_);
}

void PpdevParallelPort::out32(std::int16_t port, std::int16_t value) {
  if (fd_ < 0 || port != kDataRegister) return;
  unsigned char byte = static_cast<unsigned char>(value & 0xFF);
  ::ioctl(fd_, PPWDATA, &byte);
}

std::int16_t PpdevParallelPort::inp32(std::int16_t port) {
  if (fd_ < 0) return kNoButtonPressed;
  unsigned char byte = 0;
  const unsigned long request = port == kStatusRegister ? PPRSTATUS : port == kDataRegister ? PPRDATA : 0;
  if (request == 0 || ::ioctl(fd_, request, &byte) != 0)
    return port == kStatusRegister ? kNoButtonPressed : 0;
  return byte;
}

}  // namespace kwil

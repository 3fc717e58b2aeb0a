#pragma once
#include "platform/services.h"

namespace kwil {

class SystemClock : public Clock {
 public:
  void sleepMs(int ms) override;
  double secondsSinceMidnight() override;
  double monotonicSeconds() override;
};

}  // namespace kwil

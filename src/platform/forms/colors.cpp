#include "platform/forms/colors.h"

namespace kwil {

QColor vbColor(std::int32_t bbggrr) {
  return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

std::int32_t vbColorOf(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace kwil

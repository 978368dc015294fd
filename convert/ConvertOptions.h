#pragma once
// The options of one conversion run, shared by the window and the command line.

#include <cstdint>

#include "output/ConvertFlags.h"

namespace zerb {

struct ConvertOptions {
  uint16_t flags = DefaultFlags;
  int32_t overlap = -1;  // negative: new entries only is off
  uint16_t skip = 0;
  bool xml = false;
};

}  // namespace zerb

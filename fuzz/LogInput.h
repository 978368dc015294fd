#pragma once
// The input of the log fuzz target: conversion options, a site file and a
// log file in one byte string, so that the fuzzer varies all three.
//
//   0   2  ConvertFlags (all 16 bits are passed on)
//   2   4  overlap, int32 (negative: new entries only is off)
//   6   2  skip count
//   8   2  stop row: the progress callback stops pass 2 at this row index
//          (and pass 1 at this entry index, in a separate first run)
//   10  2  length L of the site file (0: no site file)
//   12  L  the site file
//   12+L   the log file, to the end of the input
// An input that ends early reads as zeros from there on.

#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/FuzzSupport.h"

namespace zerb::fuzz {

struct LogInput {
  uint16_t flags = 0;
  int32_t overlap = -1;
  uint16_t skip = 0;
  uint16_t stopRow = 0xFFFF;
  std::span<const uint8_t> site;
  std::span<const uint8_t> log;
};

inline LogInput ParseLogInput(const uint8_t* data, std::size_t size) {
  InputReader in(data, size);
  LogInput input;
  input.flags = in.U16();
  input.overlap = static_cast<int32_t>(in.U32());
  input.skip = in.U16();
  input.stopRow = in.U16();
  input.site = in.Take(in.U16());
  input.log = in.Rest();
  return input;
}

// The input bytes of options, a site file and a log file (for seeds).
inline std::vector<uint8_t> MakeLogInput(uint16_t flags, int32_t overlap, uint16_t skip, uint16_t stopRow,
                                         std::span<const uint8_t> site, std::span<const uint8_t> log) {
  std::vector<uint8_t> out;
  auto put = [&](uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  put(flags, 2);
  put(static_cast<uint32_t>(overlap), 4);
  put(skip, 2);
  put(stopRow, 2);
  put(static_cast<uint32_t>(site.size()), 2);
  out.insert(out.end(), site.begin(), site.end());
  out.insert(out.end(), log.begin(), log.end());
  return out;
}

}  // namespace zerb::fuzz

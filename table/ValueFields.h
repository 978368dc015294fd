#pragma once
// The value fields of a table row, each followed by the separator. A
// reading's text depends on its value and exponent alone (and, in the long
// layout, its raw count), and a channel's readings mostly repeat or move
// among a few neighbouring counts. So each channel keeps the fields of its
// last few readings (one per value modulo Ways, 8) and makes a field only
// for a reading it does not hold: no allocation per value.

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "output/Series.h"
#include "output/TextBuffer.h"

namespace zerb {

struct ValueFieldFormat {
  char separator = ',';
  bool decimalComma = false;
  bool withRaw = false;             // the raw count and a separator first
  std::string_view invalid = "";    // the text of an invalid value
};

class ValueFields {
 public:
  // A field this long or shorter is copied as one fixed-size block.
  static constexpr std::size_t Inline = 32;

  ValueFields(std::size_t channels, const ValueFieldFormat& format);

  // The field of channel i's reading (made if it is not held).
  struct Field {
    const char* bytes;
    std::size_t size;
  };
  Field Of(std::size_t channel, const Reading& reading) {
    const uint16_t key = static_cast<uint16_t>(format_.withRaw ? reading.raw : reading.value);
    const std::size_t k = channel * Ways + (key & (Ways - 1));
    Slot& slot = slots_[k];
    if (!slot.Holds(reading, format_.withRaw)) Make(slot, reading);
    return {slot.size <= Inline ? slot.text.data() : long_[k].data(), slot.size};
  }

  // The longest field made so far: a row of n fields needs at most
  // n * Room() chars when written with Put.
  std::size_t Room() const { return room_; }

  // Writes a field to p, which has Room() chars; returns its end.
  static char* Put(char* p, Field f) {
    if (f.size <= 16) {
      std::memcpy(p, f.bytes, 16);
    } else if (f.size <= Inline) {
      std::memcpy(p, f.bytes, Inline);
    } else {
      std::memcpy(p, f.bytes, f.size);
    }
    return p + f.size;
  }

 private:
  static constexpr std::size_t Ways = 8;

  struct Slot {
    int32_t value = 0;
    int16_t raw = 0;
    int8_t exponent = 0;
    uint8_t state = Empty;  // Empty, Invalid or Valid
    uint32_t size = 0;
    std::array<char, Inline> text{};

    static constexpr uint8_t Empty = 0, Invalid = 1, Valid = 2;
    bool Holds(const Reading& r, bool withRaw) const {
      const bool valid = r.valid && r.present;
      if (state != (valid ? Valid : Invalid)) return false;
      if (withRaw && raw != r.raw) return false;
      return !valid || (value == r.value && exponent == r.exponent);
    }
  };

  void Make(Slot& slot, const Reading& reading);
  void MakeLong(Slot& slot, const Reading& reading);
  void Store(Slot& slot, const Reading& reading, std::string_view field);

  ValueFieldFormat format_;
  std::vector<Slot> slots_;
  std::vector<std::string> long_;  // fields longer than Inline, per slot
  std::size_t room_ = Inline;
};

}  // namespace zerb

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

#include "classic/TextBuffer.h"
#include "series/Series.h"

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
    const uint64_t key = KeyOf(reading);
    const std::size_t k = channel * Ways + (static_cast<uint16_t>(format_.withRaw ? reading.raw : reading.value) & (Ways - 1));
    Slot& slot = slots_[k];
    if (slot.key != key) Make(slot, reading, key);
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

  // What a field depends on, in one word: value, exponent and state
  // (value and exponent 0 when invalid or absent), the raw count when it is
  // written. A slot's key 0 means no field yet: no reading has it (its state
  // is 1 invalid, 2 valid or 3 absent).
  uint64_t KeyOf(const Reading& r) const {
    const bool valid = r.valid && r.present;
    const uint64_t number = valid ? (uint64_t{static_cast<uint32_t>(r.value)} |
                                     uint64_t{static_cast<uint8_t>(r.exponent)} << 32)
                                  : 0;
    const uint64_t raw = format_.withRaw && r.present ? uint64_t{static_cast<uint16_t>(r.raw)} << 48 : 0;
    return number | uint64_t{!r.present ? 3u : valid ? 2u : 1u} << 40 | raw;
  }

  struct Slot {
    uint64_t key = 0;
    uint32_t size = 0;
    std::array<char, Inline> text{};
  };

  void Make(Slot& slot, const Reading& reading, uint64_t key);
  void MakeLong(Slot& slot, const Reading& reading, uint64_t key);
  void Store(Slot& slot, uint64_t key, std::string_view field);

  ValueFieldFormat format_;
  std::vector<Slot> slots_;
  std::vector<std::string> long_;  // fields longer than Inline, per slot
  std::size_t room_ = Inline;
};

}  // namespace zerb

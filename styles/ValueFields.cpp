#include "styles/ValueFields.h"

#include <algorithm>
#include <charconv>

#include "model/FormatFixed.h"

namespace zerb {

ValueFields::ValueFields(std::size_t channels, const ValueFieldFormat& format)
    : format_(format), slots_(channels * Ways), long_(channels * Ways) {}

void ValueFields::Make(Slot& slot, const Reading& reading, uint64_t key) {
  // A channel with no reading at the row's time (a merged series): an empty
  // field in every style, the classic one too.
  if (!reading.present) return Store(slot, key, std::string_view(&format_.separator, 1));
  const bool valid = reading.valid;
  // Any value text fits: at most 11 digits and sign and 128 zeros or
  // fraction digits and a point.
  std::array<char, 320> field;
  std::size_t n = 0;
  if (format_.withRaw) {
    n = static_cast<std::size_t>(std::to_chars(field.data(), field.data() + 8, reading.raw).ptr - field.data());
    field[n++] = format_.separator;
  }
  const std::string_view value = valid ? FormatFixed(reading.value, reading.exponent) : format_.invalid;
  // A decimal comma with a comma separator would split the value: quoted.
  const bool quote = valid && format_.decimalComma && format_.separator == ',' && value.find('.') != value.npos;
  if (value.size() + n + 4 > field.size()) return MakeLong(slot, reading, key);
  if (quote) field[n++] = '"';
  for (char c : value) field[n++] = c == '.' && valid && format_.decimalComma ? ',' : c;
  if (quote) field[n++] = '"';
  field[n++] = format_.separator;
  Store(slot, key, std::string_view(field.data(), n));
}

void ValueFields::MakeLong(Slot& slot, const Reading& reading, uint64_t key) {
  std::string text = format_.withRaw ? std::to_string(reading.raw) + format_.separator : std::string();
  text += FormatFixed(reading.value, reading.exponent);
  text += format_.separator;
  Store(slot, key, text);
}

void ValueFields::Store(Slot& slot, uint64_t key, std::string_view field) {
  slot.key = key;
  slot.size = static_cast<uint32_t>(field.size());
  const auto k = static_cast<std::size_t>(&slot - slots_.data());
  if (field.size() <= Inline) {
    std::memcpy(slot.text.data(), field.data(), field.size());
  } else {
    long_[k] = field;
    room_ = std::max(room_, field.size());
  }
}

}  // namespace zerb

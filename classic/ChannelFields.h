#pragma once
// What a writer puts out for the channel values of a row: per channel the
// device's value text with the writer's fixed text around it. A device's
// text depends on the raw value alone (type and exponent stay put during a
// pass), and logged values mostly repeat from one row to the next or move
// among a few neighbouring counts, which is why the log stores differences
// in the first place. So each channel keeps the fields of its last few raw
// values (one per raw value modulo Ways, 8) and makes a field only for a
// raw value it does not hold.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "classic/TextBuffer.h"
#include "model/Devices.h"

namespace zerb {

class ChannelFields {
 public:
  // The fixed text of one channel's field: before + value text + after,
  // with `invalid` in place of an empty value text; `point` in place of the
  // value text's decimal point (',' for a decimal comma).
  struct Parts {
    std::string before, after, invalid;
    char point = '.';
  };

  // partsOf(device) gives each channel's Parts.
  template <class PartsOf>
  ChannelFields(std::span<TDev* const> devices, PartsOf&& partsOf) {
    for (const TDev* device : devices) {
      Channel c{device, partsOf(*device), {}};
      c.after.Set(c.parts.after);
      // Room for the fixed text and a value text of up to 32 characters; a
      // longer text makes more.
      slot_ = std::max(slot_, TextBuffer::PaddedSize(c.parts.before.size() + c.parts.after.size() + 32));
      channels_.push_back(std::move(c));
    }
    // Every slot has the same size, and the part before the value, which
    // never changes, goes in once.
    const std::size_t slots = channels_.size() * Ways;
    storage_.assign(slots * slot_, '\0');
    for (std::size_t k = 0; k < slots; ++k) {
      const std::string& before = channels_[k / Ways].parts.before;
      std::memcpy(&storage_[k * slot_], before.data(), before.size());
    }
    slotRaw_.assign(slots, NoRaw);
    slotSize_.assign(slots, 0);
    fields_.resize(channels_.size());
    fieldSlot_.resize(channels_.size());
    last_.resize(channels_.size());
    changed_.resize(channels_.size());
  }

  // Sets each channel's field to the one of its raw value; raws holds one
  // value per channel, in order. The changed channels are listed first
  // without a branch per channel: whether a value changed is as good as
  // random, and a mispredicted branch costs more than the comparison.
  void Update(std::span<const int16_t> raws) {
    if (!made_) {
      for (std::size_t i = 0; i < raws.size(); ++i) SetField(i, raws[i]);
      made_ = true;
      return;
    }
    std::size_t count = 0;
    for (std::size_t i = 0; i < raws.size(); ++i) {
      changed_[count] = static_cast<uint32_t>(i);
      count += raws[i] != last_[i] ? 1 : 0;
    }
    for (std::size_t k = 0; k < count; ++k) SetField(changed_[k], raws[changed_[k]]);
  }

  // The room the fields of a row take in a reservation, padding included.
  std::size_t Room() const { return fields_.size() * slot_; }

  // Copies the fields to p, which has Room() chars: each as a block of a
  // fixed size that holds the longest field made so far (the slots are
  // padded), the next one starting at its end. Returns the end of the last
  // one.
  char* CopyTo(char* p) const {
    switch (copySize_ / 16) {
      case 0:
      case 1: return CopyBlocks<16>(p);
      case 2: return CopyBlocks<32>(p);
      case 3: return CopyBlocks<48>(p);
      case 4: return CopyBlocks<64>(p);
      case 5: return CopyBlocks<80>(p);
      case 6: return CopyBlocks<96>(p);
      default:
        for (const Field& f : fields_) {
          for (std::size_t k = 0; k < f.size; k += 16) std::memcpy(p + k, f.bytes + k, 16);
          p += f.size;
        }
        return p;
    }
  }

 private:
  struct Channel {
    const TDev* device;
    Parts parts;
    PaddedText after;  // parts.after, for a copy in whole blocks
  };
  struct Field {
    const char* bytes = nullptr;
    std::size_t size = 0;
  };

  // Copies n chars. Value texts are mostly 1 to 8 chars of varying length,
  // for which memcpy's size dispatch mispredicts: two overlapping copies of
  // a fixed size instead.
  static void CopyText(char* dest, const char* src, std::size_t n) {
    if (n >= 8 && n <= 16) {
      std::memcpy(dest, src, 8);
      std::memcpy(dest + n - 8, src + n - 8, 8);
    } else if (n >= 4 && n < 8) {
      std::memcpy(dest, src, 4);
      std::memcpy(dest + n - 4, src + n - 4, 4);
    } else if (n > 0 && n < 4) {
      dest[0] = src[0];
      dest[n / 2] = src[n / 2];
      dest[n - 1] = src[n - 1];
    } else if (n > 16) {
      std::memcpy(dest, src, n);
    }
  }

  template <std::size_t Size>
  char* CopyBlocks(char* p) const {
    for (const Field& f : fields_) {
      std::memcpy(p, f.bytes, Size);
      p += f.size;
    }
    return p;
  }

  // Points channel i's field at the slot of the raw value, making the field
  // there when the slot holds another value's. Out of line: inlined into
  // a writer's loop over the changed channels, it made the classic CSV
  // writer about 4% slower.
  [[gnu::noinline]] void SetField(std::size_t i, int16_t raw) {
    const std::size_t k = i * Ways + (static_cast<uint16_t>(raw) & (Ways - 1));
    if (slotRaw_[k] != raw) MakeField(i, k, raw);
    fields_[i] = {&storage_[k * slot_], slotSize_[k]};
    fieldSlot_[i] = k;
    last_[i] = raw;
  }

  // Makes the field of the raw value in slot k of channel i.
  void MakeField(std::size_t i, std::size_t k, int16_t raw) {
    const Channel& c = channels_[i];
    std::string_view text = c.device->ValueText(raw);
    const bool number = !text.empty();
    if (!number) text = c.parts.invalid;
    const std::size_t at = c.parts.before.size() + text.size();
    const std::size_t size = at + c.parts.after.size();
    // The slot holds the field padded, and the after part's padded copy.
    const std::size_t room = TextBuffer::PaddedSize(at) + TextBuffer::PaddedSize(c.parts.after.size());
    if (room > slot_) Widen(room);
    char* const bytes = &storage_[k * slot_];
    CopyText(bytes + c.parts.before.size(), text.data(), text.size());
    if (number && c.parts.point != '.') std::replace(bytes + c.parts.before.size(), bytes + at, '.', c.parts.point);
    c.after.CopyTo(bytes + at);
    slotRaw_[k] = raw;
    slotSize_[k] = size;
    copySize_ = std::max(copySize_, TextBuffer::PaddedSize(size));
  }

  // Gives every slot the new size, moving the fields made so far.
  void Widen(std::size_t slot) {
    std::vector<char> wider(slotRaw_.size() * slot);
    for (std::size_t k = 0; k < slotRaw_.size(); ++k) std::memcpy(&wider[k * slot], &storage_[k * slot_], slot_);
    storage_ = std::move(wider);
    slot_ = slot;
    for (std::size_t i = 0; i < fields_.size(); ++i)
      if (fields_[i].bytes != nullptr) fields_[i].bytes = &storage_[fieldSlot_[i] * slot_];
  }

  static constexpr std::size_t Ways = 8;        // slots per channel, a power of 2
  static constexpr int32_t NoRaw = INT32_MIN;    // a slot with no field yet

  std::vector<Channel> channels_;
  std::size_t slot_ = 16;          // bytes per slot in storage_
  std::vector<char> storage_;      // Ways slots per channel: a field, padded
  std::vector<int32_t> slotRaw_;   // per slot: the raw value of its field
  std::vector<std::size_t> slotSize_;
  std::vector<Field> fields_;      // what CopyTo copies, per channel
  std::vector<std::size_t> fieldSlot_;  // the slot each field is in
  std::size_t copySize_ = 16;      // padded size of the longest field made
  std::vector<int16_t> last_;      // the raw value of each channel's field
  std::vector<uint32_t> changed_;  // channels to remake in this row
  bool made_ = false;              // fields made for a first row
};

}  // namespace zerb

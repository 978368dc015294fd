#include "model/MList.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "model/ByteIO.h"

namespace zerb {

namespace {

// Blocks up to this size go through a stack buffer; larger ones allocate.
constexpr std::size_t SmallBlock = 128;

// Calls fn with a zeroed buffer of exactly size bytes.
template <typename Fn>
int WithBlockBuffer(std::size_t size, Fn fn) {
  if (size <= SmallBlock) {
    std::array<uint8_t, SmallBlock> buffer{};
    return fn(std::span<uint8_t>(buffer.data(), size));
  }
  std::vector<uint8_t> buffer(size);
  return fn(std::span<uint8_t>(buffer));
}

}  // namespace

int TMObject::Load(std::FILE* stream) {
  const std::size_t size = BlockSize();
  if (size == 0) return 1;
  return WithBlockBuffer(size, [&](std::span<uint8_t> bytes) {
    if (!ReadBlock(stream, bytes)) return 0;
    DecodeBlock(bytes);
    return 1;
  });
}

int TMObject::Save(std::FILE* stream) {
  const std::size_t size = BlockSize();
  if (size == 0) return 1;
  return WithBlockBuffer(size, [&](std::span<uint8_t> bytes) {
    EncodeBlock(bytes);
    return WriteBlock(stream, bytes) ? 1 : 0;
  });
}

void TMListItem::Print(std::FILE* stream) const { std::fputs("Unprintable\n", stream); }

std::string_view FieldText(std::span<const char> field) {
  const auto end = std::find(field.begin(), field.end(), '\0');
  return std::string_view(field.data(), static_cast<std::size_t>(end - field.begin()));
}

void StoreFieldText(std::span<char> field, std::string_view text) {
  if (field.empty()) return;
  const std::size_t n = std::min(text.size(), field.size() - 1);
  std::fill(field.begin(), field.end(), '\0');
  std::memcpy(field.data(), text.data(), n);
}

void DecodeFieldText(std::span<char> field, std::span<const uint8_t> bytes) {
  const std::size_t n = std::min(field.size(), bytes.size());
  std::fill(field.begin(), field.end(), '\0');
  std::memcpy(field.data(), bytes.data(), n);
}

void EncodeFieldText(std::span<uint8_t> bytes, std::span<const char> field) {
  if (bytes.empty()) return;
  const std::size_t n = std::min(field.size(), bytes.size() - 1);
  std::fill(bytes.begin(), bytes.end(), uint8_t{0});
  std::memcpy(bytes.data(), field.data(), n);
}

bool ReadListCount(std::FILE* stream, int16_t& count) {
  std::array<uint8_t, 2> bytes{};
  if (!ReadBlock(stream, bytes)) return false;
  count = load_le16s(bytes.data());
  return true;
}

TMList::~TMList() {
  // TMList's own operations, not the overrides: derived parts are gone.
  First();
  while (cursor_ != nullptr) TMList::DeleteCurrent();
}

TMListItem* TMList::First() {
  if (count_ != 0) cursorIndex_ = 0;
  cursor_ = head_;
  return cursor_;
}

TMListItem* TMList::Next() {
  if (cursor_ == nullptr || cursor_->next_ == nullptr) return nullptr;
  cursor_ = cursor_->next_;
  ++cursorIndex_;
  return cursor_;
}

TMListItem* TMList::GoTo(int32_t index) {
  TMListItem* item = cursor_;
  int32_t position = cursorIndex_;
  while (item != nullptr && position > index) {
    item = item->prev_;
    --position;
  }
  while (item != nullptr && position < index) {
    item = item->next_;
    ++position;
  }
  if (item != nullptr) {
    cursor_ = item;
    cursorIndex_ = index;
  }
  return item;
}

TMListItem* TMList::Append(std::unique_ptr<TMListItem> owned) {
  TMListItem* item = owned.release();
  item->next_ = nullptr;
  item->prev_ = tail_;
  ++count_;
  if (tail_ != nullptr) {
    tail_->next_ = item;
  } else {
    head_ = item;
    First();
  }
  tail_ = item;
  return item;
}

TMListItem* TMList::InsertBefore(std::unique_ptr<TMListItem> owned) {
  if (cursor_ == nullptr) return Append(std::move(owned));
  TMListItem* item = owned.release();
  item->next_ = cursor_;
  item->prev_ = cursor_->prev_;
  if (cursor_->prev_ != nullptr) {
    cursor_->prev_->next_ = item;
  } else {
    head_ = item;
  }
  cursor_->prev_ = item;
  ++count_;
  ++cursorIndex_;
  return item;
}

std::unique_ptr<TMListItem> TMList::NewItem() {
  return std::unique_ptr<TMListItem>(new (std::nothrow) TMListItem);
}

std::unique_ptr<TMListItem> TMList::Unlink() {
  TMListItem* item = cursor_;
  if (item == nullptr) return nullptr;
  if (item->prev_ != nullptr) item->prev_->next_ = item->next_;
  else head_ = item->next_;
  if (item->next_ != nullptr) {
    item->next_->prev_ = item->prev_;
    cursor_ = item->next_;
  } else {
    tail_ = item->prev_;
    cursor_ = item->prev_;
    --cursorIndex_;
  }
  item->prev_ = nullptr;
  item->next_ = nullptr;
  --count_;
  return std::unique_ptr<TMListItem>(item);
}

void TMList::DeleteCurrent() { Unlink(); }

void TMList::Clear() {
  First();
  while (cursor_ != nullptr) DeleteCurrent();
}

int TMList::Load(std::FILE* stream) {
  int16_t count = 0;
  if (!ReadListCount(stream, count)) return 0;
  Clear();
  while (count_ < count) {
    std::unique_ptr<TMListItem> item = NewItem();
    if (item == nullptr) return 1;
    if (item->Load(stream) == 0) return 0;
    Append(std::move(item));
  }
  return 1;
}

int TMList::Save(std::FILE* stream) {
  const int32_t remembered = cursorIndex_;
  std::array<uint8_t, 2> bytes{};
  store_le16(bytes.data(), static_cast<uint16_t>(count_));
  if (!WriteBlock(stream, bytes)) return 0;
  TMListItem* item = First();
  for (int32_t i = 0; i < count_ && item != nullptr; ++i) {
    if (item->Save(stream) == 0) return 0;
    item = Next();
  }
  GoTo(remembered);
  return 1;
}

void TMList::Print(std::FILE* stream) const {
  if (head_ == nullptr) return;
  std::fprintf(stream, "\n%s\n", Title());
  for (const TMListItem* item = head_; item != nullptr; item = item->next_) {
    item->Print(stream);
    std::fputc('\n', stream);
  }
}

}  // namespace zerb

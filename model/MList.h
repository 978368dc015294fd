#pragma once
// Persistent model objects and the owning doubly linked list with a cursor
// that every site list derives from.
//
// A persistent block is a run of fields stored byte-packed and little-endian.
// A class describes its block by its size and a decoder/encoder pair that
// reads and writes the fields at fixed offsets; Load and Save move exactly
// BlockSize() bytes through a local buffer, so a block is never read or
// written outside its bounds whatever the stream holds.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string_view>

namespace zerb {

class TMObject {
 public:
  // Bytes of this object's persistent block; 0 means it has none.
  virtual std::size_t BlockSize() const { return 0; }
  // Fills the block's fields from exactly BlockSize() bytes.
  virtual void DecodeBlock(std::span<const uint8_t> /*bytes*/) {}
  // Writes the block's fields into exactly BlockSize() bytes.
  virtual void EncodeBlock(std::span<uint8_t> /*bytes*/) const {}

  // Reads the persistent block in one piece. Returns 1 when the whole block
  // arrived (or there is none), else 0; on 0 no field has changed.
  virtual int Load(std::FILE* stream);
  // Writes the persistent block. Returns 1 when every byte was accepted
  // (or there is none), else 0.
  virtual int Save(std::FILE* stream);

 protected:
  TMObject() = default;
  TMObject(const TMObject&) = default;
  TMObject& operator=(const TMObject&) = default;
  // Not virtual: nothing is destroyed through a TMObject pointer.
  ~TMObject() = default;
};

class TMList;

// A node of a TMList. Prev/Next are maintained by the list that owns it.
class TMListItem : public TMObject {
 public:
  TMListItem() = default;
  TMListItem(const TMListItem&) = delete;
  TMListItem& operator=(const TMListItem&) = delete;
  virtual ~TMListItem() = default;

  // Writes the item's listing line (without the line break the list adds).
  virtual void Print(std::FILE* stream) const;

  // Neighbours in the owning list; null at the ends and when not linked.
  TMListItem* Prev() const { return prev_; }
  TMListItem* Next() const { return next_; }

 private:
  friend class TMList;
  TMListItem* prev_ = nullptr;
  TMListItem* next_ = nullptr;
};

// Owning doubly linked list with a cursor. Stored as a signed 16-bit count
// followed by the items' blocks.
class TMList : public TMObject {
 public:
  TMList() = default;
  TMList(const TMList&) = delete;
  TMList& operator=(const TMList&) = delete;
  // Destroys every item. Not virtual: lists are members of their owners.
  ~TMList();

  // Reads a 2-byte count n, clears the list and loads items while
  // Count() < n (signed 16-bit, so 0x8000..0xFFFF load nothing). Returns 0
  // when the count is cut short (list untouched) or an item's block is cut
  // short (that item is destroyed, earlier ones stay); 1 otherwise, also
  // when NewItem() can make no more items.
  int Load(std::FILE* stream) override;
  // Writes the low 16 bits of Count() and every item's block, then puts the
  // cursor back on its index. Returns 0 at the first failed write (cursor
  // not restored), else 1.
  int Save(std::FILE* stream) override;

  // Takes ownership and links the item at the end; the cursor moves only
  // when the list was empty (to the item, index 0). Returns the item.
  virtual TMListItem* Append(std::unique_ptr<TMListItem> item);
  // Links the item before the cursor, keeping the cursor on its item (its
  // index grows by one); on an empty list this is Append. Returns the item.
  virtual TMListItem* InsertBefore(std::unique_ptr<TMListItem> item);
  // A new empty item of the list's item class; null when memory is exhausted.
  virtual std::unique_ptr<TMListItem> NewItem();
  // Detaches the cursor item and hands it over; null when there is no cursor.
  // The cursor moves to the successor (same index), or to the predecessor
  // (index - 1) when the item was last.
  virtual std::unique_ptr<TMListItem> Unlink();
  // Unlinks and destroys the cursor item; nothing when there is no cursor.
  virtual void DeleteCurrent();
  // Destroys every item; the list is then empty, with no cursor and
  // CursorIndex -1.
  virtual void Clear();
  // Listing title.
  virtual const char* Title() const { return "LIST"; }
  // Writes "\n<title>\n" and each item's line followed by a line break;
  // nothing for an empty list. Does not move the cursor.
  virtual void Print(std::FILE* stream) const;

  // Cursor on the head (index 0 unless empty); returns it, null when empty.
  TMListItem* First();
  // Moves the cursor one on and returns the item; null at the end, where the
  // cursor stays on the last item. Only meaningful while there is a cursor.
  TMListItem* Next();
  // Walks from the cursor to the index; returns the item and makes it the
  // cursor, or returns null and leaves the cursor when the index is outside.
  TMListItem* GoTo(int32_t index);

  TMListItem* Head() const { return head_; }
  TMListItem* Tail() const { return tail_; }
  TMListItem* Cursor() const { return cursor_; }
  int32_t Count() const { return count_; }
  // 0-based index of the cursor; -1 when there has never been a current item.
  int32_t CursorIndex() const { return cursorIndex_; }

 private:
  TMListItem* head_ = nullptr;
  TMListItem* tail_ = nullptr;
  TMListItem* cursor_ = nullptr;
  int32_t count_ = 0;
  int32_t cursorIndex_ = -1;
};

// Text of a fixed-width text field: up to its first NUL, or the whole field
// when it holds none. Nothing beyond the field is read.
std::string_view FieldText(std::span<const char> field);
// Stores text in a fixed-width field, cut to field.size() - 1 characters so
// that a NUL always ends it, and NUL-pads the rest.
void StoreFieldText(std::span<char> field, std::string_view text);
// Copies a file's text bytes into a field at least as wide; the rest of the
// field becomes NUL.
void DecodeFieldText(std::span<char> field, std::span<const uint8_t> bytes);
// Writes a field into a file's text bytes: at most bytes.size() - 1 of its
// bytes, then NULs, so the stored text is always NUL-terminated.
void EncodeFieldText(std::span<uint8_t> bytes, std::span<const char> field);

// Reads a 2-byte list count as a signed 16-bit number; false on a short read.
bool ReadListCount(std::FILE* stream, int16_t& count);

}  // namespace zerb

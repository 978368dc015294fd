#include "model/MList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ByteIO.h"
#include "tests/model/model_bytes.h"

namespace zerb {
namespace {

using test::Bytes;

int destroyed = 0;

// An item named by one letter with a 3-byte block: the letter and a 16-bit number.
class Tag : public TMListItem {
 public:
  explicit Tag(char tagName = '?', uint16_t tagNumber = 0) : name(tagName), number(tagNumber) {}
  ~Tag() override { ++destroyed; }
  std::size_t BlockSize() const override { return 3; }
  void DecodeBlock(std::span<const uint8_t> b) override {
    name = static_cast<char>(b[0]);
    number = load_le16(&b[1]);
  }
  void EncodeBlock(std::span<uint8_t> b) const override {
    b[0] = static_cast<uint8_t>(name);
    store_le16(&b[1], number);
  }
  void Print(std::FILE* f) const override { std::fprintf(f, "%c%u", name, number); }
  char name;
  uint16_t number;
};

class TagList : public TMList {
 public:
  std::unique_ptr<TMListItem> NewItem() override { return std::make_unique<Tag>(); }
  const char* Title() const override { return "TAGS"; }
};

char NameOf(const TMListItem* item) { return item ? static_cast<const Tag*>(item)->name : '-'; }

// The letters head to tail; checks the back links and Count agree.
std::string Order(const TMList& list) {
  std::string forward, backward;
  for (const TMListItem* i = list.Head(); i; i = i->Next()) forward += NameOf(i);
  for (const TMListItem* i = list.Tail(); i; i = i->Prev()) backward.insert(backward.begin(), NameOf(i));
  EXPECT_EQ(forward, backward);
  EXPECT_EQ(static_cast<int32_t>(forward.size()), list.Count());
  return forward;
}

void Fill(TMList& list, std::string_view names) {
  for (char c : names) list.Append(std::make_unique<Tag>(c));
}

enum class Op { Append, InsertBefore, Unlink, DeleteCurrent, Clear, GoTo, Next, First };

struct CursorRow {
  const char* what;
  const char* items;
  int start;  // GoTo before the operation; -1 leaves the cursor after filling
  Op op;
  int arg;  // GoTo index
  const char* order;
  char cursor;  // '-' for none
  int32_t index;
  char returned;  // '-' for null
  int destroyedCount;
};

const CursorRow cursorRows[] = {
    {"append to empty", "", -1, Op::Append, 0, "X", 'X', 0, 'X', 0},
    {"append keeps cursor", "A", -1, Op::Append, 0, "AX", 'A', 0, 'X', 0},
    {"append with cursor on last", "AB", 1, Op::Append, 0, "ABX", 'B', 1, 'X', 0},
    {"insert on empty appends", "", -1, Op::InsertBefore, 0, "X", 'X', 0, 'X', 0},
    {"insert before head", "AB", 0, Op::InsertBefore, 0, "XAB", 'A', 1, 'X', 0},
    {"insert before middle", "ABC", 1, Op::InsertBefore, 0, "AXBC", 'B', 2, 'X', 0},
    {"insert before tail", "AB", 1, Op::InsertBefore, 0, "AXB", 'B', 2, 'X', 0},
    {"unlink last", "ABC", 2, Op::Unlink, 0, "AB", 'B', 1, 'C', 0},
    {"unlink head", "ABC", 0, Op::Unlink, 0, "BC", 'B', 0, 'A', 0},
    {"unlink middle", "ABC", 1, Op::Unlink, 0, "AC", 'C', 1, 'B', 0},
    {"unlink only item", "A", 0, Op::Unlink, 0, "", '-', -1, 'A', 0},
    {"unlink on new list", "", -1, Op::Unlink, 0, "", '-', -1, '-', 0},
    {"delete middle", "ABC", 1, Op::DeleteCurrent, 0, "AC", 'C', 1, '-', 1},
    {"delete last", "ABC", 2, Op::DeleteCurrent, 0, "AB", 'B', 1, '-', 1},
    {"delete on empty", "", -1, Op::DeleteCurrent, 0, "", '-', -1, '-', 0},
    {"clear", "ABC", 1, Op::Clear, 0, "", '-', -1, '-', 3},
    {"goto beyond end", "ABC", 1, Op::GoTo, 5, "ABC", 'B', 1, '-', 0},
    {"goto before start", "ABC", 1, Op::GoTo, -1, "ABC", 'B', 1, '-', 0},
    {"goto forwards", "ABC", 0, Op::GoTo, 2, "ABC", 'C', 2, 'C', 0},
    {"goto backwards", "ABC", 2, Op::GoTo, 0, "ABC", 'A', 0, 'A', 0},
    {"goto on empty", "", -1, Op::GoTo, 0, "", '-', -1, '-', 0},
    {"next at last stays", "ABC", 2, Op::Next, 0, "ABC", 'C', 2, '-', 0},
    {"next moves", "ABC", 0, Op::Next, 0, "ABC", 'B', 1, 'B', 0},
    {"first", "ABC", 2, Op::First, 0, "ABC", 'A', 0, 'A', 0},
    {"first on new list", "", -1, Op::First, 0, "", '-', -1, '-', 0},
};

TEST(MListCursor, EveryOperationLeavesOrderCursorAndIndex) {
  for (const CursorRow& row : cursorRows) {
    SCOPED_TRACE(row.what);
    TagList list;
    Fill(list, row.items);
    if (row.start >= 0) {
      ASSERT_NE(list.GoTo(row.start), nullptr);
    }
    destroyed = 0;
    const TMListItem* returned = nullptr;
    std::unique_ptr<TMListItem> unlinked;
    switch (row.op) {
      case Op::Append: returned = list.Append(std::make_unique<Tag>('X')); break;
      case Op::InsertBefore: returned = list.InsertBefore(std::make_unique<Tag>('X')); break;
      case Op::Unlink: unlinked = list.Unlink(); returned = unlinked.get(); break;
      case Op::DeleteCurrent: list.DeleteCurrent(); break;
      case Op::Clear: list.Clear(); break;
      case Op::GoTo: returned = list.GoTo(row.arg); break;
      case Op::Next: returned = list.Next(); break;
      case Op::First: returned = list.First(); break;
    }
    EXPECT_EQ(Order(list), row.order);
    EXPECT_EQ(NameOf(list.Cursor()), row.cursor);
    EXPECT_EQ(list.CursorIndex(), row.index);
    EXPECT_EQ(NameOf(returned), row.returned);
    EXPECT_EQ(destroyed, row.destroyedCount);
    if (unlinked) {
      EXPECT_EQ(unlinked->Prev(), nullptr);
      EXPECT_EQ(unlinked->Next(), nullptr);
    }
  }
}

TEST(MListOwnership, ListDestroysItsItemsAndUnlinkHandsOneOver) {
  destroyed = 0;
  std::unique_ptr<TMListItem> kept;
  {
    TagList list;
    Fill(list, "ABCD");
    list.GoTo(1);
    kept = list.Unlink();
  }
  EXPECT_EQ(destroyed, 3);
  EXPECT_EQ(NameOf(kept.get()), 'B');
  kept.reset();
  EXPECT_EQ(destroyed, 4);
}

struct LoadRow {
  const char* what;
  std::vector<uint8_t> bytes;
  int result;
  const char* order;  // after the load; the list held "PQ" before
  long consumed;
  int destroyedCount;  // "PQ" cleared (2) plus any cut item
};

TEST(MListLoad, CountsAndShortReads) {
  const LoadRow rows[] = {
      {"count 0", Bytes().u16(0).data, 1, "", 2, 2},
      {"two items", Bytes().u16(2).u8('A').u16(1).u8('B').u16(2).data, 1, "AB", 8, 2},
      {"trailing bytes stay unread", Bytes().u16(1).u8('A').u16(1).u8(0xEE).data, 1, "A", 5, 2},
      {"count 0x8000 is negative", Bytes().u16(0x8000).u8('A').u16(1).data, 1, "", 2, 2},
      {"count 0xFFFF is negative", Bytes().u16(0xFFFF).u8('A').u16(1).data, 1, "", 2, 2},
      {"count 0x7FFF runs out of items", Bytes().u16(0x7FFF).u8('A').u16(1).data, 0, "A", 5, 3},
      {"second item cut", Bytes().u16(2).u8('A').u16(1).u8('B').data, 0, "A", 6, 3},
      {"count cut: list untouched", Bytes().u8(2).data, 0, "PQ", 1, 0},
      {"empty stream: list untouched", {}, 0, "PQ", 0, 0},
  };
  for (const LoadRow& row : rows) {
    SCOPED_TRACE(row.what);
    TagList list;
    Fill(list, "PQ");
    test::File in = test::ReadStream(row.bytes);
    destroyed = 0;
    EXPECT_EQ(list.Load(in.get()), row.result);
    EXPECT_EQ(Order(list), row.order);
    EXPECT_EQ(std::ftell(in.get()), row.consumed);
    EXPECT_EQ(destroyed, row.destroyedCount);
  }
}

TEST(MListLoad, ItemsWithoutBlockConsumeOnlyTheCount) {
  TMList list;
  test::File in = test::ReadStream(Bytes().u16(3).u8(0xAA).data);
  EXPECT_EQ(list.Load(in.get()), 1);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(std::ftell(in.get()), 2);
  EXPECT_EQ(list.CursorIndex(), 0);
}

TEST(MListSave, RoundTripKeepsOrderAndCursor) {
  TagList list;
  list.Append(std::make_unique<Tag>('A', 0x1234));
  list.Append(std::make_unique<Tag>('B', 7));
  list.Append(std::make_unique<Tag>('C', 0xFFFF));
  list.GoTo(1);
  test::File out = test::WriteStream();
  ASSERT_EQ(list.Save(out.get()), 1);
  EXPECT_EQ(list.CursorIndex(), 1);
  EXPECT_EQ(NameOf(list.Cursor()), 'B');
  const std::vector<uint8_t> bytes = test::Contents(out.get());
  EXPECT_EQ(bytes, Bytes().u16(3).u8('A').u16(0x1234).u8('B').u16(7).u8('C').u16(0xFFFF).data);

  TagList copy;
  test::File in = test::ReadStream(bytes);
  ASSERT_EQ(copy.Load(in.get()), 1);
  EXPECT_EQ(Order(copy), "ABC");
  std::vector<uint16_t> numbers;
  for (TMListItem* i = copy.First(); i; i = copy.Next()) numbers.push_back(static_cast<Tag*>(i)->number);
  EXPECT_EQ(numbers, (std::vector<uint16_t>{0x1234, 7, 0xFFFF}));
}

TEST(MListSave, FailsAtTheFirstRefusedWrite) {
  TagList list;
  Fill(list, "ABC");
  for (std::size_t capacity = 0; capacity < 11; ++capacity) {
    SCOPED_TRACE(capacity);
    test::LimitedSink sink(capacity);
    ASSERT_NE(sink.get(), nullptr);
    EXPECT_EQ(list.Save(sink.get()), 0);
  }
  test::LimitedSink exact(11);
  EXPECT_EQ(list.Save(exact.get()), 1);
}

TEST(MListPrint, TitleThenOneLinePerItem) {
  TagList tags;
  Fill(tags, "AB");
  TMList plain;
  plain.Append(std::make_unique<TMListItem>());
  TagList empty;
  struct Row {
    const TMList* list;
    const char* text;
  } rows[] = {
      {&tags, "\nTAGS\nA0\nB0\n"},
      {&plain, "\nLIST\nUnprintable\n\n"},
      {&empty, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    test::File out = test::WriteStream();
    row.list->Print(out.get());
    const std::vector<uint8_t> bytes = test::Contents(out.get());
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), row.text);
  }
}

struct FieldRow {
  const char* what;
  std::vector<uint8_t> file;  // 4 bytes of a file text field
  const char* text;
  std::vector<uint8_t> saved;
};

TEST(FieldText, BoundedByTheFieldAndAlwaysTerminatedWhenStored) {
  const FieldRow rows[] = {
      {"short", {'a', 'b', 0, 0}, "ab", {'a', 'b', 0, 0}},
      {"no terminator", {'a', 'b', 'c', 'd'}, "abcd", {'a', 'b', 'c', 0}},
      {"bytes after the NUL kept", {'a', 0, 'x', 'y'}, "a", {'a', 0, 'x', 0}},
      {"empty", {0, 'x', 'y', 'z'}, "", {0, 'x', 'y', 0}},
  };
  for (const FieldRow& row : rows) {
    SCOPED_TRACE(row.what);
    std::array<char, 4> field{};
    DecodeFieldText(field, row.file);
    EXPECT_EQ(FieldText(field), row.text);
    std::array<uint8_t, 4> out{};
    EncodeFieldText(out, field);
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.end()), row.saved);
  }
  std::array<char, 4> field{};
  StoreFieldText(field, "toolong");
  EXPECT_EQ(FieldText(field), "too");
}

}  // namespace
}  // namespace zerb

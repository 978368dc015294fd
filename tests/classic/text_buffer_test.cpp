// The staging buffer takes places and texts of any size, in any order, and
// hands on exactly the bytes written into it.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "classic/OutputSink.h"
#include "classic/TextBuffer.h"

namespace zerb {
namespace {

constexpr std::size_t Capacity = TextBuffer::Capacity;

TEST(TextBuffer, EveryMixOfSizesComesOutWhole) {
  const std::size_t sizes[] = {0, 1, 2, 17, Capacity - 1, Capacity, Capacity + 1, 3 * Capacity + 7};
  std::mt19937 rng(3);
  for (int round = 0; round < 200; ++round) {
    StringSink sink;
    auto text = std::make_unique<TextBuffer>(sink);
    std::string want;
    for (int step = 0; step < 6; ++step) {
      const std::size_t n = sizes[rng() % std::size(sizes)];
      const std::string piece(n, static_cast<char>('a' + step));
      switch (rng() % 3) {
        case 0: {  // a place reserved with room to spare, partly used
          char* p = text->Reserve(n + 16);
          std::memcpy(p, piece.data(), n);
          text->Commit(n);
          break;
        }
        case 1: text->Append(piece); break;
        default:
          for (char c : piece.substr(0, 3)) text->Put(c);
          want += piece.substr(0, 3);
          continue;
      }
      want += piece;
    }
    ASSERT_TRUE(text->Flush());
    ASSERT_EQ(sink.text.size(), want.size()) << round;
    EXPECT_EQ(sink.text, want) << round;
  }
}

}  // namespace
}  // namespace zerb

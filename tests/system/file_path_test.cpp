// Paths as text and back: what the program was given is the file it opens,
// and the folder it writes to is the folder the text names.

#include "system/FilePath.h"

#include <gtest/gtest.h>

namespace zerb {
namespace {

TEST(FilePath, TextRoundTripsAndFolderKeepsItsName) {
  struct Row {
    const char* text;
    const char* folder;
  };
  const Row rows[] = {
      {"Büro/42.log", "Büro"},
      {"Gebäude Süd/42 Zähler €.log", "Gebäude Süd"},
      {"東京 ビル/42 測定.log", "東京 ビル"},
      {"B\xfcro/42.log", "B\xfcro"},  // not UTF-8: a Linux name may be any bytes
  };
  for (const Row& row : rows) {
    const std::filesystem::path path = PathFromText(row.text);
    EXPECT_EQ(TextFromPath(path), row.text);
    EXPECT_EQ(TextFromPath(path.parent_path()), row.folder) << row.text;
  }
}

}  // namespace
}  // namespace zerb

// XML with the ISO time: the classic document with one Time element after
// each row's LocalTime, holding the same row time; nothing else changes.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "classic/ConvertFlags.h"
#include "classic/XmlWriter.h"
#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

using namespace writertest;

std::string Xml(const TLog& log, uint16_t flags) {
  StringSink sink;
  EXPECT_EQ(WriteXml(log, sink, -1, 0, flags, nullptr), 1);
  return sink.text;
}

TEST(XmlIsoTime, OneTimeElementAfterEachLocalTime) {
  std::setlocale(LC_TIME, "C");
  auto loaded = Load(FixtureSource());
  std::string want = Xml(*loaded->log, DefaultFlags);
  // Rows at 00:00:10, 00:01:10, 00:02:10 on 07/03/2014 (the XML clock).
  const std::string tag = "<LocalTime>";
  for (std::size_t at = want.find(tag); at != want.npos; at = want.find(tag, at + 1)) {
    const std::string clock = want.substr(at + tag.size(), 8);
    const std::size_t lineEnd = want.find("\r\n", at) + 2;
    want.insert(lineEnd, "\t\t<Time>2014-03-07T" + clock + "</Time>\r\n");
  }
  const std::string got = Xml(*loaded->log, DefaultFlags | FlagIsoTime);
  EXPECT_EQ(got, want);
  EXPECT_NE(got.find("<LocalTime>00:02:10</LocalTime>\r\n\t\t<Time>2014-03-07T00:02:10</Time>\r\n\t\t<Location"),
            got.npos);
  // Without date/time there is no time at all.
  EXPECT_EQ(Xml(*loaded->log, FlagHeaders | FlagIsoTime), Xml(*loaded->log, FlagHeaders));
}

}  // namespace
}  // namespace zerb

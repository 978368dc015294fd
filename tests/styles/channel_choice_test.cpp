#include "styles/ChannelChoice.h"

#include <gtest/gtest.h>

namespace zerb {
namespace {

SeriesChannel Channel(ChannelKind kind, uint16_t key, std::string name) {
  SeriesChannel c;
  c.kind = kind;
  c.key = key;
  c.name = std::move(name);
  return c;
}

TEST(ChooseChannels, IdsAndNamesInTheOrderGiven) {
  const std::vector<SeriesChannel> channels = {
      Channel(ChannelKind::Sensor, 8, "Outside"),          // S1/1
      Channel(ChannelKind::Output, 9, "Heating"),          // O1/2
      Channel(ChannelKind::Sensor, 10, "Au\xDF" "en \x80"),  // S1/3, Windows-1252
      Channel(ChannelKind::Sensor, 11, "Heating"),         // S1/4: a name two channels share
  };
  const struct {
    const char* list;
    std::vector<std::size_t> columns;
    const char* problem;
  } rows[] = {
      {"S1/1", {0}, ""},
      {"O1/2, S1/1", {1, 0}, ""},
      {"Outside,Outside", {0, 0}, ""},
      {"Heating", {1, 3}, ""},
      {"Außen €", {2}, ""},
      {"Au\xDF" "en \x80", {2}, ""},
      {"S1/9", {}, "no channel 'S1/9' in the log"},
      {"Outside,,S1/1", {}, "an empty channel name in the list 'Outside,,S1/1'"},
      {"", {}, "an empty channel name in the list ''"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.list);
    const ChannelChoice choice = ChooseChannels(channels, row.list);
    EXPECT_EQ(choice.problem, row.problem);
    if (choice.problem.empty()) {
      EXPECT_EQ(choice.columns, row.columns);
    }
  }
}

}  // namespace
}  // namespace zerb

#include "styles/ChannelChoice.h"

#include "styles/TableText.h"
#include "styles/Windows1252.h"

namespace zerb {

namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool Names(const SeriesChannel& channel, std::string_view item) {
  const std::string_view stored = Trimmed(channel.name);
  return stored == item || Trimmed(Utf8FromWindows1252(stored)) == item;
}

}  // namespace

ChannelChoice ChooseChannels(std::span<const SeriesChannel> channels, std::string_view list) {
  ChannelChoice choice;
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(',', start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view item = Trimmed(list.substr(start, end - start));
    start = end + 1;
    if (item.empty()) {
      choice.problem = "an empty channel name in the list '" + std::string(list) + "'";
      return choice;
    }
    const std::size_t before = choice.columns.size();
    for (std::size_t c = 0; c < channels.size(); ++c)
      if (ChannelId(channels[c]) == item) choice.columns.push_back(c);
    if (choice.columns.size() == before)
      for (std::size_t c = 0; c < channels.size(); ++c)
        if (Names(channels[c], item)) choice.columns.push_back(c);
    if (choice.columns.size() == before) {
      choice.problem = "no channel '" + std::string(item) + "' in the log";
      return choice;
    }
  }
  return choice;
}

}  // namespace zerb

#include "summary/Statistics.h"

#include <algorithm>
#include <array>

namespace zerb {

namespace {

std::optional<double> Whenever(bool some, double value) { return some ? std::optional<double>(value) : std::nullopt; }

constexpr std::array<StatInfo, 8> Table = {{
    {"mean", Stat::Mean, false, true, false, StatDigits::ChannelMore,
     [](const Figures& f, uint32_t) { return Whenever(f.count > 0, f.Mean()); }},
    {"min", Stat::Min, false, true, false, StatDigits::Channel,
     [](const Figures& f, uint32_t) { return Whenever(f.count > 0, f.low); }},
    {"max", Stat::Max, false, true, false, StatDigits::Channel,
     [](const Figures& f, uint32_t) { return Whenever(f.count > 0, f.high); }},
    {"first", Stat::First, false, false, false, StatDigits::Channel,
     [](const Figures& f, uint32_t) { return Whenever(f.count > 0, f.first); }},
    {"last", Stat::Last, false, false, false, StatDigits::Channel,
     [](const Figures& f, uint32_t) { return Whenever(f.count > 0, f.last); }},
    {"on", Stat::On, true, false, true, StatDigits::Hours,
     [](const Figures& f, uint32_t interval) { return Whenever(f.count > 0, f.HoursOn(interval)); }},
    {"starts", Stat::Starts, true, false, true, StatDigits::Whole,
     [](const Figures& f, uint32_t) { return Whenever(f.count > 0, double(f.starts)); }},
    {"count", Stat::Count, false, true, true, StatDigits::Whole,
     [](const Figures& f, uint32_t) { return std::optional<double>(double(f.count)); }},
}};

std::string AcceptedStats() {
  std::string text;
  for (const StatInfo& row : Table) text += (text.empty() ? "" : ", ") + std::string(row.name);
  return text;
}

}  // namespace

std::span<const StatInfo> StatTable() { return Table; }

const StatInfo& InfoOf(Stat stat) { return Table[static_cast<std::size_t>(stat)]; }

std::optional<std::vector<Stat>> ParseStats(std::string_view list, std::string& problem) {
  std::vector<Stat> stats;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    const auto row = std::find_if(Table.begin(), Table.end(), [&](const StatInfo& s) { return s.name == name; });
    if (row == Table.end() || std::find(stats.begin(), stats.end(), row->stat) != stats.end()) {
      problem = "--stats takes a list of " + AcceptedStats() + ", each once; not '" + std::string(name) + "'";
      return std::nullopt;
    }
    stats.push_back(row->stat);
    if (comma == std::string_view::npos) return stats;
    list.remove_prefix(comma + 1);
  }
}

std::string StatsText(std::span<const Stat> stats) {
  std::string text;
  for (const Stat stat : stats) text += (text.empty() ? "" : ",") + std::string(InfoOf(stat).name);
  return text;
}

std::vector<Stat> StatsFor(bool onOff, const std::vector<Stat>& asked) {
  std::vector<Stat> stats;
  for (const StatInfo& row : Table) {
    const bool listed = asked.empty() ? (onOff ? row.onOffDefault : row.measuredDefault)
                                      : std::find(asked.begin(), asked.end(), row.stat) != asked.end();
    if (listed && (onOff || !row.onOffOnly)) stats.push_back(row.stat);
  }
  if (asked.empty()) return stats;
  // In the order asked.
  std::vector<Stat> ordered;
  for (const Stat stat : asked)
    if (std::find(stats.begin(), stats.end(), stat) != stats.end()) ordered.push_back(stat);
  return ordered;
}

}  // namespace zerb

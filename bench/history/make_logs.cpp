// bench_history_logs SITE FOLDER: the history benchmark's logs, made with
// the log writer.
//
// Four sites, 101 to 104 (each with a copy of the site file SITE), each a
// series of 5-minute rows of the sample site's eight channels downloaded
// 250 times, every 582 rows (two days); the downloads take turns at 577,
// 2,016 and 2,700 rows, so each overlaps the ones before it: 14.1 million
// readings offered, 4.69 million distinct (1.17 million a site). Log k of
// site s is s_kkk.log. Besides them:
//   distinct.csv  every distinct reading once, as rows of the store's
//                 readings (site, kind, key, time, raw, value, exponent,
//                 meaning), in the order the logs first bring them: the
//                 input of the engines' own bulk loads;
//   7_long.log    the longest log (65,536 rows of three channels, one a
//                 minute), and 7_piece1.log .. 7_piece4.log four
//                 overlapping pieces of it, with 7.STE.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "tools/BatchShapes.h"
#include "tools/LogWriter.h"

namespace {

using namespace zerb;

constexpr int Downloads = 250;
constexpr std::size_t Step = 582;  // rows between downloads
constexpr std::size_t Sizes[] = {577, 2016, 2700};
constexpr uint32_t FirstTime = 1700000000;  // row 0 of every site's series
constexpr uint16_t Interval = 300;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "bench_history_logs: cannot write %s\n", what.c_str());
  std::exit(1);
}

void Write(const std::string& path, const LogSource& source) {
  if (!WriteLogFile(path, MakeLogImage(source))) Fail(path);
}

void CopySite(const std::string& site, const std::string& to) {
  std::error_code ec;
  std::filesystem::copy_file(site, to, std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) Fail(to);
}

std::string LogName(const std::string& folder, int site, int k) {
  char name[32];
  std::snprintf(name, sizeof name, "/%d_%03d.log", site, k);
  return folder + name;
}

// Appends the readings of the log at times not written yet.
void AddDistinct(const std::string& path, int site, std::vector<bool>& written, std::ofstream& csv) {
  HistoryLog log;
  if (!log.Open(path, {}) || !log.Decode({}, "")) Fail(path + " (" + log.Error() + ")");
  const auto channels = log.Channels();
  log.Rows().ForEachRow([&](uint32_t clock, std::span<const Reading> readings) {
    const int64_t time = log.TimeOf(clock);
    const auto row = static_cast<std::size_t>((time - FirstTime) / Interval);
    if (written[row]) return true;
    written[row] = true;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      const SeriesChannel& c = channels[i];
      csv << site << ',' << static_cast<int>(c.kind) << ',' << c.key << ',' << time << ',' << readings[i].raw << ',';
      if (readings[i].valid) csv << readings[i].value;
      csv << ',' << int{readings[i].exponent} << ',' << static_cast<int>(c.kind) * 65536 + c.key << '\n';
    }
    return true;
  });
}

void WriteSites(const std::string& siteFile, const std::string& folder) {
  const std::size_t rows = Sizes[2] + Step * (Downloads - 1);
  std::ofstream csv(folder + "/distinct.csv", std::ios::binary);
  for (int site = 101; site <= 104; ++site) {
    CopySite(siteFile, folder + "/" + std::to_string(site) + ".STE");
    const LogRows series = WanderingRows(8, rows, 3, static_cast<unsigned>(site));
    std::vector<bool> written(rows);
    for (int k = 0; k < Downloads; ++k) {
      const std::size_t last = Sizes[2] - 1 + Step * static_cast<std::size_t>(k);
      const std::size_t first = last + 1 - Sizes[k % 3];
      const auto time = static_cast<uint32_t>(FirstTime + last * Interval);
      Write(LogName(folder, site, k),
            SampleShapedLog(LogRows(series.begin() + static_cast<std::ptrdiff_t>(first),
                                    series.begin() + static_cast<std::ptrdiff_t>(last) + 1),
                            time));
      AddDistinct(LogName(folder, site, k), site, written, csv);
    }
  }
  if (!csv) Fail(folder + "/distinct.csv");
}

void WriteLongest(const std::string& siteFile, const std::string& folder) {
  CopySite(siteFile, folder + "/7.STE");
  const LogSource whole = LongestLog();
  Write(folder + "/7_long.log", whole);
  const std::size_t pieces[4][2] = {{0, 20000}, {16000, 36000}, {32000, 52000}, {48000, 65535}};
  for (int p = 0; p < 4; ++p) {
    LogSource piece = whole;
    const auto [first, last] = pieces[p];
    piece.rows.assign(whole.rows.begin() + static_cast<std::ptrdiff_t>(first),
                      whole.rows.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    piece.pcTime = whole.pcTime - static_cast<uint32_t>(whole.rows.size() - 1 - last) * whole.interval;
    Write(folder + "/7_piece" + std::to_string(p + 1) + ".log", piece);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_history_logs SITE FOLDER\n");
    return 2;
  }
  std::filesystem::create_directories(argv[2]);
  WriteSites(argv[1], argv[2]);
  WriteLongest(argv[1], argv[2]);
  return 0;
}

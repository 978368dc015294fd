// bench_store_plot make|run FOLDER [URI]: a year of one site drawn from the
// stores. `make` writes 52 weekly logs (105,120 rows x 20 channels at 300 s)
// into FOLDER and imports them into FOLDER/year.db and, given a PostgreSQL
// URI, that database. `run` then times, in rounds that take the engines in
// turn: the envelope of the whole year at the picture's width (1,600
// columns) drawn as a PNG, a zoom to a week and to a day (each fetched and
// drawn), the year fetched alone, then once the whole year drawn from every
// row (Export) for comparison; each as time and this process's processor
// time. Peak memory (RSS) after the envelope runs and after the
// rows. bench/store-plot.sh runs both on a throw-away server.

#include <sys/resource.h>

#include <QFont>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "chart/ChartFiles.h"
#include "chart/StripChart.h"
#include "history/Spans.h"
#include "history/Store.h"
#include "tools/LogWriter.h"

namespace {

using namespace zerb;
using Clock = std::chrono::steady_clock;

constexpr uint16_t Interval = 300;
constexpr uint32_t FirstTime = 1767225600;  // 2026-01-01
constexpr int Weeks = 52, WeekRows = 2016, LastRows = WeekRows + 288;
constexpr uint32_t Site = 42;
const QSize Picture(1690, 800);  // lines cut to 1,600 columns

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }
// This process's processor time (user and system), in seconds: on a shared
// machine steadier than the clock, though it leaves out a server's work.
double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

void Make(const std::string& folder, const std::vector<std::string>& stores) {
  std::filesystem::create_directories(folder);
  std::mt19937 random(1);
  std::vector<int> value(20, 500);
  std::vector<std::string> logs;
  uint32_t row = 0;
  for (int week = 0; week < Weeks; ++week) {
    LogSource s;
    s.interval = Interval;
    s.sensorSlotsA = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    s.outputSlotsA = {1, 2, 3, 4, 5, 6};
    const int rows = week + 1 < Weeks ? WeekRows : LastRows;
    for (int r = 0; r < rows; ++r, ++row) {
      for (std::size_t c = 0; c < value.size(); ++c)
        value[c] = c < 14 ? std::clamp(value[c] + int(random() % 9) - 4, 0, 1000)
                          : (random() % 40 == 0 ? 1 - value[c] % 2 : value[c] % 2);
      s.rows.emplace_back(value.begin(), value.end());
    }
    s.pcTime = s.lanTime = s.localLanTime = FirstTime + (row - 1) * Interval;
    logs.push_back(folder + "/" + std::to_string(Site) + "_" + std::to_string(week) + ".log");
    if (!WriteLogFile(logs.back(), MakeLogImage(s))) std::exit(1);
  }
  HistoryLogOptions options;
  options.allowDefaultSite = true;
  for (const std::string& location : stores) {
    auto store = OpenStore(location, StoreAccess::Write);
    for (const std::string& log : logs)
      if (store->Import(log, options).status != ImportStatus::Imported) std::exit(1);
  }
  std::printf("%u rows x 20 channels in %d logs\n", row, Weeks);
}

QFont Font() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

SiteEnvelope FetchEnvelope(Store& store, int64_t from, int64_t to) {
  auto envelope =
      store.Envelope(Site, from, to, StripChart::LineColumns(QRectF(QPointF(0, 0), QSizeF(Picture)), Font()));
  if (!envelope) std::exit(1);
  return std::move(*envelope);
}

// The envelope of [from, to] fetched and drawn; its size in bytes.
std::size_t DrawEnvelope(Store& store, int64_t from, int64_t to) {
  const auto envelope = FetchEnvelope(store, from, to);
  StripChart chart;
  chart.SetEnvelope(&envelope.series);
  chart.SetGaps(GapStretches(envelope.gaps));
  return std::size_t(ChartPicture(chart, Picture, Font(), PictureFormat::Png).size());
}

std::size_t DrawRows(Store& store, int64_t from, int64_t to) {
  auto series = store.Export(Site, INT64_MIN, INT64_MAX);
  PreviewData data = LoadPreview(*series);
  InsertEmptyRows(data, GapBreaks(FindGaps(store.Spans(Site, INT64_MIN, INT64_MAX))));
  StripChart chart;
  chart.SetData(&data);
  chart.SetRange(double(from), double(to));
  return std::size_t(ChartPicture(chart, Picture, Font(), PictureFormat::Png).size());
}

void Run(const std::vector<std::pair<std::string, std::string>>& stores) {
  const int64_t first = FirstTime, last = FirstTime + int64_t(105120 - 1) * Interval;
  const int64_t middle = first + (last - first) / 2;
  const struct {
    const char* name;
    int64_t from, to;
  } views[] = {{"year", first, last}, {"week", middle, middle + 7 * 86400}, {"day", middle, middle + 86400}};
  std::map<std::string, std::vector<double>> times, processor;
  std::vector<std::unique_ptr<Store>> opened;
  for (const auto& [name, location] : stores) opened.push_back(OpenStore(location, StoreAccess::ReadOnly));
  constexpr int Rounds = 5;
  for (int round = 0; round < Rounds; ++round)
    for (std::size_t s = 0; s < stores.size(); ++s)
      for (const auto& view : views) {
        const auto start = Clock::now();
        const double cpu = ProcessorSeconds();
        DrawEnvelope(*opened[s], view.from, view.to);
        times[stores[s].first + " " + view.name].push_back(Since(start));
        processor[stores[s].first + " " + view.name].push_back(ProcessorSeconds() - cpu);
      }
  // The store's part of the year alone, without the drawing.
  for (int round = 0; round < Rounds; ++round)
    for (std::size_t s = 0; s < stores.size(); ++s) {
      const auto start = Clock::now();
      const double cpu = ProcessorSeconds();
      FetchEnvelope(*opened[s], first, last);
      times[stores[s].first + " year, fetched only"].push_back(Since(start));
      processor[stores[s].first + " year, fetched only"].push_back(ProcessorSeconds() - cpu);
    }
  const long envelopePeak = PeakMegabytes();
  for (std::size_t s = 0; s < stores.size(); ++s) {
    const auto start = Clock::now();
    const double cpu = ProcessorSeconds();
    DrawRows(*opened[s], first, last);
    times[stores[s].first + " year, every row"].push_back(Since(start));
    processor[stores[s].first + " year, every row"].push_back(ProcessorSeconds() - cpu);
  }
  std::printf("%-28s %8s %8s %8s %8s  (s, %d rounds, engines in turn; cpu: this process's median)\n",
              "fetched and drawn", "median", "min", "max", "cpu", Rounds);
  for (auto& [name, seconds] : times) {
    std::sort(seconds.begin(), seconds.end());
    std::vector<double>& cpu = processor[name];
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-28s %8.3f %8.3f %8.3f %8.3f\n", name.c_str(), seconds[seconds.size() / 2], seconds.front(),
                seconds.back(), cpu[cpu.size() / 2]);
  }
  std::printf("peak RSS: %ld MB after the envelopes, %ld MB after every row\n", envelopePeak, PeakMegabytes());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || (std::strcmp(argv[1], "make") != 0 && std::strcmp(argv[1], "run") != 0)) {
    std::fprintf(stderr, "usage: %s make|run FOLDER [POSTGRESQL-URI]\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[2];
  std::vector<std::pair<std::string, std::string>> stores = {{"sqlite", folder + "/year.db"}};
  if (argc > 3) stores.push_back({"postgres", argv[3]});
  try {
    if (std::strcmp(argv[1], "make") == 0) {
      std::vector<std::string> locations;
      for (const auto& store : stores) locations.push_back(store.second);
      Make(folder, locations);
      return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    Run(stores);
  } catch (const StoreError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}

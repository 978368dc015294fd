// zerb32-fuzz-seeds SAMPLES OUT: writes the seed corpus of every fuzz target
// into OUT/<target>/, from the sample site and log in SAMPLES, logs made with
// the project's log writer, and a file for every way a load can fail.
// `make fuzz-seeds` runs it over fuzz/corpus.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/LogInput.h"
#include "tools/LogWriter.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// Little-endian file bytes in order.
struct Builder {
  Bytes data;
  Builder& u8(unsigned v) {
    data.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  Builder& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8); }
  Builder& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  // Cut or NUL-padded to the width; a text as wide as the field has no NUL.
  Builder& text(std::string_view s, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) u8(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
    return *this;
  }
  Builder& header(unsigned version, std::string_view name, std::string_view phone) {
    return u16(version).text(name, 41).text(phone, 41).u8(0);
  }
  Builder& unit(unsigned number, unsigned asCount, unsigned rooms, std::string_view name) {
    return u8(number).u8(asCount).u8(rooms).u16(0).text(name, 17).u16(0x0102);
  }
  Builder& device(std::string_view name, unsigned key, unsigned type, int exp, char units) {
    return text(name, 11).u16(key).u8(1).u8(type).u8(0).u8(static_cast<uint8_t>(exp)).u8(static_cast<uint8_t>(units));
  }
};

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
}

Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// Version 257: extension, three Y-axes, a unit with a room and a creep item,
// sensors of several types, both kinds of output with long value texts,
// ASMs with the exponent byte at its ends.
Bytes FullSite() {
  Builder b;
  b.header(257, "Hilltop School", "01632 960000").u16(900).u16(7).u32(1700000000).u16(3);
  b.u16(3).unit(1, 2, 1, "Boiler House");
  b.u16(6)
      .device("Outside", 8, 2, 0, 'C')
      .device("Hall", 9, 3, 0, 'F')
      .device("Humidity", 10, 4, 0, '%')
      .device("Spud", 11, 5, 0, 'M')
      .device("Pt", 12, 17, 0, 'C')
      .device("Odd type", 13, 24, 0, '?');
  // Exponents that make value texts of some 20 and some 90 characters.
  b.u16(2).device("Pump", 8, 0, 20, '%').device("Valve", 9, 1, -90, '%');
  b.u16(3).device("Setpoint", 0x0421, 0, -1, ' ').device("Big", 0x0441, 0, 127, ' ').device("Tiny", 0x0461, 2, -128, ' ');
  return b.data;
}

void SiteSeeds(const fs::path& samples, const fs::path& out) {
  const fs::path dir = out / "site";
  Write(dir, "sample-42.STE", ReadFile(samples / "42.STE"));
  const Bytes full = FullSite();
  Write(dir, "version-257.STE", full);
  Write(dir, "cut-in-sensors.STE", Bytes(full.begin(), full.begin() + 160));
  Write(dir, "empty.STE", {});
  Write(dir, "version-256-empty-lists.STE", Builder().header(256, "Old", "").u16(0).u16(0).u16(0).u16(0).data);
  Write(dir, "negative-counts.STE",
        Builder().header(256, "Neg", "").u16(0xFFFF).u16(0x8000).u16(1).device("S", 3, 2, 0, 'C').u16(0xFFFF).data);
  Write(dir, "unit-with-255-items.STE",
        Builder().header(256, "Many", "").u16(1).unit(31, 255, 200, "Tower").u16(0).u16(0).u16(0).data);
  Write(dir, "texts-without-nul.STE",
        Builder()
            .header(256, std::string(41, 'N'), std::string(41, 'T'))
            .u16(1)
            .unit(2, 0, 0, std::string(17, 'U'))
            .u16(1)
            .device(std::string(11, 'D'), 16, 2, 0, 'C')
            .u16(0)
            .u16(1)
            .device(std::string(11, 'A'), 0xFFFF, 0, 0, ' ')
            .data);
}

// Deterministic rows: a first row near the 16-bit ends, then differences of
// every code length.
std::vector<std::vector<int16_t>> Rows(std::size_t count, std::size_t channels, unsigned seed) {
  std::mt19937 rng(seed);
  static constexpr int lo[] = {0, 1, 3, 11, 139};
  static constexpr int hi[] = {0, 2, 10, 138, 32767};
  std::vector<std::vector<int16_t>> rows(count, std::vector<int16_t>(channels));
  for (auto& v : rows[0]) v = static_cast<int16_t>(rng());
  for (std::size_t r = 1; r < count; ++r)
    for (std::size_t i = 0; i < channels; ++i) {
      const auto k = static_cast<unsigned>(rng() % 5);
      const int magnitude = std::uniform_int_distribution<int>(lo[k], hi[k])(rng);
      rows[r][i] = static_cast<int16_t>(rows[r - 1][i] + (rng() & 1 ? -magnitude : magnitude));
    }
  return rows;
}

// Two sensor groups, two output groups and ASMs, some slots empty.
zerb::LogSource MixedLog() {
  zerb::LogSource s;
  s.description = "Boiler house";
  s.newEntryCount = 4;
  s.interval = 300;
  s.pcTime = 1796040000;
  s.lanTime = 1796039958;
  s.localLanTime = 1796043558;
  s.sensorSlotsA = {8, 0xFF, 9};
  s.sensorSlotsB = {10, 11, 12, 13};
  s.outputSlotsA = {8};
  s.outputSlotsB = {0xFF, 9};
  s.asmSlots = {0x0421, 0x0020, 0x0441, 0x0461, 0x0013};
  s.rows = Rows(12, zerb::UsedSlotCount(s), 1);
  return s;
}

using Change = std::function<void(zerb::LogParts&)>;

// A file for every way the load can fail, and for the edges it accepts.
const std::vector<std::pair<const char*, Change>>& LogVariants() {
  using zerb::LogParts;
  static const std::vector<std::pair<const char*, Change>> variants = {
      {"short-data-area", [](LogParts& p) { p.header.dataSize = static_cast<int16_t>(p.data.size() + 9); }},
      {"one-stray-byte", [](LogParts& p) { p.trailer = {0xAB}; }},
      {"two-stray-bytes", [](LogParts& p) { p.trailer = {0, 0}; }},
      {"format-version-2", [](LogParts& p) { p.header.formatVersion = 2; }},
      {"slots-outnumber-channels", [](LogParts& p) { p.header.channelCounts[0]--; p.initialValues.pop_back(); }},
      {"channels-outnumber-slots", [](LogParts& p) { p.header.channelCounts[4]++; p.initialValues.push_back(0); }},
      {"config-14-bytes", [](LogParts& p) { p.header.configEnd = p.header.configStart + 13; p.config.resize(14); }},
      {"config-15-bytes-no-slots",
       [](LogParts& p) {
         p.header.configEnd = p.header.configStart + 14;
         p.config.assign(15, 0);
         p.header.channelCounts = {};
         p.initialValues.clear();
       }},
      {"config-2049-bytes", [](LogParts& p) { p.header.configEnd = p.header.configStart + 2048; p.config.resize(2049); }},
      {"config-end-before-start", [](LogParts& p) { p.header.configEnd = -30000; }},
      {"slots-past-block", [](LogParts& p) { p.config[14] = 200; }},
      {"asm-slot-half-outside", [](LogParts& p) { p.config.pop_back(); p.header.configEnd--; }},
      {"negative-data-size", [](LogParts& p) { p.header.dataSize = -1; }},
      {"data-and-values-past-32768", [](LogParts& p) { p.header.dataSize = 32761; }},
      {"start-byte-negative", [](LogParts& p) { p.header.startByte = -1; }},
      {"start-byte-at-data-size", [](LogParts& p) { p.header.startByte = p.header.dataSize; }},
      {"start-byte-last", [](LogParts& p) { p.header.startByte = static_cast<int16_t>(p.header.dataSize - 1); }},
      {"start-bit-7", [](LogParts& p) { p.header.startBit = 7; }},
      {"start-bit-8", [](LogParts& p) { p.header.startBit = 8; }},
      {"five-leading-ones", [](LogParts& p) { std::fill(p.data.begin(), p.data.end(), uint8_t{0xFF}); }},
      {"new-entries-above-entries", [](LogParts& p) { p.header.newEntryCount = 60000; }},
      {"description-without-nul", [](LogParts& p) { p.header.description.assign(41, 'L'); }},
  };
  return variants;
}

void LogSeeds(const fs::path& samples, const fs::path& out) {
  using zerb::fuzz::MakeLogInput;
  const fs::path dir = out / "log";
  const Bytes sampleSite = ReadFile(samples / "42.STE");
  const Bytes sampleLog = ReadFile(samples / "42.log");
  Write(dir, "sample-defaults", MakeLogInput(0x14, -1, 0, 0xFFFF, sampleSite, sampleLog));
  Write(dir, "sample-all-flags-new-only-skip-2", MakeLogInput(0x1F, 3, 2, 0xFFFF, sampleSite, sampleLog));
  Write(dir, "sample-serial-tab-stop-at-5", MakeLogInput(0x0D, -1, 0, 5, sampleSite, sampleLog));
  Write(dir, "sample-no-site-no-options", MakeLogInput(0, -1, 0, 0xFFFF, {}, sampleLog));

  const Bytes site = FullSite();
  const zerb::LogSource mixed = MixedLog();
  Write(dir, "mixed", MakeLogInput(0x14, -1, 0, 0xFFFF, site, zerb::MakeLogImage(mixed)));
  zerb::LogSource wrapped = mixed;
  wrapped.dataSize = 200;
  wrapped.startByte = 190;
  wrapped.startBit = 5;
  Write(dir, "mixed-ring-wraps-serial-lan", MakeLogInput(0x0E, 0, 1, 0xFFFF, site, zerb::MakeLogImage(wrapped)));
  zerb::LogSource noChannels;
  noChannels.rows.assign(4, {});
  Write(dir, "no-channels", MakeLogInput(0x14, -1, 0, 0xFFFF, {}, zerb::MakeLogImage(noChannels)));
  zerb::LogSource oneRow = mixed;
  oneRow.rows.resize(1);
  Write(dir, "one-row-stop-at-0", MakeLogInput(0x1F, 0, 0, 0, site, zerb::MakeLogImage(oneRow)));

  const zerb::LogParts sound = zerb::EncodeLog(mixed);
  for (const auto& [name, change] : LogVariants()) {
    zerb::LogParts parts = sound;
    change(parts);
    Write(dir, name, MakeLogInput(0x14, -1, 0, 0xFFFF, site, zerb::SerializeLog(parts)));
  }
  const Bytes image = zerb::MakeLogImage(mixed);
  Write(dir, "cut-in-header", MakeLogInput(0x14, -1, 0, 0xFFFF, {}, Bytes(image.begin(), image.begin() + 60)));
}

void IntegerSeeds(const fs::path& out) {
  const char* texts[] = {"0",          "-1",          "70000",  "2147483647", "-2147483648", "2147483648",
                         "$7FFFFFFF",  "-$80000000",  "0x1f",   " \t+12",     "",            " ",
                         "12 ",        "0x",          "$",      "1e3",        "--1",         "-0X8000000"};
  for (std::size_t i = 0; i < std::size(texts); ++i)
    Write(out / "integer", "text-" + std::to_string(i), Text(texts[i]));
}

void PathSeeds(const fs::path& out) {
  using namespace std::string_view_literals;
  const std::string_view paths[] = {
      "C:\\logs\\123.log\0CSV"sv, "123.log\0xml"sv,           "/var/logs/0042x.log\0CSV"sv,
      "/a\\b/  7.log\0"sv,        "/logs.d/5.old.log\0CSV"sv, "4294967295.log\0CSV"sv,
      "4294967296.log\0CSV"sv,    "site.log\0CSV"sv,          "/data.old/5\0.txt"sv,
      "/logs/\0CSV"sv,            "-5.log"sv,                 ""sv,
  };
  for (std::size_t i = 0; i < std::size(paths); ++i)
    Write(out / "paths", "path-" + std::to_string(i), Text(paths[i]));
}

// Edits of a store (fuzz_store.cpp): column, value (0 a text: piece and
// repeat count; 1 a number; 2 NULL), row count (0xFFFF: all) and first row.
struct StoreEdit {
  unsigned column;
  unsigned form;
  std::string_view piece;
  unsigned times;
  int64_t number;
  unsigned count, first;
};

Bytes StoreEdits(std::initializer_list<StoreEdit> edits) {
  Builder b;
  for (const StoreEdit& e : edits) {
    b.u8(e.column).u8(e.form);
    if (e.form == 0) b.u8(static_cast<unsigned>(e.piece.size())).text(e.piece, e.piece.size()).u16(e.times);
    if (e.form == 1) b.u32(static_cast<uint32_t>(e.number)).u32(static_cast<uint32_t>(static_cast<uint64_t>(e.number) >> 32));
    b.u16(e.count).u16(e.first);
  }
  return b.u8(0xFF).data;
}

void StoreSeeds(const fs::path& out) {
  enum : unsigned { Name, TypeName, Units, Exponent, Digital, Kind, Key, Raw, Value, ReadingExponent, Time,
                    ImportName, SiteName, FirstTime, Interval };
  constexpr unsigned All = 0xFFFF;
  const struct {
    const char* name;
    Bytes bytes;
  } seeds[] = {
      {"as-imported", StoreEdits({})},
      {"names-past-64k", StoreEdits({{Name, 0, "Outside air 16b.", 0x2000, 0, All, 0}})},
      {"type-names-past-64k", StoreEdits({{TypeName, 0, "TS4-C\",\"\r\n", 0x4000, 0, 1, 2}})},
      {"units-long-and-empty", StoreEdits({{Units, 0, "\x80\x8D\xFF%", 0x100, 0, 2, 0}, {Units, 0, "", 0, 0, 1, 3}})},
      {"names-8-bit-and-quotes", StoreEdits({{Name, 0, "\"\x81;\t\xE9", 3, 0, All, 1}, {ImportName, 0, "x", 1, 0, All, 0}})},
      {"exponents-far-out", StoreEdits({{ReadingExponent, 1, "", 0, 127, 40, 0}, {ReadingExponent, 1, "", 0, -300, 40, 40},
                                         {Exponent, 1, "", 0, 1000, All, 0}})},
      {"values-and-raws-out-of-range", StoreEdits({{Value, 1, "", 0, INT64_MIN, 10, 5}, {Raw, 1, "", 0, 70000, 10, 20},
                                                   {Value, 2, "", 0, 0, All, 100}})},
      {"numbers-as-text", StoreEdits({{Raw, 0, "12x", 1, 0, 3, 0}, {Digital, 0, "yes", 1, 0, All, 0}})},
      {"times-moved", StoreEdits({{Time, 1, "", 0, -1, 1, 7}, {Time, 1, "", 0, int64_t{1} << 40, 1, 9},
                                  {FirstTime, 1, "", 0, 5000000000, All, 0}, {Interval, 1, "", 0, 0, All, 0}})},
      {"kinds-and-keys", StoreEdits({{Kind, 1, "", 0, 9, 1, 0}, {Key, 1, "", 0, -2, 1, 1}})},
      {"site-name-past-64k", StoreEdits({{SiteName, 0, "Riverside ", 0x3000, 0, All, 0}})},
  };
  for (const auto& seed : seeds) Write(out / "store", seed.name, seed.bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zerb32-fuzz-seeds SAMPLES-FOLDER OUTPUT-FOLDER\n");
    return 2;
  }
  try {
    SiteSeeds(argv[1], argv[2]);
    LogSeeds(argv[1], argv[2]);
    IntegerSeeds(argv[2]);
    PathSeeds(argv[2]);
    StoreSeeds(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zerb32-fuzz-seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}

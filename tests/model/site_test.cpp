#include "model/Site.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/model/model_bytes.h"

namespace zerb {
namespace {

using test::Bytes;

std::vector<std::string> DeviceNames(const TDevList& list) {
  std::vector<std::string> names;
  for (const TMListItem* i = list.Head(); i; i = i->Next())
    names.emplace_back(static_cast<const TDev*>(i)->NameText());
  return names;
}

// Unit items as "U<number>" and airspace items as "R<n>" (room) or "C<n>" (creep).
std::vector<std::string> UnitItems(const TAsList& list) {
  std::vector<std::string> items;
  for (const TMListItem* i = list.Head(); i; i = i->Next()) {
    if (const auto* unit = dynamic_cast<const TUnit*>(i)) {
      items.push_back("U" + std::to_string(unit->Number));
    } else {
      const auto* as = dynamic_cast<const TAs*>(i);
      items.push_back((as->IsRoom() ? "R" : "C") + std::to_string(as->ItemNumber()));
    }
  }
  return items;
}

using Names = std::vector<std::string>;

// Sections after the header: device lists of one record each.
Bytes DeviceSections() {
  return Bytes()
      .u16(1)
      .device("S1", 0x1A, 1, 2, 0, ' ')
      .u16(1)
      .device("O1", 9, 1, 0, 0, '%')
      .u16(1)
      .device("A1", 0x0421, 1, 0, -1, ' ');
}

struct VersionRow {
  const char* what;
  Bytes file;
  uint16_t version;
  int32_t yAxes;
  uint16_t extA;
  uint32_t extTime;
};

TEST(SiteLoad, BothVersions) {
  const Bytes units = Bytes().u16(1).unit(4, 0, 0, "BOILER", 0x0102);
  const VersionRow rows[] = {
      {"256: units right after the header", Bytes().siteHeader(256, "Farm", "555").append(units).append(DeviceSections()),
       256, 0, 900, 0},
      {"257 with no Y axes",
       Bytes().siteHeader(257, "Farm", "555").u16(3).u16(4).u32(99).u16(0).append(units).append(DeviceSections()),
       257, 0, 3, 99},
      {"257 with three Y axes (no bytes each)",
       Bytes().siteHeader(257, "Farm", "555").u16(3).u16(4).u32(99).u16(3).append(units).append(DeviceSections()),
       257, 3, 3, 99},
      {"0xFFFF is above 257",
       Bytes().siteHeader(0xFFFF, "Farm", "555").u16(3).u16(4).u32(99).u16(1).append(units).append(DeviceSections()),
       0xFFFF, 1, 3, 99},
  };
  for (const VersionRow& row : rows) {
    SCOPED_TRACE(row.what);
    TSite site;
    test::File in = test::ReadStream(row.file.data);
    ASSERT_EQ(site.Load(in.get()), 1);
    EXPECT_EQ(site.FormatVersion, row.version);
    EXPECT_EQ(site.NameText(), "Farm");
    EXPECT_EQ(site.TelephoneText(), "555");
    EXPECT_EQ(site.YAxes.Count(), row.yAxes);
    EXPECT_EQ(site.ExtWordA, row.extA);
    EXPECT_EQ(site.ExtTime, row.extTime);
    EXPECT_EQ(UnitItems(site.Units), Names{"U4"});
    EXPECT_EQ(DeviceNames(site.Sensors), Names{"S1"});
    EXPECT_EQ(DeviceNames(site.Outputs), Names{"O1"});
    EXPECT_EQ(DeviceNames(site.Asms), Names{"A1"});
    EXPECT_EQ(std::ftell(in.get()), static_cast<long>(row.file.data.size()));
  }
}

struct UnitRow {
  const char* what;
  Bytes units;
  Names items;
};

TEST(SiteLoad, UnitsAndTheirAirspaceItems) {
  const UnitRow rows[] = {
      {"count 3 covers one unit with two items", Bytes().u16(3).unit(1, 2, 1, "A", 0), {"U1", "R1", "C1"}},
      {"count 1 still gets all five items", Bytes().u16(1).unit(2, 5, 2, "B", 0), {"U2", "R1", "R2", "C1", "C2", "C3"}},
      {"two units", Bytes().u16(4).unit(1, 1, 0, "A", 0).unit(2, 1, 1, "B", 0), {"U1", "C1", "U2", "R1"}},
      {"count between a unit's items", Bytes().u16(2).unit(1, 2, 0, "A", 0), {"U1", "C1", "C2"}},
      {"unit without items", Bytes().u16(2).unit(7, 0, 0, "A", 0).unit(8, 0, 0, "B", 0), {"U7", "U8"}},
      {"count 0", Bytes().u16(0), {}},
      {"count 0x8000", Bytes().u16(0x8000), {}},
      {"count 0xFFFF", Bytes().u16(0xFFFF), {}},
  };
  for (const UnitRow& row : rows) {
    SCOPED_TRACE(row.what);
    TSite site;
    test::File in = test::ReadStream(Bytes().siteHeader(256, "", "").append(row.units).append(DeviceSections()).data);
    ASSERT_EQ(site.Load(in.get()), 1);
    EXPECT_EQ(UnitItems(site.Units), row.items);
    // The device lists follow the unit records directly.
    EXPECT_EQ(DeviceNames(site.Sensors), Names{"S1"});
    EXPECT_EQ(DeviceNames(site.Asms), Names{"A1"});
  }
}

struct NegativeCountRow {
  const char* what;
  unsigned yAxes, units, sensors, outputs, asms;
  std::vector<int32_t> counts;  // y axes, unit items, sensors, outputs, asms
};

TEST(SiteLoad, NegativeCountsGiveEmptyListsAndReadingGoesOn) {
  const NegativeCountRow rows[] = {
      {"y axes", 0x8000, 1, 1, 1, 1, {0, 2, 1, 1, 1}},
      {"units", 2, 0xFFFF, 1, 1, 1, {2, 0, 1, 1, 1}},
      {"sensors", 2, 1, 0x8000, 1, 1, {2, 2, 0, 1, 1}},
      {"outputs", 2, 1, 1, 0xFFFF, 1, {2, 2, 1, 0, 1}},
      {"asms", 2, 1, 1, 1, 0x8001, {2, 2, 1, 1, 0}},
  };
  for (const NegativeCountRow& row : rows) {
    SCOPED_TRACE(row.what);
    auto records = [](unsigned count, const Bytes& record) {
      Bytes b;
      b.u16(count);
      if (count < 0x8000) b.append(record);
      return b;
    };
    Bytes file = Bytes().siteHeader(257, "", "").u16(0).u16(0).u32(0).u16(row.yAxes);
    file.append(records(row.units, Bytes().unit(1, 1, 0, "U", 0)));
    file.append(records(row.sensors, Bytes().device("S", 1, 1, 2, 0, ' ')));
    file.append(records(row.outputs, Bytes().device("O", 1, 1, 0, 0, '%')));
    file.append(records(row.asms, Bytes().device("A", 1, 1, 0, 0, ' ')));
    TSite site;
    test::File in = test::ReadStream(file.data);
    ASSERT_EQ(site.Load(in.get()), 1);
    EXPECT_EQ((std::vector<int32_t>{site.YAxes.Count(), site.Units.Count(), site.Sensors.Count(),
                                    site.Outputs.Count(), site.Asms.Count()}),
              row.counts);
    EXPECT_EQ(std::ftell(in.get()), static_cast<long>(file.data.size()));
  }
}

// A full version 257 file and the offsets where its sections end.
struct FullFile {
  Bytes bytes;
  std::size_t header = 85, extension = 93, yAxes = 95, units = 121;
  std::size_t sensorsStart = 123, outputsStart = 161, asmsStart = 199, end = 235;
};

FullFile MakeFullFile() {
  FullFile f;
  f.bytes.siteHeader(257, "Hilltop", "0123")
      .u16(1)
      .u16(2)
      .u32(0x01020304)
      .u16(2)
      .u16(3)
      .unit(5, 2, 1, "SHED", 0x0203)
      .u16(2)
      .device("S1", 0x28, 1, 2, 0, ' ')
      .device("S2", 0x29, 1, 1, 0, ' ')
      .u16(2)
      .device("O1", 0x28, 1, 0, 0, '%')
      .device("O2", 0x29, 1, 1, -1, '%')
      .u16(2)
      .device("A1", 0x0425, 1, 0, 0, ' ')
      .device("A2", 0x0445, 0, 2, -1, ' ');
  return f;
}

// Devices read when the file is cut at length: complete records only.
Names Expected(std::size_t length, std::size_t start, const Names& all) {
  Names names;
  for (std::size_t i = 0; i < all.size(); ++i)
    if (length >= start + (i + 1) * DevBlockSize) names.push_back(all[i]);
  return names;
}

TEST(SiteLoad, CutAtEveryOffsetKeepsWhatWasReadBefore) {
  const FullFile full = MakeFullFile();
  ASSERT_EQ(full.bytes.data.size(), full.end);
  for (std::size_t length = 0; length <= full.end + 1; ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    std::vector<uint8_t> cut = full.bytes.data;
    if (length <= full.end) cut.resize(length);
    else cut.push_back(0xEE);  // a trailing byte is ignored

    TSite site;
    site.SetName("stale");
    site.Sensors.FindOrCreate(3);
    site.SetSiteNumber(42);
    test::File in = test::ReadStream(cut);
    EXPECT_EQ(site.Load(in.get()), length >= full.end ? 1 : 0);

    EXPECT_EQ(site.SiteNumber, 0);
    EXPECT_EQ(site.NameText(), length >= full.header ? "Hilltop" : "");
    EXPECT_EQ(site.ExtTime, length >= full.extension ? 0x01020304u : 0u);
    EXPECT_EQ(site.ExtWordA, length >= full.extension ? 1 : 900);
    EXPECT_EQ(site.YAxes.Count(), length >= full.yAxes ? 2 : 0);
    EXPECT_EQ(UnitItems(site.Units), length >= full.units ? (Names{"U5", "R1", "C1"}) : Names{});
    const bool sensorsCounted = length >= full.sensorsStart;
    EXPECT_EQ(DeviceNames(site.Sensors), sensorsCounted ? Expected(length, full.sensorsStart, {"S1", "S2"}) : Names{});
    EXPECT_EQ(DeviceNames(site.Outputs), length >= full.outputsStart ? Expected(length, full.outputsStart, {"O1", "O2"})
                                                                    : Names{});
    EXPECT_EQ(DeviceNames(site.Asms), length >= full.asmsStart ? Expected(length, full.asmsStart, {"A1", "A2"})
                                                              : Names{});
  }
}

TEST(SiteSave, WritesVersion257AndTheSameBytesAsTheFile) {
  const FullFile full = MakeFullFile();
  TSite site;
  test::File in = test::ReadStream(full.bytes.data);
  ASSERT_EQ(site.Load(in.get()), 1);
  test::File out = test::WriteStream();
  ASSERT_EQ(site.Save(out.get()), 1);
  EXPECT_EQ(test::Contents(out.get()), full.bytes.data);

  // A 256 file is saved with the extension and an empty Y-axis list.
  Bytes old = Bytes().siteHeader(256, "Old", "").u16(1).unit(1, 0, 0, "U", 0).append(DeviceSections());
  TSite oldSite;
  test::File oldIn = test::ReadStream(old.data);
  ASSERT_EQ(oldSite.Load(oldIn.get()), 1);
  test::File oldOut = test::WriteStream();
  ASSERT_EQ(oldSite.Save(oldOut.get()), 1);
  EXPECT_EQ(oldSite.FormatVersion, 257);
  EXPECT_EQ(test::Contents(oldOut.get()), Bytes()
                                               .siteHeader(257, "Old", "")
                                               .u16(900)
                                               .u16(0)
                                               .u32(0)
                                               .u16(0)
                                               .u16(1)
                                               .unit(1, 0, 0, "U", 0)
                                               .append(DeviceSections())
                                               .data);
}

TEST(SiteSave, FailsWhenTheSinkRefusesAnyByte) {
  const FullFile full = MakeFullFile();
  TSite site;
  test::File in = test::ReadStream(full.bytes.data);
  ASSERT_EQ(site.Load(in.get()), 1);
  for (std::size_t capacity = 0; capacity < full.end; capacity += 7) {
    SCOPED_TRACE(capacity);
    test::LimitedSink sink(capacity);
    EXPECT_EQ(site.Save(sink.get()), 0);
  }
  test::LimitedSink exact(full.end);
  EXPECT_EQ(site.Save(exact.get()), 1);
}

TEST(SiteReset, EmptiesEverythingButTheVersion) {
  const FullFile full = MakeFullFile();
  TSite site;
  site.Reset();
  test::File in = test::ReadStream(full.bytes.data);
  ASSERT_EQ(site.Load(in.get()), 1);
  site.SetSiteNumber(42);
  EXPECT_EQ(site.SiteNumber, 42);
  site.Reset();
  EXPECT_EQ(site.FormatVersion, 257);
  EXPECT_EQ(site.NameText(), "");
  EXPECT_EQ(site.TelephoneText(), "");
  EXPECT_EQ(site.ExtWordA, 900);
  EXPECT_EQ(site.ExtWordB, 0);
  EXPECT_EQ(site.ExtTime, 0u);
  EXPECT_EQ(site.SiteNumber, 0);
  for (const TMList* list : {static_cast<const TMList*>(&site.YAxes), static_cast<const TMList*>(&site.Units),
                             static_cast<const TMList*>(&site.Sensors), static_cast<const TMList*>(&site.Outputs),
                             static_cast<const TMList*>(&site.Asms)}) {
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->Head(), nullptr);
  }
}

TEST(SiteListing, UnitsWithRoomsAndCreepItems) {
  TSite site;
  test::File in =
      test::ReadStream(Bytes().siteHeader(256, "", "").u16(1).unit(5, 2, 1, "SHED", 0x0203).append(DeviceSections()).data);
  ASSERT_EQ(site.Load(in.get()), 1);
  EXPECT_EQ(static_cast<const TAs*>(site.Units.Tail())->UnitNumber(), 5u);
  test::File out = test::WriteStream();
  site.Units.Print(out.get());
  const std::vector<uint8_t> bytes = test::Contents(out.get());
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
            "\nUNIT PROGAM\nUNIT   5 SHED             002-003\n     ROOM 1\n     CREEP 1\n");
}

}  // namespace
}  // namespace zerb

// Memory running out while a site or a log loads. The model makes list items
// and the log's per-channel arrays with the non-throwing operator new; this
// test executable replaces it with one that can be told to fail from the
// n-th call on, and then tries every n: no crash, no leak (LeakSanitizer),
// results as the rules say, and lists whose links and counts agree.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "model/Log.h"
#include "model/Site.h"
#include "tests/model/log_support.h"
#include "tests/model/model_bytes.h"
#include "tools/LogWriter.h"

namespace {

long nothrowCalls = 0;  // calls of the non-throwing forms so far
long failFrom = -1;     // the call from which they fail; -1: never

void* Allocate(std::size_t size, bool array) noexcept {
  if (failFrom >= 0 && nothrowCalls++ >= failFrom) return nullptr;
  try {
    return array ? ::operator new[](size) : ::operator new(size);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

// The plain and array forms keep the runtime's own allocator, so that every
// delete still meets the allocation it belongs to.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, false); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }

namespace zerb {
namespace {

// Counts the non-throwing allocations of fn, or fails them from call n on.
template <class Fn>
long Allocations(Fn&& fn) {
  nothrowCalls = 0;
  failFrom = 1L << 40;
  fn();
  failFrom = -1;
  return nothrowCalls;
}
template <class Fn>
void FailingFrom(long n, Fn&& fn) {
  nothrowCalls = 0;
  failFrom = n;
  fn();
  failFrom = -1;
}

int32_t Linked(const TMList& list) {
  int32_t n = 0;
  for (const TMListItem* item = list.Head(); item != nullptr; item = item->Next()) ++n;
  return n;
}

void ExpectConsistent(const TSite& site) {
  for (const TMList* list : {static_cast<const TMList*>(&site.YAxes), static_cast<const TMList*>(&site.Units),
                             static_cast<const TMList*>(&site.Sensors), static_cast<const TMList*>(&site.Outputs),
                             static_cast<const TMList*>(&site.Asms)})
    EXPECT_EQ(Linked(*list), list->Count());
}

// Version 257 with Y-axes, a unit with two airspace items and a device in
// each list.
std::vector<uint8_t> SiteFile() {
  test::Bytes b;
  b.siteHeader(257, "Hilltop", "").u16(900).u16(0).u32(0).u16(2);
  b.u16(3).unit(1, 2, 1, "Boiler", 0x0102);
  b.u16(2).device("S1", 8, 1, 2, 0, 'C').device("S2", 9, 1, 2, 0, 'C');
  b.u16(1).device("O1", 8, 1, 0, 0, '%');
  b.u16(1).device("A1", 0x0421, 1, 0, 0, ' ');
  return b.data;
}

// Memory that runs out ends the list being read early, with success; the
// site holds what was made, and the load goes on with the next section.
TEST(AllocationFaults, SiteLoad) {
  const std::vector<uint8_t> file = SiteFile();
  auto load = [&](TSite& site) {
    test::File in = test::ReadStream(file);
    return site.Load(in.get());
  };
  TSite whole;
  const long calls = Allocations([&] { ASSERT_EQ(load(whole), 1); });
  ASSERT_EQ(calls, 2 + 3 + 2 + 1 + 1);  // Y-axes, unit and its items, devices
  for (long n = 0; n <= calls; ++n) {
    SCOPED_TRACE("allocations fail from call " + std::to_string(n));
    TSite site;
    int result = -1;
    FailingFrom(n, [&] { result = load(site); });
    // A list cut short leaves the stream inside its records, so a later
    // section may read them as counts and records and come up short.
    EXPECT_TRUE(result == 0 || result == 1);
    EXPECT_EQ(site.NameText(), "Hilltop");
    ExpectConsistent(site);
    EXPECT_EQ(site.YAxes.Count(), std::min<long>(n, 2));
    if (n == calls) {
      EXPECT_EQ(result, 1);
    }
  }
}

LogSource FourChannels() {
  LogSource s;
  s.sensorSlotsA = {8, 0xFF, 20};
  s.outputSlotsB = {8};
  s.asmSlots = {0x0421};
  s.rows = {{1, 2, 3, 4}, {5, 6, 7, 8}};
  return s;
}

// The log's arrays or a device that cannot be made: the load fails with a
// reason, the log is not loaded and a pass refuses to run; devices already
// added stay in the site, and its lists stay whole.
TEST(AllocationFaults, LogLoad) {
  const std::vector<uint8_t> image = MakeLogImage(FourChannels());
  TSite site;
  {
    auto log = std::make_unique<TLog>(site);
    const long calls = Allocations([&] { ASSERT_EQ(logtest::LoadImage(*log, image), 1) << log->LoadError(); });
    ASSERT_EQ(calls, 4 + 4);  // four arrays, four new devices
  }
  for (long n = 0; n <= 8; ++n) {
    SCOPED_TRACE("allocations fail from call " + std::to_string(n));
    site.Reset();
    auto log = std::make_unique<TLog>(site);
    int result = -1;
    FailingFrom(n, [&] { result = logtest::LoadImage(*log, image); });
    ExpectConsistent(site);
    if (n == 8) {
      EXPECT_EQ(result, 1);
      continue;
    }
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(log->IsLoaded());
    EXPECT_NE(log->LoadError().find("not enough memory"), std::string::npos) << log->LoadError();
    EXPECT_EQ(log->Channels().size(), 0u);
    EXPECT_EQ(log->ComputeOldestValues(logtest::NoStop), -1);
    EXPECT_EQ(site.Sensors.Count() + site.Outputs.Count() + site.Asms.Count(), n < 4 ? 0 : n - 4);
    // Memory back: the same log object loads.
    EXPECT_EQ(logtest::LoadImage(*log, image), 1) << log->LoadError();
    EXPECT_EQ(log->ComputeOldestValues(logtest::NoStop), 1);
  }
}

// Pass 1 keeps its delta sets for pass 2 when memory allows; without that
// memory pass 2 decodes the ring again, to the same rows.
TEST(AllocationFaults, Pass1KeepsNoDeltas) {
  const std::vector<uint8_t> image = MakeLogImage(FourChannels());
  std::vector<logtest::WrittenRow> rows[2];
  for (long failing : {0, 1}) {
    TSite site;
    TLog log(site);
    ASSERT_EQ(logtest::LoadImage(log, image), 1);
    FailingFrom(failing ? 0 : 1L << 40, [&] { ASSERT_EQ(log.ComputeOldestValues(logtest::NoStop), 1); });
    const auto [result, written] = logtest::Walk(log, 600);
    EXPECT_EQ(result, 1);
    rows[failing] = written;
  }
  EXPECT_EQ(rows[0].size(), 2u);
  EXPECT_EQ(rows[1], rows[0]);
}

}  // namespace
}  // namespace zerb

// Fuzz target: a site file loaded as a conversion loads it. Besides the
// sanitizers' checks: the result is 0 or 1; the lists hold what their counts
// say, every airspace item follows its unit; every device's texts can be
// made; a key finds the first device that has it; and a site that loaded
// saves, reloads and saves again to the very same bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <typeinfo>

#include "fuzz/FuzzSupport.h"
#include "model/Devices.h"
#include "model/Site.h"
#include "model/Units.h"
#include "sensor/SensorTypes.h"

namespace {

using namespace zerb;

// Walks the links (not the cursor) and checks the count and the back links.
int32_t LinkedCount(const TMList& list) {
  int32_t n = 0;
  const TMListItem* previous = nullptr;
  for (const TMListItem* item = list.Head(); item != nullptr; item = item->Next()) {
    ZERB_FUZZ_CHECK(item->Prev() == previous);
    previous = item;
    ++n;
  }
  ZERB_FUZZ_CHECK(list.Tail() == previous);
  return n;
}

void CheckUnits(const TAsList& units) {
  ZERB_FUZZ_CHECK(LinkedCount(units) == units.Count());
  const TUnit* unit = nullptr;
  unsigned expected = 0;  // index of the next airspace item of `unit`
  for (const TMListItem* item = units.Head(); item != nullptr; item = item->Next()) {
    if (const auto* u = dynamic_cast<const TUnit*>(item)) {
      ZERB_FUZZ_CHECK(unit == nullptr || expected > unit->AsCount);
      unit = u;
      expected = 1;
      ZERB_FUZZ_CHECK(u->NameText().size() < UnitNameSize + 1);
      continue;
    }
    const auto* as = dynamic_cast<const TAs*>(item);
    ZERB_FUZZ_CHECK(as != nullptr && unit != nullptr);
    ZERB_FUZZ_CHECK(as->Unit == unit && as->Index == expected && as->AsIndex() == expected);
    ZERB_FUZZ_CHECK(as->ItemNumber() >= 1);
    ++expected;
  }
  ZERB_FUZZ_CHECK(unit == nullptr || expected > unit->AsCount);
}

const int Raws[] = {-32768, -32767, -1, 0, 1, 50, 51, 512, 741, 746, 983, 1023, 1024, 32767};

template <class Device>
void CheckDevices(TDevList& list) {
  ZERB_FUZZ_CHECK(LinkedCount(list) == list.Count());
  for (const TMListItem* item = list.Head(); item != nullptr; item = item->Next()) {
    const auto* device = dynamic_cast<const TDev*>(item);
    ZERB_FUZZ_CHECK(device != nullptr && typeid(*device) == typeid(Device));
    ZERB_FUZZ_CHECK(device->NameText().size() <= DevNameFileSize);
    ZERB_FUZZ_CHECK(device->TypeName() != nullptr);
    for (int raw : Raws) {
      const int value = device->Convert(raw);
      const bool empty = typeid(Device) == typeid(TAsm) ? value == 32767 : value == InvalidValue;
      ZERB_FUZZ_CHECK(device->ValueText(raw).empty() == empty);
    }
  }
  // A key finds the first device with it and adds nothing; a few suffice.
  int checked = 0;
  const int32_t count = list.Count();
  for (const TMListItem* item = list.Head(); item != nullptr && checked < 16; item = item->Next(), ++checked) {
    const auto* device = static_cast<const TDev*>(item);
    const TMListItem* first = list.Head();
    while (static_cast<const TDev*>(first)->Key != device->Key) first = first->Next();
    ZERB_FUZZ_CHECK(list.FindOrCreate(device->Key) == first);
    ZERB_FUZZ_CHECK(list.Count() == count);
  }
}

std::FILE* Discard() {
  static std::FILE* devnull = std::fopen("/dev/null", "w");
  return devnull;
}

// TSite has no virtual destructor; a plain holder owns it.
struct SiteHolder {
  TSite site;
};

std::string Saved(TSite& site) {
  fuzz::MemoryWriter out;
  ZERB_FUZZ_CHECK(site.Save(out.get()) == 1);
  return out.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  auto holder = std::make_unique<SiteHolder>();
  TSite* const site = &holder->site;
  fuzz::File stream = fuzz::ReadStream(std::span<const uint8_t>(data, size));
  const int loaded = site->Load(stream.get());
  ZERB_FUZZ_CHECK(loaded == 0 || loaded == 1);
  ZERB_FUZZ_CHECK(site->SiteNumber == 0);
  ZERB_FUZZ_CHECK(site->NameText().size() <= SiteTextSize && site->TelephoneText().size() <= SiteTextSize);
  ZERB_FUZZ_CHECK(LinkedCount(site->YAxes) == site->YAxes.Count());
  CheckUnits(site->Units);
  CheckDevices<TSensor>(site->Sensors);
  CheckDevices<TOutput>(site->Outputs);
  CheckDevices<TAsm>(site->Asms);
  if (std::FILE* out = Discard()) {
    site->Units.Print(out);
    site->Sensors.Print(out);
    site->Outputs.Print(out);
    site->Asms.Print(out);
  }
  if (loaded == 0) return 0;

  const std::string first = Saved(*site);
  ZERB_FUZZ_CHECK(site->FormatVersion == SiteVersionWithExtension);
  auto againHolder = std::make_unique<SiteHolder>();
  TSite* const again = &againHolder->site;
  fuzz::File reread = fuzz::ReadStream(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(first.data()),
                                                                first.size()));
  ZERB_FUZZ_CHECK(again->Load(reread.get()) == 1);
  ZERB_FUZZ_CHECK(again->Units.Count() == site->Units.Count());
  ZERB_FUZZ_CHECK(again->Sensors.Count() == site->Sensors.Count());
  ZERB_FUZZ_CHECK(again->Outputs.Count() == site->Outputs.Count());
  ZERB_FUZZ_CHECK(again->Asms.Count() == site->Asms.Count());
  ZERB_FUZZ_CHECK(Saved(*again) == first);
  return 0;
}

// zerb32-mksample FOLDER: writes the sample site file 42.STE and the sample
// log 42.log into FOLDER. Two days of readings every 5 minutes at a small
// office site: outside and office temperatures with a daily cycle, humidity,
// a duct pressure, a heating output that switches on the office
// temperature, a valve position, an ASM set-point that drops at night, and
// one logged channel the site file does not describe.

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/Site.h"
#include "sensor/SensorTypes.h"
#include "tools/LogWriter.h"

namespace {

using zerb::TDev;

constexpr int RowsPerDay = 24 * 12;
constexpr int RowCount = 2 * RowsPerDay + 1;
constexpr uint16_t Interval = 300;
constexpr uint32_t NewestPcTime = 1796040000;  // 30/11/2026 12:00:00
constexpr uint32_t LanClockBehind = 42;        // the network clock runs 42 s behind the PC's
constexpr double Pi = 3.14159265358979323846;

template <class Device>
Device& AddDevice(zerb::TDevList& list, const char* name, uint16_t key, uint8_t type, int8_t exp, char units) {
  auto device = std::make_unique<Device>();
  device->SetName(name);
  device->Key = key;
  device->TypeCode = type;
  device->ExpByte = exp;
  device->UnitsByte = units;
  return static_cast<Device&>(*list.Append(std::move(device)));
}

void AddUnit(zerb::TAsList& units, uint8_t number, const char* name, uint8_t rooms, uint8_t creeps, uint16_t program) {
  auto unit = std::make_unique<zerb::TUnit>();
  unit->Number = number;
  unit->SetName(name);
  unit->RoomCount = rooms;
  unit->AsCount = static_cast<uint8_t>(rooms + creeps);
  unit->Program = program;
  const zerb::TUnit& stored = static_cast<zerb::TUnit&>(*units.Append(std::move(unit)));
  for (uint8_t i = 1; i <= rooms + creeps; ++i) units.Append(std::make_unique<zerb::TAs>(stored, i));
}

// The raw count whose engineering value (in the device's fixed point) is
// nearest to `value`: what the monitoring system would have logged.
int16_t RawFor(const TDev& device, double value) {
  const double scaled = value * std::pow(10.0, -device.Exponent());
  int best = 0;
  double bestDistance = 1e30;
  for (int raw = 0; raw <= 1023; ++raw) {
    const int converted = device.Convert(raw);
    if (converted == zerb::InvalidValue) continue;
    const double distance = std::fabs(converted - scaled);
    if (distance < bestDistance) best = raw, bestDistance = distance;
  }
  return static_cast<int16_t>(best);
}

struct SampleDevices {
  TDev* outside;
  TDev* office;
  TDev* humidity;
  TDev* duct;
  TDev* heating;
  TDev* valve;
  TDev* setpoint;
};

SampleDevices BuildSite(zerb::TSite& site) {
  site.SetName("Riverside Offices");
  site.SetTelephone("01632 960123");
  AddUnit(site.Units, 1, "Plant Room", 1, 1, 0x0102);
  AddUnit(site.Units, 2, "East Wing", 2, 1, 0x0203);
  SampleDevices d{};
  d.outside = &AddDevice<zerb::TSensor>(site.Sensors, "Outside", 1 * 8 + 0, 2, 0, ' ');
  d.duct = &AddDevice<zerb::TSensor>(site.Sensors, "Duct Press", 1 * 8 + 3, 22, 0, ' ');
  d.office = &AddDevice<zerb::TSensor>(site.Sensors, "Office", 2 * 8 + 1, 11, 0, ' ');
  d.humidity = &AddDevice<zerb::TSensor>(site.Sensors, "Humidity", 2 * 8 + 2, 4, 0, ' ');
  d.heating = &AddDevice<zerb::TOutput>(site.Outputs, "Heating", 1 * 8 + 0, 0, 0, '%');
  d.valve = &AddDevice<zerb::TOutput>(site.Outputs, "Valve/LTHW", 1 * 8 + 1, 1, -1, '%');
  d.setpoint = &AddDevice<zerb::TAsm>(site.Asms, "Setpoint", 2 | (1 << 5) | (3 << 9), 0, -1, 'C');
  return d;
}

// Hours since midnight of row r; the last row is at noon.
double HourOf(int r) { return std::fmod(12.0 + (r - (RowCount - 1)) * Interval / 3600.0 + 48.0, 24.0); }

std::vector<std::vector<int16_t>> MakeRows(const SampleDevices& d, zerb::TDev& unknown) {
  std::vector<std::vector<int16_t>> rows;
  bool heatingOn = false;
  double office = 19.0;
  for (int r = 0; r < RowCount; ++r) {
    const double hour = HourOf(r);
    const double daily = std::cos((hour - 15.0) / 24.0 * 2 * Pi);  // warmest at 15:00
    const double outside = 6.0 + 4.5 * daily + 0.3 * std::sin(r * 0.7);
    const bool occupied = hour >= 7.0 && hour < 19.0;
    const double setpoint = occupied ? 21.0 : 16.0;
    // The heating switches with a half-degree band around the set-point.
    if (office < setpoint - 0.5) heatingOn = true;
    if (office > setpoint + 0.5) heatingOn = false;
    office += (heatingOn ? 0.25 : -0.12) + (outside - office) * 0.004;
    const double valve = heatingOn ? std::min(100.0, 40.0 + (setpoint - office) * 30.0) : 0.0;
    const double humidity = 55.0 - 12.0 * daily + 2.0 * std::sin(r * 0.31);
    const double duct = occupied ? 12.0 + 0.8 * std::sin(r * 0.5) : 0.4;
    const double plantRoom = 24.0 + (heatingOn ? 3.0 : 0.0) + 0.5 * daily;
    rows.push_back({RawFor(*d.outside, outside), RawFor(*d.duct, duct), RawFor(*d.office, office),
                    RawFor(*d.humidity, humidity), RawFor(unknown, plantRoom),
                    static_cast<int16_t>(heatingOn ? 2 : 0), static_cast<int16_t>(std::lround(valve * 10)),
                    static_cast<int16_t>(std::lround(setpoint * 10))});
  }
  return rows;
}

bool WriteSite(const std::string& path, zerb::TSite& site) {
  std::FILE* stream = std::fopen(path.c_str(), "wb");
  if (!stream) return false;
  const bool saved = site.Save(stream) == 1;
  return std::fclose(stream) == 0 && saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zerb32-mksample FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  zerb::TSite site;
  const SampleDevices devices = BuildSite(site);
  if (!WriteSite(folder + "/42.STE", site)) {
    std::fprintf(stderr, "zerb32-mksample: cannot write %s/42.STE\n", folder.c_str());
    return 1;
  }
  // Unit 3, channel 3 is logged but missing from the site file: it converts
  // as a TS4-C sensor named SENSOR3/3.
  zerb::TSensor unknown;

  zerb::LogSource log;
  log.description = "Riverside Offices - 2 day log";
  log.interval = Interval;
  log.newEntryCount = 24;  // the last two hours have not been fetched yet
  log.pcTime = NewestPcTime;
  log.lanTime = NewestPcTime - LanClockBehind;
  log.localLanTime = log.lanTime;
  log.sensorSlotsA = {1 * 8 + 0, 1 * 8 + 3, 0xFF, 2 * 8 + 1};
  log.sensorSlotsB = {2 * 8 + 2, 3 * 8 + 2};
  log.outputSlotsA = {1 * 8 + 0, 1 * 8 + 1};
  log.asmSlots = {2 | (1 << 5) | (3 << 9), 0};
  log.rows = MakeRows(devices, unknown);
  log.startByte = 1000;  // the ring wraps, as in a log that has run for a while
  log.startBit = 5;
  log.dataSize = 6000;
  if (!zerb::WriteLogFile(folder + "/42.log", zerb::MakeLogImage(log))) {
    std::fprintf(stderr, "zerb32-mksample: cannot write %s/42.log\n", folder.c_str());
    return 1;
  }
  return 0;
}

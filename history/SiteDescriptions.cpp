#include "history/SiteDescriptions.h"

#include <array>

namespace zerb {

namespace {

constexpr std::array<std::string_view, 4> QualityNames = {"complete", "incomplete", "none", "stored"};
constexpr std::array<std::string_view, 3> SourceNames = {"site", "stored", "default"};

}  // namespace

std::string_view QualityName(SiteQuality quality) { return QualityNames[static_cast<std::size_t>(quality)]; }

std::string_view SourceName(DescriptionSource source) { return SourceNames[static_cast<std::size_t>(source)]; }

DescriptionSource SourceFromName(std::string_view name) {
  for (std::size_t i = 0; i < SourceNames.size(); ++i)
    if (SourceNames[i] == name) return static_cast<DescriptionSource>(i);
  return DescriptionSource::Default;
}

DeviceDescription DescriptionOf(const TDev& device) {
  return {std::string(device.NameText()), device.TypeCode, device.ExpByte, device.UnitsByte};
}

void Describe(TDev& device, const DeviceDescription& description) {
  device.SetName(description.name);
  device.TypeCode = description.typeCode;
  device.ExpByte = description.expByte;
  device.UnitsByte = description.unitsByte;
}

std::unique_ptr<TDev> DeviceFor(ChannelId id, const DeviceDescription& description) {
  std::unique_ptr<TDev> device;
  switch (id.kind) {
    case ChannelKind::Sensor: device = std::make_unique<TSensor>(); break;
    case ChannelKind::Output: device = std::make_unique<TOutput>(); break;
    case ChannelKind::Asm: device = std::make_unique<TAsm>(); break;
  }
  device->Key = id.key;
  Describe(*device, description);
  return device;
}

Meaning MeaningOf(const SeriesChannel& channel) {
  return {channel.typeName, channel.unitsLetter, channel.exponent, channel.digital};
}

void DescriptionBook::Add(DescriptionVersion version) { versions_[version.id].push_back(std::move(version)); }

const DescriptionVersion* DescriptionBook::For(ChannelId id, const LogSpan& span) const {
  const auto found = versions_.find(id);
  if (found == versions_.end()) return nullptr;
  const DescriptionVersion* before = nullptr;  // newest starting by the span's end
  const DescriptionVersion* oldest = nullptr;
  for (const DescriptionVersion& v : found->second) {
    if (v.span.first <= span.last && (!before || v.rank > before->rank)) before = &v;
    if (!oldest || v.rank < oldest->rank) oldest = &v;
  }
  return before ? before : oldest;
}

}  // namespace zerb

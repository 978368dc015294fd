#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Devices.h"
#include "model/FormatFixed.h"
#include "series/Series.h"

namespace zerb {
namespace {

// A reading is the device's value text taken apart: valid exactly where the
// text is not empty, and then the same number, for every kind of device.
TEST(Reading, IsTheValueTextOfEveryDevice) {
  const int raws[] = {-32768, -32767, -1, 0, 1, 50, 512, 1023, 32766, 32767};
  for (ChannelKind kind : {ChannelKind::Sensor, ChannelKind::Output, ChannelKind::Asm}) {
    std::unique_ptr<TDev> device;
    if (kind == ChannelKind::Sensor) device = std::make_unique<TSensor>();
    if (kind == ChannelKind::Output) device = std::make_unique<TOutput>();
    if (kind == ChannelKind::Asm) device = std::make_unique<TAsm>();
    for (int type = 0; type < 26; ++type) {
      for (int exponent : {-3, 0, 2}) {
        device->TypeCode = static_cast<uint8_t>(type);
        device->ExpByte = static_cast<int8_t>(exponent);
        EXPECT_EQ(ChannelOf(*device).kind, kind);
        for (int raw : raws) {
          SCOPED_TRACE(testing::Message() << static_cast<int>(kind) << " type " << type << " exp " << exponent
                                          << " raw " << raw);
          const std::string text(device->ValueText(raw));
          const Reading reading = ReadingOf(*device, static_cast<int16_t>(raw));
          ASSERT_EQ(reading.valid, !text.empty());
          if (reading.valid) {
            EXPECT_EQ(FormatFixed(reading.value, reading.exponent), text);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace zerb

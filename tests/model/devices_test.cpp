#include "model/Devices.h"

#include <gtest/gtest.h>

#include <string>

#include "sensor/SensorTypes.h"
#include "tests/model/model_bytes.h"

namespace zerb {
namespace {

using test::Bytes;

using Kind = ChannelKind;

TDevList& ListOf(Kind kind, TSensorList& s, TOutputList& o, TASMList& a) {
  switch (kind) {
    case Kind::Sensor: return s;
    case Kind::Output: return o;
    case Kind::Asm: break;
  }
  return a;
}

struct CreateRow {
  Kind kind;
  uint16_t key;
  const char* name;
  uint8_t typeCode;
  char units;
  const char* typeName;
};

TEST(FindOrCreate, NewDeviceHasConstructorValuesKeyAndDefaultName) {
  const CreateRow rows[] = {
      {Kind::Sensor, 0x1A, "SENSOR3/3", 2, ' ', "TS4-C"},
      {Kind::Sensor, 0, "SENSOR0/1", 2, ' ', "TS4-C"},
      {Kind::Sensor, 0xFE, "SENSOR31/7", 2, ' ', "TS4-C"},
      {Kind::Sensor, 0xFFFF, "SENSOR255/8", 2, ' ', "TS4-C"},  // unit taken to 8 bits
      {Kind::Output, 9, "OUTPUT1/2", 0, '%', "ON/OFF"},
      {Kind::Output, 0x0807, "OUTPUT0/8", 0, '%', "ON/OFF"},  // 0x0807 >> 3 = 256
      {Kind::Asm, 0x0421, "ASM1/1/2", 0, ' ', "ASM"},
      {Kind::Asm, 0x0001, "ASM1/0/0", 0, ' ', "ASM"},
      {Kind::Asm, 0xFFFF, "ASM31/15/127", 0, ' ', "ASM"},  // 12 characters, kept whole
  };
  for (const CreateRow& row : rows) {
    SCOPED_TRACE(row.name);
    TSensorList sensors;
    TOutputList outputs;
    TASMList asms;
    TDevList& list = ListOf(row.kind, sensors, outputs, asms);
    TDev* dev = list.FindOrCreate(row.key);
    ASSERT_NE(dev, nullptr);
    EXPECT_EQ(dev->NameText(), row.name);
    EXPECT_EQ(dev->Key, row.key);
    EXPECT_EQ(dev->Logged, 1);
    EXPECT_EQ(dev->TypeCode, row.typeCode);
    EXPECT_EQ(dev->Spare, 0);
    EXPECT_EQ(dev->ExpByte, 0);
    EXPECT_EQ(dev->UnitsByte, row.units);
    EXPECT_STREQ(dev->TypeName(), row.typeName);
    EXPECT_EQ(list.FindOrCreate(row.key), dev);
    EXPECT_EQ(list.Count(), 1);
  }
}

TEST(FindOrCreate, CursorOnFoundDeviceOrBackOnFirst) {
  TSensorList list;
  test::File in = test::ReadStream(Bytes()
                                       .u16(4)
                                       .device("A", 5, 1, 2, 0, ' ')
                                       .device("B", 6, 0, 1, 0, ' ')
                                       .device("C", 7, 1, 1, 0, ' ')
                                       .device("D", 6, 1, 1, 0, ' ')  // duplicate key
                                       .data);
  ASSERT_EQ(list.Load(in.get()), 1);

  TDev* found = list.FindOrCreate(6);
  EXPECT_EQ(found->NameText(), "B");  // the first of two wins
  EXPECT_EQ(list.Cursor(), found);
  EXPECT_EQ(list.CursorIndex(), 1);
  EXPECT_EQ(found->Logged, 0);  // loaded values are not touched

  EXPECT_EQ(list.FindOrCreate(7)->NameText(), "C");
  EXPECT_EQ(list.CursorIndex(), 2);

  TDev* made = list.FindOrCreate(0x106);  // differs from 6 only in the high byte
  EXPECT_EQ(made->NameText(), "SENSOR32/7");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.Tail(), made);
  EXPECT_EQ(list.CursorIndex(), 0);
  EXPECT_EQ(list.Cursor(), list.Head());
}

TEST(DeviceRecord, DecodesEveryFieldAndWritesTheSameBytes) {
  // An 11-character name fills its field without a terminator.
  const std::vector<uint8_t> record = Bytes().device("FLOW/A12345", 0xBEEF, 7, 0x81, -3, 'L', 0x5A).data;
  TOutputList list;
  test::File in = test::ReadStream(Bytes().u16(1).append(Bytes{record}).data);
  ASSERT_EQ(list.Load(in.get()), 1);
  const auto* dev = static_cast<const TDev*>(list.Head());
  EXPECT_EQ(dev->NameText(), "FLOW/A12345");
  EXPECT_EQ(dev->Key, 0xBEEF);
  EXPECT_EQ(dev->Logged, 7);
  EXPECT_EQ(dev->TypeCode, 0x81);
  EXPECT_EQ(dev->Spare, 0x5A);
  EXPECT_EQ(dev->ExpByte, -3);
  EXPECT_EQ(dev->UnitsByte, 'L');

  // Saved with a terminator in the last name byte, everything else as read.
  std::vector<uint8_t> expected = Bytes().u16(1).append(Bytes{record}).data;
  expected[2 + 10] = 0;
  test::File out = test::WriteStream();
  ASSERT_EQ(list.Save(out.get()), 1);
  EXPECT_EQ(test::Contents(out.get()), expected);
}

TEST(DeviceRecord, LongDefaultNameIsCutOnlyInTheFile) {
  TASMList list;
  TDev* dev = list.FindOrCreate(0xFFFF);
  dev->ExpByte = -1;
  test::File out = test::WriteStream();
  ASSERT_EQ(list.Save(out.get()), 1);
  // Ten characters and a NUL in the 11 name bytes; Key and the rest intact.
  const std::vector<uint8_t> bytes = test::Contents(out.get());
  EXPECT_EQ(bytes, Bytes().u16(1).device("ASM31/15/1", 0xFFFF, 1, 0, -1, ' ').data);
  EXPECT_EQ(dev->NameText(), "ASM31/15/127");

  TASMList again;
  test::File in = test::ReadStream(bytes);
  ASSERT_EQ(again.Load(in.get()), 1);
  EXPECT_EQ(static_cast<const TDev*>(again.Head())->NameText(), "ASM31/15/1");
}

struct ValueRow {
  const char* what;
  Kind kind;
  uint8_t typeCode;
  int8_t expByte;
  int raw;
  const char* text;
};

TEST(ValueText, EachDeviceClass) {
  const ValueRow rows[] = {
      {"on/off raw 2", Kind::Output, 0, 0, 2, "100"},
      {"on/off raw 0", Kind::Output, 0, 0, 0, "0"},
      {"on/off negative", Kind::Output, 0, 0, -1, ""},
      {"on/off not cut to 16 bits", Kind::Output, 0, 0, 32767, "1638350"},
      {"on/off with ExpByte -1", Kind::Output, 0, -1, 3, "15.0"},
      {"variable exp -1", Kind::Output, 1, -1, 55, "5.5"},
      {"variable negative", Kind::Output, 1, -1, -32768, ""},
      {"variable exp 2", Kind::Output, 7, 2, 3, "300"},
      {"asm plain +32767 blank", Kind::Asm, 0, 0, 32767, ""},
      {"asm plain -32767 shown", Kind::Asm, 0, 0, -32767, "-32767"},
      {"asm plain -1", Kind::Asm, 0, 0, -1, "-1"},
      {"asm plain exp -2", Kind::Asm, 0, -2, 1234, "12.34"},
      {"asm typed uses ExpByte not decimals", Kind::Asm, 2, 0, 512, "202"},
      {"asm typed exp -1", Kind::Asm, 2, -1, 512, "20.2"},
      {"asm typed invalid shows -32767", Kind::Asm, 2, 0, 50, "-32767"},
      {"asm typed invalid scaled", Kind::Asm, 2, -1, 50, "-3276.7"},
      {"asm typed negative", Kind::Asm, 1, 0, -1, "-32767"},
      {"asm exp 127", Kind::Asm, 0, 127, 1, nullptr},
      {"sensor ts4-c", Kind::Sensor, 2, 0, 512, "20.2"},
      {"sensor ignores ExpByte", Kind::Sensor, 2, 3, 512, "20.2"},
      {"sensor ts4-c out of band", Kind::Sensor, 2, 0, 50, ""},
      {"sensor negative", Kind::Sensor, 0, 0, -1, ""},
      {"sensor pot", Kind::Sensor, 1, 0, 1023, "4.95"},
      {"sensor none identity", Kind::Sensor, 0, 0, 32767, "32767"},
      {"sensor unknown code", Kind::Sensor, 200, 0, 100, ""},
  };
  for (const ValueRow& row : rows) {
    SCOPED_TRACE(row.what);
    TSensorList sensors;
    TOutputList outputs;
    TASMList asms;
    TDev* dev = ListOf(row.kind, sensors, outputs, asms).FindOrCreate(1);
    dev->TypeCode = row.typeCode;
    dev->ExpByte = row.expByte;
    const std::string expected = row.text ? row.text : "1" + std::string(127, '0');
    EXPECT_EQ(dev->ValueText(row.raw), expected);
    EXPECT_EQ(dev->Kind(), row.kind);
  }
}

std::string Printed(const TMList& list) {
  test::File out = test::WriteStream();
  list.Print(out.get());
  const std::vector<uint8_t> bytes = test::Contents(out.get());
  return std::string(bytes.begin(), bytes.end());
}

TEST(DeviceListing, TitleHeadingAndOneLinePerDevice) {
  TSensorList sensors;
  TOutputList outputs;
  TASMList asms;
  EXPECT_EQ(Printed(sensors), "");
  sensors.FindOrCreate(0x1A);
  outputs.FindOrCreate(9)->Logged = 0;
  asms.FindOrCreate(0x0421);
  struct Row {
    const TDevList* list;
    const char* start;
    const char* line;
  } rows[] = {
      {&sensors, "\nSENSORS\nUNIT/CHANNEL NAME        TYPE      LOG\n", "   3/3        SENSOR3/3   TS4-C     YES\n"},
      {&outputs, "\nOUTPUTS\nUNIT/CHANNEL NAME        TYPE      LOG\n", "   1/2        OUTPUT1/2   ON/OFF    NO\n"},
      {&asms, "\nASMS\nUNIT AIRSPACE MESSAGE NAME        EXPONENT UNITS LOG\n",
       "   1        1       2 ASM1/1/2           0       YES\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.start);
    EXPECT_EQ(Printed(*row.list), std::string(row.start) + row.line);
  }
  EXPECT_EQ(sensors.KeySize(), 1);
  EXPECT_EQ(sensors.NoKey(), -1);
  EXPECT_EQ(asms.KeySize(), 2);
  EXPECT_EQ(asms.NoKey(), 0);
}

}  // namespace
}  // namespace zerb

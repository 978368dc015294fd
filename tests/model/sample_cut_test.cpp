// The bundled sample site and log cut at every byte offset: a load gives 1
// only for the whole file (the log also with one stray byte after it), 0
// for every shorter one, and a log that fails adds no device to the site.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/Log.h"
#include "model/Site.h"
#include "tests/model/log_support.h"

namespace zerb {
namespace {

std::vector<uint8_t> Sample(const char* name) {
  const char* root = std::getenv("ZERB32_SOURCE_DIR");
  std::ifstream in(std::string(root ? root : ".") + "/samples/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int LoadSite(TSite& site, const std::vector<uint8_t>& bytes) {
  auto stream = logtest::OpenImage(bytes);
  return site.Load(stream.get());
}

int32_t Devices(const TSite& site) { return site.Sensors.Count() + site.Outputs.Count() + site.Asms.Count(); }

TEST(SampleCut, SiteFileLoadsOnlyWhole) {
  const std::vector<uint8_t> whole = Sample("42.STE");
  ASSERT_GT(whole.size(), 85u) << "samples/42.STE not found";
  TSite site;
  for (std::size_t length = 0; length <= whole.size() + 2; ++length) {
    SCOPED_TRACE(length);
    std::vector<uint8_t> bytes(whole.begin(), whole.begin() + static_cast<long>(std::min(length, whole.size())));
    bytes.resize(length, 0xEE);  // bytes after the ASM list are not read
    EXPECT_EQ(LoadSite(site, bytes), length >= whole.size() ? 1 : 0);
  }
}

TEST(SampleCut, LogLoadsOnlyWholeAndAFailureAddsNoDevice) {
  const std::vector<uint8_t> siteFile = Sample("42.STE");
  const std::vector<uint8_t> whole = Sample("42.log");
  ASSERT_GT(whole.size(), 114u) << "samples/42.log not found";
  TSite site;
  auto log = std::make_unique<TLog>(site);  // one log reloaded, as the window does
  for (std::size_t length = 0; length <= whole.size() + 2; ++length) {
    SCOPED_TRACE(length);
    std::vector<uint8_t> bytes(whole.begin(), whole.begin() + static_cast<long>(std::min(length, whole.size())));
    bytes.resize(length, 0xEE);
    ASSERT_EQ(LoadSite(site, siteFile), 1);
    const int32_t siteDevices = Devices(site);
    const bool loads = length == whole.size() || length == whole.size() + 1;
    ASSERT_EQ(logtest::LoadImage(*log, bytes), loads ? 1 : 0) << log->LoadError();
    EXPECT_EQ(log->IsLoaded(), loads);
    // The sample logs one channel that its site file does not describe.
    EXPECT_EQ(Devices(site), siteDevices + (loads ? 1 : 0));
  }
}

}  // namespace
}  // namespace zerb

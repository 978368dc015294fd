// Fuzz target: what a store hands to export. Anyone who may write a shared
// store can put any text or number into it, and every export and history
// listing must survive that. The sample log goes into an SQLite store once
// (its first rows kept);
// each input is a list of edits, each setting one column that export reads
// (in a range of rows) to a text of any length and bytes, a number or NULL,
// through a bound UPDATE. The edited copy is then exported in every style
// and summarised. Properties: every style writes the same rows, or fails
// with a reason; the wide header holds each plain channel name whole.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "classic/OutputSink.h"
#include "fuzz/FuzzSupport.h"
#include "history/Sqlite.h"
#include "history/Store.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"

namespace {

using namespace zerb;
namespace fs = std::filesystem;

// The columns an edit can set: ?1 is the value, ?2 the first row of the
// range (rows in key order) and ?3 how many rows (-1: all from there).
constexpr const char* Edits[] = {
#define ZERB_CHANNEL_ROWS \
  " WHERE (site, kind, key) IN (SELECT site, kind, key FROM channels ORDER BY 1, 2, 3 LIMIT ?3 OFFSET ?2)"
#define ZERB_READING_ROWS \
  " WHERE (site, kind, key, time) IN (SELECT site, kind, key, time FROM readings ORDER BY 1, 2, 3, 4 LIMIT ?3 OFFSET ?2)"
    "UPDATE channels SET name = ?1" ZERB_CHANNEL_ROWS,
    "UPDATE channels SET type_name = ?1" ZERB_CHANNEL_ROWS,
    "UPDATE channels SET units = ?1" ZERB_CHANNEL_ROWS,
    "UPDATE channels SET exponent = ?1" ZERB_CHANNEL_ROWS,
    "UPDATE channels SET digital = ?1" ZERB_CHANNEL_ROWS,
    "UPDATE channels SET kind = ?1" ZERB_CHANNEL_ROWS,
    "UPDATE channels SET key = ?1" ZERB_CHANNEL_ROWS,
    "UPDATE readings SET raw = ?1" ZERB_READING_ROWS,
    "UPDATE readings SET value = ?1" ZERB_READING_ROWS,
    "UPDATE readings SET exponent = ?1" ZERB_READING_ROWS,
    "UPDATE readings SET time = ?1" ZERB_READING_ROWS,
    "UPDATE import_channels SET name = ?1 WHERE (import, position) IN "
    "(SELECT import, position FROM import_channels ORDER BY 1, 2 LIMIT ?3 OFFSET ?2)",
    "UPDATE sites SET name = ?1 WHERE site IN (SELECT site FROM sites ORDER BY 1 LIMIT ?3 OFFSET ?2)",
    "UPDATE imports SET first_time = ?1 WHERE id IN (SELECT id FROM imports ORDER BY 1 LIMIT ?3 OFFSET ?2)",
    "UPDATE imports SET interval_seconds = ?1 WHERE id IN (SELECT id FROM imports ORDER BY 1 LIMIT ?3 OFFSET ?2)",
    "UPDATE readings SET meaning = ?1" ZERB_READING_ROWS,
    "UPDATE readings SET import = ?1" ZERB_READING_ROWS,
#define ZERB_IMPORT_CHANNEL_ROWS \
  " WHERE (import, position) IN (SELECT import, position FROM import_channels ORDER BY 1, 2 LIMIT ?3 OFFSET ?2)"
    "UPDATE import_channels SET type_code = ?1" ZERB_IMPORT_CHANNEL_ROWS,
    "UPDATE import_channels SET exp_byte = ?1" ZERB_IMPORT_CHANNEL_ROWS,
    "UPDATE import_channels SET units_byte = ?1" ZERB_IMPORT_CHANNEL_ROWS,
    "UPDATE import_channels SET meaning = ?1" ZERB_IMPORT_CHANNEL_ROWS,
    "UPDATE import_channels SET description = ?1" ZERB_IMPORT_CHANNEL_ROWS,
#define ZERB_MEANING_ROWS " WHERE id IN (SELECT id FROM meanings ORDER BY 1 LIMIT ?3 OFFSET ?2)"
    "UPDATE meanings SET type_name = ?1" ZERB_MEANING_ROWS,
    "UPDATE meanings SET units = ?1" ZERB_MEANING_ROWS,
    "UPDATE meanings SET exponent = ?1" ZERB_MEANING_ROWS,
    "UPDATE meanings SET digital = ?1" ZERB_MEANING_ROWS,
#undef ZERB_IMPORT_CHANNEL_ROWS
#undef ZERB_MEANING_ROWS
#undef ZERB_CHANNEL_ROWS
#undef ZERB_READING_ROWS
};
constexpr uint16_t SampleSite = 42;
// A text of up to this many bytes: past the writers' 64 KiB buffer.
constexpr std::size_t LongestText = 100 * 1024;
// The rows kept of the sample: the long style repeats each name on every
// line, and an export of all rows with such names would take seconds.
constexpr int KeptRows = 12;

// The sample imported once into a store in a folder of its own, removed
// when the run ends.
struct Fixture {
  fs::path folder, pristine, edited;
  Fixture() {
    std::string pattern = (fs::temp_directory_path() / "zerb-fuzz-store-XXXXXX").string();
    ZERB_FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
    folder = pattern;
    for (const char* name : {"42.log", "42.STE"}) fs::copy_file(fs::path(ZERB32_SAMPLES) / name, folder / name);
    pristine = folder / "pristine.db";
    edited = folder / "edited.db";
    const ImportOutcome outcome = OpenStore(pristine.string(), StoreAccess::Write)->Import((folder / "42.log").string(), {});
    ZERB_FUZZ_CHECK(outcome.status == ImportStatus::Imported);
    SqliteDb db(pristine.string(), SQLITE_OPEN_READWRITE);
    SqliteStatement trim(db, "DELETE FROM readings WHERE time NOT IN (SELECT DISTINCT time FROM readings ORDER BY 1 LIMIT ?1)");
    trim.Bind(1, KeptRows).Run();
  }
  ~Fixture() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
};

// An edit's value, by its first byte: a text (a piece repeated, to reach
// any length from a short input), a 64-bit number, or NULL.
void BindValue(fuzz::InputReader& in, SqliteStatement& edit) {
  const uint8_t form = in.U8();
  if (form % 3 == 0) {
    const auto piece = in.Take(in.U8());
    const std::size_t times = 1 + std::size_t{in.U16()};
    std::string text;
    while (text.size() + piece.size() <= LongestText && times * piece.size() > text.size())
      text.append(reinterpret_cast<const char*>(piece.data()), piece.size());
    edit.Bind(1, text);
  } else if (form % 3 == 1) {
    const uint64_t low = in.U32(), high = in.U32();
    edit.Bind(1, static_cast<int64_t>(high << 32 | low));
  } else {
    edit.BindNull(1);
  }
}

void ApplyEdits(fuzz::InputReader& in, const fs::path& store) {
  SqliteDb db(store.string(), SQLITE_OPEN_READWRITE);
  for (int n = 0; n < 8; ++n) {
    const uint8_t column = in.U8();
    if (column == 0xFF) break;  // the input's own end of the edits
    SqliteStatement edit(db, Edits[column % std::size(Edits)]);
    BindValue(in, edit);
    const uint16_t count = in.U16();
    edit.Bind(2, in.U16()).Bind(3, count == 0xFFFF ? -1 : int64_t{count});
    try {
      edit.Run();
    } catch (const SqliteError&) {
      // A value the schema refuses (NULL in a NOT NULL column, a second
      // row with one key): that edit is not made.
    }
  }
}

class CountingSink final : public OutputSink {
 public:
  bool Write(std::string_view bytes) override {
    if (header.empty()) header = bytes.substr(0, bytes.find('\n'));
    size += bytes.size();
    return true;
  }
  std::string header;
  std::size_t size = 0;
};

bool PlainName(std::string_view name) {
  for (const char c : name)
    if (c < ' ' || c > '~' || c == '"' || c == ',') return false;
  return true;
}

void ExportEveryStyle(Store& store) {
  std::unique_ptr<Series> series = store.Export(SampleSite, INT64_MIN, INT64_MAX);
  if (!series) return;  // the site's number itself was edited away
  std::optional<uint64_t> rows;
  for (const std::string_view style : StyleNames()) {
    const TableSettings settings = StyleSettings(style).value();
    CountingSink sink;
    const TableResult result = WriteTable(*series, settings, sink);
    ZERB_FUZZ_CHECK(result.status == 1 || (result.status == -1 && !result.error.empty()));
    if (result.status != 1) continue;
    ZERB_FUZZ_CHECK(!rows || *rows == result.rows);
    rows = result.rows;
    if (style != "pandas") continue;
    for (const SeriesChannel& channel : series->Channels())
      if (PlainName(channel.name)) ZERB_FUZZ_CHECK(sink.header.find(channel.name) != std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const Fixture fixture;
  fs::copy_file(fixture.pristine, fixture.edited, fs::copy_options::overwrite_existing);
  fuzz::InputReader in(data, size);
  ApplyEdits(in, fixture.edited);
  try {
    std::unique_ptr<Store> store = OpenStore(fixture.edited.string(), StoreAccess::ReadOnly);
    ExportEveryStyle(*store);
    store->Summaries(std::nullopt);
  } catch (const StoreError&) {
    // A store the edits made unreadable is refused with a reason.
  }
  return 0;
}

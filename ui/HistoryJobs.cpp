#include "ui/HistoryJobs.h"

#include <cstdio>

#include "app/CountedWords.h"
#include "app/Paths.h"
#include "app/WriteOutput.h"
#include "history/postgres/PgAddress.h"
#include "series/SelectedSeries.h"
#include "styles/SummaryTable.h"
#include "styles/TableWriter.h"

namespace zerb {

namespace {

std::string PercentEncoded(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      out += char(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", unsigned{c});
      out += hex;
    }
  }
  return out;
}

// A connection-string value: in single quotes, with ' and \ escaped.
std::string Quoted(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'' || c == '\\') out += '\\';
    out += c;
  }
  return out + "'";
}

}  // namespace

StoreListing ListStore(const std::string& location) {
  StoreListing listing;
  try {
    listing.sites = OpenStore(location, StoreAccess::ReadOnly)->Summaries(std::nullopt);
  } catch (const std::exception& e) {
    listing.error = ScrubbedMessage(e.what(), location);
    listing.passwordWanted = LocateStore(location).postgres && AsksForPassword(listing.error);
  }
  return listing;
}

std::string ExportHistory(const std::string& location, uint32_t site, int64_t from, int64_t to,
                          const std::vector<std::size_t>& channels, const TableSettings& table,
                          const std::optional<SummaryRequest>& summary, const std::string& path) {
  const StoreLocation store = LocateStore(location);
  if (!store.postgres)
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
      if (SameFile(path, store.text + suffix)) return "the output " + path + " is the store itself";
  std::string error;
  try {
    // The rows are read through the store's connection: it outlives them.
    const std::unique_ptr<Store> opened = OpenStore(location, StoreAccess::ReadOnly);
    const std::unique_ptr<Series> rows = opened->Export(site, from, to);
    if (!rows) return "no site " + std::to_string(site) + " in the store";
    RowSelection chosen;
    chosen.channels = channels;
    SelectedSeries selected(*rows, chosen);
    TableResult written;
    const auto write = [&](OutputSink& sink) {
      written = summary ? WriteSummary(selected, table, *summary, sink) : WriteTable(selected, table, sink);
      return written.status == 1;
    };
    if (!WriteOutput(path, write, "the stored rows could not be read; " + path + " is left as it was", error))
      error = !written.error.empty() ? written.error : rows->Error().empty() ? error : rows->Error();
  } catch (const std::exception& e) {
    error = e.what();
  }
  return ScrubbedMessage(error, location);
}

std::vector<std::string> ImportLogs(const std::string& location, const std::vector<std::string>& logs) {
  std::vector<std::string> lines;
  try {
    const std::unique_ptr<Store> store = OpenStore(location, StoreAccess::Write);
    for (const std::string& log : logs) {
      const ImportOutcome outcome = ImportOneOfMany(*store, log, HistoryLogOptions{});
      switch (outcome.status) {
        case ImportStatus::Imported:
          lines.push_back("stored " + log + " (site " + std::to_string(outcome.site) + ", " +
                          Counted(outcome.readings, "reading") + ")" +
                          (outcome.warning.empty() ? "" : ": " + outcome.warning));
          break;
        case ImportStatus::Skipped: lines.push_back("skipped " + log + ": already in the store"); break;
        case ImportStatus::Failed:
          lines.push_back("refused " + log + ": " + outcome.reason + "; nothing of it was stored");
          break;
      }
    }
  } catch (const std::exception& e) {
    lines.push_back(ScrubbedMessage(e.what(), location) + "; the logs not listed above were not stored");
  }
  return lines;
}

bool AsksForPassword(std::string_view error) {
  return error.find("no password supplied") != std::string_view::npos ||
         error.find("password authentication failed") != std::string_view::npos;
}

std::string WithPassword(const std::string& address, const std::string& password) {
  if (address.starts_with("postgresql://") || address.starts_with("postgres://"))
    return address + (address.find('?') == std::string::npos ? "?" : "&") + "password=" + PercentEncoded(password);
  return address + " password=" + Quoted(password);
}

}  // namespace zerb

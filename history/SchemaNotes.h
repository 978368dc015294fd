#pragma once
// What each table, view and column of a store means, kept in the store
// itself: the SQLite store's table schema_notes, the PostgreSQL store's
// COMMENT ON. One list for both engines.

#include <span>
#include <string_view>

namespace zerb {

enum class Engine : uint8_t { Both, Sqlite, Postgres };

struct SchemaNote {
  std::string_view object;  // a table or a view
  std::string_view column;  // "" for the object itself
  std::string_view note;
  Engine engine = Engine::Both;
};

std::span<const SchemaNote> SchemaNotes();

}  // namespace zerb

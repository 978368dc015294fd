// The SQLite store's step that keeps the view's labels (history/StoreViews.h).

#include "history/SqliteStore.h"
#include "history/StoreViews.h"

namespace zerb {

void SqliteStore::LabelMeanings(uint32_t site) {
  SqliteStatement(*db_, MeaningLabelsFill(Engine::Sqlite).c_str()).Bind(1, site).Run();
}

}  // namespace zerb

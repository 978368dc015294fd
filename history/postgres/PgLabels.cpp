// The PostgreSQL store's step that keeps the view's labels (history/StoreViews.h).

#include "history/StoreViews.h"
#include "history/postgres/PgStore.h"

namespace zerb {

void PgStore::LabelMeanings(uint32_t site) {
  Run(MeaningLabelsFill(Engine::Postgres), {std::to_string(site)}, "write");
}

}  // namespace zerb

#include "model/nalog.h"

#include "model/stored_fields.h"

namespace kvz {

template class mTItemStream<mTNalog>;

}  // namespace kvz

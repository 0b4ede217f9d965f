#include "model/pens.h"

#include "model/stored_fields.h"

namespace kvz {

std::string mTPens::StreamName(uint16_t index) { return SectionStreamName(kStream, index); }

template class mTItemStream<mTPens>;

}  // namespace kvz

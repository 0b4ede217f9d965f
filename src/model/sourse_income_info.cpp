#include "model/sourse_income_info.h"

#include "storage/document_storage.h"

namespace kvz {

void mTSourseIncomeInfo::WriteNames(mTDocumentStorage& s) const {
    s.WriteString(Inn);
    s.WriteString(Kpp);
    s.WriteString(Oktmo);
    s.WriteString(SourceName);
}

void mTSourseIncomeInfo::ReadNames(mTDocumentStorage& s) {
    Inn = s.ReadString();
    Kpp = s.ReadString();
    Oktmo = s.ReadString();
    SourceName = s.ReadString();
}

uint32_t mTSourseIncomeInfo::NamesSize() const {
    return mTDocumentStorage::StringItemSize(Inn) + mTDocumentStorage::StringItemSize(Kpp) +
           mTDocumentStorage::StringItemSize(Oktmo) + mTDocumentStorage::StringItemSize(SourceName);
}

}  // namespace kvz

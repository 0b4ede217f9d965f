#include "model/invest_tov.h"

#include "model/section_streams.h"
#include "model/stored_fields.h"

namespace kvz {

const char* InvestOperationKindText(int32_t kind) {
    static const char* const kTexts[kInvestOperationKinds] = {
        "Операции с обращающимися ЦБ (п.1 Листа И)",
        "Операции с не обращающимися ЦБ (п.2 Листа И)",
        "Операции с ФИСС (п.3 Листа И)",
        "Операции с долями участия в уставном капитале (п.4 Листа И)",
        "Прочие операции (п.5 Листа И)",
        "Доход при выходе из инвест.тов. или выделе доли (п.6 Листа И)",
    };
    if (kind < 1 || kind > kInvestOperationKinds) return "";
    return kTexts[kind - 1];
}

void mTInvestTov::Save(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceSave, [&] { SaveBody(s, index); });
}

void mTInvestTov::Load(mTDocumentStorage& s, uint16_t index, bool /*variant*/) {
    WithErrorPlace(kPlaceLoad, [&] { LoadBody(s, index); });
}

void mTInvestTov::SaveBody(mTDocumentStorage& s, uint16_t index) const {
    SaveStream(s, SectionStreamName(kStream, index), *this, kInvestTovFields);
    SaveLineStreams(s, kLineStream, index, Lines(), kInvestTovIncomeFields);
}

void mTInvestTov::LoadBody(mTDocumentStorage& s, uint16_t index) {
    LoadStream(s, SectionStreamName(kStream, index), *this, kInvestTovFields);
    LoadLineStreams<mTInvestTovIncome>(s, kLineStream, index, kInvestTovIncomeFields,
                                       [&](const mTInvestTovIncome& line) { AddLine(line); });
}

uint32_t mTInvestTov::StoredSize(uint16_t index) const {
    return StreamSize(SectionStreamName(kStream, index), *this, kInvestTovFields) +
           LineStreamsSize(kLineStream, index, Lines(), kInvestTovIncomeFields);
}

}  // namespace kvz

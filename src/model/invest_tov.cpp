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
    s.CreateStream(SectionStreamName(kStream, index));
    SaveFields(s, *this, kInvestTovFields);
    s.WriteInteger(LineCount());
    for (int j = 0; j < LineCount(); ++j) {
        s.CreateStream(SectionLineStreamName(kLineStream, index, j));
        SaveFields(s, Line(j), kInvestTovIncomeFields);
    }
}

void mTInvestTov::LoadBody(mTDocumentStorage& s, uint16_t index) {
    *this = mTInvestTov();
    s.OpenStream(SectionStreamName(kStream, index));
    LoadFields(s, *this, kInvestTovFields);
    const int32_t count = s.ReadInteger();
    // A count larger than the document fails at the first missing line stream.
    for (int32_t j = 0; j < count; ++j) {
        s.OpenStream(SectionLineStreamName(kLineStream, index, j));
        mTInvestTovIncome line;
        LoadFields(s, line, kInvestTovIncomeFields);
        AddLine(line);
    }
}

uint32_t mTInvestTov::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    uint32_t size = S::ItemSize(SectionStreamName(kStream, index)) + FieldsSize(*this, kInvestTovFields);
    size += S::IntegerItemSize(LineCount());
    for (int j = 0; j < LineCount(); ++j)
        size += S::ItemSize(SectionLineStreamName(kLineStream, index, j)) + FieldsSize(Line(j), kInvestTovIncomeFields);
    return size;
}

}  // namespace kvz

#include "model/invest_tov.h"

#include "model/section_streams.h"
#include "storage/document_storage.h"

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
    WriteNames(s);
    s.WriteCurrency(TaxWithheld);
    s.WriteCurrency(TaxableAmount);
    s.WriteCurrency(TaxComputed);
    s.WriteInteger(LineCount());
    for (int j = 0; j < LineCount(); ++j) {
        const mTInvestTovIncome& line = Line(j);
        s.CreateStream(SectionLineStreamName(kLineStream, index, j));
        s.WriteInteger(line.OperationKind);
        s.WriteCurrency(line.IncomeAmount);
        s.WriteCurrency(line.ExpenseShare);
        s.WriteCurrency(line.ManagerExpenses);
        s.WriteCurrency(line.PriorLosses);
    }
}

void mTInvestTov::LoadBody(mTDocumentStorage& s, uint16_t index) {
    *this = mTInvestTov();
    s.OpenStream(SectionStreamName(kStream, index));
    ReadNames(s);
    TaxWithheld = s.ReadCurrency();
    TaxableAmount = s.ReadCurrency();
    TaxComputed = s.ReadCurrency();
    const int32_t count = s.ReadInteger();
    // A count larger than the document fails at the first missing line stream.
    for (int32_t j = 0; j < count; ++j) {
        s.OpenStream(SectionLineStreamName(kLineStream, index, j));
        mTInvestTovIncome line;
        line.OperationKind = s.ReadInteger();
        line.IncomeAmount = s.ReadCurrency();
        line.ExpenseShare = s.ReadCurrency();
        line.ManagerExpenses = s.ReadCurrency();
        line.PriorLosses = s.ReadCurrency();
        AddLine(line);
    }
}

uint32_t mTInvestTov::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    uint32_t size = S::ItemSize(SectionStreamName(kStream, index)) + NamesSize();
    size += S::CurrencyItemSize(TaxWithheld) + S::CurrencyItemSize(TaxableAmount) +
            S::CurrencyItemSize(TaxComputed);
    size += S::IntegerItemSize(LineCount());
    for (int j = 0; j < LineCount(); ++j)
        size += S::ItemSize(SectionLineStreamName(kLineStream, index, j)) + LineSize(Line(j));
    return size;
}

uint32_t mTInvestTov::LineSize(const mTInvestTovIncome& line) {
    using S = mTDocumentStorage;
    return S::IntegerItemSize(line.OperationKind) + S::CurrencyItemSize(line.IncomeAmount) +
           S::CurrencyItemSize(line.ExpenseShare) + S::CurrencyItemSize(line.ManagerExpenses) +
           S::CurrencyItemSize(line.PriorLosses);
}

}  // namespace kvz

#include "model/declaration.h"

#include <memory>

#include "storage/container_file.h"
#include "storage/document_storage.h"
#include "storage/errors.h"
#include "storage/file_loader.h"

namespace kvz {

namespace {

using S = mTDocumentStorage;

constexpr uint16_t kPlaceSaveLoader = 389;
constexpr uint16_t kPlaceLoadLoader = 390;
constexpr uint16_t kPlaceOpenStorage = 391;
constexpr uint16_t kCodeBadText = 392;
// The tax-record part is counted three bytes longer than it is written.
constexpr uint32_t kNalogOverCount = 3;

template <class List>
uint32_t CountSize(const List& list) {
    return S::WordItemSize(static_cast<uint16_t>(list.Count()));
}

template <class List>
void RequireCountFits(const List& list) {
    if (list.Count() > 65535) throw mEWriteStorage("В списке больше 65535 записей: такой документ не сохранить.", 224);
}

}  // namespace

mTDeclaration::mTDeclaration()
    : SigningDate(Today()), FarmStartDate(EncodeDate(2000, 1, 1)) {
    Nalog.Create();
}

mTDeclaration::~mTDeclaration() = default;

void mTDeclaration::SetIncomeKinds(uint8_t bits) {
    auto toggle = [&](uint8_t bit, auto&& destroy, auto&& create) {
        bool had = (IncomeKinds & bit) != 0;
        bool wants = (bits & bit) != 0;
        if (had && !wants) {
            IncomeKinds &= static_cast<uint8_t>(~bit);
            destroy();
        } else if (!had && wants) {
            IncomeKinds |= bit;
            create();
        }
    };
    toggle(kIncomeRussian,
           [&] {
               ForeignerAdvancePayments = Money();
               MonthsWorked = 0;
               Thirteen.Destroy();
               ThirteenNR.Destroy();
               ThirtyFive.Destroy();
               Dividends.Destroy();
               Nine.Destroy();
           },
           [&] {
               Thirteen.Create();
               ThirteenNR.Create();
               ThirtyFive.Create();
               Dividends.Create();
               Nine.Create();
           });
    toggle(kIncomeForeign, [&] { Foreign.Destroy(); }, [&] { Foreign.Create(); });
    toggle(kIncomeInvestTov, [&] { InvestTov.Destroy(); }, [&] { InvestTov.Create(); });
    toggle(kIncomeBusiness, [&] { Business.Destroy(); }, [&] { Business.Create(); });
    toggle(kIncomeSpare, [&] { Spare.Destroy(); }, [&] { Spare.Create(); });
}

void mTDeclaration::SetSupportingSheets(int32_t n) {
    if (!AutoCountSheets) SupportingSheets = n;
}

void mTDeclaration::SetForeignSupportingDocs(int32_t n) {
    if (AutoCountSheets) SupportingSheets += n - ForeignSupportingDocs;
    ForeignSupportingDocs = n;
}

uint32_t mTDeclaration::DeclInfoSize() const {
    uint32_t size = S::ItemSize("@DeclInfo");
    size += S::StringItemSize(InspectionCode) + S::StringItemSize(InspectionName) + S::ByteItemSize(SpareByte) +
            S::IntegerItemSize(CorrectionNumber) + S::DoubleItemSize(SigningDate) + S::WordItemSize(ConfirmedBy) +
            S::WordItemSize(TaxpayerKind) + S::WordItemSize(DeclarationKind) + S::WordItemSize(IncomeKinds) +
            S::ByteItemSize(AutoCountSheets ? 1 : 0);
    for (int32_t v : {SupportingSheets, ForeignSupportingDocs, SpareA, MonthsWorked, SpareB, SpareC, SpareD, SpareE,
                      ExtraAmountsMark, SpareF})
        size += S::IntegerItemSize(v);
    size += S::StringItemSize(RepresentativeDocument) + S::CurrencyItemSize(ExpectedIncome) +
            S::StringItemSize(RepresentativeName) + S::StringItemSize(RepresentativeOrganization) +
            S::CurrencyItemSize(ForeignerAdvancePayments) + S::CurrencyItemSize(InvestmentDeduction) +
            S::CurrencyItemSize(InvestmentDeductionReturn);
    return size;
}

uint32_t mTDeclaration::BusinessValuesSize() const {
    uint32_t size = 0;
    for (Money m : {AdvancePaid, ExpectedIncome, SpareAmount, AdvanceAssessed}) size += S::CurrencyItemSize(m);
    size += S::StringItemSize(RepresentativeDocument) + S::ByteItemSize(IsFarmHead ? 1 : 0) +
            S::DoubleItemSize(FarmStartDate);
    for (Money m : {FarmExemptIncome, CorrectedIncome, CorrectedExpense, TradeFee, PatentPayment})
        size += S::CurrencyItemSize(m);
    return size;
}

uint32_t mTDeclaration::ComputeSize() {
    ExtraAmountsMark = 1;
    uint64_t size = mTDocumentStorage::kHeaderSize + DeclInfoSize() + Person.StoredSize();
    if (IncomeKinds & kIncomeRussian) {
        size += S::ItemSize("@DeclInquiry") + CountSize(Thirteen) + CountSize(ThirteenNR) + CountSize(ThirtyFive) +
                CountSize(Dividends) + CountSize(Nine);
        for (int i = 0; i < Thirteen.Count(); ++i) size += Thirteen.Get(i).StoredSize(static_cast<uint16_t>(i));
        for (int i = 0; i < ThirteenNR.Count(); ++i) size += ThirteenNR.Get(i).StoredSize(static_cast<uint16_t>(i));
        for (int i = 0; i < ThirtyFive.Count(); ++i) size += ThirtyFive.Get(i).StoredSize(static_cast<uint16_t>(i));
        for (int i = 0; i < Dividends.Count(); ++i) size += Dividends.Get(i).StoredSize(static_cast<uint16_t>(i));
        for (int i = 0; i < Nine.Count(); ++i) size += Nine.Get(i).StoredSize(static_cast<uint16_t>(i));
    }
    if (IncomeKinds & kIncomeForeign) {
        size += S::ItemSize("@DeclForeign") + CountSize(Foreign);
        for (int i = 0; i < Foreign.Count(); ++i) size += Foreign.Get(i).StoredSize(static_cast<uint16_t>(i));
    }
    if (IncomeKinds & kIncomeInvestTov) {
        size += S::ItemSize("@DeclInvestTov") + CountSize(InvestTov);
        for (int i = 0; i < InvestTov.Count(); ++i) size += InvestTov.Get(i).StoredSize(static_cast<uint16_t>(i));
    }
    if (IncomeKinds & kIncomeBusiness) {
        size += S::ItemSize("@DeclBusiness") + CountSize(Business) + BusinessValuesSize();
        for (int i = 0; i < Business.Count(); ++i) size += Business.Get(i).StoredSize(static_cast<uint16_t>(i));
    }
    if (IncomeKinds != 0)
        size += Standard.StoredSize() + Social.StoredSize() + Construction.StoredSize() + CB.StoredSize();
    size += S::ItemSize("@Nalog") + CountSize(Nalog) + kNalogOverCount;
    for (int i = 0; i < Nalog.Count(); ++i) size += Nalog.Get(i).StoredSize(static_cast<uint16_t>(i));
    if (size > 0xFFFFFFFFull) throw mEWriteStorage("Документ слишком велик для сохранения.", 225);
    return static_cast<uint32_t>(size);
}

void mTDeclaration::WriteAll(mTDocumentStorage& s) {
    for (const auto* count : {&Thirteen, &ThirteenNR}) RequireCountFits(*count);
    RequireCountFits(ThirtyFive);
    RequireCountFits(Dividends);
    RequireCountFits(Nine);
    RequireCountFits(Foreign);
    RequireCountFits(InvestTov);
    RequireCountFits(Business);
    RequireCountFits(Nalog);

    s.CreateStorage(kStorageName2015);
    s.CreateStream("@DeclInfo");
    s.WriteString(InspectionCode);
    s.WriteString(InspectionName);
    s.WriteByte(SpareByte);
    s.WriteInteger(CorrectionNumber);
    s.WriteDouble(SigningDate);
    s.WriteWord(ConfirmedBy);
    s.WriteWord(TaxpayerKind);
    s.WriteWord(DeclarationKind);
    s.WriteWord(IncomeKinds);
    s.WriteBoolean(AutoCountSheets);
    for (int32_t v : {SupportingSheets, ForeignSupportingDocs, SpareA, MonthsWorked, SpareB, SpareC, SpareD, SpareE,
                      ExtraAmountsMark, SpareF})
        s.WriteInteger(v);
    s.WriteString(RepresentativeDocument);
    s.WriteCurrency(ExpectedIncome);
    s.WriteString(RepresentativeName);
    s.WriteString(RepresentativeOrganization);
    s.WriteCurrency(ForeignerAdvancePayments);
    s.WriteCurrency(InvestmentDeduction);
    s.WriteCurrency(InvestmentDeductionReturn);

    Person.Save(s);

    if (IncomeKinds & kIncomeRussian) {
        s.CreateStream("@DeclInquiry");
        auto rateList = [&](auto& list, bool variant) {
            s.WriteWord(static_cast<uint16_t>(list.Count()));
            for (int i = 0; i < list.Count(); ++i) list.Get(i).Save(s, static_cast<uint16_t>(i), variant);
        };
        rateList(Thirteen, false);
        rateList(ThirteenNR, true);
        rateList(ThirtyFive, false);
        rateList(Dividends, true);
        rateList(Nine, false);
    }
    if (IncomeKinds & kIncomeForeign) {
        s.CreateStream("@DeclForeign");
        s.WriteWord(static_cast<uint16_t>(Foreign.Count()));
        for (int i = 0; i < Foreign.Count(); ++i) Foreign.Get(i).Save(s, static_cast<uint16_t>(i));
    }
    if (IncomeKinds & kIncomeInvestTov) {
        s.CreateStream("@DeclInvestTov");
        s.WriteWord(static_cast<uint16_t>(InvestTov.Count()));
        for (int i = 0; i < InvestTov.Count(); ++i) InvestTov.Get(i).Save(s, static_cast<uint16_t>(i), false);
    }
    if (IncomeKinds & kIncomeBusiness) {
        s.CreateStream("@DeclBusiness");
        s.WriteWord(static_cast<uint16_t>(Business.Count()));
        for (int i = 0; i < Business.Count(); ++i) Business.Get(i).Save(s, static_cast<uint16_t>(i));
        for (Money m : {AdvancePaid, ExpectedIncome, SpareAmount, AdvanceAssessed}) s.WriteCurrency(m);
        s.WriteString(RepresentativeDocument);
        s.WriteBoolean(IsFarmHead);
        s.WriteDouble(FarmStartDate);
        for (Money m : {FarmExemptIncome, CorrectedIncome, CorrectedExpense, TradeFee, PatentPayment})
            s.WriteCurrency(m);
    }
    if (IncomeKinds != 0) {
        Standard.Save(s);
        Social.Save(s);
        Construction.Save(s);
        CB.Save(s);
    }
    s.CreateStream("@Nalog");
    s.WriteWord(static_cast<uint16_t>(Nalog.Count()));
    for (int i = 0; i < Nalog.Count(); ++i) Nalog.Get(i).Save(s, static_cast<uint16_t>(i));
}

void mTDeclaration::SaveToFile(const std::string& path) {
    uint32_t size = ComputeSize();
    try {
        SaveContainerFile(path, size, [&](mTDocumentStorage& storage) { WriteAll(storage); });
    } catch (mEBadStorage& e) {
        e.Place = kPlaceSaveLoader;
        throw;
    }
}

void mTDeclaration::LoadDeclInfo(mTDocumentStorage& s) {
    s.OpenStream("@DeclInfo");
    InspectionCode = s.ReadString();
    InspectionName = s.ReadString();
    SpareByte = s.ReadByte();
    CorrectionNumber = s.ReadInteger();
    SigningDate = s.ReadDateTime();
    ConfirmedBy = static_cast<uint8_t>(s.ReadWord());
    TaxpayerKind = static_cast<uint8_t>(s.ReadWord());
    DeclarationKind = static_cast<uint8_t>(s.ReadWord());
    SetIncomeKinds(static_cast<uint8_t>(s.ReadWord()));
    AutoCountSheets = s.ReadBoolean();
    for (int32_t* v : {&SupportingSheets, &ForeignSupportingDocs, &SpareA, &MonthsWorked, &SpareB, &SpareC, &SpareD,
                       &SpareE, &ExtraAmountsMark, &SpareF})
        *v = s.ReadInteger();
    RepresentativeDocument = s.ReadString();
    ExpectedIncome = s.ReadCurrency();
    RepresentativeName = s.ReadString();
    RepresentativeOrganization = s.ReadString();
    ForeignerAdvancePayments = s.ReadCurrency();
    if (ExtraAmountsMark == 1) {
        // Documents written before these two amounts existed end the stream here.
        try {
            InvestmentDeduction = s.ReadCurrency();
            InvestmentDeductionReturn = s.ReadCurrency();
        } catch (...) {
        }
    }
}

void mTDeclaration::LoadBusinessValues(mTDocumentStorage& s) {
    for (Money* m : {&AdvancePaid, &ExpectedIncome, &SpareAmount, &AdvanceAssessed}) *m = s.ReadCurrency();
    RepresentativeDocument = s.ReadString();
    IsFarmHead = s.ReadBoolean();
    FarmStartDate = s.ReadDateTime();
    for (Money* m : {&FarmExemptIncome, &CorrectedIncome, &CorrectedExpense, &TradeFee, &PatentPayment})
        *m = s.ReadCurrency();
}

void mTDeclaration::LoadCurrentYear(mTDocumentStorage& s) {
    LoadDeclInfo(s);
    Person.Load(s);
    if (IncomeKinds & kIncomeRussian) {
        s.OpenStream("@DeclInquiry");
        auto rateList = [&](auto& list, bool variant) {
            uint16_t count = s.ReadWord();
            for (uint16_t i = 0; i < count; ++i) list.Get(list.Add()).Load(s, i, variant);
        };
        rateList(Thirteen, false);
        rateList(ThirteenNR, true);
        rateList(ThirtyFive, false);
        rateList(Dividends, true);
        rateList(Nine, false);
    }
    if (IncomeKinds & kIncomeInvestTov) {
        s.OpenStream("@DeclInvestTov");
        uint16_t count = s.ReadWord();
        for (uint16_t i = 0; i < count; ++i) InvestTov.Get(InvestTov.Add()).Load(s, i, false);
    }
    if (IncomeKinds & kIncomeForeign) {
        s.OpenStream("@DeclForeign");
        uint16_t count = s.ReadWord();
        for (uint16_t i = 0; i < count; ++i) Foreign.Get(Foreign.Add()).Load(s, i);
    }
    if (IncomeKinds & kIncomeBusiness) {
        s.OpenStream("@DeclBusiness");
        uint16_t count = s.ReadWord();
        for (uint16_t i = 0; i < count; ++i) Business.Get(Business.Add()).Load(s, i);
        LoadBusinessValues(s);
    }
    if (IncomeKinds != 0) {
        Standard.Load(s);
        Social.Load(s);
        Construction.Load(s);
        CB.Load(s);
    }
    s.OpenStream("@Nalog");
    uint16_t count = s.ReadWord();
    for (uint16_t i = 0; i < count; ++i) Nalog.Get(Nalog.Add()).Load(s, i);
}

LoadedDocument mTDeclaration::LoadFromFile(const std::string& path) {
    std::unique_ptr<mTFileLoader> loader;
    try {
        loader = std::make_unique<mTFileLoader>(path, true, 0);
    } catch (mEBadStorage& e) {
        e.Place = kPlaceLoadLoader;
        throw;
    }
    mTDocumentStorage storage(*loader);
    return LoadFromStorage(storage);
}

LoadedDocument mTDeclaration::LoadFromBuffer(const uint8_t* data, uint32_t size) {
    // The storage only reads from a read-only buffer.
    mTDocumentStorage storage(const_cast<uint8_t*>(data), size, true);
    return LoadFromStorage(storage);
}

LoadedDocument mTDeclaration::LoadFromStorage(mTDocumentStorage& storage) {
    try {
        try {
            storage.OpenStorage();
        } catch (mEBadStorage& e) {
            e.Place = kPlaceOpenStorage;
            throw;
        }
        if (storage.StorageName() != kStorageName2015) {
            // An earlier year's document: only the taxpayer carries over.
            storage.OpenStream("@DeclInfo");
            Person.Load(storage);
            return LoadedDocument{false, storage.StorageName()};
        }
        LoadCurrentYear(storage);
        return LoadedDocument{true, storage.StorageName()};
    } catch (const EConvertError&) {
        // A value that is not a number or a date: the file is damaged.
        throw mEBadStorage(msg::kBadFormat, kCodeBadText);
    }
}

bool mTDeclaration::operator==(const mTDeclaration& o) const {
    return InspectionCode == o.InspectionCode && InspectionName == o.InspectionName && SpareByte == o.SpareByte &&
           CorrectionNumber == o.CorrectionNumber && SigningDate == o.SigningDate && ConfirmedBy == o.ConfirmedBy &&
           TaxpayerKind == o.TaxpayerKind && DeclarationKind == o.DeclarationKind && IncomeKinds == o.IncomeKinds &&
           AutoCountSheets == o.AutoCountSheets && SupportingSheets == o.SupportingSheets &&
           ForeignSupportingDocs == o.ForeignSupportingDocs && SpareA == o.SpareA && MonthsWorked == o.MonthsWorked &&
           SpareB == o.SpareB && SpareC == o.SpareC && SpareD == o.SpareD && SpareE == o.SpareE &&
           ExtraAmountsMark == o.ExtraAmountsMark && SpareF == o.SpareF && AdvancePaid == o.AdvancePaid &&
           AdvanceAssessed == o.AdvanceAssessed && ExpectedIncome == o.ExpectedIncome &&
           SpareAmount == o.SpareAmount && RepresentativeDocument == o.RepresentativeDocument &&
           FarmStartDate == o.FarmStartDate && FarmExemptIncome == o.FarmExemptIncome && IsFarmHead == o.IsFarmHead &&
           RepresentativeName == o.RepresentativeName && RepresentativeOrganization == o.RepresentativeOrganization &&
           ForeignerAdvancePayments == o.ForeignerAdvancePayments && CorrectedIncome == o.CorrectedIncome &&
           CorrectedExpense == o.CorrectedExpense && PatentPayment == o.PatentPayment && TradeFee == o.TradeFee &&
           InvestmentDeduction == o.InvestmentDeduction &&
           InvestmentDeductionReturn == o.InvestmentDeductionReturn && Thirteen == o.Thirteen &&
           ThirteenNR == o.ThirteenNR && ThirtyFive == o.ThirtyFive && Dividends == o.Dividends && Nine == o.Nine &&
           Foreign == o.Foreign && Business == o.Business && Nalog == o.Nalog && Spare == o.Spare &&
           InvestTov == o.InvestTov && Person == o.Person && Standard == o.Standard && Social == o.Social &&
           Construction == o.Construction && CB == o.CB;
}

}  // namespace kvz

#include "model/declaration.h"

#include <memory>

#include "model/stored_fields.h"
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

// A list kept as its count (a word) followed by its items, each under its index;
// `variant` picks the stream names of a class that serves two lists.
template <class List, class... Variant>
void SaveCounted(S& s, List& list, Variant... variant) {
    s.WriteWord(static_cast<uint16_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) list.Get(i).Save(s, static_cast<uint16_t>(i), variant...);
}

template <class List, class... Variant>
void LoadCounted(S& s, List& list, Variant... variant) {
    const uint16_t count = s.ReadWord();
    for (uint16_t i = 0; i < count; ++i) list.Get(list.Add()).Load(s, i, variant...);
}

template <class List>
uint64_t CountedSize(const List& list) {
    uint64_t size = CountSize(list);
    for (int i = 0; i < list.Count(); ++i) size += list.Get(i).StoredSize(static_cast<uint16_t>(i));
    return size;
}

// The deduction sections in the order the file keeps them.
template <class Declaration, class Visit>
void ForEachDeductionSection(Declaration& d, Visit visit) {
    visit(d.Standard);
    visit(d.Social);
    visit(d.Construction);
    visit(d.CB);
}

template <class List>
void RequireCountFits(const List& list) {
    if (list.Count() > 65535) throw mEWriteStorage("В списке больше 65535 записей: такой документ не сохранить.", 224);
}

}  // namespace

mTDeclaration::mTDeclaration()
    : SigningDate(Today()), FarmStartDate(FarmStartDateOf(kNoFarmYear)) {
    Nalog.Create();
}

mTDeclaration::~mTDeclaration() = default;

std::unique_ptr<mTDeclaration> mTDeclaration::Copy() const {
    return std::unique_ptr<mTDeclaration>(new mTDeclaration(*this));
}

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

uint32_t mTDeclaration::ComputeSize() {
    ExtraAmountsMark = 1;
    uint64_t size = mTDocumentStorage::kHeaderSize + S::ItemSize("@DeclInfo") +
                    FieldsSize(*this, kDeclInfoFirstFields) + S::WordItemSize(IncomeKinds) +
                    FieldsSize(*this, kDeclInfoMiddleFields) + FieldsSize(*this, kDeclInfoTrailingFields) +
                    Person.StoredSize();
    if (IncomeKinds & kIncomeRussian) {
        size += S::ItemSize("@DeclInquiry") + CountedSize(Thirteen) + CountedSize(ThirteenNR) +
                CountedSize(ThirtyFive) + CountedSize(Dividends) + CountedSize(Nine);
    }
    if (IncomeKinds & kIncomeForeign) size += S::ItemSize("@DeclForeign") + CountedSize(Foreign);
    if (IncomeKinds & kIncomeInvestTov) size += S::ItemSize("@DeclInvestTov") + CountedSize(InvestTov);
    if (IncomeKinds & kIncomeBusiness)
        size += S::ItemSize("@DeclBusiness") + CountedSize(Business) + FieldsSize(*this, kBusinessValueFields);
    if (IncomeKinds != 0) ForEachDeductionSection(*this, [&](const auto& section) { size += section.StoredSize(); });
    size += S::ItemSize("@Nalog") + CountedSize(Nalog) + kNalogOverCount;
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
    SaveFields(s, *this, kDeclInfoFirstFields);
    s.WriteWord(IncomeKinds);
    SaveFields(s, *this, kDeclInfoMiddleFields);
    SaveFields(s, *this, kDeclInfoTrailingFields);

    Person.Save(s);

    if (IncomeKinds & kIncomeRussian) {
        s.CreateStream("@DeclInquiry");
        SaveCounted(s, Thirteen, false);
        SaveCounted(s, ThirteenNR, true);
        SaveCounted(s, ThirtyFive, false);
        SaveCounted(s, Dividends, true);
        SaveCounted(s, Nine, false);
    }
    if (IncomeKinds & kIncomeForeign) {
        s.CreateStream("@DeclForeign");
        SaveCounted(s, Foreign);
    }
    if (IncomeKinds & kIncomeInvestTov) {
        s.CreateStream("@DeclInvestTov");
        SaveCounted(s, InvestTov, false);
    }
    if (IncomeKinds & kIncomeBusiness) {
        s.CreateStream("@DeclBusiness");
        SaveCounted(s, Business);
        SaveFields(s, *this, kBusinessValueFields);
    }
    if (IncomeKinds != 0) ForEachDeductionSection(*this, [&](const auto& section) { section.Save(s); });
    s.CreateStream("@Nalog");
    SaveCounted(s, Nalog);
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
    LoadFields(s, *this, kDeclInfoFirstFields);
    SetIncomeKinds(static_cast<uint8_t>(s.ReadWord()));
    LoadFields(s, *this, kDeclInfoMiddleFields);
    if (ExtraAmountsMark != 1) return;
    // Documents written before these two amounts existed end the stream here;
    // anything else that does not read is damage and is reported as such.
    ForEachField(kDeclInfoTrailingFields, [&](const auto& f) {
        if (!s.AtStreamEnd()) stored::Read(s, this->*f.Pointer, f.AsWord());
    });
}

void mTDeclaration::LoadCurrentYear(mTDocumentStorage& s) {
    LoadDeclInfo(s);
    Person.Load(s);
    if (IncomeKinds & kIncomeRussian) {
        s.OpenStream("@DeclInquiry");
        LoadCounted(s, Thirteen, false);
        LoadCounted(s, ThirteenNR, true);
        LoadCounted(s, ThirtyFive, false);
        LoadCounted(s, Dividends, true);
        LoadCounted(s, Nine, false);
    }
    if (IncomeKinds & kIncomeInvestTov) {
        s.OpenStream("@DeclInvestTov");
        LoadCounted(s, InvestTov, false);
    }
    if (IncomeKinds & kIncomeForeign) {
        s.OpenStream("@DeclForeign");
        LoadCounted(s, Foreign);
    }
    if (IncomeKinds & kIncomeBusiness) {
        s.OpenStream("@DeclBusiness");
        LoadCounted(s, Business);
        LoadFields(s, *this, kBusinessValueFields);
    }
    if (IncomeKinds != 0) ForEachDeductionSection(*this, [&](auto& section) { section.Load(s); });
    s.OpenStream("@Nalog");
    LoadCounted(s, Nalog);
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

}  // namespace kvz

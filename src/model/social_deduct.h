#pragma once
// Social deductions: charity, education, treatment, insurance, the education paid
// for each child and the pension contracts.
#include <cstdint>
#include <list>
#include <vector>

#include "model/field_list.h"
#include "model/pens.h"
#include "storage/money.h"

namespace kvz {

class mTDocumentStorage;

class mTSocialDeduct {
public:
    static constexpr const char* kStreamName = "@SocialDeduct";
    // Written before the first "@PensSub" stream, so that opening it finds the count.
    static constexpr const char* kPensStreamName = "@Pens";
    // The contract count is saved as a 16-bit word.
    static constexpr std::size_t kMaxPensionContracts = 65535;

    mTSocialDeduct() = default;

    // Throws std::length_error, writing nothing, when the contracts do not fit the count.
    void Save(mTDocumentStorage& storage) const;
    // Starts from the defaults: the chain and the contracts are rebuilt from the file.
    void Load(mTDocumentStorage& storage);
    uint32_t StoredSize() const;

    bool operator==(const mTSocialDeduct&) const = default;

    // The child education chain. Errors are mEMemoryAllocate: any index on an empty
    // chain gives Code 310 / 320 / 330, an index outside it 311 / 321 / 331, a node
    // that cannot be allocated 300.
    int ChildEducationCount() const;
    // Returns the new amount's index (the count before it was added).
    int ChildEducationAdd(Money amount);
    Money ChildEducationGet(int index) const;
    void ChildEducationSet(int index, Money amount);
    void ChildEducationDelete(int index);

    // Pension contracts; an index outside the list throws std::out_of_range.
    int PensionContractAdd();
    int PensionContractCount() const;
    mTPens& PensionContract(int index);
    const mTPens& PensionContract(int index) const;
    void PensionContractDelete(int index);

    bool Granted = false;
    Money Charity;
    Money OwnEducation;
    std::list<Money> ChildEducation;  // doubly linked, in the order of entry
    Money Treatment;
    Money ExpensiveTreatment;
    Money VoluntaryInsurance;
    Money ExtraPensionContributions;
    Money SpareSocialAmount;
    std::vector<mTPens> PensionContracts;

private:
    void CheckChildEducationIndex(int index, uint16_t emptyCode, uint16_t outsideCode) const;
    std::size_t PensionSlot(int index) const;
    // What follows the Granted flag.
    void SaveGranted(mTDocumentStorage& storage) const;
    void LoadGranted(mTDocumentStorage& storage);
    void LoadChildEducation(mTDocumentStorage& storage);
};

// Of a granted deduction: these amounts, the child education chain, the rest.
inline constexpr auto kSocialFirstAmounts =
    FieldList(Field("Charity", &mTSocialDeduct::Charity), Field("OwnEducation", &mTSocialDeduct::OwnEducation));
inline constexpr auto kSocialOtherAmounts = FieldList(
    Field("Treatment", &mTSocialDeduct::Treatment), Field("ExpensiveTreatment", &mTSocialDeduct::ExpensiveTreatment),
    Field("VoluntaryInsurance", &mTSocialDeduct::VoluntaryInsurance),
    Field("ExtraPensionContributions", &mTSocialDeduct::ExtraPensionContributions),
    Field("SpareSocialAmount", &mTSocialDeduct::SpareSocialAmount, kNotSummed));

}  // namespace kvz

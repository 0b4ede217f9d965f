#include "checks/declaration_check.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "calc/svod_sum.h"
#include "checks/amount_sign_checks.h"
#include "checks/field_rules.h"
#include "checks/schema_field_checks.h"
#include "checks/uncounted_income_checks.h"
#include "export/declaration_export.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr const char* kCalculationFailed = "Ошибка в рассчетах: ";
constexpr int16_t kFieldDeclined = -1;

// How many of a section's findings the check shows.
enum class Shown {
    First,       // the first only: any answer ends the check
    UntilFixed,  // one after another until "Исправить"; "Отмена" goes on
    All,         // every one, whatever the answers
};

// One run of the check over one declaration with its three values.
class DeclarationCheck {
public:
    DeclarationCheck(mTDeclaration& declaration, CheckAllDialog& dialog, CheckFindings* findings)
        : D_(declaration), Dialog_(dialog), Findings_(findings) {}

    // The check of an export that follows: the schema step uses the export's engine and
    // schema and keeps its document in validated when nothing is refused.
    void KeepFor(const ExportSettings& settings, std::optional<ValidatedExport>& validated) {
        ExportSettings_ = &settings;
        Validated_ = &validated;
    }

    uint32_t Run() {
        if (Calculate()) {
            const bool notExpected = D_.DeclarationKind != kDecl4Ndfl;
            const uint8_t kinds = D_.IncomeKinds;
            Enter(kCheckSectionConditions, true, Shown::UntilFixed, [&] { return ConditionsFindings(D_); });
            Enter(kCheckSectionPerson, true, Shown::First, [&] { return PersonFindings(D_, CheckUse::Declaration); });
            Enter(kCheckSectionAddress, notExpected, Shown::First,
                  [&] { return AddressFindings(D_, CheckUse::Declaration); });
            Enter(kCheckSectionThirteen, kinds & kIncomeRussian, Shown::All, [&] { return ThirteenFindings(D_); });
            Enter(kCheckSectionForeign, kinds & kIncomeForeign, Shown::First, [&] { return ForeignFindings(D_); });
            Enter(kCheckSectionBusiness, kinds & kIncomeBusiness, Shown::First,
                  [&] { return FirstActivityFindings(); });
            Enter(kCheckSectionDeductions, kinds != 0, Shown::First, [&] { return DeductionFindings(D_); });
            if (kinds != 0 && Nothing()) CheckSection = kCheckSectionDeductionsEnd;
            Enter(kCheckSectionAddress, notExpected, Shown::First,
                  [&] { return ResidenceOktmoFindings(D_, OktmoRequired); });
            // The rules beyond the sections' own come after all of them, so that the
            // sections' findings keep their order and the window opens their screens first.
            if (Nothing()) ShowFirstKeepAll(DeductionAmountFindings(D_));
            CheckEnteredValues();
            CheckAmountSigns();
            if (Nothing()) ShowFirstKeepAll(UncountedIncomeFindings(D_));
        }
        return (static_cast<uint32_t>(static_cast<uint16_t>(CheckField)) << 16) | CheckSection;
    }

private:
    bool Nothing() const { return CheckField == 0; }

    // A section is entered only while nothing has been shown.
    void Enter(uint16_t section, bool applies, Shown shown, const std::function<CheckFindings()>& findings) {
        if (!Nothing() || !applies) return;
        CheckSection = section;
        for (const CheckFinding& finding : findings()) {
            if (shown == Shown::UntilFixed && (CheckAnswer == kCheckAnswerFix || CheckAnswer == kCheckAnswerSkipAll))
                break;
            Show(finding);
            if (shown == Shown::First) break;
        }
    }

    void Show(const CheckFinding& finding) {
        if (Findings_) Findings_->push_back(finding);
        CheckAnswer = Dialog_.Ask(finding.sectionTitle, finding.message);
        CheckField = CheckAnswer == kCheckAnswerFix ? static_cast<int16_t>(finding.field) : kFieldDeclined;
    }

    CheckFindings FirstActivityFindings() const {
        for (int i = 0; i < D_.Business.Count(); ++i)
            if (CheckFindings findings = ActivityFindings(D_, i); !findings.empty()) return findings;
        return FarmFindings(D_);
    }

    // A declaration that cannot be calculated cannot pass: its error is reported as
    // the one finding, with nothing to correct on a screen.
    bool Calculate() {
        std::string failure;
        try {
            OktmoRequired = !Sum_.Calculate(D_);
            return true;
        } catch (const std::exception& e) {
            failure = e.what();
        } catch (...) {
            failure = "неизвестная ошибка";
        }
        Show(CheckFinding{kCheckSectionNone, kCaptionCalculation, 0, kCalculationFailed + failure});
        CheckField = kFieldDeclined;
        return false;
    }

    // The rules on entered values come last, so that the messages above keep their
    // order: first those the schema cannot state, then the authority's schema on the
    // values as the file would carry them (a field already told is not told again).
    // The dialog shows the first; the findings list keeps every one.
    void CheckEnteredValues() {
        if (!Nothing()) return;
        CheckFindings findings = FieldRuleFindings(D_, ProgramCountryDirectory());
        const std::size_t own = findings.size();
        CheckFindings schema =
            Validated_ ? SchemaFieldFindings(D_, Sum_, *ExportSettings_, *Validated_) : SchemaFieldFindings(D_, Sum_);
        for (CheckFinding& f : schema) {
            const bool told = std::any_of(findings.begin(), findings.begin() + static_cast<std::ptrdiff_t>(own),
                                          [&f](const CheckFinding& o) { return o.section == f.section && o.field == f.field; });
            if (!told) findings.push_back(std::move(f));
        }
        ShowFirstKeepAll(findings);
    }

    // Negative amounts and codes the dictionary does not know come after the rules on
    // entered values.
    void CheckAmountSigns() {
        if (Nothing()) ShowFirstKeepAll(AmountSignFindings(D_));
    }

    // The dialog shows the first finding; the findings list keeps every one.
    void ShowFirstKeepAll(const CheckFindings& found) {
        for (const CheckFinding& f : found) {
            if (!Nothing()) {
                if (Findings_) Findings_->push_back(f);
                continue;
            }
            CheckSection = static_cast<uint16_t>(f.section);
            Show(f);
        }
    }

    mTDeclaration& D_;
    CheckAllDialog& Dialog_;
    CheckFindings* Findings_;

    uint16_t CheckSection = kCheckSectionNone;
    int16_t CheckField = 0;
    int CheckAnswer = kCheckAnswerNone;
    bool OktmoRequired = false;
    kTSvodSum Sum_;
    const ExportSettings* ExportSettings_ = nullptr;
    std::optional<ValidatedExport>* Validated_ = nullptr;
};

// Answers every message "Отмена", so that the check reaches all it can.
class CancellingDialog : public CheckAllDialog {
public:
    int Ask(const std::string&, const std::string&) override { return kCheckAnswerSkip; }
};

}  // namespace

uint32_t CheckDeclaration(mTDeclaration& declaration, CheckAllDialog& dialog) {
    return DeclarationCheck(declaration, dialog, nullptr).Run();
}

CheckFindings CheckDeclarationForExport(mTDeclaration& declaration) {
    CheckFindings findings;
    CancellingDialog dialog;
    DeclarationCheck(declaration, dialog, &findings).Run();
    return findings;
}

CheckFindings CheckAndExportDeclaration(const std::string& folder, mTDeclaration& declaration, int mode,
                                        std::string& result, const ExportSettings& settings) {
    CheckFindings findings;
    CancellingDialog dialog;
    std::optional<ValidatedExport> validated;
    DeclarationCheck check(declaration, dialog, &findings);
    check.KeepFor(settings, validated);
    check.Run();
    if (!findings.empty()) return findings;
    // A check that passes has always validated the document; building it anew is only
    // the safe way should it ever not have.
    if (validated) ExportValidated(folder, *validated, mode, result, settings);
    else ExportDeclaration(folder, declaration, mode, result, settings);
    return findings;
}

}  // namespace kvz

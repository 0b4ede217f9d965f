#include "app/document_controller.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <utility>

#include "app/document_paths.h"
#include "app/help_pages.h"
#include "checks/declaration_check.h"
#include "checks/findings_report.h"
#include "import/ndfl2_apply.h"
#include "model/declaration.h"
#include "storage/dates.h"
#include "storage/errors.h"

namespace kvz {

namespace {

constexpr const char* kAskSave = "Вы хотите сохранить декларацию?";
constexpr const char* kExportFailed = "Файл не сформирован.";
constexpr const char* kGoToField = "\nПерейти к этому полю?";
constexpr const char* kExportWritten = "Сформирован файл ";
constexpr const char* kExportNotSaved =
    "Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте программу с правами "
    "администратора.";
constexpr const char* kExportErrorResult = "ERROR";

FileDialogOptions OpenDialogOptions() {
    return {{{"Кварзен 2015", "*.qz5"},
             {"Кварзен 2014", "*.qz4"},
             {"Кварзен 2013", "*.qz3"},
             {"Кварзен 2012", "*.qz2"},
             {"Кварзен 2011", "*.qz1"},
             {"Кварзен 2010", "*.qz0"},
             {"Кварзен 2009", "*.qz9"},
             {"Кварзен 2008", "*.qz8"},
             {"Кварзен 2007", "*.qz7"},
             {"Кварзен 2006", "*.qz6"},
             {"Кварзен 2005", "*.qz5"},
             {"Кварзен 200*", "*.qzl"}},
            "qz5"};
}

FileDialogOptions SaveDialogOptions() { return {{{"Кварзен 2015 *.qz5", "*.qz5"}}, "qz5"}; }

// Text for an error that ends a save or a command.
std::string ErrorText(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return msg::kOutOfMemory;
    return error.what();
}

// The bad-format message with the file it is about.
std::string BadFormatText(const std::string& path) { return std::string(msg::kBadFormat) + "\nФайл: " + path; }

bool IsEmptyFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0 && !error;
}

// Text for an error that ends a load: an empty file is no declaration at all; the
// storage's own errors speak for themselves; anything else means the file's
// contents could not be read as a declaration.
std::string LoadErrorText(const std::exception& error, const std::string& path) {
    if (IsEmptyFile(path) || error.what() == std::string_view(msg::kBadFormat)) return BadFormatText(path);
    if (dynamic_cast<const mEPrivBase*>(&error) != nullptr) return error.what();
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return msg::kOutOfMemory;
    return BadFormatText(path);
}

// Two names of one file (a link, a relative path) count as the same file.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) return true;
    return a == b;
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// True when path names an existing file other than the open document's.
bool IsOtherExistingFile(const std::string& path, const std::string& documentPath) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return false;
    return documentPath.empty() || !std::filesystem::equivalent(path, documentPath, error) || error;
}

// Keeps a flag set for a scope, also when the scope ends by an exception.
class FlagScope {
public:
    FlagScope(bool& flag, bool value) : Flag_(flag), Saved_(flag) { Flag_ = value; }
    ~FlagScope() { Flag_ = Saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& Flag_;
    bool Saved_;
};

// The main window stays disabled while a long command runs and is enabled again
// however the command ends.
class WindowDisabled {
public:
    explicit WindowDisabled(Platform& platform) : Platform_(platform) { Platform_.SetWindowEnabled(false); }
    ~WindowDisabled() { Platform_.SetWindowEnabled(true); }
    WindowDisabled(const WindowDisabled&) = delete;
    WindowDisabled& operator=(const WindowDisabled&) = delete;

private:
    Platform& Platform_;
};

}  // namespace

std::unique_ptr<mTDeclaration> NewDocumentDeclaration() {
    auto declaration = std::make_unique<mTDeclaration>();
    declaration->InspectionCode.clear();
    declaration->SigningDate = Today();
    declaration->ConfirmedBy = 0;
    declaration->SetIncomeKinds(kIncomeRussian);
    declaration->AutoCountSheets = true;
    return declaration;
}

DocumentController::DocumentController(Platform& platform, DocumentServices services, std::string programFolder)
    : Platform_(platform),
      Services_(std::move(services)),
      ProgramFolder_(programFolder.empty() ? std::string() : WithTrailingSeparator(programFolder)),
      Declaration_(NewDocumentDeclaration()) {
    if (!Services_.checkDeclaration || !Services_.exportDeclaration || !Services_.printDeclaration) {
        throw std::invalid_argument("DocumentController needs the check, export and print services");
    }
}

DocumentController::~DocumentController() = default;

void DocumentController::Start(const std::vector<std::string>& arguments) {
    Guarded([&] {
        const auto path = CommandLineDocument(arguments);
        std::unique_ptr<mTDeclaration> declaration;
        if (path) declaration = LoadDocument(*path);
        if (declaration) {
            Install(std::move(declaration), *path);
        } else {
            Install(NewDocumentDeclaration(), std::string());
        }
    });
}

void DocumentController::CreateDoc() {
    Guarded([&] {
        if (OfferToSave() == OfferResult::Stop) return;
        Install(NewDocumentDeclaration(), std::string());
    });
}

void DocumentController::OpenDoc() {
    Guarded([&] {
        if (OfferToSave() == OfferResult::Stop) return;
        const std::string path = Platform_.AskOpenFile(OpenDialogOptions());
        // No file chosen: the user changed their mind, and the open document stays.
        if (path.empty()) return;
        std::unique_ptr<mTDeclaration> declaration = LoadDocument(path);
        if (declaration) {
            Install(std::move(declaration), path);
        } else {
            Install(NewDocumentDeclaration(), std::string());
        }
    });
}

bool DocumentController::SaveDoc() {
    bool saved = false;
    Guarded([&] {
        std::string path = DocumentPath_;
        if (path.empty()) path = Platform_.AskSaveFile(SaveDialogOptions());
        if (path.empty()) return;
        if (!SaveTo(ApplyExtensionRule(path))) return;
        Unchanged_ = true;
        saved = true;
    });
    return saved;
}

bool DocumentController::SaveAsDoc() {
    bool saved = false;
    Guarded([&] {
        const std::string path = Platform_.AskSaveFile(SaveDialogOptions());
        if (path.empty()) return;
        if (!SaveTo(path)) return;
        Unchanged_ = true;
        saved = true;
    });
    return saved;
}

bool DocumentController::CloseRequest() {
    bool mayClose = false;
    Guarded([&] { mayClose = OfferToSave() == OfferResult::Proceed; });
    return mayClose;
}

void DocumentController::CheckDoc() {
    Guarded([&] {
        if (CheckAndGo() == CheckOutcome::Passed) ShowInformation(CheckPassedText(*Declaration_));
    });
}

void DocumentController::ExportDoc() {
    Guarded([&] {
        if (CheckAndGo() != CheckOutcome::Passed) return;
        WindowDisabled disabled(Platform_);
        const auto picked = Platform_.AskFolder(kProgramTitle, std::string());
        if (!picked || picked->empty()) return;
        const std::string folder = WithTrailingSeparator(*picked);
        const std::string result = Services_.exportDeclaration(folder, *Declaration_);
        if (result == kExportErrorResult) {
            OfferRefusedField();
        } else if (!result.empty() && IsFile(folder + result)) {
            ShowInformation(kExportWritten + folder + " " + result);
        } else {
            ShowInformation(kExportNotSaved);
        }
    });
}

void DocumentController::PrintDoc() { Output(kPrintMode); }

void DocumentController::PreviewDoc() { Output(kPreviewMode); }

void DocumentController::Output(int mode) {
    Guarded([&] {
        if (CheckAndGo() != CheckOutcome::Passed) return;
        WindowDisabled disabled(Platform_);
        Services_.printDeclaration(*Declaration_, mode);
    });
}

std::string DocumentController::HelpStartPage() const { return ProgramFolder_ + kHelpStartPage; }

void DocumentController::Help() {
    Guarded([&] {
        const std::string page = HelpStartPage();
        if (IsFile(page)) {
            Platform_.ShowHelp(page);
        } else {
            ShowError(kHelpMissing);
        }
    });
}

void DocumentController::Help(const std::string& page) {
    Guarded([&] {
        // A page not installed gives way to the start page rather than to nothing.
        if (!page.empty() && IsFile(ProgramFolder_ + page)) {
            Platform_.ShowHelp(ProgramFolder_ + page);
        } else {
            Help();
        }
    });
}

void DocumentController::About() {
    Guarded([&] { Platform_.ShowAbout(); });
}

void DocumentController::SwitchSection(Section section) {
    Guarded([&] {
        if (section == CurrentSection_) return;
        if (!SectionEnabled(*Declaration_, section)) {
            Platform_.PressSectionButton(CurrentSection_);
            return;
        }
        Platform_.StoreScreen();
        const uint16_t row = static_cast<uint16_t>(Platform_.ValidateScreen() & 0xFFFFu);
        if (row != 0) {
            Platform_.PressSectionButton(CurrentSection_);
            Platform_.FocusScreen(kNoPage, row);
            return;
        }
        ShowSectionScreen(section);
    });
}

CheckOutcome DocumentController::CheckAndGo() {
    Platform_.StoreScreen();
    const uint32_t result = Services_.checkDeclaration(*Declaration_);
    const uint16_t field = CheckFieldOf(result);
    if (field == 0) return CheckOutcome::Passed;
    if (field == kCheckDeclined) return CheckOutcome::Declined;
    GoToField(CheckSectionOf(result), field);
    return CheckOutcome::Moved;
}

void DocumentController::GoToField(uint16_t checkSection, int field) {
    if (const auto target = CheckTargetOf(checkSection)) {
        if (target->section != CurrentSection_) ShowSectionScreen(target->section);
        Platform_.FocusScreen(target->page, field);
    }
}

void DocumentController::OfferRefusedField() {
    // The export has told what it refused; the check names the same value in the
    // screens' words and knows where it is entered.
    const CheckFindings findings = CheckDeclarationForExport(*Declaration_);
    const auto found = std::find_if(findings.begin(), findings.end(), [](const CheckFinding& f) {
        return f.field > 0 && CheckTargetOf(static_cast<uint16_t>(f.section)).has_value();
    });
    if (found == findings.end()) {
        ShowInformation(kExportFailed);
        return;
    }
    const std::string text =
        std::string(kExportFailed) + " " + found->sectionTitle + ": " + found->message + kGoToField;
    if (Platform_.ShowMessage(text, kProgramTitle, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes)
        GoToField(static_cast<uint16_t>(found->section), found->field);
}

void DocumentController::DocumentModified() {
    if (!Loading_) Unchanged_ = false;
}

bool DocumentController::FreshDocument() const {
    return DocumentPath_.empty() && Unchanged_ && !PersonIdOf(Declaration_->Person);
}

Ndfl2Target DocumentController::CertificateTarget() {
    Platform_.StoreScreen();
    if (FreshDocument()) return {};
    return {PersonIdOf(Declaration_->Person), Declaration_->DeclarationKind};
}

Ndfl2ImportReport DocumentController::ImportCertificates(const Ndfl2Plan& plan, const std::vector<bool>& take) {
    Platform_.StoreScreen();
    const Ndfl2ImportReport report = ApplyNdfl2Plan(*Declaration_, plan, FreshDocument(), take);
    Unchanged_ = false;
    UpdateSectionButtons();
    ShowSectionScreen(Section::RussianIncome);
    return report;
}

void DocumentController::UpdateSectionButtons() {
    for (const Section section : kAllSections) {
        Platform_.EnableSectionButton(section, SectionEnabled(*Declaration_, section));
    }
}

DocumentController::OfferResult DocumentController::OfferToSave() {
    // Edits still held by the screen count as changes.
    Platform_.StoreScreen();
    if (Unchanged_) return OfferResult::Proceed;
    const MessageAnswer answer =
        Platform_.ShowMessage(kAskSave, kProgramTitle, MessageIcon::Question, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::No) return OfferResult::Proceed;
    if (answer != MessageAnswer::Yes) return OfferResult::Stop;
    const std::string path = DocumentPath_.empty() ? Platform_.AskSaveFile(SaveDialogOptions()) : DocumentPath_;
    // "Да" and then no file name is not an answer to throw the changes away: the
    // command stops and the document stays as it is.
    if (path.empty()) return OfferResult::Stop;
    // A document that could not be written is not thrown away.
    if (!SaveTo(ApplyExtensionRule(path))) return OfferResult::Stop;
    Unchanged_ = true;
    return OfferResult::Proceed;
}

bool DocumentController::SaveTo(const std::string& path) {
    Platform_.StoreScreen();
    // One mis-click must not destroy another declaration.
    if (IsOtherExistingFile(path, DocumentPath_) &&
        Platform_.ShowMessage("Файл " + path + " уже существует. Заменить его?", kProgramTitle, MessageIcon::Question,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    // Nor may a document of which only the taxpayer was read replace its file unasked.
    if (!PartialSource_.empty() && SameFile(path, PartialSource_) &&
        Platform_.ShowMessage(ReplacePartialQuestion(PartialSource_), kProgramTitle, MessageIcon::Question,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    try {
        Declaration_->SaveToFile(path);
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
        return false;
    }
    DocumentPath_ = path;
    PartialSource_.clear();
    Platform_.SetTitle(DocumentTitle(DocumentPath_));
    return true;
}

std::unique_ptr<mTDeclaration> DocumentController::LoadDocument(const std::string& path) {
    try {
        auto declaration = std::make_unique<mTDeclaration>();
        const LoadedDocument loaded = declaration->LoadFromFile(path);
        if (!loaded.Complete) ShowInformation(PartialLoadMessage(path, loaded));
        PartialSource_ = loaded.Complete ? std::string() : path;
        return declaration;
    } catch (const std::exception& error) {
        // A partly read declaration is never kept: saving it would overwrite the file.
        ShowError(LoadErrorText(error, path));
        return nullptr;
    }
}

void DocumentController::Install(std::unique_ptr<mTDeclaration> declaration, const std::string& path) {
    // The old declaration outlives the screen that shows it.
    std::unique_ptr<mTDeclaration> previous = std::exchange(Declaration_, std::move(declaration));
    DocumentPath_ = path;
    if (path.empty() || path != PartialSource_) PartialSource_.clear();
    Platform_.SetTitle(DocumentTitle(DocumentPath_));
    ShowSectionScreen(Section::Conditions);
    previous.reset();
    Unchanged_ = true;
    UpdateSectionButtons();
}

void DocumentController::ShowSectionScreen(Section section) {
    FlagScope loading(Loading_, true);
    Platform_.ShowSection(section);
    CurrentSection_ = section;
}

void DocumentController::ShowError(const std::string& text) {
    Platform_.ShowMessage(text, kProgramTitle, MessageIcon::Error, MessageButtons::Ok);
}

void DocumentController::ShowInformation(const std::string& text) {
    Platform_.ShowMessage(text, kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
}

bool DocumentController::Guarded(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
        return false;
    }
}

}  // namespace kvz

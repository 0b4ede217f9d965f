#pragma once
// The document commands behind the main window: one open declaration, its file,
// whether it has unsaved changes, and the section screen that shows it. Everything
// the user sees goes through Platform; the check, the XML export and the print
// hand-over come in as functions so that the window plugs in the real ones.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/platform.h"
#include "app/section.h"
#include "import/ndfl2_plan.h"
#include "import/ndfl2_report.h"
#include "print/print_handover.h"

namespace kvz {

class mTDeclaration;

struct DocumentServices {
    // The whole-declaration check: the section number in the low half of the result,
    // the field in the high half (0 passed, 0xFFFF declined to correct).
    std::function<uint32_t(mTDeclaration&)> checkDeclaration;
    // Writes the XML file into the folder (which ends with "/"); returns the file's
    // name or "ERROR".
    std::function<std::string(const std::string& folder, mTDeclaration&)> exportDeclaration;
    // Hands the declaration to the print module with kPreviewMode or kPrintMode.
    std::function<void(mTDeclaration&, int mode)> printDeclaration;
};

// What check-and-go did: nothing to correct, moved to the finding, or the user declined.
enum class CheckOutcome { Passed = 0, Moved = 1, Declined = 2 };

class DocumentController {
public:
    // programFolder is the folder of the program file. Throws std::invalid_argument
    // when a service is missing. Holds a fresh declaration until Start.
    DocumentController(Platform& platform, DocumentServices services, std::string programFolder);
    ~DocumentController();
    DocumentController(const DocumentController&) = delete;
    DocumentController& operator=(const DocumentController&) = delete;

    // Opens the document named by the arguments (without the program name), or a
    // new one, and shows the conditions screen.
    void Start(const std::vector<std::string>& arguments);

    void CreateDoc();
    void OpenDoc();
    // True when the document was written.
    bool SaveDoc();
    bool SaveAsDoc();
    // The main window asks before closing (also on Quit): true allows the close.
    bool CloseRequest();

    void CheckDoc();
    void ExportDoc();
    void PrintDoc();
    void PreviewDoc();
    void Help();
    // F1: a page of the help folder (relative to the program's folder, see
    // help_pages.h); the start page when it is "" or not installed.
    void Help(const std::string& page);
    void About();

    // A click on a section button.
    void SwitchSection(Section section);
    // Stores the screen and runs the check; on a finding shows it for correction.
    // Used by the commands above, which show its errors; called directly it throws them.
    CheckOutcome CheckAndGo();
    // Sent by a screen that changed the declaration; ignored while a screen is filled.
    void DocumentModified();
    // Sets the section buttons from the declaration (the conditions screen calls it
    // when the income kinds or the declaration type change).
    void UpdateSectionButtons();

    // Where employers' certificates go: a document not yet named nor changed takes its
    // taxpayer and kind from them, so it names no person and no kind here. Stores the
    // screen first, so that a name just typed counts.
    Ndfl2Target CertificateTarget();
    // Carries the chosen items of a planned import in (take: per item; empty takes
    // all), marks the document modified and shows the income screen. Saving stays
    // the user's choice.
    Ndfl2ImportReport ImportCertificates(const Ndfl2Plan& plan, const std::vector<bool>& take);

    mTDeclaration& Declaration() { return *Declaration_; }
    const mTDeclaration& Declaration() const { return *Declaration_; }
    const std::string& DocumentPath() const { return DocumentPath_; }
    bool Unchanged() const { return Unchanged_; }
    bool Loading() const { return Loading_; }
    Section CurrentSection() const { return CurrentSection_; }
    // Ends with "/" unless empty.
    const std::string& ProgramFolder() const { return ProgramFolder_; }
    // The help start page that Help opens.
    std::string HelpStartPage() const;

private:
    enum class OfferResult { Proceed, Stop };

    // Moves to the screen of a check section and focuses the field there.
    void GoToField(uint16_t checkSection, int field);
    // After a refused export: offers to go to the value the check finds, if any.
    void OfferRefusedField();
    OfferResult OfferToSave();
    bool SaveTo(const std::string& path);
    std::unique_ptr<mTDeclaration> LoadDocument(const std::string& path);
    void Install(std::unique_ptr<mTDeclaration> declaration, const std::string& path);
    void ShowSectionScreen(Section section);
    bool FreshDocument() const;
    void Output(int mode);
    void ShowError(const std::string& text);
    void ShowInformation(const std::string& text);
    // Runs a command; an error that escapes it is shown instead of reaching the window system.
    bool Guarded(const std::function<void()>& command);

    Platform& Platform_;
    DocumentServices Services_;
    std::string ProgramFolder_;
    std::unique_ptr<mTDeclaration> Declaration_;
    std::string DocumentPath_;
    // A file of which only the taxpayer's data was taken: saving over it asks first.
    std::string PartialSource_;
    bool Unchanged_ = true;
    bool Loading_ = false;
    Section CurrentSection_ = Section::Conditions;
};

// A declaration as a new document starts: no inspection, signed today, signed
// personally, Russian incomes on, the sheet count following the foreign documents.
std::unique_ptr<mTDeclaration> NewDocumentDeclaration();

}  // namespace kvz

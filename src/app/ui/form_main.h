#pragma once
// The main window: the menu, the command toolbar, the column of section buttons and
// the container that shows one section screen. It is the window system of the
// document controller: the controller decides, the window shows.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/document_controller.h"
#include "app/platform.h"
#include "app/ui/program_data_files.h"
#include "app/ui/program_settings.h"
#include "app/ui/window_dialogs.h"
#include "export/declaration_export.h"
#include "print/print_handover.h"
#include "screens/screen_resources.h"
#include "screens/thinking_frame.h"

class QAction;
class QButtonGroup;
class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace kvz {

class TFlashButton;
class TResultPanel;
class TfmCheckError;
class THelpWindow;

using ScreenFactory = std::function<std::unique_ptr<TThinkingFrame>(Section, mTDeclaration&, const ScreenResources&,
                                                                    QWidget* parent)>;
using DeclarationCheck = std::function<uint32_t(mTDeclaration&)>;

// What the window is built from; an empty member takes the program's own.
struct FormMainParts {
    // The folder of the data files and help pages; "" is the program's data folder
    // (ProgramDataFolder).
    std::string programFolder;
    std::unique_ptr<WindowDialogs> dialogs;
    ScreenFactory screenFactory;
    // The whole-declaration check; by default it asks through TfmCheckAllError.
    DeclarationCheck checkDeclaration;
    // Creates the print module; by default it is loaded from the program's folder.
    std::function<std::unique_ptr<PrintModule>()> createPrintModule;
};

class TFormMain : public QMainWindow, public Platform {
    Q_OBJECT
public:
    // Reads the toolbar settings and the data files next to the program. Throws
    // EStartAborted when the inspection directory cannot be read.
    explicit TFormMain(FormMainParts parts = {}, QWidget* parent = nullptr);
    ~TFormMain() override;

    // Opens the document named by the arguments (or a new one) and shows the
    // conditions screen; then reports data files that could not be read.
    void Start(const std::vector<std::string>& arguments);
    // Shows the window where it was when last closed (maximised if it was).
    void ShowAtStoredPlace();

    DocumentController& Controller() { return *Controller_; }
    TThinkingFrame* CurrentScreen() const { return CurrentScreen_.get(); }
    TResultPanel* ResultPanel() const { return ResultPanel_; }
    TFlashButton* SectionButton(Section section) const;
    const ScreenResources& Resources() const { return Resources_; }
    const ProgramDataFiles& DataFiles() const { return DataFiles_; }

    // Platform.
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::string AskOpenFile(const FileDialogOptions& options) override;
    std::string AskSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> AskFolder(const std::string& title, const std::string& preselected) override;
    void SetWindowEnabled(bool enabled) override;
    void SetTitle(const std::string& title) override;
    void StoreScreen() override;
    uint32_t ValidateScreen() override;
    void FocusScreen(int page, int field) override;
    void ShowSection(Section section) override;
    void PressSectionButton(Section section) override;
    void EnableSectionButton(Section section, bool enabled) override;
    void ShowHelp(const std::string& startPage) override;
    void ShowAbout() override;

    // The two check items of "Настройки": stored at once and applied.
    void SetShowStdToolbar(bool show);
    void SetTextLabels(bool labels);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildCommandBar();
    QWidget* BuildSectionColumn();
    void ApplyToolbarSettings(const ToolbarSettings& settings);
    DocumentServices Services();
    uint32_t RunDeclarationCheck(mTDeclaration& declaration);
    std::string RunExport(const std::string& folder, mTDeclaration& declaration);
    ExportSettings WindowExportSettings();
    PrintHandoverServices PrintServices();
    void ShowInspectionImport();
    void ImportCertificates(const QStringList& files);
    void FocusFirstListRow(Section section);
    void SaveWindowPlace();

    FormMainParts Parts_;
    std::string ProgramFolder_;
    std::unique_ptr<WindowDialogs> Dialogs_;
    ProgramDataFiles DataFiles_;
    ScreenResources Resources_;
    std::unique_ptr<DocumentController> Controller_;
    std::unique_ptr<TThinkingFrame> CurrentScreen_;
    std::string LastExportFolder_;

    QToolBar* CoolBarButtons = nullptr;
    std::vector<QToolButton*> CommandButtons_;
    QAction* miShowStdToolbar = nullptr;
    QAction* miTextLabels = nullptr;
    QWidget* PnlSelectGroup = nullptr;
    QWidget* PnlFormContainer = nullptr;
    QVBoxLayout* ContainerLayout_ = nullptr;
    TResultPanel* ResultPanel_ = nullptr;
    QButtonGroup* SectionGroup_ = nullptr;
    std::map<Section, TFlashButton*> SectionButtons_;
    QPointer<THelpWindow> HelpWindow_;
    TfmCheckError* CheckDialog_ = nullptr;
};

}  // namespace kvz

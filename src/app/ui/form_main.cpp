#include "app/ui/form_main.h"
#include "app/ui/modal_focus_return.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <unistd.h>

#include <algorithm>

#include "app/help_pages.h"
#include "app/ui/about_box.h"
#include "app/ui/flash_button.h"
#include "app/ui/help_key.h"
#include "app/ui/help_window.h"
#include "app/ui/ndfl2_drop.h"
#include "app/ui/ndfl2_import_dialog.h"
#include "app/ui/print_module_loader.h"
#include "app/ui/result_panel.h"
#include "app/ui/program_icons.h"
#include "checks/declaration_check.h"
#include "checks/ui/check_all_error_dialog.h"
#include "checks/ui/check_error_dialog.h"
#include "directory/ui/load_soun_dialog.h"
#include "export/declaration_export.h"
#include "export/export_folder.h"
#include "export/schema_validation.h"
#include "model/declaration.h"
#include "screens/screen_widgets.h"
#include "screens/section_screen_factory.h"
#include "storage/document_paths.h"

namespace kvz {

namespace {

struct SectionButtonText {
    Section section;
    const char* name;
    const char* caption;
    const char* hint;
    ProgramPicture picture;
};

// The column of section buttons, top to bottom.
constexpr SectionButtonText kSectionButtons[] = {
    {Section::Conditions, "fbInitialData", "Задание условий", "Выбор режима ввода", ProgramPicture::Conditions},
    {Section::Taxpayer, "fbPrsonInfo", "Сведения о декларанте", "Персональные данные налогоплательщика",
     ProgramPicture::Person},
    {Section::RussianIncome, "fbRussianIncome", "Доходы, полученные в РФ",
     "Доходы, полученные от налоговых агентов или иных источников, в т.ч. физлиц", ProgramPicture::RussianIncome},
    {Section::Business, "fbBusinessIncome", "Предприниматели",
     "Доходы, полученные от предпринимательской деятельности без образования юридического лица и частной практики",
     ProgramPicture::Business},
    {Section::ForeignIncome, "fbForeignIncome", "Доходы за пределами РФ", "Доходы, полученные в иностранной валюте",
     ProgramPicture::ForeignIncome},
    {Section::Deductions, "fbDeduction", "Вычеты", "Стандартные, социальные и имущественный налоговые вычеты",
     ProgramPicture::Deductions},
    {Section::InvestTov, "fbInvestTov", "Инвест. товарищества", "Данные по участию в инвестиционных товариществах",
     ProgramPicture::InvestTov},
};

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The list behind a screen that opens with its first row selected.
bool HasListItems(const mTDeclaration& declaration, Section section) {
    switch (section) {
        case Section::RussianIncome:
            return declaration.Thirteen.Count() > 0;
        case Section::ForeignIncome:
            return declaration.Foreign.Count() > 0;
        case Section::Business:
            return declaration.Business.Count() > 0;
        case Section::InvestTov:
            return declaration.InvestTov.Count() > 0;
        default:
            return false;
    }
}

// The screen's list: the first view named like a list ("lv…"), else the first view.
QAbstractItemView* ScreenList(QWidget* screen) {
    const auto views = screen->findChildren<QAbstractItemView*>();
    for (QAbstractItemView* view : views) {
        if (view->objectName().startsWith(QStringLiteral("lv"))) return view;
    }
    return views.isEmpty() ? nullptr : views.front();
}

}  // namespace

TFormMain::TFormMain(FormMainParts parts, QWidget* parent)
    : QMainWindow(parent),
      Parts_(std::move(parts)),
      ProgramFolder_(WithTrailingSlash(Parts_.programFolder.empty() ? ProgramDataFolder() : Parts_.programFolder)),
      Dialogs_(Parts_.dialogs ? std::move(Parts_.dialogs) : std::make_unique<QtWindowDialogs>(this)) {
    setObjectName(QStringLiteral("TFormMain"));
    setWindowIcon(PictureIcon(ProgramPicture::Program));
    setWindowTitle(Text(kProgramTitle));
    if (!Parts_.screenFactory) Parts_.screenFactory = CreateSectionScreen;

    BuildMenu();
    BuildCommandBar();
    new TModalFocusReturn(this);
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("pnlMain"));
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    row->addWidget(BuildSectionColumn());
    PnlFormContainer = new QWidget(centre);
    PnlFormContainer->setObjectName(QStringLiteral("PnlFormContainer"));
    ContainerLayout_ = new QVBoxLayout(PnlFormContainer);
    ContainerLayout_->setContentsMargins(0, 0, 0, 0);
    row->addWidget(PnlFormContainer, 1);
    ResultPanel_ = new TResultPanel([this]() -> const mTDeclaration& { return Controller_->Declaration(); }, centre);
    row->addWidget(ResultPanel_);
    setCentralWidget(centre);

    ApplyToolbarSettings(ReadToolbarSettings());

    DataFiles_ = LoadProgramDataFiles(ProgramFolder_);
    Resources_.inspections = DataFiles_.inspections ? &*DataFiles_.inspections : nullptr;
    Resources_.countries = DataFiles_.countries ? &*DataFiles_.countries : nullptr;
    Resources_.activities = DataFiles_.activities ? &*DataFiles_.activities : nullptr;
    Resources_.currencyRates = DataFiles_.currencyRates ? &*DataFiles_.currencyRates : nullptr;
    CheckDialog_ = new TfmCheckError(this);
    Resources_.checkDialog = CheckDialog_;
    Resources_.askYesNo = [this](const std::string& text) { return Dialogs_->AskYesNo(text); };
    Resources_.showMessage = [this](const std::string& text) {
        Dialogs_->ShowMessage(text, kProgramTitle, MessageIcon::Error, MessageButtons::Ok);
    };
    Resources_.showInspectionImport = [this] { ShowInspectionImport(); };

    Controller_ = std::make_unique<DocumentController>(*this, Services(), ProgramFolder_);
    new THelpKey(
        *this, [this] { return CurrentScreen_.get(); }, [this](const std::string& page) { Controller_->Help(page); });
    new TNdfl2Drop(*this, [this](const QStringList& files) { ImportCertificates(files); });
    // Room for the section column, a screen and the result beside it.
    resize(1260, 760);
}

TFormMain::~TFormMain() {
    // The screen refers to the controller's declaration: it goes first.
    CurrentScreen_.reset();
}

void TFormMain::Start(const std::vector<std::string>& arguments) {
    Controller_->Start(arguments);
    for (const std::string& problem : DataFiles_.problems) {
        Dialogs_->ShowMessage(problem, kProgramTitle, MessageIcon::Error, MessageButtons::Ok);
    }
}

void TFormMain::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("CoolBarMenu"));
    auto command = [this](QMenu* menu, const char* name, const char* caption, auto slot,
                          const QKeySequence& keys = QKeySequence()) {
        QAction* action = menu->addAction(Text(caption));
        action->setObjectName(Text(name));
        if (!keys.isEmpty()) action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("miFile"));
    command(file, "miCreate", "&Создать", [this] { Controller_->CreateDoc(); }, QKeySequence::New);
    command(file, "miOpen", "&Открыть", [this] { Controller_->OpenDoc(); }, QKeySequence::Open);
    command(file, "miSave", "Со&хранить", [this] { Controller_->SaveDoc(); }, QKeySequence::Save);
    command(file, "miSaveAs", "Сохранить &как...", [this] { Controller_->SaveAsDoc(); });
    command(file, "miImport2Ndfl", "&Загрузить справку 2-НДФЛ…", [this] { ImportCertificates(AskNdfl2Files(this)); });
    file->addSeparator();
    command(file, "miExit", "В&ыход", [this] { close(); });

    QMenu* declaration = bar->addMenu(QStringLiteral("&Декларация"));
    declaration->setObjectName(QStringLiteral("miDeclaration"));
    command(declaration, "miPreview", "&Просмотр", [this] { Controller_->PreviewDoc(); });
    command(declaration, "miPrint", "П&ечать", [this] { Controller_->PrintDoc(); }, QKeySequence::Print);
    command(declaration, "miExport", "&Экспорт в xml", [this] { Controller_->ExportDoc(); });
    command(declaration, "miCheck", "П&роверить", [this] { Controller_->CheckDoc(); });

    QMenu* settings = bar->addMenu(QStringLiteral("&Настройки"));
    settings->setObjectName(QStringLiteral("miSettings"));
    miShowStdToolbar = settings->addAction(QStringLiteral("&Стандартная панель"));
    miShowStdToolbar->setObjectName(QStringLiteral("miShowStdToolbar"));
    miShowStdToolbar->setCheckable(true);
    connect(miShowStdToolbar, &QAction::triggered, this, &TFormMain::SetShowStdToolbar);
    miTextLabels = settings->addAction(QStringLiteral("&Подписи под кнопками"));
    miTextLabels->setObjectName(QStringLiteral("miTextLabels"));
    miTextLabels->setCheckable(true);
    connect(miTextLabels, &QAction::triggered, this, &TFormMain::SetTextLabels);

    QMenu* help = bar->addMenu(QStringLiteral("С&правка"));
    help->setObjectName(QStringLiteral("miHelpMenu"));
    // The menu opens the contents; F1 opens the page of the screen or dialog in use.
    command(help, "miHelp", "&Справка", [this] { Controller_->Help(); });
    help->addSeparator();
    command(help, "miAbout", "&О программе", [this] { Controller_->About(); });
}

void TFormMain::BuildCommandBar() {
    CoolBarButtons = new QToolBar(QStringLiteral("Стандартная панель"), this);
    CoolBarButtons->setObjectName(QStringLiteral("CoolBarButtons"));
    CoolBarButtons->setMovable(false);
    CoolBarButtons->setFloatable(false);
    CoolBarButtons->toggleViewAction()->setVisible(false);
    CoolBarButtons->setContextMenuPolicy(Qt::PreventContextMenu);
    CoolBarButtons->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, CoolBarButtons);

    auto button = [this](const char* name, const char* label, const char* hint, ProgramPicture picture,
                         auto slot) {
        auto* tool = new QToolButton(CoolBarButtons);
        tool->setObjectName(Text(name));
        tool->setText(Text(label));
        tool->setToolTip(Text(hint));
        tool->setStatusTip(Text(hint));
        tool->setIcon(PictureIcon(picture));
        tool->setIconSize(QSize(24, 24));
        tool->setAutoRaise(true);
        // Commands are reached by the menu's keys; Tab goes through the screen's fields.
        tool->setFocusPolicy(Qt::NoFocus);
        connect(tool, &QToolButton::clicked, this, slot);
        CoolBarButtons->addWidget(tool);
        CommandButtons_.push_back(tool);
    };
    button("fbCreate", "Создать", "Создать новую декларацию", ProgramPicture::Create,
           [this] { Controller_->CreateDoc(); });
    button("fbOpen", "Открыть", "Открыть сохранённую декларацию", ProgramPicture::Open,
           [this] { Controller_->OpenDoc(); });
    button("fbSave", "Сохранить", "Сохранить декларацию", ProgramPicture::Save, [this] { Controller_->SaveDoc(); });
    CoolBarButtons->addSeparator();
    button("fbView", "Просмотр", "Просмотр декларации перед печатью", ProgramPicture::Preview,
           [this] { Controller_->PreviewDoc(); });
    button("fbPrint", "Печать", "Печать декларации", ProgramPicture::Print, [this] { Controller_->PrintDoc(); });
    CoolBarButtons->addSeparator();
    button("fbExsport", "Файл xml", "Сформировать файл декларации в формате xml для налоговой инспекции",
           ProgramPicture::Export, [this] { Controller_->ExportDoc(); });
    button("fbCheck", "Проверить", "Проверить декларацию", ProgramPicture::Check,
           [this] { Controller_->CheckDoc(); });
}

QWidget* TFormMain::BuildSectionColumn() {
    PnlSelectGroup = new QWidget(this);
    PnlSelectGroup->setObjectName(QStringLiteral("PnlSelectGroup"));
    auto* column = new QVBoxLayout(PnlSelectGroup);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    SectionGroup_ = new QButtonGroup(this);
    SectionGroup_->setExclusive(true);
    for (const SectionButtonText& entry : kSectionButtons) {
        auto* button = new TFlashButton(PictureIcon(entry.picture), Text(entry.caption), Text(entry.hint),
                                        PnlSelectGroup);
        button->setObjectName(Text(entry.name));
        SectionGroup_->addButton(button);
        column->addWidget(button);
        SectionButtons_[entry.section] = button;
        const Section section = entry.section;
        connect(button, &TFlashButton::clicked, this, [this, section] { Controller_->SwitchSection(section); });
    }
    // One height for all, so that the column reads as one even list.
    int height = 0;
    for (const auto& [section, button] : SectionButtons_) height = std::max(height, button->sizeHint().height());
    for (const auto& [section, button] : SectionButtons_) button->setFixedHeight(height);
    column->addStretch(1);
    return PnlSelectGroup;
}

void TFormMain::ApplyToolbarSettings(const ToolbarSettings& settings) {
    miShowStdToolbar->setChecked(settings.showStdToolbar);
    miTextLabels->setChecked(settings.textLabels);
    const QSize size = CommandButtonSize(settings.textLabels);
    for (QToolButton* button : CommandButtons_) {
        button->setToolButtonStyle(settings.textLabels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        button->setFixedSize(size);
    }
    CoolBarButtons->setMinimumHeight(CommandBandMinHeight(settings.textLabels));
    CoolBarButtons->setVisible(settings.showStdToolbar);
}

void TFormMain::SetShowStdToolbar(bool show) {
    WriteShowStdToolbar(show);
    ApplyToolbarSettings({show, miTextLabels->isChecked()});
}

void TFormMain::SetTextLabels(bool labels) {
    WriteTextLabels(labels);
    ApplyToolbarSettings({miShowStdToolbar->isChecked(), labels});
}

TFlashButton* TFormMain::SectionButton(Section section) const {
    const auto found = SectionButtons_.find(section);
    return found == SectionButtons_.end() ? nullptr : found->second;
}

DocumentServices TFormMain::Services() {
    DocumentServices services;
    services.checkDeclaration = [this](mTDeclaration& declaration) { return RunDeclarationCheck(declaration); };
    services.exportDeclaration = [this](const std::string& folder, mTDeclaration& declaration) {
        return RunExport(folder, declaration);
    };
    services.printDeclaration = [this](mTDeclaration& declaration, int mode) {
        HandOverToPrintModule(declaration, mode, ProgramFolder_, PrintServices());
    };
    return services;
}

uint32_t TFormMain::RunDeclarationCheck(mTDeclaration& declaration) {
    if (Parts_.checkDeclaration) return Parts_.checkDeclaration(declaration);
    TfmCheckAllError dialog(this);
    return CheckDeclaration(declaration, dialog);
}

std::string TFormMain::RunExport(const std::string& folder, mTDeclaration& declaration) {
    // A folder the user may not write to is the user's to change, not a fault of the
    // program: no file name lets the command say so and offer another folder.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::string();
    std::string result;
    ExportDeclaration(folder, declaration, kExportFileMode, result, WindowExportSettings());
    return result;
}

ExportSettings TFormMain::WindowExportSettings() {
    ExportSettings settings;
    settings.ShowMessage = [this](const std::string& text) {
        Dialogs_->ShowMessage(text, kProgramTitle, MessageIcon::Error, MessageButtons::Ok);
    };
    settings.SchemaPath = ProgramFolder_ + kNdfl3SchemaFileName;
    return settings;
}

PrintHandoverServices TFormMain::PrintServices() {
    PrintHandoverServices services;
    services.createModule = [this] {
        // Beside the program in a build tree; an installed program keeps its module in
        // <prefix>/lib/kvarzen/.
        return Parts_.createPrintModule ? Parts_.createPrintModule()
                                        : LoadPrintModule(ProgramFileFolder(kPrintModuleFile, "../lib/kvarzen"));
    };
    services.exportText = [this](mTDeclaration& declaration) {
        std::string text;
        ExportDeclaration(std::string(), declaration, kExportTextMode, text, WindowExportSettings());
        return text;
    };
    services.inspectionName = [this](const std::string& code) {
        return RecipientName(DataFiles_.inspections ? &*DataFiles_.inspections : nullptr, code);
    };
    services.askPrinter = [this] { return Dialogs_->AskPrinter(); };
    services.pdfFile = [this] { return PdfFileOf(Controller_->DocumentPath()); };
    services.windowHandle = [this] { return static_cast<std::intptr_t>(winId()); };
    services.showError = [this](const std::string& text) {
        Dialogs_->ShowMessage(text, kProgramTitle, MessageIcon::Error, MessageButtons::Ok);
    };
    return services;
}

void TFormMain::ImportCertificates(const QStringList& files) {
    RunNdfl2Import(this, *Controller_, *Dialogs_, files, [this] { ShowHelp(HelpPageOf("TfmNdfl2Import")); });
}

void TFormMain::ShowInspectionImport() {
    LoadSounServices services;
    services.showMessage = [this](const std::string& text, bool failure) {
        Dialogs_->ShowMessage(text, kProgramTitle, failure ? MessageIcon::Error : MessageIcon::Information,
                              MessageButtons::Ok);
    };
    services.openHelp = [this](const std::string& page) { ShowHelp(page); };
    TfmLoadSoun dialog(ProgramFolder_, std::move(services), this);
    dialog.exec();
}

MessageAnswer TFormMain::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                     MessageButtons buttons) {
    return Dialogs_->ShowMessage(text, caption, icon, buttons);
}

std::string TFormMain::AskOpenFile(const FileDialogOptions& options) { return Dialogs_->AskOpenFile(options); }

std::string TFormMain::AskSaveFile(const FileDialogOptions& options) { return Dialogs_->AskSaveFile(options); }

// The folder chosen last in this run is offered again while it exists; before that
// the one the command proposes (the document's).
std::optional<std::string> TFormMain::AskFolder(const std::string& title, const std::string& preselected) {
    std::string folder = LastExportFolder_.empty() ? preselected : LastExportFolder_;
    const bool chosen = BrowseForFolder(title, std::string(), folder,
                                        [this](const std::string& dialogTitle, const std::string&,
                                               const std::string& start) {
                                            return Dialogs_->AskFolder(dialogTitle, start);
                                        });
    if (!chosen) return std::nullopt;
    LastExportFolder_ = folder;
    return folder;
}

// The menu, the toolbar and the window's contents; the dialogs the command opens
// stay usable.
void TFormMain::SetWindowEnabled(bool enabled) {
    menuBar()->setEnabled(enabled);
    CoolBarButtons->setEnabled(enabled);
    centralWidget()->setEnabled(enabled);
}

void TFormMain::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

bool TFormMain::StoreScreen() { return !CurrentScreen_ || CurrentScreen_->Store(); }

uint32_t TFormMain::ValidateScreen() { return CurrentScreen_ ? CurrentScreen_->Validate() : 0; }

void TFormMain::FocusScreen(int page, int field) {
    if (CurrentScreen_) CurrentScreen_->FocusField(page, field);
}

void TFormMain::ShowSection(Section section) {
    std::unique_ptr<TThinkingFrame> screen =
        Parts_.screenFactory(section, Controller_->Declaration(), Resources_, PnlFormContainer);
    connect(screen.get(), &TThinkingFrame::documentModified, this, [this] {
        Controller_->DocumentModified();
        ResultPanel_->ScheduleUpdate();
    });
    connect(screen.get(), &TThinkingFrame::sectionsChanged, this, [this] { Controller_->UpdateSectionButtons(); });
    std::unique_ptr<TThinkingFrame> old = std::exchange(CurrentScreen_, std::move(screen));
    if (old) {
        ReleaseFocus(old.get());
        ContainerLayout_->removeWidget(old.get());
    }
    old.reset();
    ContainerLayout_->addWidget(CurrentScreen_.get());
    CurrentScreen_->show();
    PressSectionButton(section);
    FocusFirstListRow(section);
    // A new or opened document, or a screen left after its store.
    ResultPanel_->ScheduleUpdate();
    // The screen that replaced the one holding the focus gets it, so that typing
    // goes on at once instead of into nothing.
    if (!CurrentScreen_->isAncestorOf(focusWidget())) FocusFirstField(CurrentScreen_.get());
}

void TFormMain::FocusFirstListRow(Section section) {
    if (!HasListItems(Controller_->Declaration(), section)) return;
    QAbstractItemView* list = ScreenList(CurrentScreen_.get());
    if (list == nullptr || list->model() == nullptr || list->model()->rowCount() == 0) return;
    const QModelIndex first = list->model()->index(0, 0);
    list->setFocus();
    list->setCurrentIndex(first);
    if (list->selectionModel() != nullptr) {
        list->selectionModel()->select(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void TFormMain::PressSectionButton(Section section) {
    if (TFlashButton* button = SectionButton(section)) button->setChecked(true);
}

void TFormMain::EnableSectionButton(Section section, bool enabled) {
    if (TFlashButton* button = SectionButton(section)) button->setEnabled(enabled);
}

void TFormMain::ShowHelp(const std::string& startPage) {
    // A modal dialog blocks every window but its own: help asked for from a dialog
    // belongs to that dialog, so that it stands above it and can be used.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) owner = this;
    if (HelpWindow_ == nullptr) HelpWindow_ = new THelpWindow(owner);
    else if (HelpWindow_->parentWidget() != owner) HelpWindow_->setParent(owner, Qt::Window);
    HelpWindow_->ShowPage(QString::fromStdString(startPage));
}

void TFormMain::ShowAbout() {
    TfmAbout about(this);
    about.exec();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!Controller_->CloseRequest()) {
        event->ignore();
        return;
    }
    SaveWindowPlace();
    if (HelpWindow_ != nullptr) HelpWindow_->close();
    event->accept();
}

void TFormMain::SaveWindowPlace() {
    WindowGeometry place;
    place.fullScreen = isMaximized();
    const QRect normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
    place.left = normal.left();
    place.top = normal.top();
    place.width = normal.width();
    place.height = normal.height();
    WriteWindowGeometry(place);
}

void TFormMain::ShowAtStoredPlace() {
    const std::optional<WindowGeometry> place = ReadWindowGeometry();
    bool placed = false;
    if (place && place->width > 200 && place->height > 150) {
        const QRect stored(place->left, place->top, place->width, place->height);
        // A place on a screen that is no longer attached is not used.
        for (QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().intersects(stored)) {
                move(stored.topLeft());
                resize(stored.size());
                placed = true;
                break;
            }
        }
    }
    if (!placed) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            resize(std::min(width(), area.width()), std::min(height(), area.height()));
            move(area.center() - rect().center());
        }
    }
    if (place && place->fullScreen) {
        showMaximized();
    } else {
        show();
    }
}

}  // namespace kvz

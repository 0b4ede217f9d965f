#include "directory/ui/load_soun_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/help_pages.h"
#include "directory/directory_location.h"
#include "directory/soun_import.h"
#include "storage/dates.h"

namespace kvz {

namespace {

constexpr const char* kCaption = "Кварзен 2015";
constexpr const char* kHelpLink = "help";
constexpr const char* kDownloadLink = "download";
constexpr const char* kNoWritableFolder =
    "Нет папки, в которую можно записать справочник: папка программы и папка данных пользователя "
    "(~/.local/share/kvarzen) недоступны для записи.";

QLabel* Line(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A line whose link runs an action of the dialog; the mouse shows the hand over it.
QLabel* LinkLine(const QString& before, const QString& linkText, const char* link, const QString& after,
                 const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    label->setText(before.toHtmlEscaped() + QStringLiteral("<a href=\"%1\">%2</a>").arg(link, linkText.toHtmlEscaped()) +
                   after.toHtmlEscaped());
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    return label;
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string Trimmed(const QString& text) { return text.trimmed().toStdString(); }

}  // namespace

TfmLoadSoun::TfmLoadSoun(std::string programFolder, LoadSounServices services, QWidget* parent)
    : QDialog(parent), ProgramFolder_(std::move(programFolder)), Services_(std::move(services)) {
    setObjectName(QStringLiteral("TfmLoadSoun"));
    setWindowTitle(QStringLiteral("Загрузка СОУН"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* text = new QVBoxLayout();
    text->setSpacing(2);
    text->addWidget(Line(QStringLiteral("Инспекция может отсутствовать в справочнике по двум причинам:"), this));
    text->addWidget(Line(QStringLiteral("- у инспекции изменился код и название, а вы не в курсе"), this));
    text->addWidget(Line(QStringLiteral("- справочник устарел"), this));
    text->addSpacing(6);
    text->addWidget(Line(QStringLiteral("Возможно два решения проблемы: простое и более сложное"), this));
    text->addWidget(Line(QStringLiteral("Простое: отредактировать справочник вручную. Как это сделать,"), this));
    QLabel* help = LinkLine(QString(), QStringLiteral("подробно расписано в Справке"), kHelpLink, QString(),
                            QStringLiteral("lblHelpLink"), this);
    text->addWidget(help);
    text->addSpacing(6);
    text->addWidget(Line(QStringLiteral("Сложное:"), this));
    QLabel* download = LinkLine(QStringLiteral("- скачать текущий СОУН (архив SOUN_DBF.ARJ) с "),
                                QStringLiteral("сайта ГНИВЦ ФНС России"), kDownloadLink, QString(),
                                QStringLiteral("lblDownloadLink"), this);
    download->setToolTip(QString::fromUtf8(kSounDownloadPage));
    text->addWidget(download);
    text->addWidget(Line(QStringLiteral("- извлечь из скаченного архива SOUN_DBF.ARJ файл soun1.dbf"), this));
    text->addWidget(Line(QStringLiteral("- указать путь к файлу soun1.dbf и обновить справочник"), this));
    text->addWidget(Line(QStringLiteral("- перезапустить программу \"Кварзен 2015\""), this));
    connect(help, &QLabel::linkActivated, this, &TfmLoadSoun::OpenHelpLink);
    connect(download, &QLabel::linkActivated, this, &TfmLoadSoun::OpenDownloadLink);

    edPath = new QLineEdit(this);
    edPath->setObjectName(QStringLiteral("edPath"));
    edPath->setPlaceholderText(QStringLiteral("soun1.dbf"));
    btnBrowse = new QPushButton(QStringLiteral("..."), this);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    btnBrowse->setFixedWidth(32);
    btnBrowse->setAutoDefault(false);
    auto* pathRow = new QHBoxLayout();
    pathRow->addWidget(edPath, 1);
    pathRow->addWidget(btnBrowse);

    pbImport = new QProgressBar(this);
    pbImport->setObjectName(QStringLiteral("pbImport"));
    pbImport->setRange(0, 100);
    pbImport->setValue(0);
    pbImport->setTextVisible(true);

    btnImport = new QPushButton(QStringLiteral("Импорт СОУН"), this);
    btnImport->setObjectName(QStringLiteral("btnImport"));
    btnImport->setAutoDefault(false);
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setAutoDefault(false);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(btnImport);
    buttons->addWidget(btnOk);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(8);
    layout->addLayout(text);
    layout->addSpacing(6);
    layout->addLayout(pathRow);
    layout->addWidget(pbImport);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnBrowse, &QPushButton::clicked, this, &TfmLoadSoun::Browse);
    connect(btnImport, &QPushButton::clicked, this, &TfmLoadSoun::Import);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmLoadSoun::Browse() {
    std::string chosen;
    if (Services_.chooseFile) {
        chosen = Services_.chooseFile();
    } else {
        // The classifier's own name, in whatever case the archive gave it.
        chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Загрузка СОУН"),
                                              QString::fromStdString(ProgramFolder_),
                                              QStringLiteral("*.dbf (soun1.dbf SOUN1.DBF Soun1.dbf)"))
                     .toStdString();
    }
    if (chosen.empty()) return;
    edPath->setText(QString::fromStdString(chosen));
    btnImport->setEnabled(true);
    btnOk->setEnabled(false);
}

void TfmLoadSoun::Import() {
    btnOk->setEnabled(true);
    const std::string path = Trimmed(edPath->text());
    if (path.empty()) {
        ShowMessage(msg::kSounPathMissing, true);
        return;
    }
    pbImport->setValue(0);
    btnImport->setEnabled(false);
    btnBrowse->setEnabled(false);
    bool imported = false;
    std::string reason;
    // An installed program's folder is read-only: the rebuilt directory then goes to
    // the user's data folder, which the next start reads.
    const std::string target = InspectionDirectoryToWrite(ProgramFolder_);
    try {
        if (target.empty()) throw std::runtime_error(kNoWritableFolder);
        ImportSoun(path, target, kSounDirectoryVersion, DateToText(Today()),
                   [this](std::size_t done, std::size_t total) { ShowProgress(done, total); });
        imported = true;
    } catch (const std::exception& error) {
        reason = error.what();
    }
    btnImport->setEnabled(true);
    btnBrowse->setEnabled(true);
    if (imported) {
        pbImport->setValue(pbImport->maximum());
        ShowMessage(msg::kSounImported, false);
    } else {
        pbImport->setValue(0);
        // The reason helps the user to see whether the file or the folder is at fault.
        ShowMessage(std::string(msg::kSounImportFailed) + "\n" + reason, true);
    }
}

void TfmLoadSoun::ShowProgress(std::size_t done, std::size_t total) {
    const int percent = total == 0 ? 0 : static_cast<int>(done * 100 / total);
    pbImport->setValue(std::min(percent, 100));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmLoadSoun::OpenHelpLink() {
    const std::string page = ProgramFolder_ + HelpPageOf("TfmLoadSoun");
    if (!IsFile(page)) {
        ShowMessage(kHelpMissing, true);
    } else if (Services_.openHelp) {
        Services_.openHelp(page);
    } else {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page)));
    }
}

void TfmLoadSoun::OpenDownloadLink() {
    const QUrl url(QString::fromUtf8(kSounDownloadPage));
    const bool opened = Services_.openUrl ? Services_.openUrl(url) : QDesktopServices::openUrl(url);
    if (!opened) ShowMessage(kBrowserFailed, true);
}

void TfmLoadSoun::ShowMessage(const std::string& text, bool failure) {
    if (Services_.showMessage) {
        Services_.showMessage(text, failure);
        return;
    }
    QMessageBox box(failure ? QMessageBox::Critical : QMessageBox::Information, QString::fromUtf8(kCaption),
                    QString::fromStdString(text), QMessageBox::NoButton, this);
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace kvz

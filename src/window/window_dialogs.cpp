#include "window/window_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

#include "storage/document_paths.h"
#include "export/export_folder.h"

namespace kvz {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The chosen file of a dialog that was accepted, else "".
std::string ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? std::string() : files.front().toStdString();
}

// The save dialog stays open while the typed name points into a folder that does
// not exist: the save would only fail afterwards.
class SaveFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QDir folder = QFileInfo(files.front()).absoluteDir();
            if (!folder.exists()) {
                ShowMessageBox(this,
                               QStringLiteral("Папка %1 не существует. Выберите существующую папку.")
                                   .arg(QDir::toNativeSeparators(folder.path())),
                               QString::fromUtf8(kProgramTitle), MessageIcon::Error, MessageButtons::Ok);
                return;
            }
        }
        QFileDialog::accept();
    }
};

// The file list's columns in Russian: Qt's own file model writes "Folder", "KiB"
// and English month names whatever the program's language.
class RussianFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr || index.column() == 0) return QIdentityProxyModel::data(index, role);
        const QFileInfo file = files->fileInfo(mapToSource(index));
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        switch (index.column()) {
            case 1:
                return file.isDir() ? QString() : russian.formattedDataSize(file.size(), 1, QLocale::DataSizeTraditionalFormat);
            case 2:
                if (file.isDir()) return QStringLiteral("Папка");
                break;
            case 3:
                return russian.toString(file.lastModified(), QStringLiteral("dd.MM.yyyy HH:mm"));
            default:
                break;
        }
        return QIdentityProxyModel::data(index, role);
    }
};

void SpeakRussian(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setProxyModel(new RussianFileColumns(&dialog));
}

void SetFilters(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setNameFilters(NameFilters(options.filters));
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultExtension));
}

// The folder a file or folder dialog was last accepted in, kept between runs
// ("LastFolder") once the program has named its settings.
constexpr const char* kLastFolderKey = "LastFolder";

bool HasSettings() { return !QCoreApplication::organizationName().isEmpty(); }

QString LastFolder() { return HasSettings() ? QSettings().value(kLastFolderKey).toString() : QString(); }

void KeepLastFolder(const QString& folder) {
    if (HasSettings() && !folder.isEmpty()) QSettings().setValue(kLastFolderKey, folder);
}

// Opens the dialog at the given file (its folder, and its name when `withName`), else
// in the folder used last; a folder that no longer exists is not offered.
void StartAt(QFileDialog& dialog, const std::string& startFile, bool withName) {
    const QFileInfo start(QString::fromStdString(startFile));
    const QString folder = startFile.empty() ? LastFolder() : start.isDir() ? start.absoluteFilePath() : start.absolutePath();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
    if (withName && !startFile.empty() && !start.isDir() && !start.fileName().isEmpty()) dialog.selectFile(start.fileName());
}

std::string ChosenAndKept(QFileDialog& dialog, bool folderChosen) {
    const std::string chosen = ChosenFile(dialog);
    if (!chosen.empty()) {
        const QFileInfo file(QString::fromStdString(chosen));
        KeepLastFolder(folderChosen ? file.absoluteFilePath() : file.absolutePath());
    }
    return chosen;
}

}  // namespace

QStringList NameFilters(const std::vector<FileFilter>& filters) {
    QStringList result;
    for (const FileFilter& filter : filters) {
        QString title = QString::fromStdString(filter.title);
        const QString pattern = QString::fromStdString(filter.pattern);
        if (title.endsWith(QLatin1Char(' ') + pattern)) title.chop(pattern.size() + 1);
        result << QStringLiteral("%1 (%2)").arg(title, pattern);
    }
    return result;
}

MessageAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon,
                             MessageButtons buttons) {
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return MessageAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    QPushButton* cancel =
        buttons == MessageButtons::YesNoCancel ? box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole) : no;
    // A replacing question defaults to keeping what is there.
    box.setDefaultButton(buttons == MessageButtons::YesNo ? no : yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return MessageAnswer::Yes;
    if (box.clickedButton() == no) return MessageAnswer::No;
    return MessageAnswer::Cancel;
}

QWidget* QtWindowDialogs::DialogParent() const {
    return Parent_ != nullptr && Parent_->isVisible() ? Parent_ : nullptr;
}

MessageAnswer QtWindowDialogs::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                           MessageButtons buttons) {
    return ShowMessageBox(DialogParent(), QString::fromStdString(text), QString::fromStdString(caption), icon,
                          buttons);
}

bool QtWindowDialogs::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramTitle), QString::fromStdString(text),
                    QMessageBox::NoButton, DialogParent());
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    // These questions ask before something is deleted or dropped: Enter pressed by habit keeps it.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::string QtWindowDialogs::AskOpenFile(const FileDialogOptions& options) {
    QFileDialog dialog(DialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    SpeakRussian(dialog);
    SetFilters(dialog, options);
    StartAt(dialog, options.startFile, false);
    return ChosenAndKept(dialog, false);
}

std::string QtWindowDialogs::AskSaveFile(const FileDialogOptions& options) {
    SaveFileDialog dialog(DialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The folder must exist; the commands ask before another existing file is replaced.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    SpeakRussian(dialog);
    SetFilters(dialog, options);
    StartAt(dialog, options.startFile, true);
    return ChosenAndKept(dialog, false);
}

std::optional<std::string> QtWindowDialogs::AskFolder(const std::string& title, const std::string& preselected) {
    QFileDialog dialog(DialogParent(), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    SpeakRussian(dialog);
    StartAt(dialog, ExistingFolderOrEmpty(preselected), false);
    const std::string chosen = ChosenAndKept(dialog, true);
    if (chosen.empty()) return std::nullopt;
    return chosen;
}

std::optional<PrinterChoice> QtWindowDialogs::AskPrinter() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, DialogParent());
    dialog.setWindowTitle(QStringLiteral("Печать декларации"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PrinterChoice{printer.printerName().toStdString(), printer.copyCount()};
}

}  // namespace kvz

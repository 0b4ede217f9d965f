#pragma once
// The dialog that rebuilds the inspection directory next to the program from the
// public classifier table "soun1.dbf" downloaded by the user. The new directory is
// read at the next start.
#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QUrl;

namespace kvz {

// The page where the current classifier is published.
inline constexpr const char* kSounDownloadPage = "https://www.gnivc.ru/inf_provision/classifiers_reference/soun/";
inline constexpr const char* kBrowserFailed = "Не удалось запустить браузер";

// What the dialog needs from the window; an empty member takes the desktop's own.
struct LoadSounServices {
    // A message with the caption "Кварзен 2015"; `failure` chooses the error icon.
    std::function<void(const std::string& text, bool failure)> showMessage;
    // The file chosen with "...", or "" when cancelled.
    std::function<std::string()> chooseFile;
    // Opens the help window at an existing page.
    std::function<void(const std::string& page)> openHelp;
    // Opens a web page in the browser; false when that failed.
    std::function<bool(const QUrl& url)> openUrl;
};

class TfmLoadSoun : public QDialog {
    Q_OBJECT
public:
    // programFolder ends with "/": the directory is written there as
    // "InspectionNumbers.xml" (in the user's data folder when the program's cannot
    // be written) and the help pages are looked up there.
    TfmLoadSoun(std::string programFolder, LoadSounServices services, QWidget* parent = nullptr);

    void Browse();
    void Import();
    void OpenHelpLink();
    void OpenDownloadLink();

private:
    void ShowMessage(const std::string& text, bool failure);
    void ShowProgress(std::size_t done, std::size_t total);

    std::string ProgramFolder_;
    LoadSounServices Services_;
    QLineEdit* edPath = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnImport = nullptr;
    QPushButton* btnOk = nullptr;
    QProgressBar* pbImport = nullptr;
};

}  // namespace kvz

// The desktop program: the start picture while the main window is built, then the
// main window on the document named on the command line, or on a new one.
#include <QApplication>
#include <QMessageBox>

#include <memory>
#include <string>
#include <vector>

#include "storage/document_paths.h"
#include "app/ui/form_main.h"
#include "app/ui/program_settings.h"
#include "app/ui/russian_translation.h"
#include "app/ui/start_splash.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kvz::kSettingsApplication));
    QApplication::setOrganizationName(QString::fromUtf8(kvz::kSettingsOrganization));
    kvz::InstallRussianTranslation(application);
    // Ties the window to its desktop entry (kvarzen.desktop): its icon and name in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("kvarzen"));

    kvz::TfmStart splash;
    splash.ShowNow();

    std::vector<std::string> arguments;
    const QStringList given = QApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(given[i].toStdString());

    std::unique_ptr<kvz::TFormMain> form;
    try {
        form = std::make_unique<kvz::TFormMain>();
    } catch (const kvz::EStartAborted& error) {
        splash.hide();
        QMessageBox::critical(nullptr, QString::fromUtf8(kvz::kProgramTitle), QString::fromStdString(error.what()));
        return 1;
    }
    form->Start(arguments);

    while (splash.TimerRunning()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    splash.close();
    form->ShowAtStoredPlace();
    return QApplication::exec();
}

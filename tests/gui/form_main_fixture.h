#pragma once
// What the main window's tests share: settings kept out of the user's home, a
// program folder with the data files, scripted dialogs and scripted section screens.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "storage/document_paths.h"
#include "app/ui/flash_button.h"
#include "app/ui/form_main.h"
#include "app/ui/program_settings.h"
#include "window/window_dialogs.h"
#include "model/declaration.h"

namespace kvz::test {

// QSettings of this process go to the folder (which the caller keeps alive).
inline void KeepSettingsIn(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

inline QSettings TestSettings() {
    return QSettings(QString::fromUtf8(kSettingsOrganization), QString::fromUtf8(kSettingsApplication));
}

inline void ClearSettings() {
    QSettings settings = TestSettings();
    settings.clear();
    settings.sync();
}

// The settings of the test process live in a temporary folder of their own,
// emptied at the start, so that no test reads or changes the user's settings.
// A member of each window test, made before its first test runs.
class SettingsSandbox {
public:
    SettingsSandbox() {
        if (!Dir_.isValid()) qFatal("no temporary folder for the settings");
        KeepSettingsIn(Dir_.path());
        ClearSettings();
    }

private:
    QTemporaryDir Dir_;
};

inline bool CopyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to);
}

// A program folder: the data files and help pages as they lie next to the program.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withHelp = true) {
        const QString data = QStringLiteral(KVZ_SOURCE_DIR "/data/");
        for (const char* name : {"InspectionNumbers.xml", "Oksm.xml", "Sp_OKVED2.xml", "CurrencyRates.xml"}) {
            CopyFile(data + QString::fromUtf8(name), Dir_.filePath(QString::fromUtf8(name)));
        }
        for (const QString& schema : QDir(data).entryList({QStringLiteral("*.xsd")})) {
            CopyFile(data + schema, Dir_.filePath(schema));
        }
        if (withHelp) {
            QDir().mkpath(Dir_.filePath(QStringLiteral("help")));
            for (const QString& page : QDir(data + QStringLiteral("help")).entryList({QStringLiteral("*.htm")})) {
                CopyFile(data + QStringLiteral("help/") + page, Dir_.filePath(QStringLiteral("help/") + page));
            }
        }
    }
    std::string Path() const { return Dir_.path().toStdString() + "/"; }
    QString File(const QString& name) const { return Dir_.filePath(name); }

private:
    QTemporaryDir Dir_;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
    MessageButtons buttons;
};

// Answers come from queues; an unexpected question fails loudly through the
// controller's own error display, which the tests then see among the messages.
struct DialogScript {
    std::deque<MessageAnswer> answers;
    std::deque<bool> yesNo;
    std::deque<std::string> openFiles;
    std::deque<std::string> saveFiles;
    std::deque<std::optional<std::string>> folders;

    std::vector<ShownMessage> messages;
    std::vector<FileDialogOptions> openOptions;
    std::vector<FileDialogOptions> saveOptions;
    std::vector<std::string> folderTitles;
    std::vector<std::string> folderPreselected;

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages) texts.push_back(m.text);
        return texts;
    }
};

template <typename T>
T TakeFront(std::deque<T>& queue, const char* what) {
    if (queue.empty()) throw std::logic_error(std::string("unexpected ") + what);
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

class FakeDialogs : public WindowDialogs {
public:
    explicit FakeDialogs(DialogScript& script) : S_(script) {}

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override {
        S_.messages.push_back({text, caption, icon, buttons});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return TakeFront(S_.answers, "question");
    }
    bool AskYesNo(const std::string& text) override {
        S_.messages.push_back({text, kProgramTitle, MessageIcon::Question, MessageButtons::YesNoCancel});
        return TakeFront(S_.yesNo, "yes/no question");
    }
    std::string AskOpenFile(const FileDialogOptions& options) override {
        S_.openOptions.push_back(options);
        return TakeFront(S_.openFiles, "open dialog");
    }
    std::string AskSaveFile(const FileDialogOptions& options) override {
        S_.saveOptions.push_back(options);
        return TakeFront(S_.saveFiles, "save dialog");
    }
    std::optional<std::string> AskFolder(const std::string& title, const std::string& preselected) override {
        S_.folderTitles.push_back(title);
        S_.folderPreselected.push_back(preselected);
        return TakeFront(S_.folders, "folder dialog");
    }

private:
    DialogScript& S_;
};

struct ScreenScript {
    uint32_t validateResult = 0;
    int stores = 0;
    int validations = 0;
    std::vector<Section> created;
    std::vector<std::pair<int, int>> focus;
};

// A section screen with five fields ("field1" … "field5") and a list ("lvItems")
// of as many rows as the declaration's 13 % sources.
class ScriptedScreen : public TThinkingFrame {
public:
    ScriptedScreen(Section section, mTDeclaration& declaration, QWidget* parent, ScreenScript& script)
        : TThinkingFrame(declaration, parent), Section_(section), S_(script) {
        setObjectName(QStringLiteral("ScriptedScreen%1").arg(static_cast<int>(section)));
        auto* layout = new QVBoxLayout(this);
        for (int i = 1; i <= 5; ++i) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("field%1").arg(i));
            connect(edit, &QLineEdit::textEdited, this, [this] { emit documentModified(); });
            layout->addWidget(edit);
            Fields_.push_back(edit);
        }
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("lvItems"));
        for (int i = 0; i < declaration.Thirteen.Count(); ++i) list->addItem(QStringLiteral("source %1").arg(i));
        layout->addWidget(list);
        S_.created.push_back(section);
    }

    Section ShownSection() const { return Section_; }
    bool Store() override {
        ++S_.stores;
        return true;
    }
    uint32_t Validate() override {
        ++S_.validations;
        return S_.validateResult;
    }
    void FocusField(int page, int field) override {
        S_.focus.push_back({page, field});
        if (field >= 1 && field <= static_cast<int>(Fields_.size())) Fields_[field - 1]->setFocus();
    }
    // What the conditions screen does after the income kinds or the type changed.
    void AnnounceSectionsChanged() { emit sectionsChanged(); }

private:
    Section Section_;
    ScreenScript& S_;
    std::vector<QLineEdit*> Fields_;
};

inline ScreenFactory ScriptedScreens(ScreenScript& script) {
    return [&script](Section section, mTDeclaration& declaration, const ScreenResources&, QWidget* parent) {
        return std::unique_ptr<TThinkingFrame>(new ScriptedScreen(section, declaration, parent, script));
    };
}

inline ScriptedScreen* Shown(TFormMain& form) { return dynamic_cast<ScriptedScreen*>(form.CurrentScreen()); }

// The window over scripted dialogs and screens; the check passes unless replaced
// (an empty one is the program's own check).
inline std::unique_ptr<TFormMain> MakeForm(const ProgramFolder& folder, DialogScript& dialogs, ScreenScript& screens,
                                           DeclarationCheck check = [](mTDeclaration&) { return 0u; }) {
    FormMainParts parts;
    parts.programFolder = folder.Path();
    parts.dialogs = std::make_unique<FakeDialogs>(dialogs);
    parts.screenFactory = ScriptedScreens(screens);
    parts.checkDeclaration = std::move(check);
    return std::make_unique<TFormMain>(std::move(parts));
}

template <typename T>
T* Find(QWidget& form, const char* name) {
    return form.findChild<T*>(QString::fromUtf8(name));
}

// Runs `act` on the next modal dialog once it is shown (a modal exec() does not return
// to the test until the dialog closes). A dialog that `act` leaves open is closed a
// little later, so that a failing test ends instead of waiting for ever.
// The returned timer may be deleted to stop waiting.
inline QPointer<QTimer> OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(20);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            QPointer<QWidget> shown(modal);
            act(modal);
            QTimer::singleShot(3000, [shown] {
                if (shown && shown->isVisible()) shown->close();
            });
        } else if (++*tries > 250) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return timer;
}

}  // namespace kvz::test

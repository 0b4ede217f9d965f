#pragma once
// What screen tests need around a screen: a check dialog answering from a script,
// a Yes/No question answered from a script, a way to act inside the next modal
// dialog that the code under test opens, finding and typing into a named editor,
// and the bytes a declaration saves.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "checks/check_dialog.h"
#include "gui_typing.h"
#include "model/declaration.h"
#include "screens/masked_edit.h"
#include "support/temp_dir.h"

namespace kvz::test {

class ScriptedCheckDialog : public CheckDialog {
public:
    struct Shown {
        std::string caption;
        std::string message;
        CheckButtons buttons;
    };

    explicit ScriptedCheckDialog(std::deque<int> answers = {}) : Answers(std::move(answers)) {}

    int Ask(const std::string& caption, const std::string& message, CheckButtons enabled) override {
        Messages.push_back({caption, message, enabled});
        if (Answers.empty()) return kCheckAnswerSkip;
        const int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& shown : Messages) texts.push_back(shown.message);
        return texts;
    }

    std::deque<int> Answers;
    std::vector<Shown> Messages;
};

// Records every question and answers from the script (no when it runs out).
struct ScriptedQuestions {
    std::function<bool(const std::string&)> Callback() {
        return [this](const std::string& text) {
            Asked.push_back(text);
            if (Answers.empty()) return false;
            const bool answer = Answers.front();
            Answers.pop_front();
            return answer;
        };
    }
    std::deque<bool> Answers;
    std::vector<std::string> Asked;
};

// Runs `action` on the next modal dialog once it is shown; gives up after about
// two seconds so that a dialog that never opens fails the test instead of hanging.
inline void OnNextModal(std::function<void(QDialog*)> action, int triesLeft = 200) {
    QTimer::singleShot(10, [action = std::move(action), triesLeft]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible()) {
            action(dialog);
        } else if (triesLeft > 0) {
            OnNextModal(std::move(action), triesLeft - 1);
        }
    });
}

// The widget of that objectName; a missing one ends the test at once.
template <class T>
T* FindNamed(QObject& parent, const char* name) {
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

// Replaces the text of the masked edit of that name, typed key by key.
inline void TypeInto(QObject& parent, const char* name, const QString& text) {
    auto* edit = FindNamed<TMaskedEdit>(parent, name);
    edit->clear();
    TypeKeys(edit, text);
}

// What saving the declaration writes.
inline std::string SavedBytes(mTDeclaration& d) {
    TempDir dir;
    const std::string path = dir.File("d.qz5");
    d.SaveToFile(path);
    return ReadFileText(path);
}

}  // namespace kvz::test

#pragma once
// A section screen on its own declaration, with a scripted check dialog and Yes/No
// question, a record of the changes it announces and the document as it would be
// saved.
#include <QSignalSpy>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "model/declaration.h"
#include "screen_test_support.h"
#include "screens/item_list_editor.h"
#include "screens/screen_resources.h"
#include "screens/thinking_frame.h"
#include "support/temp_dir.h"

namespace kvz::test {

template <class Screen>
struct ScreenHarness {
    explicit ScreenHarness(std::deque<int> answers = {}) : checks(std::move(answers)) {
        resources.checkDialog = &checks;
        resources.askYesNo = questions.Callback();
        resources.showMessage = [this](const std::string& text) { messages.push_back(text); };
    }
    Screen& Open() {
        screen = std::make_unique<Screen>(declaration, resources, nullptr);
        modified = std::make_unique<QSignalSpy>(screen.get(), &TThinkingFrame::documentModified);
        return *screen;
    }
    template <class T = QWidget>
    T* Find(const char* name) {
        T* found = screen->template findChild<T*>(QString::fromLatin1(name));
        if (!found) qWarning("no widget %s", name);
        return found;
    }
    // The list editor around the list view `name`.
    TItemListEditor* List(const char* name) { return qobject_cast<TItemListEditor*>(Find(name)->parentWidget()); }
    std::vector<unsigned char> Saved() {
        const std::string path = folder.File("d.qz5");
        declaration.SaveToFile(path);
        return ReadFileBytes(path);
    }

    mTDeclaration declaration;
    ScriptedCheckDialog checks;
    ScriptedQuestions questions;
    std::vector<std::string> messages;
    ScreenResources resources;
    std::unique_ptr<Screen> screen;
    std::unique_ptr<QSignalSpy> modified;
    TempDir folder;
};

}  // namespace kvz::test

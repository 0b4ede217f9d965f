#pragma once
// A scripted window system for the controller's tests: answers come from queues,
// everything the controller shows is recorded.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/platform.h"

namespace kvz::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakePlatform : public Platform {
public:
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({text, caption, icon, buttons});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return Take(answers, "message answer");
    }
    std::string AskOpenFile(const FileDialogOptions& options) override {
        openOptions = options;
        return Take(openFiles, "open file");
    }
    std::string AskSaveFile(const FileDialogOptions& options) override {
        saveOptions = options;
        ++saveDialogs;
        return Take(saveFiles, "save file");
    }
    std::optional<std::string> AskFolder(const std::string& title, const std::string& preselected) override {
        folderTitles.push_back(title);
        folderPreselected = preselected;
        return Take(folders, "folder");
    }
    void SetWindowEnabled(bool enabled) override { windowEnabled.push_back(enabled); }
    void SetTitle(const std::string& title) override { titles.push_back(title); }
    bool StoreScreen() override {
        ++stores;
        if (onStore) onStore();
        return storeResult;
    }
    uint32_t ValidateScreen() override {
        ++validations;
        return validateResult;
    }
    void FocusScreen(int page, int field) override { focus.push_back({page, field}); }
    void ShowSection(Section section) override {
        shown.push_back(section);
        if (onShowSection) onShowSection(section);
    }
    void PressSectionButton(Section section) override { pressed.push_back(section); }
    void EnableSectionButton(Section section, bool enabled) override { buttonEnabled[section] = enabled; }
    void ShowHelp(const std::string& startPage) override { helpPages.push_back(startPage); }
    void ShowAbout() override { ++aboutShown; }

    std::string LastTitle() const { return titles.empty() ? std::string() : titles.back(); }

    // Scripted answers.
    std::deque<MessageAnswer> answers;
    std::deque<std::string> openFiles;
    std::deque<std::string> saveFiles;
    std::deque<std::optional<std::string>> folders;
    uint32_t validateResult = 0;
    std::function<void()> onStore;
    std::function<void(Section)> onShowSection;

    // Records.
    std::vector<ShownMessage> messages;
    std::optional<FileDialogOptions> openOptions;
    std::optional<FileDialogOptions> saveOptions;
    int saveDialogs = 0;
    std::vector<std::string> folderTitles;
    std::string folderPreselected;
    std::vector<bool> windowEnabled;
    std::vector<std::string> titles;
    int stores = 0;
    bool storeResult = true;
    int validations = 0;
    std::vector<std::pair<int, int>> focus;
    std::vector<Section> shown;
    std::vector<Section> pressed;
    std::map<Section, bool> buttonEnabled;
    std::vector<std::string> helpPages;
    int aboutShown = 0;
    std::vector<std::string> unscripted;

private:
    // A question the test did not script is recorded and fails the test.
    template <class T>
    T Take(std::deque<T>& queue, const char* what) {
        if (queue.empty()) {
            unscripted.push_back(what);
            throw std::logic_error(std::string("unscripted ") + what);
        }
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace kvz::test

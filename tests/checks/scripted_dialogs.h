#pragma once
// Check dialogs that answer from a script and remember what they were shown.
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "checks/check_dialog.h"

namespace kvz::test {

struct ShownMessage {
    std::string caption;
    std::string message;
    CheckButtons buttons;
};

class ScriptedCheckDialog : public CheckDialog {
public:
    explicit ScriptedCheckDialog(std::deque<int> answers = {}) : Answers(std::move(answers)) {}

    int Ask(const std::string& caption, const std::string& message, CheckButtons enabled) override {
        Shown.push_back({caption, message, enabled});
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected message: " << message;
            return kCheckAnswerClosed;
        }
        const int answer = Answers.front();
        Answers.pop_front();
        // The window never returns a button the user could not press.
        if (answer == kCheckAnswerSkip) {
            EXPECT_TRUE(enabled.skip) << message;
        }
        if (answer == kCheckAnswerSkipAll) {
            EXPECT_TRUE(enabled.skipAll) << message;
        }
        return answer;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& s : Shown) out.push_back(s.message);
        return out;
    }

    std::deque<int> Answers;
    std::vector<ShownMessage> Shown;
};

// Answers from the script, then with the fallback answer.
class ScriptedCheckAllDialog : public CheckAllDialog {
public:
    explicit ScriptedCheckAllDialog(std::deque<int> answers = {}, int fallback = kCheckAnswerSkip)
        : Answers(std::move(answers)), Fallback(fallback) {}

    int Ask(const std::string& caption, const std::string& message) override {
        Shown.push_back({caption, message, CheckButtons{false, false}});
        if (Answers.empty()) return Fallback;
        const int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& s : Shown) out.push_back(s.message);
        return out;
    }

    std::deque<int> Answers;
    int Fallback;
    std::vector<ShownMessage> Shown;
};

}  // namespace kvz::test

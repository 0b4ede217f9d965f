#pragma once
// The two small modal dialogs that show validation messages one at a time. The
// checks only decide what to show and what an answer means; the window implements
// the dialogs and tests script them.
#include <string>

namespace kvz {

// Modal results of the check dialogs.
inline constexpr int kCheckAnswerNone = 0;     // no message shown yet
inline constexpr int kCheckAnswerClosed = 2;   // window closed without a button
inline constexpr int kCheckAnswerFix = 6;      // "Исправить"
inline constexpr int kCheckAnswerSkip = 7;     // "Пропустить"; "Отмена" of the check-all dialog
inline constexpr int kCheckAnswerSkipAll = 9;  // "Пропустить все"

inline constexpr const char* kCheckButtonFix = "Исправить";
inline constexpr const char* kCheckButtonSkip = "Пропустить";
inline constexpr const char* kCheckButtonSkipAll = "Пропустить все";
inline constexpr const char* kCheckButtonCancel = "Отмена";

// Title of a dialog before its first message, and with a section caption.
inline constexpr const char* kCheckDialogTitle = "Проверка";
inline std::string CheckDialogTitle(const std::string& sectionCaption) {
    return std::string(kCheckDialogTitle) + ": " + sectionCaption;
}

// Which of the optional buttons can be pressed; "Исправить" always can.
struct CheckButtons {
    bool skip = true;
    bool skipAll = true;
    bool operator==(const CheckButtons&) const = default;
};

// The dialog of single screens and dialogs: "Исправить", "Пропустить",
// "Пропустить все". Returns kCheckAnswerFix, kCheckAnswerSkip, kCheckAnswerSkipAll,
// or kCheckAnswerClosed; a disabled button is never the answer.
class CheckDialog {
public:
    virtual ~CheckDialog() = default;
    virtual int Ask(const std::string& sectionCaption, const std::string& message, CheckButtons enabled) = 0;
};

// The dialog of the whole-declaration check: "Исправить" and "Отмена". Returns
// kCheckAnswerFix, kCheckAnswerSkip ("Отмена") or kCheckAnswerClosed.
class CheckAllDialog {
public:
    virtual ~CheckAllDialog() = default;
    virtual int Ask(const std::string& sectionCaption, const std::string& message) = 0;
};

}  // namespace kvz

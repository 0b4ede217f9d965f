#pragma once
// What a message box or a file dialog is asked and answers, in plain C++: the
// document commands ask through these, the window and the screens show them.
#include <string>
#include <vector>

namespace kvz {

enum class MessageIcon { Information, Question, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
// The button the user pressed; closing a box without a button counts as Cancel.
enum class MessageAnswer { Ok, Yes, No, Cancel };

// One entry of a file dialog's type list, e.g. {"Кварзен 2015", "*.qz5"}.
struct FileFilter {
    std::string title;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};

struct FileDialogOptions {
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // appended to a name typed without one
    // The file the dialog starts at (its folder, and its name in a save dialog);
    // empty: the folder used last.
    std::string startFile;
};

}  // namespace kvz

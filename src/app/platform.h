#pragma once
// What the document commands need from the window system. The main window
// implements it; tests script it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "checks/section.h"
#include "window/dialog_kinds.h"

namespace kvz {

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons) = 0;

    // The chosen file, or "" when the user cancelled. The save dialog accepts only an
    // existing folder; the commands ask before another existing file is replaced.
    virtual std::string AskOpenFile(const FileDialogOptions& options) = 0;
    virtual std::string AskSaveFile(const FileDialogOptions& options) = 0;
    // The picked folder, or nothing when the user cancelled. An empty or missing
    // preselected folder opens the dialog without a preselection.
    virtual std::optional<std::string> AskFolder(const std::string& title, const std::string& preselected) = 0;

    // Disables the whole main window while a long command runs.
    virtual void SetWindowEnabled(bool enabled) = 0;
    virtual void SetTitle(const std::string& title) = 0;

    // The section screen currently shown: write its free edit fields into the
    // declaration (false: a typed value could not be written, the user has been
    // told, and the command stops); check it (0 or the 1-based number of the offending row or field);
    // put the input focus on a page (kNoPage for one-page screens) and field.
    virtual bool StoreScreen() = 0;
    virtual uint32_t ValidateScreen() = 0;
    virtual void FocusScreen(int page, int field) = 0;

    // Replaces the shown screen by the section's new screen and presses its button.
    virtual void ShowSection(Section section) = 0;
    // Presses the section's button again without touching the screen (an undone click).
    virtual void PressSectionButton(Section section) = 0;
    virtual void EnableSectionButton(Section section, bool enabled) = 0;

    // Opens the help window at the given start page (an existing file).
    virtual void ShowHelp(const std::string& startPage) = 0;
    virtual void ShowAbout() = 0;
};

}  // namespace kvz

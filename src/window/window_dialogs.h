#pragma once
// The dialogs the main window shows: message boxes, the open and save dialogs and
// the folder choice. The window reaches them only through WindowDialogs so that
// tests replace them.
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

#include "window/dialog_kinds.h"
#include "print/print_handover.h"

class QWidget;

namespace kvz {

class WindowDialogs {
public:
    virtual ~WindowDialogs() = default;

    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // A Yes/No question with the program's caption; true for "Да".
    virtual bool AskYesNo(const std::string& text) = 0;
    virtual std::string AskOpenFile(const FileDialogOptions& options) = 0;
    virtual std::string AskSaveFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> AskFolder(const std::string& title, const std::string& preselected) = 0;
    // The print dialog: the chosen printer and number of copies, nothing when the
    // user cancelled. Dialogs without a printer choice decline.
    virtual std::optional<PrinterChoice> AskPrinter() { return std::nullopt; }
};

// The Qt dialogs, owned by the window given as parent.
class QtWindowDialogs : public WindowDialogs {
public:
    explicit QtWindowDialogs(QWidget* parent) : Parent_(parent) {}

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    bool AskYesNo(const std::string& text) override;
    std::string AskOpenFile(const FileDialogOptions& options) override;
    std::string AskSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> AskFolder(const std::string& title, const std::string& preselected) override;
    std::optional<PrinterChoice> AskPrinter() override;

private:
    // The visible main window, or none while the program is starting.
    QWidget* DialogParent() const;

    QWidget* Parent_;
};

// A message box with Russian button texts; the same look for every box of the program.
MessageAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon,
                             MessageButtons buttons);

// The type list of a file dialog as Qt name filters: "Кварзен 2014 (*.qz4)". A title
// that already ends with its pattern is not repeated.
QStringList NameFilters(const std::vector<FileFilter>& filters);

}  // namespace kvz

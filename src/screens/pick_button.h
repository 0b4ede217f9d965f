#pragma once
// The "..." button beside a field that is chosen from a pick list: it opens the
// list at the field's code and hands the row chosen with "Да" to the screen,
// which decides whether that changes anything. Without a list (a directory file
// that was missing) the button is disabled.
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>

class QLineEdit;

namespace kvz {

class TPickListDialog;

class TPickButton : public QPushButton {
    Q_OBJECT
public:
    using DialogFactory = std::function<std::unique_ptr<TPickListDialog>(QWidget* parent)>;
    using Chosen = std::function<void(const std::string& code, const std::string& name)>;

    // `current` gives the code the list opens at.
    TPickButton(const QString& objectName, const QString& hint, DialogFactory dialog,
                std::function<std::string()> current, Chosen chosen);

    // Opens the list (what a click does).
    void Pick();
    // Takes a code typed instead of picked, as if its row were chosen: the refusal
    // to show when the list has no such code, else an empty text.
    QString TakeTyped(const QString& typed);
    // Lets codes be typed into `field` beside the button (see TTypedCode).
    void TypedInto(QLineEdit* field);

private:
    DialogFactory Dialog_;
    std::function<std::string()> Current_;
    Chosen Chosen_;
};

}  // namespace kvz

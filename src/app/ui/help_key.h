#pragma once
// F1 anywhere in a window of the program, dialogs included, asks for the help page
// of where the user is: the dialog or screen that holds the focus, or else the
// section screen shown.
#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace kvz {

// The page of the nearest of the widget and its owners that has one; "" for none.
std::string HelpPageOfWidget(const QWidget* widget);

// The page of the screen, or of the page shown inside it (the deductions screen).
std::string HelpPageOfScreen(const QWidget* screen);

class THelpKey : public QObject {
    Q_OBJECT
public:
    // Answers F1 in `window` and in every window it owns: `screen` gives the section
    // screen shown (or null), `show` opens a page ("" for the start page).
    THelpKey(QWidget& window, std::function<QWidget*()> screen, std::function<void(const std::string&)> show);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& Window_;
    std::function<QWidget*()> Screen_;
    std::function<void(const std::string&)> Show_;
};

}  // namespace kvz

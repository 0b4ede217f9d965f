#pragma once
// The help window: the program's HTML help pages from the "help" folder next to the
// program, with links between them, back and forward, and outside links opened in
// the browser.
#include <QMainWindow>

class QTextBrowser;

namespace kvz {

class THelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page (an existing file), maximised, and brings the window forward.
    void ShowPage(const QString& path);
    QTextBrowser* Browser() const { return Browser_; }

private:
    QTextBrowser* Browser_ = nullptr;
};

}  // namespace kvz

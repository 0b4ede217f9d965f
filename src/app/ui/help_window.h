#pragma once
// The help window: the program's HTML help pages from the "help" folder next to the
// program, with links between them, back and forward, and outside links opened in
// the browser.
#include <QMainWindow>
#include <QString>

class QTextBrowser;

namespace kvz {

class THelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page (an existing file), maximised, and brings the window forward.
    // "Содержание" then shows the contents page of the page's folder.
    void ShowPage(const QString& path);
    QTextBrowser* Browser() const { return Browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowContents();

    QTextBrowser* Browser_ = nullptr;
    QString Contents_;
};

}  // namespace kvz

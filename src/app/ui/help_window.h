#pragma once
// The help window: the program's HTML help pages from the "help" folder next to the
// program, with links between them, back and forward, and outside links opened in
// the browser.
#include <QMainWindow>
#include <QRect>
#include <QString>

class QTextBrowser;

namespace kvz {

// Where help first opens so that it and the window it helps with can both be read:
// in the free part of the screen beside that window when there is room for help
// (at least a third of the screen's width), else over the right part of the screen,
// leaving the window's left side — where its fields start — in view.
QRect HelpPlace(const QRect& screen, const QRect& window);

class THelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page (an existing file) beside the window it belongs to, and brings
    // the help window forward.
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

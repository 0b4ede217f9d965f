#include "app/ui/help_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

#include "app/ui/program_icons.h"

namespace kvz {

QRect HelpPlace(const QRect& screen, const QRect& window) {
    const int least = screen.width() / 3;
    const int right = screen.right() - window.right();
    const int left = window.left() - screen.left();
    if (right >= least) return QRect(window.right() + 1, screen.top(), right, screen.height());
    if (left >= least) return QRect(screen.left(), screen.top(), left, screen.height());
    const int width = std::max(least, screen.width() * 2 / 5);
    return QRect(screen.right() + 1 - width, screen.top(), width, screen.height());
}

THelpWindow::THelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("THelpWindow"));
    setWindowTitle(QStringLiteral("Справка - Кварзен 2015"));
    setWindowIcon(PictureIcon(ProgramPicture::Program));
    setAttribute(Qt::WA_DeleteOnClose, false);

    Browser_ = new QTextBrowser(this);
    Browser_->setObjectName(QStringLiteral("HelpBrowser"));
    Browser_->setOpenExternalLinks(true);
    Browser_->setOpenLinks(true);
    setCentralWidget(Browser_);

    QToolBar* bar = addToolBar(QStringLiteral("Навигация"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Назад"));
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Вперёд"));
    forward->setShortcut(QKeySequence::Forward);
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Содержание"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, Browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, Browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, &THelpWindow::ShowContents);

    connect(Browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(Browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = Browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Справка - Кварзен 2015")
                                       : title + QStringLiteral(" - Справка - Кварзен 2015"));
    });
}

void THelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes help as it closes the program's dialogs.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void THelpWindow::ShowContents() {
    if (!Contents_.isEmpty()) Browser_->setSource(QUrl::fromLocalFile(Contents_));
}

void THelpWindow::ShowPage(const QString& path) {
    const QFileInfo page(path);
    const QFileInfo contents(page.dir(), QStringLiteral("runprogramm.htm"));
    Contents_ = contents.exists() ? contents.absoluteFilePath() : page.absoluteFilePath();
    Browser_->setSearchPaths({page.absolutePath()});
    Browser_->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    if (!isVisible()) {
        // Placed anew each time it opens; while open it stays where the user put it.
        QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        const QScreen* screen = owner ? owner->screen() : this->screen();
        const QRect available = screen->availableGeometry();
        setGeometry(HelpPlace(available, owner ? owner->frameGeometry() : QRect(available.topLeft(), QSize(0, 0))));
        showNormal();
    }
    raise();
    activateWindow();
}

}  // namespace kvz

#include "app/ui/help_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

#include "app/help_pages.h"

namespace kvz {

namespace {

std::string ClassName(const QWidget* widget) {
    const std::string name = widget->metaObject()->className();
    const auto colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

std::string OwnPage(const QWidget* widget) {
    std::string page = HelpPageOf(widget->objectName().toStdString());
    return page.empty() ? HelpPageOf(ClassName(widget)) : page;
}

bool OwnedBy(const QWidget* widget, const QWidget* owner) {
    for (; widget != nullptr; widget = widget->parentWidget())
        if (widget == owner) return true;
    return false;
}

}  // namespace

std::string HelpPageOfWidget(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget())
        if (std::string page = OwnPage(widget); !page.empty()) return page;
    return {};
}

std::string HelpPageOfScreen(const QWidget* screen) {
    if (screen == nullptr) return {};
    if (std::string page = OwnPage(screen); !page.empty()) return page;
    for (const QWidget* inner : screen->findChildren<QWidget*>())
        if (inner->isVisibleTo(screen))
            if (std::string page = OwnPage(inner); !page.empty()) return page;
    return {};
}

THelpKey::THelpKey(QWidget& window, std::function<QWidget*()> screen, std::function<void(const std::string&)> show)
    : QObject(&window), Window_(window), Screen_(std::move(screen)), Show_(std::move(show)) {
    qApp->installEventFilter(this);
}

bool THelpKey::eventFilter(QObject* watched, QEvent* event) {
    // A key reaches the window system's window first and then the focused widget:
    // only the widget is looked at, so that one press opens help once.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (!OwnedBy(widget, &Window_)) return false;
    QWidget* screen = Screen_();
    // Focus outside the screen (the section buttons, the toolbar) means the screen.
    std::string page = OwnedBy(widget, screen) || widget->window() != &Window_ ? HelpPageOfWidget(widget) : "";
    if (page.empty()) page = HelpPageOfScreen(screen);
    Show_(page);
    event->accept();
    return true;
}

}  // namespace kvz

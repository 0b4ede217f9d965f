#include "app/ui/ndfl2_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace kvz {

namespace {

// The local .xml files of a drop; empty when anything else is among them.
QStringList XmlFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || !url.toLocalFile().endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive))
            return {};
        files << url.toLocalFile();
    }
    return files;
}

}  // namespace

TNdfl2Drop::TNdfl2Drop(QWidget& window, std::function<void(const QStringList&)> take)
    : QObject(&window), Take_(std::move(take)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool TNdfl2Drop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (XmlFiles(drag->mimeData()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = XmlFiles(drop->mimeData());
        if (files.isEmpty()) return false;
        drop->acceptProposedAction();
        // The dialog opens after the drop is finished, so the source is not kept waiting.
        QMetaObject::invokeMethod(this, [this, files] { Take_(files); }, Qt::QueuedConnection);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kvz

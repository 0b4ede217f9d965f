#pragma once
// Certificate files dropped on the main window: .xml files are taken for import,
// anything else is left to the window.
#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

namespace kvz {

class TNdfl2Drop : public QObject {
    Q_OBJECT
public:
    // Makes the window accept drops; take gets the dropped files.
    TNdfl2Drop(QWidget& window, std::function<void(const QStringList&)> take);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QStringList&)> Take_;
};

}  // namespace kvz

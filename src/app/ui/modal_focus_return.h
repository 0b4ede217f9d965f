#pragma once
// Gives the keyboard back to the main window when a modal dialog closes and nobody
// else took it. A window manager normally does this; on a bare X server (a kiosk,
// a remote session without one) the keyboard went nowhere, so Ctrl+S or typing
// right after "OK" was lost.
#include <QObject>
#include <QPointer>

class QWidget;

namespace kvz {

class TModalFocusReturn : public QObject {
public:
    explicit TModalFocusReturn(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReturnFocus();

    QPointer<QWidget> Main_;
};

}  // namespace kvz

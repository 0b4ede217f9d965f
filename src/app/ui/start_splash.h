#pragma once
// The start picture shown while the main window is built. It stays at least three
// seconds: its timer switches itself off at the first tick, and the program waits
// for that before it shows the main window.
#include <QWidget>

class QTimer;

namespace kvz {

inline constexpr int kSplashMilliseconds = 3000;

class TfmStart : public QWidget {
    Q_OBJECT
public:
    explicit TfmStart(QWidget* parent = nullptr);

    // Shows the window centred on the screen and paints it at once; starts the timer.
    void ShowNow();
    bool TimerRunning() const;

private:
    QTimer* tmStartTimer = nullptr;
};

// The picture of the start window.
QPixmap SplashPicture();

}  // namespace kvz

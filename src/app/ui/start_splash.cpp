#include "app/ui/start_splash.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "app/ui/program_icons.h"

namespace kvz {

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 104;

}  // namespace

QPixmap SplashPicture() {
    QPixmap picture(kWidth, kHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient background(0, 0, kWidth, kHeight);
    background.setColorAt(0, QColor(0x1f, 0x4e, 0x86));
    background.setColorAt(1, QColor(0x3c, 0x7d, 0xc4));
    painter.fillRect(picture.rect(), background);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));

    painter.drawPixmap(18, 20, PicturePixmap(ProgramPicture::Program, 64));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(100, 14, kWidth - 110, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Кварзен 2015"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(13);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xdc, 0xe8, 0xf5));
    painter.drawText(QRect(100, 54, kWidth - 110, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Декларации 3-НДФЛ и 4-НДФЛ за 2015 год"));
    painter.drawText(QRect(100, 74, kWidth - 110, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Загрузка…"));
    return picture;
}

TfmStart::TfmStart(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TfmStart"));
    setFixedSize(kWidth, kHeight);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgStart"));
    picture->setPixmap(SplashPicture());
    picture->setGeometry(0, 0, kWidth, kHeight);

    tmStartTimer = new QTimer(this);
    tmStartTimer->setObjectName(QStringLiteral("tmStartTimer"));
    tmStartTimer->setInterval(kSplashMilliseconds);
    tmStartTimer->setSingleShot(true);
}

void TfmStart::ShowNow() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    raise();
    repaint();
    QApplication::processEvents();
    tmStartTimer->start();
}

bool TfmStart::TimerRunning() const { return tmStartTimer->isActive(); }

}  // namespace kvz

#include "app/ui/flash_button.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyle>

namespace kvz {

namespace {

constexpr int kWidth = 156;
constexpr int kPicture = 32;
constexpr int kMargin = 6;
constexpr int kGap = 4;

}  // namespace

TFlashButton::TFlashButton(const QIcon& picture, const QString& caption, const QString& hint, QWidget* parent)
    : QAbstractButton(parent) {
    setIcon(picture);
    setIconSize(QSize(kPicture, kPicture));
    setText(caption);
    setToolTip(hint);
    setStatusTip(hint);
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QRect TFlashButton::CaptionRect() const {
    const int top = kMargin + kPicture + kGap;
    return QRect(kMargin, top, width() - 2 * kMargin, height() - top - kMargin);
}

QSize TFlashButton::sizeHint() const {
    // Measured in bold, the look of the pressed button, so that no caption is cut.
    QFont captionFont = font();
    captionFont.setBold(true);
    const QFontMetrics metrics(captionFont);
    const QRect text = metrics.boundingRect(QRect(0, 0, kWidth - 2 * kMargin, 1000),
                                            Qt::AlignHCenter | Qt::TextWordWrap, this->text());
    return QSize(kWidth, kMargin + kPicture + kGap + text.height() + kMargin);
}

QSize TFlashButton::minimumSizeHint() const { return sizeHint(); }

void TFlashButton::enterEvent(QEnterEvent* event) {
    Hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TFlashButton::leaveEvent(QEvent* event) {
    Hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TFlashButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QPalette& colours = palette();
    if (isChecked() || isDown()) {
        QColor fill = colours.color(QPalette::Highlight);
        fill.setAlpha(60);
        painter.setPen(QPen(colours.color(QPalette::Highlight), 1.5));
        painter.setBrush(fill);
        painter.drawRoundedRect(frame, 5, 5);
    } else if (Hovered_ && isEnabled()) {
        QColor fill = colours.color(QPalette::Highlight);
        fill.setAlpha(25);
        painter.setPen(QPen(colours.color(QPalette::Mid), 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(frame, 5, 5);
    }
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatioF(), mode);
    painter.drawPixmap((width() - kPicture) / 2, kMargin, picture);

    painter.setPen(colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    QFont captionFont = font();
    captionFont.setBold(isChecked());
    painter.setFont(captionFont);
    painter.drawText(CaptionRect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace kvz

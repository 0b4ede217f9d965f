#include "screens/screen_widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QStringList>

#include "screens/date_edit.h"
#include "screens/field_binder.h"
#include "storage/dates.h"

namespace kvz {

QDateEdit* NewPastDateEdit(QWidget* parent) {
    auto* edit = new TDateEdit(parent);
    edit->setMinimumDate(QDate(1900, 1, 1));
    edit->setMaximumDate(DateOfDayCount(Today()));
    return edit;
}

QLineEdit* NewChoicePanel(const QString& objectName, QWidget* parent) {
    auto* panel = new QLineEdit(parent);
    panel->setObjectName(objectName);
    panel->setReadOnly(true);
    // A click gives it the focus, so that nothing typed next lands in the field
    // before; Tab passes it by.
    panel->setFocusPolicy(Qt::ClickFocus);
    return panel;
}

namespace {

bool TakesFirstFocus(QWidget* widget, QWidget* area) {
    if (!area->isAncestorOf(widget) || !widget->isEnabled() || !widget->isVisibleTo(area)) return false;
    if ((widget->focusPolicy() & Qt::TabFocus) == 0) return false;
    auto* button = qobject_cast<QAbstractButton*>(widget);
    return button == nullptr || qobject_cast<QCheckBox*>(button) != nullptr ||
           qobject_cast<QRadioButton*>(button) != nullptr;
}

}  // namespace

void ReleaseFocus(QWidget* area) {
    QWidget* focused = QApplication::focusWidget();
    if (area && focused && area->isAncestorOf(focused)) focused->clearFocus();
}

bool FocusFirstField(QWidget* area) {
    for (QWidget* widget = area->nextInFocusChain(); widget != nullptr && widget != area;
         widget = widget->nextInFocusChain()) {
        if (TakesFirstFocus(widget, area)) {
            widget->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

QString CodeOrNo(int32_t code) { return code ? QString::number(code) : QStringLiteral("Нет"); }

// Roubles in groups of three and at least two decimals: "4 321,50".
QString MonthName(int month) {
    static const QStringList kNames = {
        QStringLiteral("Январь"),   QStringLiteral("Февраль"), QStringLiteral("Март"),    QStringLiteral("Апрель"),
        QStringLiteral("Май"),      QStringLiteral("Июнь"),    QStringLiteral("Июль"),    QStringLiteral("Август"),
        QStringLiteral("Сентябрь"), QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"), QStringLiteral("Декабрь")};
    return month >= 1 && month <= 12 ? kNames[month - 1] : QString();
}

QString AmountOr(Money amount, const QString& zero) {
    if (amount.IsZero()) return zero;
    QString text = MoneyScreenText(amount);
    int point = text.indexOf(QLatin1Char(','));
    if (point < 0) {
        point = text.size();
        text += QStringLiteral(",00");
    } else if (text.size() - point == 2) {
        text += QLatin1Char('0');
    }
    const int first = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (int at = point - 3; at > first; at -= 3) text.insert(at, QLatin1Char(' '));
    return text;
}

QPixmap BadgePicture(const QString& caption, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x2e, 0x5c, 0x8a), 1.5));
    painter.setBrush(QColor(0xe8, 0xf0, 0xf8));
    painter.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(caption.size() > 3 ? size / 4 : size / 3);
    painter.setFont(font);
    painter.setPen(QColor(0x1d, 0x3d, 0x5e));
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, caption);
    return picture;
}

QLineEdit* NewShortChoicePanel(const QString& objectName) {
    QLineEdit* panel = NewChoicePanel(objectName);
    panel->setMaximumWidth(160);
    return panel;
}

}  // namespace kvz

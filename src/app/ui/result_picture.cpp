#include "app/ui/result_picture.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

#include "calc/result_summary_text.h"

namespace kvz {

namespace {

const QColor kTotalColour(0x2f, 0x5d, 0x8a);
const QColor kLowerColour(0xc4, 0x6a, 0x1b);
const QColor kRaiseColour(0x2a, 0x7f, 0x7a);
const QColor kPayColour(0xa8, 0x2e, 0x24);
const QColor kRefundColour(0x2e, 0x6e, 0x32);

const ResultRateRow& RowOf(Money ResultRate::*amount) {
    for (const ResultRateRow& row : kResultRateRows)
        if (row.Amount == amount) return row;
    return kResultRateRows[0];
}

QString SourceOf(const ResultRate& rate, Money ResultRate::*amount, const char* more = "") {
    const ResultRateRow& row = RowOf(amount);
    return QStringLiteral("Раздел 2, ставка %1 %: «%2» (%3)%4")
        .arg(QString::fromStdString(rate.Rate), QString::fromUtf8(row.Source), QString::fromUtf8(row.Label).toLower(),
             QString::fromUtf8(more));
}

void AddBar(std::vector<ResultBar>& bars, const ResultRate& rate, const char* label, Money ResultRate::*amount,
            int sign, bool total, const char* more = "") {
    const Money value = rate.*amount;
    if (!total && value.IsZero()) return;
    bars.push_back({QString::fromUtf8(label), sign < 0 ? -value : value, total, SourceOf(rate, amount, more)});
}

// Colour of a bar: totals blue, the result red (pay) or green (refund), steps by
// their direction.
QColor ColourOf(const ResultBar& bar, bool last, bool taxGroup) {
    if (bar.Total && last && taxGroup) return bar.Amount < Money() ? kRefundColour : kPayColour;
    if (bar.Total) return kTotalColour;
    return bar.Amount < Money() ? kLowerColour : kRaiseColour;
}

double Roubles(Money m) { return static_cast<double>(m.Raw()) / static_cast<double>(Money::kScale); }

QString AmountText(const ResultBar& bar) {
    const Money shown = bar.Total && bar.Amount < Money() ? -bar.Amount : bar.Amount;
    QString text = QString::fromStdString(GroupedAmount(shown < Money() ? -shown : shown))
                       .replace(QLatin1Char(' '), QChar(0x00A0));
    if (!bar.Total) text.prepend(shown < Money() ? QStringLiteral("− ") : QStringLiteral("+ "));
    return text;
}

}  // namespace

std::vector<ResultBarGroup> ResultBarGroups(const ResultRate& r) {
    const QString rate = QString::fromStdString(r.Rate);
    ResultBarGroup base{QStringLiteral("Ставка %1 %: налоговая база").arg(rate), false, {}};
    AddBar(base.Bars, r, "Доходы", &ResultRate::Income, 1, true);
    AddBar(base.Bars, r, "Не облагается", &ResultRate::NonTaxable, -1, false);
    AddBar(base.Bars, r, "Вычеты", &ResultRate::Deductions, -1, false, "; листы Е1, Е2, Д1, Д2, В, Ж");
    AddBar(base.Bars, r, "Расходы", &ResultRate::Expenses, -1, false, "; листы З, И");
    AddBar(base.Bars, r, "Дивиденды", &ResultRate::DividendsCfc, 1, false);
    AddBar(base.Bars, r, "База", &ResultRate::TaxBase, 1, true);

    ResultBarGroup tax{QStringLiteral("Ставка %1 %: налог").arg(rate), true, {}};
    AddBar(tax.Bars, r, "Налог", &ResultRate::TaxComputed, 1, true);
    AddBar(tax.Bars, r, "Удержано", &ResultRate::Paid, -1, false);
    AddBar(tax.Bars, r, "Зачет", &ResultRate::ForeignCredit, -1, false);
    AddBar(tax.Bars, r, "Патент, сбор", &ResultRate::PatentAndLevy, -1, false);
    if (!r.RefundDue.IsZero()) {
        AddBar(tax.Bars, r, "К возврату", &ResultRate::RefundDue, -1, true);
    } else {
        AddBar(tax.Bars, r, "К уплате", &ResultRate::TaxDue, 1, true);
    }
    return {base, tax};
}

TResultPicture::TResultPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ResultPicture"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TResultPicture::SetSummary(const ResultSummary& summary) {
    Groups_.clear();
    for (const ResultRate& rate : summary.Rates)
        for (ResultBarGroup& group : ResultBarGroups(rate)) Groups_.push_back(std::move(group));
    QStringList words;
    for (const ResultBarGroup& group : Groups_) {
        words << group.Title;
        for (const ResultBar& bar : group.Bars) words << bar.Label + QStringLiteral(": ") + AmountText(bar);
    }
    setAccessibleDescription(words.join(QStringLiteral("; ")));
    updateGeometry();
    update();
}

int TResultPicture::RowHeight() const { return fontMetrics().height() + 8; }
int TResultPicture::TitleHeight() const { return fontMetrics().height() + 10; }

QSize TResultPicture::sizeHint() const {
    int height = 4;
    for (const ResultBarGroup& group : Groups_) height += TitleHeight() + RowHeight() * static_cast<int>(group.Bars.size());
    return {360, height};
}

QSize TResultPicture::minimumSizeHint() const { return {150, sizeHint().height()}; }

void TResultPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), palette().base());
    Placed_.clear();
    int y = 2;
    for (const ResultBarGroup& group : Groups_) PaintGroup(painter, group, y);
}

void TResultPicture::PaintGroup(QPainter& painter, const ResultBarGroup& group, int& y) {
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(4, y, width() - 8, TitleHeight()), Qt::AlignLeft | Qt::AlignVCenter, group.Title);
    y += TitleHeight();

    // The running value after each bar, and the span the scale must hold.
    std::vector<std::pair<double, double>> spans;
    double running = 0, low = 0, high = 0;
    for (const ResultBar& bar : group.Bars) {
        const double from = bar.Total ? 0 : running;
        const double to = bar.Total ? Roubles(bar.Amount) : running + Roubles(bar.Amount);
        running = to;
        spans.emplace_back(from, to);
        low = std::min({low, from, to});
        high = std::max({high, from, to});
    }
    int labelWidth = 0;
    for (const ResultBar& bar : group.Bars)
        labelWidth = std::max(labelWidth, QFontMetrics(bold).horizontalAdvance(bar.Label) + 10);
    labelWidth = std::min(labelWidth, width() / 2);
    const int left = labelWidth + 4;
    const int area = std::max(width() - left - 6, 10);
    const double range = high - low > 0 ? high - low : 1;
    auto xOf = [&](double v) { return left + static_cast<int>((v - low) / range * area); };

    for (std::size_t i = 0; i < group.Bars.size(); ++i) {
        const ResultBar& bar = group.Bars[i];
        const QRect row(0, y, width(), RowHeight());
        painter.setFont(bar.Total ? bold : font());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(4, y, labelWidth - 4, RowHeight()), Qt::AlignLeft | Qt::AlignVCenter, bar.Label);

        const int x1 = xOf(std::min(spans[i].first, spans[i].second));
        const int x2 = xOf(std::max(spans[i].first, spans[i].second));
        const QRect barRect(x1, y + 3, std::max(x2 - x1, 2), RowHeight() - 6);
        const QColor colour = ColourOf(bar, i + 1 == group.Bars.size(), group.Tax);
        painter.fillRect(barRect, colour);

        const QString text = AmountText(bar);
        const int textWidth = painter.fontMetrics().horizontalAdvance(text) + 8;
        if (textWidth <= barRect.width()) {
            painter.setPen(Qt::white);
            painter.drawText(barRect, Qt::AlignCenter, text);
        } else if (barRect.right() + textWidth <= width()) {
            painter.drawText(QRect(barRect.right() + 4, y, textWidth, RowHeight()), Qt::AlignLeft | Qt::AlignVCenter, text);
        } else {
            painter.drawText(QRect(barRect.left() - textWidth, y, textWidth - 4, RowHeight()),
                             Qt::AlignRight | Qt::AlignVCenter, text);
        }
        Placed_.push_back({row, bar.Source});
        y += RowHeight();
    }
    // The zero line, so that a refund reads as below nothing.
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(xOf(0), y - RowHeight() * static_cast<int>(group.Bars.size()), xOf(0), y);
}

QString TResultPicture::SourceAt(const QPoint& point) const {
    for (const Placed& p : Placed_)
        if (p.Row.contains(point)) return p.Source;
    return {};
}

bool TResultPicture::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString source = SourceAt(help->pos());
        if (source.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), source, this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace kvz

#pragma once
// How the result comes about, drawn: for each rate with income a waterfall of
// horizontal bars, income less what is not taxed, the deductions and the expenses
// down to the tax base, then the tax less what was withheld or paid and credited,
// down to what is to pay or to refund. Amounts are written on the bars; the tooltip
// of a bar names the sheet and line of the form it comes from.
#include <QString>
#include <QWidget>

#include <vector>

#include "calc/result_summary.h"

namespace kvz {

// One bar: a total drawn from zero, or a step from the running value.
struct ResultBar {
    QString Label;
    Money Amount;     // signed: a step that lowers the running value is negative
    bool Total = false;
    QString Source;   // the sheet and line, for the tooltip
};

// The bars of one rate, in two groups on scales of their own: the base, the tax.
struct ResultBarGroup {
    QString Title;
    bool Tax = false;  // the tax group, whose last bar is the result
    std::vector<ResultBar> Bars;
};

// The groups a rate is drawn as (the same for the picture and its tests).
std::vector<ResultBarGroup> ResultBarGroups(const ResultRate& rate);

class TResultPicture : public QWidget {
    Q_OBJECT
public:
    explicit TResultPicture(QWidget* parent = nullptr);

    void SetSummary(const ResultSummary& summary);
    const std::vector<ResultBarGroup>& Groups() const { return Groups_; }
    // The tooltip shown at a point of the widget ("" off the bars).
    QString SourceAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Placed {
        QRect Row;
        QString Source;
    };
    int RowHeight() const;
    int TitleHeight() const;
    void PaintGroup(QPainter& painter, const ResultBarGroup& group, int& y);

    std::vector<ResultBarGroup> Groups_;
    std::vector<Placed> Placed_;
};

}  // namespace kvz

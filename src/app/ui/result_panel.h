#pragma once
// The result beside every section screen: the total to refund or to pay in large
// digits, the property deduction carried to the next year, and below them the
// picture of how the result comes about and the tables (payment and refund lines,
// tax by rate, deductions by kind) as selectable text. It follows every change of
// the document a moment after it, calculating on a copy, so typing never waits for
// it and the document is never touched. The details fold away; the choice is kept
// in the settings ("ResultPanelExpanded").
#include <QFrame>
#include <QTimer>

#include <functional>

#include "calc/result_summary.h"

class QLabel;
class QScrollArea;
class QToolButton;

namespace kvz {

class mTDeclaration;
class TResultPicture;

inline constexpr const char* kResultPanelSetting = "ResultPanelExpanded";

class TResultPanel : public QFrame {
    Q_OBJECT
public:
    // document gives the declaration shown at the time of each update.
    explicit TResultPanel(std::function<const mTDeclaration&()> document, QWidget* parent = nullptr);

    // A change of the document: the panel follows shortly, once for many changes.
    void ScheduleUpdate();
    // Calculates and shows at once.
    void UpdateNow();

    bool Expanded() const { return Expanded_; }
    void SetExpanded(bool expanded);

    const ResultSummary& Summary() const { return Summary_; }
    // The texts shown, for a reader of the screen and the tests.
    QString TitleText() const;
    QString AmountText() const;
    QString CarriedText() const;
    QString TablesText() const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Show(const ResultSummary& summary);
    // The large digits as large as the width allows.
    void FitAmount();

    std::function<const mTDeclaration&()> Document_;
    ResultSummary Summary_;
    QTimer Delay_;
    bool Expanded_ = true;
    QToolButton* Toggle_ = nullptr;
    QLabel* Title_ = nullptr;
    QLabel* Amount_ = nullptr;
    QLabel* CarriedTitle_ = nullptr;
    QLabel* Carried_ = nullptr;
    QScrollArea* Details_ = nullptr;
    TResultPicture* Picture_ = nullptr;
    QLabel* Tables_ = nullptr;
};

}  // namespace kvz

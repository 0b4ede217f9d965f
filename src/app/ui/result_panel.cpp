#include "app/ui/result_panel.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ui/program_settings.h"
#include "app/ui/result_picture.h"
#include "calc/result_summary_text.h"

namespace kvz {

namespace {

// A short pause after a change, so that a burst of typing calculates once.
constexpr int kUpdateDelayMs = 120;

const QColor kRefundText(0x1b, 0x5e, 0x20);
const QColor kPayText(0x8e, 0x1b, 0x12);

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
// The groups of digits and the unit never part at a line break.
QString Roubles(Money m) { return Q(RoublesText(m)).replace(QLatin1Char(' '), QChar(0x00A0)); }

// The width the panel takes when the screen beside it leaves room; the widest screens
// leave it less, down to the least, and the large digits become smaller to fit.
constexpr int kPanelWidth = 330;
constexpr int kPanelLeastWidth = 180;
constexpr int kAmountPoints = 26;
constexpr int kAmountLeastPoints = 14;

QSettings PanelSettings() {
    return QSettings(QString::fromUtf8(kSettingsOrganization), QString::fromUtf8(kSettingsApplication));
}

QString Cell(const QString& text, bool number = false) {
    return (number ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + text.toHtmlEscaped() +
           QStringLiteral("</td>");
}

QString Heading(const QString& text) { return QStringLiteral("<h4>%1</h4>").arg(text.toHtmlEscaped()); }

QString LinesTable(const ResultSummary& s) {
    if (s.Lines.empty()) return {};
    QString html = Heading(QStringLiteral("Раздел 1: суммы по КБК и ОКТМО"));
    for (const ResultLine& line : s.Lines) {
        const QString oktmo = line.Oktmo.empty() ? QStringLiteral("не указан") : Q(line.Oktmo);
        html += QStringLiteral("<p><b>%1 %2</b><br>КБК %3<br>ОКТМО %4<br><small>%5</small></p>")
                    .arg(line.Refund ? QStringLiteral("к возврату") : QStringLiteral("к уплате"),
                         Roubles(line.Amount).toHtmlEscaped(), Q(line.Kbk).toHtmlEscaped(), oktmo.toHtmlEscaped(),
                         Q(line.KbkMeaning).toHtmlEscaped());
    }
    return html;
}

QString RatesTable(const ResultSummary& s) {
    QString html;
    for (const ResultRate& r : s.Rates) {
        html += Heading(QStringLiteral("Налог по ставке %1 %").arg(Q(r.Rate))) +
                QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
        for (const ResultRateRow& row : kResultRateRows) {
            const Money amount = r.*row.Amount;
            if (row.Always || !amount.IsZero())
                html += QStringLiteral("<tr>") + Cell(QString::fromUtf8(row.Label)) + Cell(Roubles(amount), true) +
                        QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

QString DeductionsTable(const ResultSummary& s) {
    if (s.Deductions.empty()) return {};
    QString html = Heading(QStringLiteral("Вычеты этого года")) + QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const ResultDeduction& d : s.Deductions)
        html += QStringLiteral("<tr>") + Cell(Q(d.Kind) + QStringLiteral(" (") + Q(d.Sheet) + QStringLiteral(")")) +
                Cell(Roubles(d.Amount), true) + QStringLiteral("</tr>");
    html += QStringLiteral("<tr>") + Cell(QStringLiteral("Учтено по ставке 13 %")) +
            Cell(Roubles(s.DeductionsApplied), true) + QStringLiteral("</tr></table>");
    return html;
}

QString TablesHtml(const ResultSummary& s) {
    switch (s.State) {
        case ResultState::Incomplete:
            return {};
        case ResultState::Expected:
            return QStringLiteral("<p>Декларация 4-НДФЛ: налог не рассчитывается. В форму входит предполагаемый "
                                  "доход на 2016 год (показатель «ПредДоход»): %1.</p>")
                .arg(Roubles(s.ExpectedIncome).toHtmlEscaped());
        default:
            return LinesTable(s) + RatesTable(s) + DeductionsTable(s);
    }
}

QLabel* SelectableLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setWordWrap(true);
    return label;
}

void SetFontSize(QLabel* label, int points, bool bold) {
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
}

}  // namespace

TResultPanel::TResultPanel(std::function<const mTDeclaration&()> document, QWidget* parent)
    : QFrame(parent), Document_(std::move(document)) {
    setObjectName(QStringLiteral("ResultPanel"));
    setFrameShape(QFrame::StyledPanel);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Итог декларации"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(4);
    Toggle_ = new QToolButton(this);
    Toggle_->setObjectName(QStringLiteral("btnResultDetails"));
    Toggle_->setAutoRaise(true);
    Toggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(Toggle_, &QToolButton::clicked, this, [this] { SetExpanded(!Expanded_); });
    column->addWidget(Toggle_, 0, Qt::AlignLeft);

    Title_ = SelectableLabel("lblResultTitle", this);
    SetFontSize(Title_, 12, true);
    column->addWidget(Title_);
    Amount_ = SelectableLabel("lblResultAmount", this);
    Amount_->setWordWrap(false);
    // The label never widens the panel: its digits shrink instead (FitAmount).
    Amount_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    SetFontSize(Amount_, kAmountPoints, true);
    column->addWidget(Amount_);
    CarriedTitle_ = SelectableLabel("lblCarriedForwardTitle", this);
    CarriedTitle_->setText(QString::fromUtf8(kCarriedForwardTitle) + QLatin1Char(':'));
    SetFontSize(CarriedTitle_, 11, false);
    column->addWidget(CarriedTitle_);
    Carried_ = SelectableLabel("lblCarriedForward", this);
    SetFontSize(Carried_, 14, true);
    column->addWidget(Carried_);

    Details_ = new QScrollArea(this);
    Details_->setObjectName(QStringLiteral("ResultDetails"));
    Details_->setWidgetResizable(true);
    Details_->setFrameShape(QFrame::NoFrame);
    Details_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inner = new QWidget(Details_);
    inner->setBackgroundRole(QPalette::Base);
    auto* details = new QVBoxLayout(inner);
    details->setContentsMargins(0, 0, 0, 0);
    Picture_ = new TResultPicture(inner);
    details->addWidget(Picture_);
    Tables_ = SelectableLabel("lblResultTables", inner);
    Tables_->setTextFormat(Qt::RichText);
    details->addWidget(Tables_);
    details->addStretch(1);
    Details_->setWidget(inner);
    column->addWidget(Details_, 1);

    // F9: to the result from anywhere in the window, to read it by keyboard.
    auto* reach = new QShortcut(QKeySequence(Qt::Key_F9), this);
    reach->setContext(Qt::WindowShortcut);
    connect(reach, &QShortcut::activated, this, [this] { Amount_->isVisible() ? Amount_->setFocus() : Title_->setFocus(); });

    Delay_.setSingleShot(true);
    Delay_.setInterval(kUpdateDelayMs);
    connect(&Delay_, &QTimer::timeout, this, &TResultPanel::UpdateNow);

    const bool expanded = PanelSettings().value(QString::fromUtf8(kResultPanelSetting), true).toBool();
    Expanded_ = !expanded;  // so that SetExpanded applies it without writing it back
    SetExpanded(expanded);
    setMinimumWidth(kPanelLeastWidth);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void TResultPanel::SetExpanded(bool expanded) {
    if (expanded == Expanded_) return;
    Expanded_ = expanded;
    Details_->setVisible(expanded);
    Toggle_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    Toggle_->setText(expanded ? QStringLiteral("Скрыть подробности") : QStringLiteral("Показать подробности"));
    QSettings settings = PanelSettings();
    if (settings.value(QString::fromUtf8(kResultPanelSetting), true).toBool() != expanded)
        settings.setValue(QString::fromUtf8(kResultPanelSetting), expanded);
}

QSize TResultPanel::sizeHint() const { return {kPanelWidth, QFrame::sizeHint().height()}; }

void TResultPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FitAmount();
}

void TResultPanel::FitAmount() {
    const int room = contentsRect().width() - layout()->contentsMargins().left() - layout()->contentsMargins().right();
    QFont font = Amount_->font();
    int points = kAmountPoints;
    for (; points > kAmountLeastPoints; --points) {
        font.setPointSize(points);
        const QStringList lines = Amount_->text().split(QLatin1Char('\n'));
        int widest = 0;
        for (const QString& line : lines) widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
        if (widest <= room) break;
    }
    font.setPointSize(points);
    Amount_->setFont(font);
}

void TResultPanel::ScheduleUpdate() { Delay_.start(); }

void TResultPanel::UpdateNow() {
    Delay_.stop();
    Show(SummarizeResult(Document_()));
}

void TResultPanel::Show(const ResultSummary& s) {
    Summary_ = s;
    QString title, amount;
    QColor colour = palette().color(QPalette::Text);
    switch (s.State) {
        case ResultState::Refund:
            title = QString::fromUtf8(kResultRefundTitle);
            amount = Roubles(s.ToRefund);
            colour = kRefundText;
            break;
        case ResultState::Pay:
            title = QString::fromUtf8(kResultPayTitle);
            amount = Roubles(s.ToPay);
            colour = kPayText;
            break;
        case ResultState::PayAndRefund:
            title = QStringLiteral("%1 и %2").arg(QString::fromUtf8(kResultPayTitle), QStringLiteral("к возврату из бюджета"));
            amount = Roubles(s.ToPay) + QStringLiteral("\n") + Roubles(s.ToRefund);
            colour = kPayText;
            break;
        case ResultState::Nothing:
            title = QString::fromUtf8(kResultNothingTitle);
            amount = Roubles(Money());
            break;
        case ResultState::Expected:
            title = QString::fromUtf8(kResultExpectedTitle);
            amount = Roubles(s.ExpectedIncome);
            break;
        case ResultState::Incomplete:
            title = Q(s.Missing);
            break;
    }
    Title_->setText(title);
    Amount_->setText(amount);
    Amount_->setVisible(!amount.isEmpty());
    FitAmount();
    QPalette p = Amount_->palette();
    p.setColor(QPalette::WindowText, colour);
    Amount_->setPalette(p);
    const std::string carried = CarriedForwardText(s);
    Carried_->setText(QStringLiteral("стоимость жилья %1\nпроценты %2").arg(Roubles(s.CarriedCost), Roubles(s.CarriedInterest)));
    CarriedTitle_->setVisible(!carried.empty());
    Carried_->setVisible(!carried.empty());
    Picture_->SetSummary(s);
    Picture_->setVisible(!s.Rates.empty());
    Tables_->setText(TablesHtml(s));
    Tables_->setVisible(!Tables_->text().isEmpty());
}

namespace {
QString PlainSpaces(QString text) { return text.replace(QChar(0x00A0), QLatin1Char(' ')); }
}  // namespace

QString TResultPanel::TitleText() const { return Title_->text(); }
QString TResultPanel::AmountText() const { return Amount_->isHidden() ? QString() : PlainSpaces(Amount_->text()); }
QString TResultPanel::CarriedText() const {
    return Carried_->isHidden() ? QString() : CarriedTitle_->text() + QLatin1Char('\n') + PlainSpaces(Carried_->text());
}
QString TResultPanel::TablesText() const {
    return PlainSpaces(QTextDocumentFragment::fromHtml(Tables_->text()).toPlainText());
}

}  // namespace kvz

#include "screens/year_spin.h"

#include <algorithm>

namespace kvz {

namespace {

constexpr int kYearDigits = 4;

}  // namespace

TYearSpin::TYearSpin(int first, int last, int firstStep, QWidget* parent)
    : QSpinBox(parent), First_(first), Last_(last), FirstStep_(firstStep) {
    setRange(kEmpty, last);
    setValue(kEmpty);
}

QValidator::State TYearSpin::validate(QString& input, int&) const {
    const QString text = input.trimmed();
    if (text.isEmpty()) return QValidator::Acceptable;
    if (text.size() > kYearDigits) return QValidator::Invalid;
    for (const QChar c : text)
        if (!c.isDigit()) return QValidator::Invalid;
    // The years that begin with what is typed so far.
    int low = text.toInt(), high = low;
    for (qsizetype n = text.size(); n < kYearDigits; ++n) {
        low *= 10;
        high = high * 10 + 9;
    }
    if (high < First_ || low > Last_ || text.startsWith(QLatin1Char('0'))) return QValidator::Invalid;
    return text.size() == kYearDigits && low >= First_ ? QValidator::Acceptable : QValidator::Intermediate;
}

int TYearSpin::valueFromText(const QString& text) const {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? kEmpty : trimmed.toInt();
}

QString TYearSpin::textFromValue(int value) const { return value == kEmpty ? QString() : QString::number(value); }

void TYearSpin::stepBy(int steps) {
    if (value() == kEmpty) {
        setValue(FirstStep_);
    } else {
        setValue(std::clamp(value() + steps, First_, Last_));
    }
    selectAll();
}

QAbstractSpinBox::StepEnabled TYearSpin::stepEnabled() const {
    if (value() == kEmpty) return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (value() < Last_) enabled |= StepUpEnabled;
    if (value() > First_) enabled |= StepDownEnabled;
    return enabled;
}

}  // namespace kvz

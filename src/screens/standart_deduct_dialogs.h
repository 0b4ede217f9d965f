#pragma once
// "Комбинация стандартных вычетов": one choice for each month of the year, the
// own code (TfmDif) or the single-parent status (TfmDif2), as positions in the
// month's list.
#include <QDialog>
#include <QStringList>
#include <array>
#include <cstdint>

class QComboBox;

namespace kvz {

class TMonthChoiceDialog : public QDialog {
    Q_OBJECT
public:
    using Months = std::array<int32_t, 12>;
    // `values` are positions in `choices`; one outside them shows the first.
    TMonthChoiceDialog(const QString& heading, const QStringList& choices, const Months& values, QWidget* parent);
    Months Values() const;

private:
    std::array<QComboBox*, 12> Months_{};
};

class TfmDif : public TMonthChoiceDialog {
    Q_OBJECT
public:
    TfmDif(const Months& selfCodes, QWidget* parent);
};

class TfmDif2 : public TMonthChoiceDialog {
    Q_OBJECT
public:
    TfmDif2(const Months& childStatus, QWidget* parent);
};

}  // namespace kvz

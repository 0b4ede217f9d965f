#pragma once
// A year typed or stepped with the arrows that may also be left empty: value 0
// shows as an empty field, and clearing the field gives 0 again.
#include <QSpinBox>

namespace kvz {

class TYearSpin : public QSpinBox {
    Q_OBJECT
public:
    // `firstStep` is where the arrows start from an empty field.
    TYearSpin(int first, int last, int firstStep, QWidget* parent = nullptr);

    static constexpr int kEmpty = 0;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    int First_;
    int Last_;
    int FirstStep_;
};

}  // namespace kvz

#pragma once
// The common look of the two check dialogs: a raised panel with a warning picture
// and the wrapped message, and a row of answer buttons. Each button closes the
// dialog with its own result; closing the window otherwise gives kCheckAnswerClosed.
#include <QDialog>

#include <string>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace kvz {

class TCheckDialogFrame : public QDialog {
    Q_OBJECT
public:
    // Title := "Проверка: " + caption.
    void SetCheckSection(const std::string& caption);
    void SetCheckMessage(const std::string& text);
    QString MessageText() const;

protected:
    explicit TCheckDialogFrame(QWidget* parent);
    QPushButton* AddAnswerButton(const QString& text, int result, const QString& objectName);

    // Escape and the close box.
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void FitToMessage();

    QLabel* Message_ = nullptr;
    QHBoxLayout* Buttons_ = nullptr;
};

}  // namespace kvz

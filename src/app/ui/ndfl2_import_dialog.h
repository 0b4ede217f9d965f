#pragma once
// The preview of employers' income certificates before they go into the document:
// whose certificates are taken, and each certificate's income at each rate with its
// agent, months, income, tax withheld and warnings, to be ticked or not. "Да" carries
// the ticked ones in through the same core code as the command-line tool.
#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "import/ndfl2_plan.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace kvz {

class DocumentController;
class WindowDialogs;

class TfmNdfl2Import : public QDialog {
    Q_OBJECT
public:
    TfmNdfl2Import(std::vector<Ndfl2File> files, Ndfl2Target target, std::function<void()> openHelp,
                   QWidget* parent = nullptr);

    // Valid after the dialog was accepted.
    const Ndfl2Plan& Plan() const { return *Plan_; }
    std::vector<bool> Taken() const;

private:
    void PersonChosen(int index);
    void Show(const std::optional<Ndfl2PersonId>& chosen);
    void FillItems();

    std::vector<Ndfl2File> Files_;
    Ndfl2Target Target_;
    std::vector<Ndfl2PersonId> People_;
    std::optional<Ndfl2Plan> Plan_;
    QComboBox* cbPerson_;
    QLabel* lblProblem_;
    QTableWidget* twItems_;
    QPlainTextEdit* meWarnings_;
    QPushButton* btnYes_;
};

// "Файл → Загрузить справку 2-НДФЛ…" and a dropped file: reads the files, shows the
// preview, carries the chosen certificates in and tells what was done. Every failure
// ends in a message; nothing escapes.
void RunNdfl2Import(QWidget* parent, DocumentController& controller, WindowDialogs& dialogs,
                    const QStringList& files, const std::function<void()>& openHelp);
// The file dialog for certificate files; empty when the user cancelled.
QStringList AskNdfl2Files(QWidget* parent);

}  // namespace kvz

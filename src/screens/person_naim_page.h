#pragma once
// The taxpayer's name, ИНН, identity document, birth data and citizenship. For
// the expected-income form (4-НДФЛ) it asks for the territory code and the phone
// instead of the document, birth and citizenship data.
#include <cstdint>

#include "screens/screen_resources.h"
#include "screens/thinking_frame.h"

class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvz {

class TFieldBinder;
class TMaskedDocEdit;
class TMaskedEdit;

class TfrPersonNaim : public TThinkingFrame {
    Q_OBJECT
public:
    // Rows of FocusField and of Validate's result.
    enum Row : int {
        kRowSurname = 1,
        kRowFirstName = 2,
        kRowPatronymic = 3,
        kRowInn = 4,
        kRowDocType = 5,
        kRowDocSeries = 6,
        kRowDocIssueDate = 7,
        kRowDocIssuedBy = 8,
        kRowBirthPlace = 9,
        kRowOktmo = 10,
        kRowBirthDate = 11,
        kRowCountryCode = 13,
    };

    TfrPersonNaim(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    void Store() override;
    uint32_t Validate() override;
    void FocusField(int page, int field) override;

    // The document type the page holds, written by Store.
    uint16_t DocTypeCode() const { return DocTypeCode_; }

private:
    QGroupBox* BuildNames();
    QGroupBox* BuildDocument();
    QGroupBox* BuildCitizenship();
    void Fill();
    void ShowDocumentEnabled(bool enabled);
    void OnPickDocType();
    void OnPickCountry();
    void OnCountryCodeTyped(const QString& code);

    ScreenResources Resources_;
    TFieldBinder* Binder_;
    uint16_t DocTypeCode_ = 0;

    TMaskedEdit* meSurname_;
    TMaskedEdit* meFirstName_;
    TMaskedEdit* mePatronymic_;
    TMaskedEdit* meInn_;
    QLabel* lblOktmo_;
    TMaskedEdit* meOktmo_;
    QLabel* lblPhone_;
    TMaskedEdit* mePhone_;
    QLabel* lblBirthDate_;
    QDateEdit* BirthDate_;
    QLabel* lblBirthPlace_;
    TMaskedEdit* meBirthPlace_;
    QGroupBox* gbDocument_;
    QLineEdit* DocTypeName_;
    QPushButton* fbDocType_;
    TMaskedDocEdit* meDocSeries_;
    TMaskedEdit* meDocIssuedBy_;
    QDateEdit* DocIssueDate_;
    QGroupBox* gbCitizenship_;
    QButtonGroup* CitizenshipKind_;
    TMaskedEdit* meCountryCode_;
    TMaskedEdit* meCountryName_;
    QPushButton* fbCountry_;
};

}  // namespace kvz

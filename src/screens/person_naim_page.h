#pragma once
// The taxpayer's name, ИНН, identity document, birth data and citizenship. For
// the expected-income form (4-НДФЛ) it asks for the territory code and the phone
// instead of the document, birth and citizenship data.
#include "screens/thinking_frame.h"

class QDateEdit;

namespace kvz {

class TCodeChoice;
class TFormBuilder;
class TMaskedDocEdit;
class TMaskedEdit;

class TfrPersonNaim : public TThinkingFrame {
    Q_OBJECT
public:
    TfrPersonNaim(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

protected:
    CheckFindings Findings() const override { return PersonFindings(Declaration(), CheckUse::Screen); }

private:
    void BuildDocument(TFormBuilder& form);
    void BuildCitizenship(TFormBuilder& form);
    // A newly chosen document type starts the document afresh.
    void OnDocTypeChosen();

    TCodeChoice* DocType_;
    TMaskedDocEdit* meDocSeries_;
    TMaskedEdit* meDocIssuedBy_;
    QDateEdit* DocIssueDate_;
};

}  // namespace kvz

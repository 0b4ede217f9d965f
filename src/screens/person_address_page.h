#pragma once
// The taxpayer's address in Russia (of residence or of stay), the contact phone
// and the address abroad.
#include <cstdint>

#include "screens/screen_resources.h"
#include "screens/thinking_frame.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace kvz {

class TFieldBinder;
class TMaskedEdit;

class TfrPersonAddress : public TThinkingFrame {
    Q_OBJECT
public:
    enum Row : int {
        kRowRegion = 2,
        kRowOktmo = 4,
        kRowLocality = 5,
    };

    TfrPersonAddress(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    void Store() override;
    uint32_t Validate() override;
    void FocusField(int page, int field) override;

    uint16_t RegionCode() const { return RegionCode_; }

private:
    QGroupBox* BuildRussianAddress();
    QGroupBox* BuildPhone();
    QGroupBox* BuildForeignAddress();
    void Fill();
    void OnPickRegion();

    ScreenResources Resources_;
    TFieldBinder* Binder_;
    uint16_t RegionCode_ = 0;

    QButtonGroup* AddressKind_;
    TMaskedEdit* mePostIndex_;
    QLineEdit* RegionName_;
    QPushButton* fbRegion_;
    TMaskedEdit* meDistrict_;
    TMaskedEdit* meCity_;
    TMaskedEdit* meLocality_;
    TMaskedEdit* meStreet_;
    TMaskedEdit* meHouse_;
    TMaskedEdit* meBuilding_;
    TMaskedEdit* meFlat_;
    TMaskedEdit* meOktmo_;
    QGroupBox* gbPhone_;
    TMaskedEdit* mePhone_;
    TMaskedEdit* meForeignAddress_;
};

}  // namespace kvz

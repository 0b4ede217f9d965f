#pragma once
// The taxpayer section: two page buttons over the name-and-document page and
// the address page (the latter not offered for the expected-income form).
// Store, Validate and FocusField go to the page shown; FocusField(page, row)
// first shows that page.
#include <memory>

#include "screens/screen_resources.h"
#include "screens/thinking_frame.h"

class QButtonGroup;
class QPushButton;
class QVBoxLayout;

namespace kvz {

class TfrPersonData : public TThinkingFrame {
    Q_OBJECT
public:
    enum Page : int { kPageName = 0, kPageAddress = 1 };

    TfrPersonData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);
    ~TfrPersonData() override;

    bool Store() override;
    uint32_t Validate() override;
    void FocusField(int page, int field) override;

    int CurrentPage() const { return CurrentPage_; }
    TThinkingFrame* CurrentPageFrame() const { return Page_.get(); }

private:
    void OnPageClicked(int page);
    void ShowPage(int page);

    ScreenResources Resources_;
    QButtonGroup* PageButtons_;
    QVBoxLayout* PageArea_;
    std::unique_ptr<TThinkingFrame> Page_;
    int CurrentPage_ = kPageName;
};

}  // namespace kvz

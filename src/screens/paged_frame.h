#pragma once
// A section made of pages: buttons over the screen of one page. Leaving a page
// stores it and asks its check first; a refused check keeps it shown, its button
// pressed again and the field to correct focused. A jump from the declaration
// check opens a page without asking the one shown.
#include <map>
#include <memory>

#include "screens/thinking_frame.h"

class QAbstractButton;
class QButtonGroup;
class QLayout;
class QVBoxLayout;

namespace kvz {

class TPagedFrame : public TThinkingFrame {
    Q_OBJECT
public:
    ~TPagedFrame() override;

    bool Store() override;
    uint32_t Validate() override;

    // What a button does: false when the shown page refused to be left.
    bool ShowPage(int page);
    // Shows the page without storing or checking the one shown.
    void JumpToPage(int page);
    int ShownPage() const { return Shown_; }
    TThinkingFrame* PageScreen() const { return Current_.get(); }

protected:
    TPagedFrame(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    // The button shows `page`; several buttons may show the same page.
    void AddPageButton(QAbstractButton* button, int page);
    // Puts the buttons' layout above the pages; called once the buttons are added.
    void PlaceButtons(QLayout* buttons);
    virtual std::unique_ptr<TThinkingFrame> CreatePage(int page) = 0;

private:
    void Open(int page);
    void PressButtonOf(int page);

    QButtonGroup* Buttons_;
    std::map<int, int> PageOfButton_;  // button id → page
    QVBoxLayout* Layout_;
    QVBoxLayout* Body_;
    std::unique_ptr<TThinkingFrame> Current_;
    int Shown_ = -1;
};

}  // namespace kvz

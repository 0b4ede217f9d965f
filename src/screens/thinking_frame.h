#pragma once
// The base of every section screen. The window calls Store before saving, checking,
// exporting or printing and before leaving the screen; Validate before leaving
// (0 = may leave, otherwise the 1-based row or field to put right); FocusField to
// show the user a field that a check refused.
//
// A screen built with the kit writes only what is its own: it declares its fields
// with the form builder (which binds them, registers their focus numbers and their
// enabled and visible rules) and names the findings of its section; the base
// stores, validates through the check dialog and focuses.
#include <QWidget>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "checks/section_checks.h"
#include "checks/section_fields.h"
#include "screens/field_focus.h"
#include "screens/screen_resources.h"

namespace kvz {

class mTDeclaration;
class TFieldBinder;
template <class T>
class SelectedItem;

class TThinkingFrame : public QWidget {
    Q_OBJECT
public:
    TThinkingFrame(mTDeclaration& declaration, QWidget* parent);
    TThinkingFrame(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    // Writes the edited fields (and what StoreOwn writes) into the declaration;
    // documentModified() when anything changed. False when a typed value could not
    // be written: the user has been told, the value stays shown and its editor has
    // the focus, and whoever stores before going on (leaving the screen, saving)
    // stops.
    virtual bool Store();
    // Shows Findings() one by one in the check dialog.
    virtual uint32_t Validate();
    // page is -1 for screens with one page. Runs what the field was registered with.
    virtual void FocusField(int page, int field);

    TFieldBinder& Binder() { return *Binder_; }
    const ScreenResources& Resources() const { return Resources_; }
    // What focusing a field number does (the form builder registers its editors).
    void RegisterFocus(int field, std::function<void()> focus) { Focus_.Add(field, std::move(focus)); }
    void RegisterFocus(int field, QWidget* editor, TPickButton* pick = nullptr) { Focus_.Add(field, editor, pick); }
    // A rule of enabled or visible state; ApplyRules runs them all again.
    void AddRule(std::function<void()> rule);
    void ApplyRules();

signals:
    // Every change the screen makes to the declaration.
    void documentModified();
    // The income kinds or the declaration type changed: section buttons follow.
    void sectionsChanged();

protected:
    mTDeclaration& Declaration() { return Declaration_; }
    const mTDeclaration& Declaration() const { return Declaration_; }

    // Shows the declaration in the bound editors, runs `more` and the rules, all
    // without counting as the user's edits. Called once the form is declared.
    void FillForm(const std::function<void()>& more = {});
    // A list-and-detail screen shows the item of another row: the item shown so far
    // is stored first, the detail is enabled while an item is shown and the item's
    // editors (only they: what is typed into the section's own stays) are filled
    // with it, then `more` runs; the first time, the whole form is filled. False when the item shown so far could not be
    // stored: it stays shown, and the caller puts its row back.
    template <class T>
    bool ShowItem(SelectedItem<T>& shown, int row, QWidget* detail, const std::function<void()>& more = {}) {
        if (shown.Chosen() && shown.Row() == row) return true;
        if (shown.Chosen() && !TThinkingFrame::Store()) return false;
        shown.Select(row);
        detail->setEnabled(shown.Chosen());
        if (Filled_) FillItem(more);
        else FillForm(more);
        return true;
    }
    // What Store writes beside the bound fields; true when it changed anything.
    virtual bool StoreOwn() { return false; }
    // The findings of the screen's section, in the order they are shown.
    virtual CheckFindings Findings() const { return {}; }

private:
    void FillItem(const std::function<void()>& more);
    // Tells the user that a typed value could not be written and goes to it.
    void ReportRefused(QObject* editor);

    mTDeclaration& Declaration_;
    ScreenResources Resources_;
    TFieldBinder* Binder_;
    FieldFocus Focus_;
    std::vector<std::function<void()>> Rules_;
    bool Filled_ = false;  // the form has been filled once
};

}  // namespace kvz

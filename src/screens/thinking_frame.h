#pragma once
// The base of every section screen. The window calls Store before saving, checking,
// exporting or printing and before leaving the screen; Validate before leaving
// (0 = may leave, otherwise the 1-based row or field to put right); FocusField to
// show the user a field that a check refused.
#include <QWidget>

#include <cstdint>

namespace kvz {

class mTDeclaration;

class TThinkingFrame : public QWidget {
    Q_OBJECT
public:
    TThinkingFrame(mTDeclaration& declaration, QWidget* parent) : QWidget(parent), Declaration_(declaration) {}

    // Writes the screen's free edit fields into the declaration.
    virtual void Store() {}
    virtual uint32_t Validate() { return 0; }
    // page is -1 for screens with one page.
    virtual void FocusField(int page, int field) = 0;

signals:
    // Every change the screen makes to the declaration.
    void documentModified();
    // The income kinds or the declaration type changed: section buttons follow.
    void sectionsChanged();

protected:
    mTDeclaration& Declaration() { return Declaration_; }

private:
    mTDeclaration& Declaration_;
};

}  // namespace kvz

#pragma once
// The screen of a section whose data entry is not part of this version: it says so
// and leaves the declaration alone.
#include <QString>

#include "screens/thinking_frame.h"

namespace kvz {

class TfrNotAvailable : public TThinkingFrame {
    Q_OBJECT
public:
    TfrNotAvailable(const QString& sectionTitle, mTDeclaration& declaration, QWidget* parent);

    void FocusField(int page, int field) override;
};

}  // namespace kvz

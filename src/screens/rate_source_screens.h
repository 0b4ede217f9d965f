#pragma once
// The sources of income at 9 %, of dividends and of income at 35 %: one record per
// payment source, entered in its dialog and shown in a read-only panel.
#include "model/thirty_five_percent.h"
#include "model/thirty_percent.h"
#include "screens/source_panel_frame.h"

namespace kvz {

class TfrNinePercent : public TSourcePanelFrame<mTThirtyPercent> {
    Q_OBJECT
public:
    TfrNinePercent(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);
};

class TfrThirtyPercent : public TSourcePanelFrame<mTThirtyPercent> {
    Q_OBJECT
public:
    TfrThirtyPercent(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);
};

class TfrThirtyFivePercent : public TSourcePanelFrame<mTThirtyFivePercent> {
    Q_OBJECT
public:
    TfrThirtyFivePercent(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);
};

}  // namespace kvz

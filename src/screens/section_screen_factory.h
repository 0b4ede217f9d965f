#pragma once
// The screen of each section of the main window.
#include <memory>

#include "checks/section.h"
#include "screens/screen_resources.h"
#include "screens/thinking_frame.h"

class QWidget;

namespace kvz {

class mTDeclaration;

// The caller connects documentModified() and sectionsChanged() after creation:
// filling the controls from the declaration sends neither.
std::unique_ptr<TThinkingFrame> CreateSectionScreen(Section section, mTDeclaration& declaration,
                                                    const ScreenResources& resources, QWidget* parent);

}  // namespace kvz

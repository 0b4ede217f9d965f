#include "screens/field_focus.h"

#include <QWidget>

#include "screens/pick_button.h"

namespace kvz {

void FieldFocus::Add(int field, std::function<void()> focus) { Focus_[field] = std::move(focus); }

void FieldFocus::Add(int field, QWidget* editor, TPickButton* pick) {
    Add(field, [editor, pick] {
        editor->setFocus();
        if (pick) pick->Pick();
    });
}

bool FieldFocus::Go(int field) const {
    const auto it = Focus_.find(field);
    if (it == Focus_.end()) return false;
    it->second();
    return true;
}

}  // namespace kvz

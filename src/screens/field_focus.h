#pragma once
// What focusing each field number of a screen or an item dialog does. A check
// names the field to put right by its number; the form goes to the editor
// registered for it and, for a field chosen from a list, opens the list.
#include <functional>
#include <map>

class QWidget;

namespace kvz {

class TPickButton;

class FieldFocus {
public:
    void Add(int field, std::function<void()> focus);
    // Focuses `editor`; with `pick`, then opens its list.
    void Add(int field, QWidget* editor, TPickButton* pick = nullptr);
    // Runs what `field` was registered with; false when nothing was.
    bool Go(int field) const;

private:
    std::map<int, std::function<void()>> Focus_;
};

}  // namespace kvz

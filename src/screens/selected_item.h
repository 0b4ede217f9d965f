#pragma once
// The item of one of the declaration's lists that a list-and-detail screen shows
// in its editors (a foreign income, an activity, a partnership). The editors are
// bound through Field() or Access(), so they always reach the item shown and are
// the item's bindings, which showing another item refills; while none is shown,
// they reach a spare item that is never stored anywhere. An item that is deleted is
// forgotten first, so that nothing is ever written into it.
#include <utility>

#include "model/item_list.h"
#include "screens/field_binder.h"
#include "screens/item_list_source.h"

namespace kvz {

template <class T>
class SelectedItem {
public:
    explicit SelectedItem(mTItemList<T>& list) : List_(list) {}

    T& Get() { return Item_ ? *Item_ : Spare_; }
    bool Chosen() const { return Item_ != nullptr; }
    void Select(int row) { Item_ = row >= 0 && row < List_.Count() ? &List_.Get(row) : nullptr; }
    int Row() const {
        for (int i = 0; i < List_.Count(); ++i)
            if (&List_.Get(i) == Item_) return i;
        return -1;
    }

    // A field of the item, or of the class it derives from.
    template <class V, class Owner>
    FieldAccess<V> Field(V Owner::*member) {
        return Access<V>([member](const T& item) { return static_cast<const Owner&>(item).*member; },
                         [member](T& item, const V& v) { static_cast<Owner&>(item).*member = v; });
    }
    // A value of the item read and written by functions (an element of an array,
    // the item's own setter).
    template <class V>
    FieldAccess<V> Access(std::function<V(const T&)> get, std::function<void(T&, const V&)> set) {
        return FieldAccess<V>([this, get] { return get(Get()); }, [this, set](const V& v) { set(Get(), v); },
                              FieldScope::Item);
    }

    // The list's operations for the item-list editor; `added` completes a new item.
    ItemListOps<T> Ops(std::function<void(T&)> added = {}) {
        return {[this] { return List_.Count(); },
                [this](int i) { return List_.Get(i); },
                [this, added](const T& item) {
                    T& made = List_.Get(List_.Add());
                    made = item;
                    if (added) added(made);
                },
                [this](int i, const T& item) { List_.Get(i) = item; },
                [this](int i) {
                    if (&List_.Get(i) == Item_) Item_ = nullptr;
                    List_.Delete(i);
                }};
    }

private:
    mTItemList<T>& List_;
    T* Item_ = nullptr;
    T Spare_;
};

}  // namespace kvz

#pragma once
// What the item-list editor shows and changes: a list of the model with its
// columns declared once. ItemList<T> serves any list whose items can be copied
// and compared: the declaration's lists (ItemsOf) and a source's income lines
// (LinesOf); the screen gives the columns and the dialog that edits one item.
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "model/item_list.h"

class QWidget;

namespace kvz {

class ItemListSource {
public:
    virtual ~ItemListSource() = default;
    virtual QStringList Titles() const = 0;
    virtual int Count() const = 0;
    // One text per column.
    virtual QStringList Texts(int row) const = 0;
    // Whether deleting the item loses anything the user entered.
    virtual bool HoldsData(int row) const = 0;
    // How the question before deleting names the item: its first column unless
    // the list says more.
    virtual QString Name(int row) const { return Texts(row).value(0); }
    // A new item edited in the dialog joins the end of the list; true when it did.
    virtual bool Add(QWidget* parent) = 0;
    // The item edited in the dialog; true when it changed.
    virtual bool Edit(int row, QWidget* parent) = 0;
    virtual void Delete(int row) = 0;
};

// How to reach the items of one list.
template <class T>
struct ItemListOps {
    std::function<int()> count;
    std::function<T(int)> get;
    std::function<void(const T&)> add;
    std::function<void(int, const T&)> put;
    std::function<void(int)> remove;
};

template <class T>
struct ItemColumn {
    QString title;
    std::function<QString(const T&)> text;
};

// Edits the item in its dialog; false when the user cancelled.
template <class T>
using ItemDialog = std::function<bool(T& item, QWidget* parent)>;

// Whether deleting the item would lose what the user entered.
template <class T>
using ItemHoldsData = std::function<bool(const T& item)>;

// The item as the question before deleting it names it.
template <class T>
using ItemName = std::function<QString(const T& item)>;

template <class T>
class ItemList : public ItemListSource {
public:
    // Without `holdsData` an item holds data unless it is still as the dialog creates it.
    ItemList(ItemListOps<T> ops, std::vector<ItemColumn<T>> columns, ItemDialog<T> dialog,
             ItemHoldsData<T> holdsData = {}, ItemName<T> name = {})
        : Ops_(std::move(ops)), Columns_(std::move(columns)), Dialog_(std::move(dialog)),
          HoldsData_(std::move(holdsData)), Name_(std::move(name)) {}

    QStringList Titles() const override {
        QStringList titles;
        for (const auto& column : Columns_) titles << column.title;
        return titles;
    }
    int Count() const override { return Ops_.count(); }
    QStringList Texts(int row) const override {
        const T item = Ops_.get(row);
        QStringList texts;
        for (const auto& column : Columns_) texts << column.text(item);
        return texts;
    }
    bool HoldsData(int row) const override {
        const T item = Ops_.get(row);
        return HoldsData_ ? HoldsData_(item) : !(item == T{});
    }
    QString Name(int row) const override { return Name_ ? Name_(Ops_.get(row)) : ItemListSource::Name(row); }
    bool Add(QWidget* parent) override {
        T item{};
        if (!Dialog_(item, parent)) return false;
        Ops_.add(item);
        return true;
    }
    bool Edit(int row, QWidget* parent) override {
        T item = Ops_.get(row);
        if (!Dialog_(item, parent) || item == Ops_.get(row)) return false;
        Ops_.put(row, item);
        return true;
    }
    void Delete(int row) override { Ops_.remove(row); }

private:
    ItemListOps<T> Ops_;
    std::vector<ItemColumn<T>> Columns_;
    ItemDialog<T> Dialog_;
    ItemHoldsData<T> HoldsData_;
    ItemName<T> Name_;
};

// The items of one of the declaration's lists.
template <class T>
std::unique_ptr<ItemListSource> ItemsOf(mTItemList<T>& list, std::vector<ItemColumn<T>> columns, ItemDialog<T> dialog) {
    ItemListOps<T> ops{[&list] { return list.Count(); }, [&list](int i) { return list.Get(i); },
                       [&list](const T& item) { list.Get(list.Add()) = item; },
                       [&list](int i, const T& item) { list.Get(i) = item; }, [&list](int i) { list.Delete(i); }};
    return std::make_unique<ItemList<T>>(std::move(ops), std::move(columns), std::move(dialog));
}

// The income lines of a payment source, through the source's own operations so
// that its total follows them.
template <class Source, class Line>
std::unique_ptr<ItemListSource> LinesOf(Source& source, std::vector<ItemColumn<Line>> columns,
                                        ItemDialog<Line> dialog, ItemName<Line> name = {}) {
    ItemListOps<Line> ops{[&source] { return source.LineCount(); }, [&source](int i) { return source.Line(i); },
                          [&source](const Line& line) { source.AddLine(line); },
                          [&source](int i, const Line& line) { source.ReplaceLine(i, line); },
                          [&source](int i) { source.ReplaceLine(i, std::nullopt); }};
    return std::make_unique<ItemList<Line>>(std::move(ops), std::move(columns), std::move(dialog), ItemHoldsData<Line>{},
                                            std::move(name));
}

}  // namespace kvz

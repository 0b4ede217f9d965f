#pragma once
// An owned list of section objects that may be absent altogether: the declaration
// keeps a list only while its income kind is switched on.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <vector>

namespace kvz {

template <class T>
class mTItemList {
public:
    mTItemList() = default;
    // A copy holds copies of the items, never the same ones.
    mTItemList(const mTItemList& other) : Exists_(other.Exists_) {
        Items_.reserve(other.Items_.size());
        for (const auto& item : other.Items_) Items_.push_back(std::make_unique<T>(*item));
    }
    mTItemList& operator=(const mTItemList& other) {
        if (this != &other) *this = mTItemList(other);
        return *this;
    }
    mTItemList(mTItemList&&) noexcept = default;
    mTItemList& operator=(mTItemList&&) noexcept = default;

    bool Exists() const { return Exists_; }
    void Create() { Exists_ = true; }
    void Destroy() { Items_.clear(); Exists_ = false; }

    int Count() const { return Exists_ ? static_cast<int>(Items_.size()) : 0; }
    // Creates a default item at the end and returns its index.
    int Add() {
        RequireExists();
        Items_.push_back(std::make_unique<T>());
        return static_cast<int>(Items_.size()) - 1;
    }
    T& Get(int index) { return *Items_.at(Checked(index)); }
    const T& Get(int index) const { return *Items_.at(Checked(index)); }
    void Put(int index, std::unique_ptr<T> item) { Items_.at(Checked(index)) = std::move(item); }
    void Delete(int index) { Items_.erase(Items_.begin() + Checked(index)); }

    bool operator==(const mTItemList& other) const {
        if (Exists_ != other.Exists_ || Items_.size() != other.Items_.size()) return false;
        for (std::size_t i = 0; i < Items_.size(); ++i)
            if (!(*Items_[i] == *other.Items_[i])) return false;
        return true;
    }

private:
    void RequireExists() const {
        if (!Exists_) throw std::logic_error("список не создан: вид дохода выключен");
    }
    std::size_t Checked(int index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= Items_.size())
            throw std::out_of_range("индекс вне списка");
        return static_cast<std::size_t>(index);
    }

    bool Exists_ = false;
    std::vector<std::unique_ptr<T>> Items_;
};

}  // namespace kvz

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/Exceptions.h"

namespace platform {

// The runtime's growable list of String, indexed from 0. Reading or writing outside its bounds
// raises OutOfBoundsException; Ubound is -1 for an empty list.
class StringList {
public:
    StringList() = default;
    StringList(std::initializer_list<std::string> items) : items_(items) {}
    explicit StringList(std::vector<std::string> items) : items_(std::move(items)) {}

    std::int64_t Ubound() const { return static_cast<std::int64_t>(items_.size()) - 1; }
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }

    const std::string& operator()(std::int64_t index) const { return items_[Checked(index)]; }
    std::string& operator()(std::int64_t index) { return items_[Checked(index)]; }
    void Set(std::int64_t index, std::string value) { items_[Checked(index)] = std::move(value); }

    void Append(std::string value) { items_.push_back(std::move(value)); }
    void Remove(std::int64_t index) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Checked(index)));
    }
    // Empties the list and gives its room back.
    void RemoveAll() {
        items_.clear();
        items_.shrink_to_fit();
    }
    void Reserve(std::size_t count) { items_.reserve(count); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    const std::vector<std::string>& Items() const { return items_; }

    friend bool operator==(const StringList&, const StringList&) = default;

private:
    std::size_t Checked(std::int64_t index) const {
        if (index < 0 || index >= static_cast<std::int64_t>(items_.size())) {
            throw OutOfBoundsException("Index " + std::to_string(index) +
                                       " is outside the list (upper bound " +
                                       std::to_string(Ubound()) + ").");
        }
        return static_cast<std::size_t>(index);
    }

    std::vector<std::string> items_;
};

}  // namespace platform

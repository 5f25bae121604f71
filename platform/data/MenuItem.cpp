#include "platform/data/MenuItem.h"

#include "platform/core/Exceptions.h"

namespace platform {

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    if (item == nullptr) {
        throw NilObjectException("A missing menu item cannot be appended to \"" + name_ + "\".");
    }
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) {
            return child;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) {
            return child;
        }
        if (auto found = child->Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Item(std::int64_t index) const {
    if (index < 0 || index >= Count()) {
        throw OutOfBoundsException("Menu \"" + name_ + "\" has no item " + std::to_string(index) +
                                   " (it has " + std::to_string(Count()) + ").");
    }
    return children_[static_cast<std::size_t>(index)];
}

}  // namespace platform

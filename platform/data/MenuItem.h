#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One entry of a menu tree: a menu bar, a menu or an item. Holds no toolkit object; a window
// turns the tree into its toolkit's menus when the bar is installed on it.
//
// Text: "&" marks the next character as the mnemonic, "-" makes a separator line.
// KeyboardShortcut: "Cmd+<key>" is the platform's command key with <key>; an empty shortcut
// means none. A shortcut that was never set is told apart from one set to empty.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // Readies a new item; a class of the application may put its own building here.
    virtual void Constructor() {}

    const std::string& Name() const { return name_; }
    void Name(std::string name) { name_ = std::move(name); }

    const std::string& Text() const { return text_; }
    void Text(std::string text) { text_ = std::move(text); }

    const std::string& KeyboardShortcut() const { return shortcut_; }
    void KeyboardShortcut(std::string shortcut) {
        shortcut_ = std::move(shortcut);
        shortcutSet_ = true;
    }
    bool KeyboardShortcutSet() const { return shortcutSet_; }

    // Whether the platform enables the item by itself, as the item's kind and the focus allow.
    bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool value) { autoEnable_ = value; }

    bool Visible() const { return visible_; }
    void Visible(bool value) { visible_ = value; }

    bool IsSeparator() const { return text_ == "-"; }

    // Adds item last among the children. Raises NilObjectException for a missing item.
    void Append(std::shared_ptr<MenuItem> item);

    // The direct child named name (exact spelling), or nullptr.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;

    // The item named name at any depth below this one, searched depth first in child order,
    // or nullptr.
    std::shared_ptr<MenuItem> Lookup(std::string_view name) const;

    std::int64_t Count() const { return static_cast<std::int64_t>(children_.size()); }

    // The child at index (from 0); raises OutOfBoundsException outside the children.
    std::shared_ptr<MenuItem> Item(std::int64_t index) const;

private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool shortcutSet_ = false;
    bool autoEnable_ = false;
    bool visible_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

}  // namespace platform

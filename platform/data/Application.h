#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace platform {

class MenuItem;

// The framework's application class: the application-wide menu bar and the menu handlers
// bound to items by their names. The system derives its application object from it.
class Application {
public:
    using MenuHandler = std::function<bool()>;

    virtual ~Application() = default;

    std::shared_ptr<MenuItem> MenuBar() const { return menuBar_; }
    void MenuBar(std::shared_ptr<MenuItem> bar) { menuBar_ = std::move(bar); }

    // Binds handler to the menu item named itemName; choosing that item calls it.
    void AddMenuHandler(const std::string& itemName, MenuHandler handler) {
        menuHandlers_[itemName] = std::move(handler);
    }

    // The handler bound to itemName, or nullptr.
    const MenuHandler* MenuHandlerFor(const std::string& itemName) const {
        const auto found = menuHandlers_.find(itemName);
        return found == menuHandlers_.end() ? nullptr : &found->second;
    }

private:
    std::shared_ptr<MenuItem> menuBar_;
    std::map<std::string, MenuHandler> menuHandlers_;
};

}  // namespace platform

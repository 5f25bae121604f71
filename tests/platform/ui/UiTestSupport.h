#pragma once

// Helpers for the window-layer tests: property lists written as readable source and a window
// class whose events tests can watch; the shared test support besides.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QTest>

#include "platform/data/PropertyListSource.h"
#include "platform/ui/Window.h"
#include "support/EventLoop.h"
#include "support/ScriptedDialogs.h"

namespace uitest {

using testing_support::ScriptedDialogs;
using testing_support::Settle;

// The stored bytes of a list given as source lines (the first names the class).
inline std::string List(std::string_view source) {
    return platform::EncodePropertyListSource("test list", source).bytes;
}

// A window whose Layout, CreateControls and Open run the functions the test gives, and which
// notes the order in which they ran.
class TestWindow : public platform::ui::Window {
public:
    std::function<void(TestWindow&)> onLayout;
    std::function<void(TestWindow&)> onCreateControls;
    std::function<void(TestWindow&)> onOpen;
    std::vector<std::string> events;

    void Layout() override {
        events.emplace_back("Layout");
        if (onLayout) {
            onLayout(*this);
        }
    }
    void CreateControls() override {
        events.emplace_back("CreateControls");
        if (onCreateControls) {
            onCreateControls(*this);
        }
    }
    void Open() override {
        events.emplace_back("Open");
        if (onOpen) {
            onOpen(*this);
        }
    }
};

// A built window kept by the test (not in the registry).
inline std::shared_ptr<TestWindow> BuiltWindow() {
    auto window = std::make_shared<TestWindow>();
    window->Constructor();
    return window;
}

// A new control of class C added to window under name.
template <class C>
C& Added(platform::ui::Window& window, std::string name) {
    return static_cast<C&>(window.AddControl(std::move(name), window.NewControl<C>()));
}

// The same, of the given size.
template <class C>
C& Added(platform::ui::Window& window, std::string name, std::int64_t width, std::int64_t height) {
    C& control = Added<C>(window, std::move(name));
    control.Width(width);
    control.Height(height);
    return control;
}

// Shows window; whether the window system then shows it too.
inline bool Shown(platform::ui::Window& window) {
    window.Show();
    return QTest::qWaitForWindowExposed(window.Frame());
}

}  // namespace uitest

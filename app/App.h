#pragma once

#include "engine/AppProperties.h"
#include "platform/data/Application.h"

namespace tavrel {

// The application object: exactly one for the whole run, made and registered at start-up and
// reached everywhere through the accessor App(). It holds what the engine keeps from one request
// to the next (the properties of engine::AppProperties, in declared order) and the About item's
// menu handler.
class App : public platform::Application, public engine::AppProperties {
public:
    App();
    ~App() override;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Does nothing of its own; start-up calls it right after making the object.
    void Constructor();

    // Menu handler of the About item: shows the About window. Returns False, as every menu
    // handler of the application does.
    bool FileAboutTavrel_Action();

private:
    // Gives every new object its four lists, empty.
    void Init();
    // Releases the seven properties when the object goes away.
    void Exit();
};

}  // namespace tavrel

// The registered application object; raises platform::NilObjectException while none is
// registered or the registered one is not a tavrel::App.
tavrel::App& App();

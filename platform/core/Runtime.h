#pragma once

// The runtime's registry of the one application object.

namespace platform {

class Application;

// Registers app as the application object; GetAppObject returns it from then on.
// Registering nullptr clears the registration (the object is going away).
void RuntimeRegisterAppObject(Application* app);

// The registered application object, or nullptr while none is registered.
Application* GetAppObject();

}  // namespace platform

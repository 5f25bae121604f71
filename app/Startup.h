#pragma once

// The application's start-up, from the process's entry to the event loop:
//
//   main                     runtime start, Main, finalisers, exit status
//   Main                     early start-up, framework initialisation, event loop; an exception
//                            on the way goes to the unhandled-exception handling
//   EarlyStartup             what happens before the framework initialises
//   InitFileTypes            the application declares no document file types
//   NewAppInstance           makes, equips and registers the application object
//   ApplicationAddMenuHandlers  binds the About item's handler
//   LateStartup              called by the framework once it has initialised
//   MakeDefaultView          makes the main window

#include "platform/ui/FrameworkRuntime.h"

namespace tavrel {

// The application's name and icon, as main() hands them to the runtime.
platform::ui::ApplicationIdentity Identity();

void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

}  // namespace tavrel

#include "App.h"
#include "engine/Host.h"
#include "platform/ui/Window.h"

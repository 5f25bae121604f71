#include "engine/format/CueTag.h"
#include "platform/core/Text.h"

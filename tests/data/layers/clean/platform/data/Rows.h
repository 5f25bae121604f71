#include "generated/Missing.h"
#include "platform/core/Text.h"

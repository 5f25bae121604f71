#include "format/CueTag.h"
#include "platform/core/Text.h"
#include "platform/data/Rows.h"

#include <platform/core/Text.h>
#include <QWidget>

#include "platform/data/Rows.h"

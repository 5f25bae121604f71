#include <QWidget>

#include "platform/data/Rows.h"

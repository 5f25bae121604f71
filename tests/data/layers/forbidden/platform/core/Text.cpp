#include "../data/Rows.h"

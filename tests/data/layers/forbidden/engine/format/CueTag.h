#include <vector>

#include "app/App.h"

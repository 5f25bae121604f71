#include <vector>
using Row = int[2];
#include "app/App.h"

#include <app/App.h>

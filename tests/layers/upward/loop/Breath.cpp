#include "loop/Breath.h"

#include "../electronics/Cells.h"

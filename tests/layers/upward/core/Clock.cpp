#include "core/Clock.h"

#include "simulation/Simulation.h"

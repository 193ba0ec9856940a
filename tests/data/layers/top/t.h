#include "side/s.h"
#include "mid/m.h"

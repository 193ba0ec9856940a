#include "low/l.h"

#include "mid/m.h"
#include "low/l.h"
#include "side/s.h"
#include <top/t.h>
#include "top/t.h"

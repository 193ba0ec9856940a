#include "top/t.h"

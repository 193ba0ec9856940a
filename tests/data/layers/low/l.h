#pragma once
#include <vector>
#include "low/other.h"
#include "mid/m.h"
  #  include "low/x.h"
#include "nowhere/n.h"
// #include "top/t.h"

#include "beside.h"
#include "work.h"
#include "sub/h1.h"
#include "onlyinc.h"
#include "order.h"
#include "cfgonly.h"
#include <angle.h>
#include <iostream>
#include <algorithm>
end

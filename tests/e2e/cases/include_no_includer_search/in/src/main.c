#include "beside.h"
#include "onlybeside.h"
end

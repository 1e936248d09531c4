#include "g.h"
#undef G_H
#include "g.h"
#include "g.h"
end

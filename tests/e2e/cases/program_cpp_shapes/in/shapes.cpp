// Shapes: computes the areas of a few figures.
#include <platform>
#include "lib/shape.h"
#include "lib/circle.h"
#include "lib/square.h"

#ifdef NEVER_DEFINED_ANYWHERE
#error this group is never processed
#endif

namespace demo {

#define MAKE(kind, size) make_##kind(size),

static Shape *all[] = {
    MAKE(circle, 2.0)
    MAKE(square,
         3.0)
    0
};

}  // namespace demo

int main()
{
    double total = 0;
    for (Shape **s = demo::all; *s; ++s)
        total += AREA(*s);
    TRACE(total);
    return total > LIMIT ? 1 : 0;
}

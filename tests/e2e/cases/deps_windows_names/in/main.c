#include "Inc\Foo.h"
int x = FOO;

#define S(x) #x
#define F __FILE__
char *a = __FILE__; char *b = F; char *c = S(__FILE__);
#include "inc\h.h"

__LINE__ __FILE__
#include "sub/inc.h"
__LINE__ __FILE__
#define L __LINE__
#define F __FILE__
#define S(x) #x
#define XS(x) S(x)
L F XS(__LINE__) S(__LINE__)
#line 100 "renamed.c"
__LINE__ __FILE__
#line 200
__LINE__ __FILE__
#line 300 "dir\name.c"
__LINE__ __FILE__
#ifdef __LINE__
defined __DATE__x __TIME__x
#endif

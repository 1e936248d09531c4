#ifndef N
#define N
#ifdef N
inner
#endif
#endif

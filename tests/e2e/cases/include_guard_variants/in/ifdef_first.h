#ifdef X
#endif
#ifndef IF
#define IF
#endif

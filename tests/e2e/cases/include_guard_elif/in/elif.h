#ifndef E
#define E
#elif 0
#endif

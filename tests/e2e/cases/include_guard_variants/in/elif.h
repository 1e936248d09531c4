#ifndef E
#define E
#elif
#endif

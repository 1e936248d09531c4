#ifndef T
#define T
#endif
trailing_text

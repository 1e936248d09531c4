#define X 1
#if(X+)
a
#endif

#if(defined(X))
c
#endif
#if(!X)
d
#endif

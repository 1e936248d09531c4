#ifdef
a
#else
b
#endif
#ifndef 123
c
#endif
#ifdef (X)
d
#endif
#ifdef /* comment */ X
e
#else
f
#endif
#ifndef		X
g
#endif

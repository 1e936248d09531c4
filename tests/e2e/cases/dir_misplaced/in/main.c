#else
#endif
#elif
#define A
#ifdef A
a1
#else
a2
#else
a3
#elif
a4
#endif
#ifdef NOPE
b1
#else
b2
#else
b3
#elif
b4
#endif
#ifndef NOPE
c1
#endif
#endif
end

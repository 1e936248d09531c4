#define A 1
#ifdef A junk
a
#else /* a comment is not extra text */
b
#endif /* neither */
#ifndef A +
c
#else ;
d
#endif )
#ifdef A
e
#else
#endif x
#undef A 7
#ifdef NOPE
#endif ?
end

#define A
#ifdef A
a1
#else
a2
#endif
#ifndef A
b1
#else
b2
#endif
#ifdef A
c1
#elif garbage ((( not evaluated
c2
#elif
c3
#else
c4
#endif
#ifdef NOPE
#define SKIPPED 1
#else
#ifndef SKIPPED
d1
#ifdef A
d2
#undef A
#endif
#ifdef A
d3
#else
d4
#endif
#endif
#endif
  #  ifdef  /* blanks */ NOPE
e1
  #  else  // line comment
e2
  #  endif
end

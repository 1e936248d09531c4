#define A 1
#define F(x) x
#undef A
#undef NEVER
#define A 2
#define A 2
#undef
#define
#define __FILE__ 1
#ifdef NOPE
#define SKIPPED
#undef F
#endif
#define SPLIT a \
b
  #  define  INDENTED  /* c */ i
A F(1) SPLIT INDENTED

/* define _INTEGRAL_MAX_BITS */
/* define __TLS__ */
/* define __FLAT__ */
/* define _Windows */
/* define __CDECL__ */
/* define __CONSOLE__ */
/* define _MT */
/* define __CGVER__ */
/* define __MT__ */
/* define __KESTRELC__ */
/* define _CPPUNWIND */
/* define __RAPIDC__ */
/* define _WIN32 */
/* define _M_IX86 */
/* define __KCOPT__ */
/* define __WIN32__ */
/* main.c 1: *//* define A */
/* main.c 2: *//* define F */
/* main.c 3: *//* undef A */
/* main.c 4: *//* undef NEVER */
/* main.c 5: *//* define A */
/* main.c 6: *//* define A */
/* main.c 7: */
/* main.c 8: */
/* main.c 9: *//* define __FILE__ */
/* main.c 10: */
/* main.c 11: */
/* main.c 12: */
/* main.c 13: */
/* main.c 14: */
/* main.c 15: *//* define SPLIT */
/* main.c 16: *//* define INDENTED */
/* main.c 17: */2 1 a b i
/* main.c 18: */
/* main.c 19: */
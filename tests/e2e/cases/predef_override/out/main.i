/* define _INTEGRAL_MAX_BITS */
/* define NEWMAC */
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
/* define EMPTYDEF */
/* define _M_IX86 */
/* define __KCOPT__ */
/* define __WIN32__ */
/* main.c 1: */2 abc [] 1
/* main.c 2: *//* define __FLAT__ */
/* main.c 3: */3
/* main.c 4: */
/* main.c 5: */
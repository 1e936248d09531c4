#define HDR "quoted.h"
#define SYS <angle.h>
#define STR(x) #x
#define XSTR(x) STR(x)
#define NAME built.h
#define EXT h
#define PATH(b) <b.EXT>
#include HDR
#include SYS
#include XSTR(NAME)
#include   HDR   /* trailing comment */
#include PATH(angle)
after

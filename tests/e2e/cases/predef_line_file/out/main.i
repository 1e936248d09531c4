/* main.c 1: */1 "main.c"
/* main.c 2: */

/* sub/inc.h 1: */
first
/* sub/inc.h 2: */2 "sub/inc.h"
/* sub/inc.h 3: */
/* sub/inc.h 4: */
/* main.c 3: */3 "main.c"
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */8 "main.c" "8" "__LINE__"
/* main.c 9: */
/* renamed.c 100: */100 "renamed.c"
/* renamed.c 101: */
/* renamed.c 200: */200 "renamed.c"
/* renamed.c 201: */
/* dir\name.c 300: */300 "dir\\name.c"
/* dir\name.c 301: */
/* dir\name.c 302: */defined __DATE__x __TIME__x
/* dir\name.c 303: */
/* dir\name.c 304: */
/* dir\name.c 305: */
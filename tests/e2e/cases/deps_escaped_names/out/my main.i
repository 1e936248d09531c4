/* my main.c 1: */

/* sp ace.h 1: */
int s;
/* sp ace.h 2: */
/* sp ace.h 3: */
/* my main.c 2: */

/* cost$.h 1: */
int c;
/* cost$.h 2: */
/* cost$.h 3: */
/* my main.c 3: */

/* hash#.h 1: */
int h;
/* hash#.h 2: */
/* hash#.h 3: */
/* my main.c 4: */int m;
/* my main.c 5: */
/* my main.c 6: */
/* second.c 1: */second
/* second.c 2: */
/* second.c 3: */
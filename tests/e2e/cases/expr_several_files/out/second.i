/* second.c 1: */
/* second.c 2: */b
/* second.c 3: */
/* second.c 4: */
/* second.c 5: */
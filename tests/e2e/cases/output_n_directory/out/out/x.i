/* src/x.c 1: */x
/* src/x.c 2: */
/* src/x.c 3: */
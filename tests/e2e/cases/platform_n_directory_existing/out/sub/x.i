/* x.c 1: */int x;
/* x.c 2: */
/* x.c 3: */
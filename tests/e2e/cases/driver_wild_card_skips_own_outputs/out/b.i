/* b.c 1: */int b;
/* b.c 2: */
/* b.c 3: */
/* main.c 1: */int m;
/* main.c 2: */
/* main.c 3: */
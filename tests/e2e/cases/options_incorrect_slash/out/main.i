/* main.c 1: */a
/* main.c 2: */
/* main.c 3: */
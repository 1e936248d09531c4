/* main.c 1: */
/* main.c 2: */
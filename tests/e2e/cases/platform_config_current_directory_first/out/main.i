/* main.c 1: */current
/* main.c 2: */
/* main.c 3: */
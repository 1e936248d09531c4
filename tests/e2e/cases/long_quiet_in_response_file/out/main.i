/* main.c 1: */int y = 3;
/* main.c 2: */
/* main.c 3: */
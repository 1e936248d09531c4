/* main.c 1: */1
/* main.c 2: */
/* main.c 3: */
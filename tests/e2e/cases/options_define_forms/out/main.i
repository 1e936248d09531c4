/* main.c 1: */ 2 C D 1 F
/* main.c 2: */
/* main.c 3: */
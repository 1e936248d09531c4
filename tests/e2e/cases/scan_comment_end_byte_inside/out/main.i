/* main.c 1: */x */ y
/* main.c 2: */z
/* main.c 3: */
/* main.c 4: */
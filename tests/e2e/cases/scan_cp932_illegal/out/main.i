/* main.c 1: */a  b
/* main.c 2: */ c
/* main.c 3: */
/* main.c 4: */
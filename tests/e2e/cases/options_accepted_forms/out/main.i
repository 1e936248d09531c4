/* main.c 1: */a  b
/* main.c 2: */
/* main.c 3: */
/* main.c 1: */a  b
/* main.c 2: */x y
/* main.c 3: */z  w
/* main.c 4: */v  u
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
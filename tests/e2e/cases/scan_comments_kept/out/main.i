/* main.c 1: */  a /* c
/* main.c 2: */	  d */ b 
/* main.c 3: */	x/*\
/* main.c 4: */*/y \
/* main.c 5: */ z
/* main.c 6: */    /* lead */ w
/* main.c 7: */
/* main.c 8: */
/* main.c 1: */a 
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */d 
/* main.c 5: */e
/* main.c 6: */
/* main.c 7: */
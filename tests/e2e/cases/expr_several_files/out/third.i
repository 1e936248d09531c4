/* third.c 1: */
/* third.c 2: */
/* third.c 3: */
/* third.c 4: */
/* third.c 5: */d
/* third.c 6: */
/* third.c 7: */
/* third.c 8: */
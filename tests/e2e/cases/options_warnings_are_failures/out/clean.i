/* clean.c 1: */c
/* clean.c 2: */
/* clean.c 3: */
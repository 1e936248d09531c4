/* b.c 1: */X 2 __MEMSENTRY__
/* b.c 2: */
/* b.c 3: */
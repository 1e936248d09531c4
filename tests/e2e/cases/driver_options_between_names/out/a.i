/* a.c 1: */X 2 __MEMSENTRY__
/* a.c 2: */
/* a.c 3: */
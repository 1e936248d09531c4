/* a.c 1: */int a;
/* a.c 2: */
/* a.c 3: */
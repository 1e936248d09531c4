/* good.c 1: */int g;
/* good.c 2: */
/* good.c 3: */
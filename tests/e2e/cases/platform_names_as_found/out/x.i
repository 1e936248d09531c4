/* SUB\x.c 1: */int x;
/* SUB\x.c 2: */
/* SUB\x.c 3: */
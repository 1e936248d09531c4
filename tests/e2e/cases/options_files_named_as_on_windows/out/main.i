/* SRC\main.c 1: */int cfg = 1, rsp = 2;
/* SRC\main.c 2: */
/* SRC\main.c 3: */
good.i: good.c

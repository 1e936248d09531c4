all.i: b.c

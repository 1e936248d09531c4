old output of a.c

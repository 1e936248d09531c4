#line 1 "b.c"
b

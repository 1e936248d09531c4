#line 1 "a.c"
a


#line 1 "b.c"
1 two


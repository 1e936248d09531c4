#line 1 "main.c"
a


#line 1 "main.c"
1 two


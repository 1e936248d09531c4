#line 1 "main.c"
beside


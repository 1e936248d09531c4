#line 1 "plain.c"
only


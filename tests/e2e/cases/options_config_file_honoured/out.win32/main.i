#line 1 "main.c"
cfg


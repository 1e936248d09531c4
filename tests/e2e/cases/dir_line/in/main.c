#line abc
#line
#line 5 noquote
#line 5 'c'
__LINE__
#define NUM 50
#define NAME "macro.c"
#line NUM NAME
__LINE__ __FILE__
#line 7 "main.c"
__LINE__
#line 0010
__LINE__
#line   20   "spaced.c"
__LINE__ __FILE__

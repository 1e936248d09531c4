/* s.c 1: */const char *s = 
/* s.c 2: */
/* s.c 3: */"abcdefghi";
/* s.c 4: */int n;
/* s.c 5: */const char *t = 
/* s.c 6: */
/* s.c 7: */L"xy" "z";
/* s.c 8: */const char *u = 
/* s.c 9: */"openend"
/* s.c 10: */int m;
/* s.c 11: */
/* s.c 12: */
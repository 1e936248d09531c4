#if L'a' == 97
#endif
int x = 0;
#if L'ab' != 0
int y = 1;
#endif
#line 20
int z = L'c' + 'd' + 2;

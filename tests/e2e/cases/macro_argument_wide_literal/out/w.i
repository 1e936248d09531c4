/* w.c 1: */
/* w.c 2: */
/* w.c 3: */
/* w.c 4: */L"x" e L'x' e L"x" e
/* w.c 5: */L"x" "L\"x\"" e a L"x" "a L\"x\"" e L'"' "L'\"'" e
/* w.c 6: */
/* w.c 7: */L"y" e e L"y" e e
/* w.c 8: */
/* w.c 9: */
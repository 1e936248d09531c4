/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */"a \"b\" c"
/* main.c 6: */"spaced out args"
/* main.c 7: */"\"a\""
/* main.c 8: */"'\"'"
/* main.c 9: */"V"
/* main.c 10: */"value"
/* main.c 11: */
/* main.c 12: */"a b"
/* main.c 13: */"x y"
/* main.c 14: */"f(1, 2)"
/* main.c 15: */""|"x"
/* main.c 16: */"+" "0x1F" "a+ +b"
/* main.c 17: */
/* main.c 18: */
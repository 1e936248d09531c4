/* zero.c 1: */
/* zero.c 2: */X
/* zero.c 3: */
/* zero.c 4: */>Y
/* zero.c 5: */
/* zero.c 6: */1 2
/* zero.c 7: */
/* zero.c 8: */F(1)
/* zero.c 9: */
/* zero.c 10: */"a b"
/* zero.c 11: */
/* zero.c 12: */"q" " " q
/* zero.c 13: */
/* zero.c 14: */
/* zero.c 15: */
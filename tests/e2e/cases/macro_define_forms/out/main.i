/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */
/* main.c 12: */
/* main.c 13: */
/* main.c 14: */
/* main.c 15: */
/* main.c 16: */
/* main.c 17: */
/* main.c 18: */|1|(x)|(x) + 1|[1]|zero| |(y) y|a b|a b|a b
/* main.c 19: */"a  /* not */ b"|'"'|ab|1-2|( 3 )|FN0 |
/* main.c 20: */
/* main.c 21: */FN 